#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "midi/MidiFile.h"
#include "song/LyricsView.h"

namespace {

std::string Play(const std::vector<std::string>& lyrics) {
  std::string view;
  for (const std::string& l : lyrics) AppendLyric(view, l);
  return LyricsDisplayText(view);
}

}  // namespace

TEST(LyricsView, KaraokeMarksStartLinesAndParagraphs) {
  struct Case {
    std::vector<std::string> lyrics;
    std::string shown;
  } cases[] = {
      {{"@TTitle"}, "Title"},
      {{"@TTitle", "/word"}, "Title\nword"},
      {{"/Hel", "lo", " world"}, "Hello world"},
      {{"/one", "\\two"}, "one\n\ntwo"},
      {{"plain", " text"}, "plain text"},
      {{"\\first"}, "\nfirst"},
      {{"/", "x"}, "x"},
      {{"@"}, "@"},  // a lone "@" is no tag
      {{"@/x"}, "x"},
      {{"a", "@KKaraoke", "b"}, "a\nKaraokeb"},
  };
  for (const Case& c : cases) EXPECT_EQ(Play(c.lyrics), c.shown) << c.lyrics.front();
}

TEST(LyricsView, TheViewKeepsAnEmptyLineApartFromNoLine) {
  std::string view;
  AppendLyric(view, "\\x");
  EXPECT_EQ(view, "\nx\n");
  view.clear();
  AppendLyric(view, "x");
  EXPECT_EQ(view, "x\n");
}

TEST(LyricsView, LyricsComeFromTextEventsOfTheThirdKaraokeTrackOrFromLyricEvents) {
  TMidiTrack track(0);
  TMidiEventEx meta;
  meta.Status = 0xFF;
  meta.Data1 = 1;
  track.AddEvent(meta, "text");
  meta.Data1 = 5;
  track.AddEvent(meta, "lyric");
  meta.Data1 = 3;
  track.AddEvent(meta, "name");
  meta.Data1 = 5;
  track.AddEvent(meta, "");
  TMidiEventEx note;
  note.Status = 0x90;
  track.AddEvent(note);
  const TMidiEventEx& text = *track.EventAt(0);
  const TMidiEventEx& lyric = *track.EventAt(1);

  EXPECT_TRUE(IsLyricEvent(text, true, 2));
  EXPECT_FALSE(IsLyricEvent(text, true, 1));
  EXPECT_FALSE(IsLyricEvent(text, false, 2));
  EXPECT_TRUE(IsLyricEvent(lyric, false, 0));
  EXPECT_FALSE(IsLyricEvent(lyric, true, 2));
  EXPECT_FALSE(IsLyricEvent(*track.EventAt(2), false, 0));
  EXPECT_FALSE(IsLyricEvent(*track.EventAt(3), false, 0));
  EXPECT_FALSE(IsLyricEvent(*track.EventAt(4), false, 0));
}
