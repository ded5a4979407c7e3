#pragma once
// The exporting side of the editor protocol (platform/TabulistProtocol.h): finds the editor
// through its local socket, starts its program detached, sends requests and reads answers.
// Every connect, write and read has a time limit, so a hung editor cannot hang this program.
// A process of another user that holds the editor's name is not talked to: it counts as no
// editor, and ForeignEditor() tells why.
// The interface is plain C++; export/TabulistPeer.h adapts it for the hand-off.

#include <sys/types.h>

#include <cstdint>
#include <string>

class QLocalSocket;

class TTabulistClient {
 public:
  struct TTimeouts {
    int connectMs = 1000;
    int answerMs = 2000;
  };

  TTabulistClient();
  explicit TTabulistClient(const TTimeouts& timeouts);

  bool FindEditor();
  bool StartEditor(const std::string& programFile);
  int Request2024();
  bool RaiseEditor();
  void Pause(int ms);
  int64_t NowMs();

  // Sends one request line and returns the answer: 1, 0, or -1 when there was no editor, no
  // answer in time, or an answer that is neither.
  int Request(const std::string& request);

  // True when the last look or request reached a process of another user under the editor's
  // name (nothing was sent to it).
  bool ForeignEditor() const { return foreign_; }
  // The user whose editor is trusted: this program's own (tests pretend to be someone else).
  void SetTrustedUser(uid_t user) { trustedUser_ = user; }

 private:
  bool Connect(QLocalSocket& socket);

  TTimeouts timeouts_;
  uid_t trustedUser_;
  bool foreign_ = false;
};
