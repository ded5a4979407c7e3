#pragma once
// The boundary to the JACK client library: clients are opened here (never starting a server:
// a musician starts JACK on purpose), owned by an RAII handle, and the library's complaints
// about a missing server are kept off the terminal. Both the MIDI ports and the built-in
// synthesizer's audio use this.

#include <atomic>
#include <memory>
#include <string>
#include <vector>

struct _jack_client;

struct TJackClientCloser {
  void operator()(_jack_client* client) const;
};
using TJackClientPtr = std::unique_ptr<_jack_client, TJackClientCloser>;

// A client of the named server (empty: the default server, which the environment variable
// JACK_DEFAULT_SERVER may name), or null when no such server runs. Never starts a server.
TJackClientPtr OpenJackClient(const std::string& clientName, const std::string& server = {});

// Forgets a client whose server has stopped without closing it: closing clients of a server
// that is gone can crash inside the library, and the client holds nothing worth freeing.
void AbandonJackClient(TJackClientPtr& client);

// Keeps an object alive until the process ends: what the library's thread of an abandoned
// client may still touch is never freed under it.
void KeepUntilExit(std::shared_ptr<void> object);

// Marks a client as one of the program's own devices (until it is closed): their ports are
// not offered as devices, so the program never plays into itself or listens to itself.
void MarkOwnJackClient(const TJackClientPtr& client);
// Whether the client name (as the server gave it) is one marked so.
bool IsOwnJackClient(const std::string& clientName);
// The client part of a full port name ("client:port").
std::string JackClientOfPort(const std::string& portName);

// A portless client of ours that watches a server for the device lists: it lists the MIDI
// ports of other clients, hears when ports are registered, and, once its server has stopped,
// is abandoned and opened again at the next use (a server started since is found).
class TJackWatcher {
 public:
  TJackWatcher(std::string clientName, std::string server);
  ~TJackWatcher();
  TJackWatcher(const TJackWatcher&) = delete;
  TJackWatcher& operator=(const TJackWatcher&) = delete;

  // Whether a server is there (the client is opened again when its server has stopped).
  bool Connect();
  // Full names of the MIDI ports of clients not our own with those flags (JackPortIsInput:
  // ports that take MIDI, JackPortIsOutput: ports that send it); none without a server.
  std::vector<std::string> MidiPorts(unsigned long flags);
  // True when a port was registered since the last call, or when the server is new.
  bool TakePortsRegistered();

 private:
  struct State {
    std::atomic<bool> serverGone{false};
    std::atomic<bool> registered{true};
  };
  void Drop();

  std::string clientName_;
  std::string server_;
  std::shared_ptr<State> state_;
  TJackClientPtr client_;  // closes before state_ goes
};

// Whether that server runs and accepts clients.
bool JackServerRunning(const std::string& server = {});
