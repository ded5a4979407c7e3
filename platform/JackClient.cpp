#include "platform/JackClient.h"

#include <jack/jack.h>

#include <mutex>

namespace {

void Quiet(const char*) {}

void SilenceLibrary() {
  static std::once_flag once;
  // Without a server the library prints its failed attempts to connect; on a machine without
  // JACK that is the normal case, not news.
  std::call_once(once, [] {
    jack_set_error_function(Quiet);
    jack_set_info_function(Quiet);
  });
}

}  // namespace

void TJackClientCloser::operator()(_jack_client* client) const {
  if (client) jack_client_close(client);
}

TJackClientPtr OpenJackClient(const std::string& clientName, const std::string& server) {
  SilenceLibrary();
  jack_status_t status{};
  jack_client_t* client = nullptr;
  if (server.empty())
    client = jack_client_open(clientName.c_str(), JackNoStartServer, &status);
  else
    client = jack_client_open(clientName.c_str(),
                              static_cast<jack_options_t>(JackNoStartServer | JackServerName), &status,
                              server.c_str());
  return TJackClientPtr(client);
}

void AbandonJackClient(TJackClientPtr& client) { (void)client.release(); }

bool JackServerRunning(const std::string& server) {
  return static_cast<bool>(OpenJackClient("Cantaro probe", server));
}
