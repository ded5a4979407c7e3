#pragma once
// The chord-text editor as this program sees it: a separate process whose window can be
// found, started, asked to take the hand-off file and raised. The platform layer talks to the
// real editor through a local socket; tests script one.

#include <cstdint>
#include <string>

class TTabulistPeer {
 public:
  virtual ~TTabulistPeer() = default;

  // True when the editor's window is there to talk to.
  virtual bool FindEditor() = 0;
  // Starts the program detached from this one (no arguments, this program's current folder
  // and environment); false when it could not be started.
  virtual bool StartEditor(const std::string& programFile) = 0;
  // Asks the editor to take the hand-off file: 1 taken, 0 not (yet), -1 no answer at all.
  virtual int Request2024() = 0;
  // Asks the editor to bring its window to the front; false without an answer.
  virtual bool RaiseEditor() = 0;

  // True when the last look or request met a program of another user holding the editor's
  // name; it is not talked to, and nothing is handed to it.
  virtual bool ForeignEditor() { return false; }

  // Waiting: lets this program's own events run for about ms milliseconds, so the window
  // stays responsive while the editor starts.
  virtual void Pause(int ms) = 0;
  // A steady clock in milliseconds, for the limits of the waits.
  virtual int64_t NowMs() = 0;
};

// Adapts any client with the same operations (the platform's socket client) to the
// interface, so the hand-off logic need not know the platform layer.
template <typename Client>
class TTabulistPeerOf final : public TTabulistPeer {
 public:
  explicit TTabulistPeerOf(Client& client) : client_(client) {}
  bool FindEditor() override { return client_.FindEditor(); }
  bool StartEditor(const std::string& programFile) override { return client_.StartEditor(programFile); }
  int Request2024() override { return client_.Request2024(); }
  bool RaiseEditor() override { return client_.RaiseEditor(); }
  bool ForeignEditor() override { return client_.ForeignEditor(); }
  void Pause(int ms) override { client_.Pause(ms); }
  int64_t NowMs() override { return client_.NowMs(); }

 private:
  Client& client_;
};
