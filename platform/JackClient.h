#pragma once
// The boundary to the JACK client library: clients are opened here (never starting a server:
// a musician starts JACK on purpose), owned by an RAII handle, and the library's complaints
// about a missing server are kept off the terminal. Both the MIDI ports and the built-in
// synthesizer's audio use this.

#include <memory>
#include <string>

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

// Whether that server runs and accepts clients.
bool JackServerRunning(const std::string& server = {});
