#include "export/ChordTextForms.h"

#include <utility>

#include "chords/untChords.h"
#include "export/CodePage.h"
#include "song/SongTypes.h"

namespace {

struct TPlacedChord {
  size_t column;  // in characters
  std::string name;
};

std::vector<TPlacedChord> ChordsOfLine(const std::string& chordLine) {
  std::vector<TPlacedChord> chords;
  size_t column = 0;
  size_t i = 0;
  while (i < chordLine.size()) {
    if (chordLine[i] == ' ') {
      ++i;
      ++column;
      continue;
    }
    const size_t end = std::min(chordLine.find(' ', i), chordLine.size());
    std::string name = chordLine.substr(i, end - i);
    const size_t width = Utf8Length(name);
    chords.push_back({column, std::move(name)});
    column += width;
    i = end;
  }
  return chords;
}

// Advances a byte offset in a UTF-8 text by whole characters until it stands at the column
// (or at the end of the text).
void AdvanceToColumn(const std::string& text, size_t& offset, size_t& column, size_t target) {
  while (column < target && offset < text.size()) {
    ++offset;
    while (offset < text.size() && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80) ++offset;
    ++column;
  }
}

void RightTrim(std::string& s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
}

}  // namespace

std::string ChordTextString(const TChordText& text, const std::string& eol) {
  std::string out;
  for (const TTextLine& line : text.lines) {
    out += line.text;
    out += eol;
  }
  return out;
}

std::string MergeChordsIntoLyrics(const std::string& chordLine, const std::string& lyricLine) {
  std::string out;
  size_t done = 0;    // bytes of the lyric line already copied
  size_t column = 0;  // the column they end at
  for (const TPlacedChord& chord : ChordsOfLine(chordLine)) {
    const size_t from = done;
    AdvanceToColumn(lyricLine, done, column, chord.column);
    out.append(lyricLine, from, done - from);
    out += '[' + chord.name + ']';
  }
  out.append(lyricLine, done, std::string::npos);
  RightTrim(out);
  return out;
}

std::string ChordProString(const TChordText& text) {
  std::string out;
  auto directive = [&out](const char* name, const std::string& value) {
    if (!value.empty()) out += std::string("{") + name + ": " + value + "}\n";
  };
  directive("title", text.title1);
  directive("subtitle", text.title2);
  directive("key", text.keyWithMode);
  directive("tempo", std::to_string(text.tempo));

  for (size_t i = 0; i < text.lines.size(); ++i) {
    const TTextLine& line = text.lines[i];
    switch (line.kind) {
      case TTextLineKind::Title:
      case TTextLineKind::Header:
        break;  // carried by the directives
      case TTextLineKind::Chords:
        if (line.overLyrics && i + 1 < text.lines.size() && text.lines[i + 1].kind == TTextLineKind::Lyrics) {
          out += MergeChordsIntoLyrics(line.text, text.lines[i + 1].text) + "\n";
          ++i;
        } else {
          std::string markers;
          for (const TPlacedChord& chord : ChordsOfLine(line.text)) {
            if (!markers.empty()) markers += ' ';
            markers += '[' + chord.name + ']';
          }
          out += markers + "\n";
        }
        break;
      case TTextLineKind::Lyrics: {
        std::string lyrics = line.text;
        RightTrim(lyrics);
        out += lyrics + "\n";
        break;
      }
      case TTextLineKind::Comment:
        // ChordPro ends a directive at "}", so the comment cannot carry one.
        if (line.text.size() > 2) {
          std::string comment = line.text.substr(2);
          for (char& c : comment) {
            if (c == '{' || c == '}') c = c == '{' ? '(' : ')';
          }
          directive("comment", comment);
        }
        break;
      case TTextLineKind::Empty:
        out += "\n";
        break;
      case TTextLineKind::Signature:
        out += "# " + line.text.substr(line.text.rfind("//", 0) == 0 ? 2 : 0) + "\n";
        break;
    }
  }
  return out;
}

std::string BeatGridString(const std::vector<std::string>& cells) {
  std::string out;
  const int beats = static_cast<int>(cells.size());
  const int rows = BeatRows(beats);
  for (int row = 0; row < rows; ++row) {
    out += std::to_string(row);
    for (int col = 0; col < BeatsPerRow; ++col) {
      const int b = BeatAt({row, col});
      out += '\t';
      if (b < beats) out += cells[static_cast<size_t>(b)];
    }
    out += '\n';
  }
  return out;
}
