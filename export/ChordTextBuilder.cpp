#include "export/ChordTextBuilder.h"
#include "midi/MidiConstants.h"

#include <algorithm>
#include <ctime>

namespace {

constexpr char kSignature[] = "//Created with Cantaro by Tabulist Software";

void ReplaceNul(std::string& s) {
  for (char& c : s) {
    if (c == '\0') c = ' ';
  }
}

// A lyric line that holds only the padding under chords has no lyrics yet.
bool IsBlank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

void PadTo(std::string& s, std::size_t length) {
  const std::size_t have = Utf8Length(s);
  if (have < length) s.append(length - have, ' ');
}

// Drops the first character (a whole UTF-8 sequence, not just its first byte).
void DropFirstChar(std::string& s) {
  if (s.empty()) return;
  std::size_t n = 1;
  while (n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) ++n;
  s.erase(0, n);
}

}  // namespace

std::vector<std::string> TChordText::Lines() const {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (const TTextLine& line : lines) out.push_back(line.text);
  return out;
}

TChordTextBuilder::TChordTextBuilder(const TChordTextOptions& options) : options_(options) {}

std::string TChordTextBuilder::Decode(std::string_view bytes) const {
  if (options_.textsAreUtf8) return DecodeMidiText(bytes, options_.codePage);
  return DecodeCodePage(bytes, options_.codePage);
}

void TChordTextBuilder::CollectText(uint8_t status, uint8_t metaType, std::string_view bytes, int32_t time,
                                    int32_t trackNo) {
  if (status != MidiStatus::Meta || bytes.empty()) return;
  std::string text = Decode(bytes);
  switch (metaType) {
    case MidiMeta::Text:
      if (options_.karaoke && trackNo == 2) LyricHandling(std::move(text), time);
      else if (time == 0) HeaderHandling(std::move(text));
      break;
    case MidiMeta::Copyright:
    case MidiMeta::Instrument:
      HeaderHandling(std::move(text));
      break;
    case MidiMeta::TrackName:
      if (trackNo == 0) {
        if (title1_.empty()) title1_ = text;
        else if (title2_.empty()) title2_ = text;
      }
      HeaderHandling(std::move(text));
      break;
    case MidiMeta::Lyric:
      if (!options_.karaoke) LyricHandling(std::move(text), time);
      break;
    default:
      break;
  }
}

void TChordTextBuilder::LyricHandling(std::string text, int32_t time) {
  // Lyrics at tick 0 are the karaoke file's information block, not the song.
  if (time == 0) {
    HeaderHandling(std::move(text));
    return;
  }
  if (!text.empty() && text[0] == '/') {
    FlushTextLines();
    text.erase(0, 1);
    if (text.empty()) return;
  }
  if (!text.empty() && text[0] == '\\') {
    FlushTextLines();
    body_.push_back({TTextLineKind::Empty, std::string()});
    placement_.push_back({TPlacedLineKind::Paragraph, {}});
    text.erase(0, 1);
    if (text.empty()) return;
  }
  if (text[0] == '@') HeaderHandling(std::move(text));
  else fragment_ += text;
}

void TChordTextBuilder::HeaderHandling(std::string text) {
  while (!text.empty() && text[0] == '@') {
    if (text.size() > 1 && (text[1] == 'T' || text[1] == 't')) {
      ++titleCount_;
      if (titleCount_ == 1) title1_ = text.substr(2);
      else if (titleCount_ == 2) title2_ = text.substr(2);
    }
    DropFirstChar(text);
    DropFirstChar(text);
  }
  ReplaceNul(text);
  if (options_.commExport) body_.push_back({TTextLineKind::Comment, "//" + text});
}

void TChordTextBuilder::BeginBeat() {
  fragment_.clear();
  ++beat_;
}

void TChordTextBuilder::EndBeat(std::string_view cellText) {
  std::string cell(cellText);
  if (!cell.empty()) cell += ' ';
  // A chord is written only where it changes, also across line breaks and empty beats.
  if (cell == previousChord_) cell.clear();
  else if (!cell.empty()) previousChord_ = cell;

  const int32_t beat = std::max(beat_ - 1, 0);
  if (cell.empty()) {
    AppendLyric(fragment_);
    if (!fragment_.empty()) pieces_.push_back({beat, std::string(), fragment_});
  } else {
    pieces_.push_back({beat, cell.substr(0, cell.size() - 1), fragment_});
    // An instrumental passage keeps its chords at least five columns apart.
    if (lyricBlank_ && fragment_.empty()) PadTo(cell, 5);
    const std::size_t width = std::max(chordChars_, lyricChars_);
    AppendChord(std::string(width - chordChars_, ' '));
    AppendLyric(std::string(width - lyricChars_, ' '));
    AppendChord(cell);
    AppendLyric(fragment_);
  }
  fragment_.clear();
}

// The lines can grow to a whole song without a line break, so their widths are counted as
// they grow instead of from the start at every beat.
void TChordTextBuilder::AppendChord(const std::string& text) {
  chordLine_ += text;
  chordChars_ += Utf8Length(text);
}

void TChordTextBuilder::AppendLyric(const std::string& text) {
  lyricLine_ += text;
  lyricChars_ += Utf8Length(text);
  lyricBlank_ = lyricBlank_ && IsBlank(text);
}

void TChordTextBuilder::FlushTextLines() {
  while (!chordLine_.empty() && static_cast<unsigned char>(chordLine_.back()) <= ' ') chordLine_.pop_back();
  ReplaceNul(chordLine_);
  if (!fragment_.empty()) pieces_.push_back({std::max(beat_ - 1, 0), std::string(), fragment_});
  AppendLyric(fragment_);
  ReplaceNul(lyricLine_);
  // Padding under an instrumental chord line is not a lyric line.
  if (lyricBlank_) lyricLine_.clear();
  if (!chordLine_.empty()) body_.push_back({TTextLineKind::Chords, chordLine_, !lyricLine_.empty()});
  if (!lyricLine_.empty()) body_.push_back({TTextLineKind::Lyrics, lyricLine_});
  if (!chordLine_.empty() || !lyricLine_.empty()) {
    for (TPlacedPiece& piece : pieces_) {
      ReplaceNul(piece.chord);
      ReplaceNul(piece.text);
    }
    placement_.push_back({lyricLine_.empty() ? TPlacedLineKind::Instrumental : TPlacedLineKind::Lyrics,
                          std::move(pieces_)});
  }
  pieces_.clear();
  chordLine_.clear();
  lyricLine_.clear();
  fragment_.clear();
  chordChars_ = 0;
  lyricChars_ = 0;
  lyricBlank_ = true;
}

std::string TChordTextBuilder::HeaderLine(int32_t tempo, int32_t transposition, std::string_view keyFromName,
                                          std::string_view keyToName) {
  std::string line = "TEMPO=" + std::to_string(tempo) + " ";
  // The editor learns how far to shift the chords back to the song's own key.
  if (transposition != 0) line += "TRANSPOS=" + std::to_string(-static_cast<int64_t>(transposition)) + " ";
  if (!keyFromName.empty()) {
    line += keyFromName;
    line += "-->";
    line += keyToName;
  }
  return line;
}

TChordText TChordTextBuilder::Finish(int32_t tempo, int32_t transposition, int32_t key, std::string_view keyFromName,
                                     std::string_view keyToName, std::string_view dateTime) {
  FlushTextLines();
  TChordText result;
  result.title1 = title1_;
  result.title2 = title2_;
  ReplaceNul(result.title1);
  ReplaceNul(result.title2);
  result.tempo = tempo;
  result.transposition = transposition;
  result.key = key;
  result.lines.push_back({TTextLineKind::Title, " " + result.title2});
  result.lines.push_back({TTextLineKind::Title, " " + result.title1});
  result.lines.push_back({TTextLineKind::Header, HeaderLine(tempo, transposition, keyFromName, keyToName)});
  result.lines.insert(result.lines.end(), body_.begin(), body_.end());
  // The saved text shows an empty line before the signature.
  result.lines.push_back({TTextLineKind::Empty, std::string()});
  result.lines.push_back({TTextLineKind::Signature, kSignature});
  result.lines.push_back({TTextLineKind::Signature, "//" + std::string(dateTime)});
  result.placement = std::move(placement_);
  placement_.clear();
  body_.clear();
  return result;
}

std::string SignatureDateTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[128];
  const std::size_t n = std::strftime(buffer, sizeof buffer, "%x %X", &local);
  return std::string(buffer, n);
}
