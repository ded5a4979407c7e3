#include "platform/JackClient.h"

#include <jack/jack.h>

#include <mutex>
#include <set>
#include <vector>

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

std::mutex ownMutex;
std::multiset<std::string>& OwnClients() {
  static std::multiset<std::string> names;
  return names;
}

}  // namespace

void TJackClientCloser::operator()(_jack_client* client) const {
  if (!client) return;
  {
    std::lock_guard<std::mutex> lock(ownMutex);
    auto& names = OwnClients();
    auto it = names.find(jack_get_client_name(client));
    if (it != names.end()) names.erase(it);
  }
  jack_client_close(client);
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

void KeepUntilExit(std::shared_ptr<void> object) {
  static std::mutex mutex;
  // Never destroyed: the objects outlive static destruction as well.
  static auto* kept = new std::vector<std::shared_ptr<void>>;
  std::lock_guard<std::mutex> lock(mutex);
  kept->push_back(std::move(object));
}

void MarkOwnJackClient(const TJackClientPtr& client) {
  if (!client) return;
  std::lock_guard<std::mutex> lock(ownMutex);
  OwnClients().insert(jack_get_client_name(client.get()));
}

bool IsOwnJackClient(const std::string& clientName) {
  std::lock_guard<std::mutex> lock(ownMutex);
  return OwnClients().count(clientName) > 0;
}

std::string JackClientOfPort(const std::string& portName) {
  const auto colon = portName.find(':');
  return colon == std::string::npos ? std::string() : portName.substr(0, colon);
}

void AbandonJackClient(TJackClientPtr& client) { (void)client.release(); }

bool JackServerRunning(const std::string& server) {
  return static_cast<bool>(OpenJackClient("Cantaro probe", server));
}

TJackWatcher::TJackWatcher(std::string clientName, std::string server)
    : clientName_(std::move(clientName)), server_(std::move(server)) {}

TJackWatcher::~TJackWatcher() { Drop(); }

void TJackWatcher::Drop() {
  // A client whose server stopped cannot be closed; what its thread may touch stays.
  if (client_ && state_->serverGone.load()) {
    AbandonJackClient(client_);
    KeepUntilExit(state_);
  }
  client_.reset();
}

bool TJackWatcher::Connect() {
  if (client_ && !state_->serverGone.load()) return true;
  Drop();
  state_ = std::make_shared<State>();
  client_ = OpenJackClient(clientName_, server_);
  if (!client_) return false;
  jack_on_shutdown(client_.get(), [](void* s) { static_cast<State*>(s)->serverGone.store(true); }, state_.get());
  jack_set_port_registration_callback(
      client_.get(),
      [](jack_port_id_t, int registered, void* s) {
        if (registered) static_cast<State*>(s)->registered.store(true);
      },
      state_.get());
  // Only an active client hears of ports; this one has none and takes no part in processing.
  jack_activate(client_.get());
  return true;
}

std::vector<std::string> TJackWatcher::MidiPorts(unsigned long flags) {
  std::vector<std::string> ports;
  if (!Connect()) return ports;
  const char** names = jack_get_ports(client_.get(), nullptr, JACK_DEFAULT_MIDI_TYPE, flags);
  if (names) {
    for (const char** n = names; *n; ++n)
      if (!IsOwnJackClient(JackClientOfPort(*n))) ports.emplace_back(*n);
    jack_free(names);
  }
  return ports;
}

bool TJackWatcher::TakePortsRegistered() {
  return Connect() && state_->registered.exchange(false);
}
