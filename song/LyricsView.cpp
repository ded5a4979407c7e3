#include "song/LyricsView.h"
#include "midi/MidiConstants.h"

#include "midi/MidiFile.h"

namespace {

constexpr int32_t kKaraokeLyricTrack = 2;
constexpr uint8_t kMetaText = 1;
constexpr uint8_t kMetaLyric = 5;

void AddLine(std::string& view, std::string_view line) {
  view.append(line);
  view.push_back('\n');
}

}  // namespace

bool IsLyricEvent(const TMidiEventEx& event, bool karaoke, int32_t trackNo) {
  if (event.Status != MidiStatus::Meta || event.Text().empty()) return false;
  if (event.Data1 == kMetaText) return karaoke && trackNo == kKaraokeLyricTrack;
  return event.Data1 == kMetaLyric && !karaoke;
}

void AppendLyric(std::string& view, std::string_view lyric) {
  bool lineStart = false;
  if (lyric.size() >= 2 && lyric.front() == '@') {
    lyric.remove_prefix(1);  // the tag letter goes with the line start below
    lineStart = true;
  }
  if (!lyric.empty() && lyric.front() == '/') {
    lineStart = true;
  } else if (!lyric.empty() && lyric.front() == '\\') {
    lineStart = true;
    AddLine(view, {});
  }
  if (lineStart) {
    AddLine(view, lyric.substr(1));
    return;
  }
  if (view.empty())
    AddLine(view, lyric);
  else
    view.insert(view.size() - 1, lyric);
}

std::string LyricsDisplayText(const std::string& view) {
  if (!view.empty() && view.back() == '\n') return view.substr(0, view.size() - 1);
  return view;
}
