#pragma once
// An editor that follows a script, for the hand-off tests.
#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "export/TabulistPeer.h"

// Whether its window exists, whether its program starts,
// what it answers; it records what it was asked and what the hand-off file held. Time is
// simulated, so timeouts take no real time.
class ScriptedEditor final : public TTabulistPeer {
 public:
  bool running = false;
  bool startSucceeds = true;
  int appearsAfterMs = 0;     // the window shows up this long after the start
  std::vector<int> answers;   // answers to 2024, the last one repeats; empty: none
  std::string folder;         // where the editor reads TEMP.$$$
  bool foreign = false;            // a program of another user holds the editor's name
  int foreignAfterRequests = -1;   // ... from this many requests on (-1: not)
  bool foreignTakesNameAtStart = false;  // ... as soon as the editor is started
  std::function<void()> onRequest;  // called at each request before the file is read

  std::vector<std::string> started;
  int requests = 0;
  int raised = 0;
  std::vector<std::string> seenFiles;  // content of TEMP.$$$ at each request
  int64_t now = 0;
  int64_t startedAt = -1;

  bool FindEditor() override {
    if (foreign) return false;
    if (running) return true;
    if (startedAt >= 0 && now - startedAt >= appearsAfterMs) running = true;
    return running;
  }
  bool StartEditor(const std::string& program) override {
    started.push_back(program);
    if (foreignTakesNameAtStart) foreign = true;
    if (startSucceeds) startedAt = now;
    return startSucceeds;
  }
  int Request2024() override {
    if (foreignAfterRequests >= 0 && requests >= foreignAfterRequests) foreign = true;
    if (foreign) return -1;
    ++requests;
    if (onRequest) onRequest();
    std::ifstream in(folder + "/TEMP.$$$", std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    seenFiles.push_back(in ? content.str() : "<missing>");
    if (answers.empty()) return -1;
    const int answer = answers.front();
    if (answers.size() > 1) answers.erase(answers.begin());
    return answer;
  }
  bool RaiseEditor() override {
    ++raised;
    return true;
  }
  bool ForeignEditor() override { return foreign; }
  void Pause(int ms) override { now += ms; }
  int64_t NowMs() override { return now; }
};

