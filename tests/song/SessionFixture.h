#pragma once
// A song session answered by a script, with the settings at their initial values and the
// key-aware choice off unless a test switches it on.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chords/untChords.h"
#include "settings/untVars.h"
#include "song/ScriptedPrompter.h"
#include "song/SongSession.h"
#include "tests/song/SongFiles.h"

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    ResetSettings();
    Keysense = false;
    SetNoteNotation(NoteNotation::English);
    session.SetCaption("Cantaro");
  }
  ~SessionTest() override { ResetSettings(); }

  // The texts of the beat cells in beat order, as many as there are beats.
  std::vector<std::string> Cells() const {
    std::vector<std::string> out;
    for (size_t b = 0; b < session.beats().size(); ++b)
      out.push_back(session.grdSong().Cell(static_cast<int>(b % 4) + 1, static_cast<int>(b / 4) + 1));
    return out;
  }

  std::string Load(const std::string& name, const std::vector<songfiles::TTrackBuilder>& tracks, int division = 480) {
    std::string path = songfiles::WriteSong(name, tracks, division);
    EXPECT_TRUE(session.LoadSong(path)) << name;
    return path;
  }

  void LoadAndSearch(const std::string& name, const std::vector<songfiles::TTrackBuilder>& tracks) {
    Load(name, tracks);
    session.actSearchSongChordsExecute();
  }

  ScriptedPrompter prompter;
  RecordingStatusSink status;
  TSongSession session{prompter, status};
};

// Three notes of a triad on one channel over one beat of 480 ticks.
inline songfiles::TTrackBuilder& Triad(songfiles::TTrackBuilder& t, int beat, int a, int b, int c, int channel = 0) {
  int32_t on = beat * 480, off = on + 480;
  return t.Note(channel, a, on, off).Note(channel, b, on, off).Note(channel, c, on, off);
}
