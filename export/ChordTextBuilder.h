#pragma once
// The lyrics-with-chords text, built while the song is replayed silently beat by beat: the
// text meta events of each beat arrive through CollectText, and EndBeat places the beat's
// chord above the first syllable of the beat. Chord names go on a line of their own above
// the lyric line; columns are counted in characters, so a chord stays above its syllable in
// Cyrillic lyrics too.
//
// This class knows nothing of the engine; BuildChordText (ChordText.h) drives it from one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chords/untChords.h"
#include "export/CodePage.h"

enum class TTextLineKind : unsigned char {
  Title,      // " " followed by a title
  Header,     // "TEMPO=..."
  Chords,     // chord names placed in columns
  Lyrics,     // syllables
  Comment,    // "//" followed by a text of the file
  Empty,      // a paragraph break or the gap before the signature
  Signature,  // "//Created with ..." and the date line
};

struct TTextLine {
  TTextLineKind kind = TTextLineKind::Empty;
  std::string text;
  // A chord line whose chords stand above the next line (a lyric line of the same pair).
  bool overLyrics = false;
};

// Where the builder put each chord and syllable, as data: the lines of the text in order, each
// a run of pieces. A piece is what one beat added to its line: the chord written there (empty
// where the chord did not change) and the syllables that follow it up to the next piece.
// Views that lay the sheet out in a proportional font read this instead of the columns.
struct TPlacedPiece {
  int32_t beat = 0;
  std::string chord;  // without the trailing space
  std::string text;   // syllables, as the lyric line has them
};

enum class TPlacedLineKind : unsigned char {
  Lyrics,        // syllables, with or without chords
  Instrumental,  // chords alone
  Paragraph,     // the empty line of a paragraph break
};

struct TPlacedLine {
  TPlacedLineKind kind = TPlacedLineKind::Lyrics;
  std::vector<TPlacedPiece> pieces;
};

struct TChordText {
  std::string title1;  // first "@T" text, else the first track name of track 0
  std::string title2;  // second one
  int32_t tempo = 120;
  int32_t transposition = 0;
  int32_t key = -1;             // original key (pitch class of the major tonic), -1 unknown
  std::vector<TTextLine> lines;  // the whole text in order, title and header lines included
  std::vector<TPlacedLine> placement;  // the chords and syllables of the body, placed
  NoteNotation notation = NoteNotation::English;  // of the key's name
  std::string keyWithMode;  // the key after the transposition named with its mode ("Am")

  // The plain text, one entry per line.
  std::vector<std::string> Lines() const;
};

struct TChordTextOptions {
  bool karaoke = false;     // lyrics are the text events of track 2
  bool commExport = true;   // texts of the file become "//" comment lines
  TCodePage codePage = TCodePage::Cp1251;
  // False when some text of the file is not valid UTF-8: then every text is decoded from the
  // code page, so that a legacy text that happens to form valid UTF-8 is not left alone.
  bool textsAreUtf8 = true;
};

class TChordTextBuilder {
 public:
  explicit TChordTextBuilder(const TChordTextOptions& options);

  // A dispatched event (status byte, meta type, data bytes, absolute tick, track number).
  void CollectText(uint8_t status, uint8_t metaType, std::string_view bytes, int32_t time, int32_t trackNo);
  void BeginBeat();
  // cellText: the chord the beat grid shows for the beat (may be empty).
  void EndBeat(std::string_view cellText);
  void FlushTextLines();

  // Closes the text: the pending lines, the two title lines and the header line in front,
  // the signature at the end. dateTime: the date and time for the signature line.
  TChordText Finish(int32_t tempo, int32_t transposition, int32_t key, std::string_view keyFromName,
                    std::string_view keyToName, std::string_view dateTime);

  // The header line: "TEMPO=<bpm> ", "TRANSPOS=<-transposition> " when transposed, and
  // "<key>--><current key>" when the key is known (names empty: unknown).
  static std::string HeaderLine(int32_t tempo, int32_t transposition, std::string_view keyFromName,
                                std::string_view keyToName);

  // Current state, for tests and for callers that inspect a run.
  const std::string& ChordLine() const { return chordLine_; }
  const std::string& LyricLine() const { return lyricLine_; }
  const std::vector<TTextLine>& Body() const { return body_; }
  const std::vector<TPlacedLine>& Placement() const { return placement_; }

 private:
  std::string Decode(std::string_view bytes) const;
  void LyricHandling(std::string text, int32_t time);
  void HeaderHandling(std::string text);
  void AppendChord(const std::string& text);
  void AppendLyric(const std::string& text);

  TChordTextOptions options_;
  std::vector<TTextLine> body_;
  std::string chordLine_;
  std::string lyricLine_;
  std::string fragment_;
  std::size_t chordChars_ = 0;  // width of chordLine_ in characters
  std::size_t lyricChars_ = 0;  // width of lyricLine_ in characters
  bool lyricBlank_ = true;      // lyricLine_ holds nothing but spaces
  std::string previousChord_;
  // The pieces of the pending line pair; beat_ counts the beats begun (the current one is beat_ - 1).
  std::vector<TPlacedPiece> pieces_;
  std::vector<TPlacedLine> placement_;
  int32_t beat_ = 0;
  std::string title1_;
  std::string title2_;
  int titleCount_ = 0;
};

// The current date and time as the signature shows them: the locale's date, one space, the
// locale's time.
std::string SignatureDateTime();
