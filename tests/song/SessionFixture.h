#pragma once
// A song session answered by a script, with the window's presenter over it, the settings at
// their initial values and the key-aware choice off unless a test switches it on.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chords/untChords.h"
#include "settings/untVars.h"
#include "song/ScriptedPrompter.h"
#include "song/SongSession.h"
#include "ui/presenter/SongPresenter.h"
#include "tests/song/SongFiles.h"

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    SetKeysense(false);
    presenter.SetCaption("Cantaro");
  }

  void SetKeysense(bool on) {
    TSongOptions options = session.Options();
    options.keysense = on;
    session.SetOptions(std::move(options));
  }

  // The notation of the names the presenter shows and of the session's questions, as putting
  // the settings into effect hands it to both.
  void SetNotation(NoteNotation notation) {
    settings.NoteSet = notation;
    TSongOptions options = session.Options();
    options.notation = notation;
    session.SetOptions(std::move(options));
  }

  // Loads the key-aware table into the settings and hands it to the session.
  void UseKeysenseTable(std::string_view mainValue, std::string_view addedValue) {
    LoadKeysenseTable(settings.KeysenseTable, mainValue, addedValue);
    TSongOptions options = session.Options();
    options.keysenseTable = settings.KeysenseTable;
    session.SetOptions(std::move(options));
  }

  // The texts of the beat cells in beat order, as many as there are beats.
  std::vector<std::string> Cells() const {
    std::vector<std::string> out;
    for (size_t b = 0; b < session.beats().size(); ++b)
      out.push_back(presenter.grdSong().Cell(static_cast<int>(b % 4) + 1, static_cast<int>(b / 4) + 1));
    return out;
  }

  std::string Load(const std::string& name, const std::vector<songfiles::TTrackBuilder>& tracks, int division = 480) {
    std::string path = songfiles::WriteSong(name, tracks, division);
    EXPECT_TRUE(presenter.LoadSong(path)) << name;
    return path;
  }

  void LoadAndSearch(const std::string& name, const std::vector<songfiles::TTrackBuilder>& tracks) {
    Load(name, tracks);
    presenter.actSearchSongChordsExecute();
  }

  ScriptedPrompter prompter;
  RecordingStatusSink status;
  TSettings settings;
  TSongSession session{prompter, status};
  TSongPresenter presenter{session, settings};
};

// Three notes of a triad on one channel over one beat of 480 ticks.
inline songfiles::TTrackBuilder& Triad(songfiles::TTrackBuilder& t, int beat, int a, int b, int c, int channel = 0) {
  int32_t on = beat * 480, off = on + 480;
  return t.Note(channel, a, on, off).Note(channel, b, on, off).Note(channel, c, on, off);
}
