#pragma once
// A stand-in for the main window's parts that ApplySettings and the options dialog work on:
// a real TMidiOutput over a recording MIDI service, settings of its own, and a log of every
// other step.

#include <memory>
#include <string>
#include <vector>

#include "midi/MainThreadPoster.h"
#include "midi/MidiOut.h"
#include "midi/MidiOutRecorder.h"
#include "settings/untVars.h"
#include "ui/untApplySettings.h"

class RecordingTarget : public TApplySettingsTarget {
 public:
  explicit RecordingTarget(std::vector<std::string> devices = {"Synth A", "Port B", "Port C"})
      : service(std::make_shared<TMidiOutRecorder>(std::move(devices))),
        out(service, std::make_shared<TImmediatePoster>()) {}

  TMidiOutput& MidiOut() override { return out; }
  void UseSongOptions() override { calls.push_back("song options"); }
  void SetTimerResol(int32_t ms) override { calls.push_back("timer " + std::to_string(ms)); }
  void CloseOutput() override {
    calls.push_back("close");
    out.Close();
  }
  void OpenOutput() override {
    bool ok = out.Open();
    calls.push_back(ok ? "open " + out.ProductName() : "open failed");
  }
  void SetFormOpened(bool opened) override { calls.push_back(opened ? "expanded" : "compact"); }
  void SetShowHints(bool show) override { calls.push_back(show ? "hints on" : "hints off"); }
  void SetPianoOctaves(int count) override { calls.push_back("octaves " + std::to_string(count)); }
  void FillKeyList() override { calls.push_back("key list"); }
  bool ChordsSearched() override { return searched; }
  void SearchSongChords() override { calls.push_back("search"); }
  void OpenInput() override { calls.push_back("input " + settings.MidiInName); }

  TSettings settings;
  std::shared_ptr<TMidiOutRecorder> service;
  TMidiOutput out;
  std::vector<std::string> calls;
  bool searched = false;
};
