#pragma once
// The chord sheet: the song's lyrics with each chord standing over the syllable it starts on,
// as the window, the performing view, the printout and the PDF show it. It is made from the
// text builder's placement (which chord starts at which beat and over which syllables), not
// from the text's columns, so a proportional font keeps every chord over its syllable.
//
// The sheet knows the tick range of each line and the beat of each chord, so a view can follow
// playback and a click on a chord can name its beat. LayoutChordSheet cuts its lines into rows
// of a given width with a measure handed in, so layouts are computed (and tested) without a
// display.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chords/GuitarShapes.h"
#include "export/ChordTextBuilder.h"

enum class TSheetLineKind : unsigned char {
  Lyrics,        // syllables with the chords over them
  Instrumental,  // chords alone, as the text has them
  Paragraph,     // an empty line between paragraphs
  Bars,          // a song without lyrics: four beats a row, one chord (or none) each
};

// What one beat put on its line: the chord that starts there (empty where the chord goes on)
// and the syllables sung from there to the next piece. Syllables of one beat that span two
// words are two pieces of that beat, the chord with the first.
struct TSheetPiece {
  int32_t beat = 0;
  std::string chord;
  std::string text;
};

struct TSheetLine {
  TSheetLineKind kind = TSheetLineKind::Lyrics;
  std::vector<TSheetPiece> pieces;
  // The ticks the line is sung (or played) in: from its start to the next line's start.
  int32_t startTick = 0;
  int32_t endTick = 0;
};

// A chord of the sheet by its place.
struct TSheetChordRef {
  int line = -1;
  int piece = -1;
  bool operator==(const TSheetChordRef&) const = default;
};

// The diagrams above the sheet: guitar shapes, piano keys, or none.
enum class TDiagramInstrument : unsigned char { None, Guitar, Piano };

// One chord of the strip above the sheet, each distinct chord of the song once.
struct TSheetDiagram {
  std::string name;                   // as the sheet names it
  std::optional<TGuitarShape> shape;  // the guitar's shape; none: unknown (the tones are shown)
  std::vector<int> keys;              // the piano's keys from the C below the bass (0), lowest first
  std::vector<std::string> tones;     // the tones' names, root first
};

// The capo that saves barres: its fret and the names of the chords fingered under it, in the
// strip's order; fret 0: no hint.
struct TSheetCapo {
  int fret = 0;
  std::vector<std::string> names;
};

struct TChordSheet {
  std::string title;     // the song's title (first "@T" text or first track name)
  std::string subtitle;  // the second one (a singer), may be empty
  std::string key;       // the key named with its mode; empty when unknown
  int32_t tempo = 0;     // beats per minute
  int32_t beatLength = 0;
  std::vector<TSheetLine> lines;
  TDiagramInstrument instrument = TDiagramInstrument::None;
  std::vector<TSheetDiagram> diagrams;
  TSheetCapo capo;

  bool Empty() const { return lines.empty(); }
  // The line being sung at the tick: the last line (not a paragraph break) that has started;
  // -1 before the first line and when there is none.
  int LineAt(int32_t tick) const;
  // The chord sounding at the tick: the last chord whose beat has started; none before the
  // first chord.
  std::optional<TSheetChordRef> ChordAt(int32_t tick) const;
  // The next line after `line` that is not a paragraph break; -1 when there is none.
  int NextLine(int line) const;
};

// What the sheet is made of besides the builder's placement.
struct TChordSheetInput {
  std::vector<std::string> cells;  // each beat's chord as the beat grid shows it
  int32_t beatLength = 0;
  std::string key;                 // the key named with its mode
};

// The sheet of a built text. A song whose text has no lyric line becomes rows of four beats,
// each beat with the chord the grid shows.
TChordSheet MakeChordSheet(const TChordText& text, const TChordSheetInput& input);

// ---- Layout ------------------------------------------------------------------------------

// Widths of texts in the view's units (pixels, points, characters in tests).
struct TSheetMeasure {
  std::function<double(std::string_view)> chordWidth;
  std::function<double(std::string_view)> textWidth;
  double chordGap = 1;  // room kept after a chord name before the next one
  double width = 0;     // the view's width; 0: no wrapping
};

// A piece placed in its row: the chord and the syllables both start at x.
struct TSheetCell {
  int piece = 0;
  double x = 0;
  double advance = 0;
};

struct TSheetRow {
  int line = 0;
  bool continued = false;  // a later row of a line wider than the view
  std::vector<TSheetCell> cells;
  double Width() const { return cells.empty() ? 0 : cells.back().x + cells.back().advance; }
};

// The rows of the sheet in order. A piece's advance is the wider of its syllables and its
// chord with the gap, so two chords over one syllable stand side by side and the syllables
// make room. A line wider than the view goes on in a new row, broken before a word where it
// can; a chord never leaves its syllable. The rows of four beats have columns of one width.
std::vector<TSheetRow> LayoutChordSheet(const TChordSheet& sheet, const TSheetMeasure& measure);
