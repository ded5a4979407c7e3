#include "platform/JackMidiIn.h"

#include <jack/jack.h>
#include <jack/midiport.h>

#include <cerrno>

#include "platform/MidiInQueue.h"

namespace {

// The queue and the client whose callbacks fill it.
class JackInCore : public TMidiInQueue {
 public:
  JackInCore(std::string source, TJackClientPtr client) : TMidiInQueue(source), source_(std::move(source)),
                                                          client_(std::move(client)), raw_(client_.get()) {}
  // The process thread stops with the client, before the queue goes.
  ~JackInCore() override { client_.reset(); }
  void Abandon() { AbandonJackClient(client_); }

  TMidiOutStatus Start() {
    jack_client_t* client = client_.get();
    port_ = jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    if (!port_ || NotifyDescriptor() < 0) return TMidiOutError{TMidiOutErrc::NoMemory, source_};
    ownPort_ = jack_port_name(port_);
    jack_set_process_callback(client, Process, this);
    jack_on_shutdown(client, Shutdown, this);
    jack_set_port_connect_callback(client, PortConnect, this);
    jack_set_port_registration_callback(client, PortRegistration, this);
    if (jack_activate(client) != 0) return TMidiOutError{TMidiOutErrc::Allocated, source_, "jack_activate"};
    const int r = jack_connect(client, source_.c_str(), ownPort_.c_str());
    if (r != 0 && r != EEXIST) {
      const bool there = jack_port_by_name(client, source_.c_str()) != nullptr;
      return TMidiOutError{there ? TMidiOutErrc::Allocated : TMidiOutErrc::DeviceGone, source_};
    }
    connected_ = true;
    return {};
  }

 private:
  static int Process(jack_nframes_t frames, void* arg) {
    auto* self = static_cast<JackInCore*>(arg);
    void* buffer = jack_port_get_buffer(self->port_, frames);
    const uint32_t count = jack_midi_get_event_count(buffer);
    if (count == 0) return 0;
    jack_client_t* client = self->raw_;
    const jack_nframes_t start = jack_last_frame_time(client);
    // JACK keeps its own microsecond clock, whose zero is not the steady clock's: the frames'
    // moments are carried over by the difference of the two clocks now.
    const int64_t toSteady = static_cast<int64_t>(MidiInNowUs()) - static_cast<int64_t>(jack_get_time());
    bool pushed = false;
    for (uint32_t i = 0; i < count; ++i) {
      jack_midi_event_t ev;
      if (jack_midi_event_get(&ev, buffer, i) != 0) continue;
      const auto at = static_cast<uint64_t>(static_cast<int64_t>(jack_frames_to_time(client, start + ev.time)) + toSteady);
      if (auto m = MidiInMessageFrom(ev.buffer, ev.size, at)) pushed |= self->Push(*m);
    }
    if (pushed) self->Notify();
    return 0;
  }

  static void Shutdown(void* arg) { static_cast<JackInCore*>(arg)->MarkLost(TMidiOutErrc::ServerGone); }

  static void PortConnect(jack_port_id_t a, jack_port_id_t b, int connected, void* arg) {
    auto* self = static_cast<JackInCore*>(arg);
    if (connected || !self->connected_) return;
    jack_port_t* pa = jack_port_by_id(self->raw_, a);
    jack_port_t* pb = jack_port_by_id(self->raw_, b);
    if (!pa || !pb) return;
    const std::string na = jack_port_name(pa), nb = jack_port_name(pb);
    if ((na == self->source_ && nb == self->ownPort_) || (nb == self->source_ && na == self->ownPort_))
      self->MarkLost(TMidiOutErrc::DeviceGone);
  }

  static void PortRegistration(jack_port_id_t id, int registered, void* arg) {
    auto* self = static_cast<JackInCore*>(arg);
    if (registered) return;
    jack_port_t* p = jack_port_by_id(self->raw_, id);
    if (p && self->source_ == jack_port_name(p)) self->MarkLost(TMidiOutErrc::DeviceGone);
  }

  std::string source_;
  std::string ownPort_;
  TJackClientPtr client_;
  // What the library's threads use: never changed while they run (closing the client nulls
  // client_ before the library stops them).
  jack_client_t* const raw_;
  jack_port_t* port_ = nullptr;
  std::atomic<bool> connected_{false};
};

// The port the reader holds. When the server stopped, the client cannot be closed and the
// library's thread that ran the callbacks cannot be waited for: the core is kept to the end
// of the process (a few kilobytes once per lost server) rather than freed under that thread.
class JackInPort : public TMidiInPort {
 public:
  explicit JackInPort(std::unique_ptr<JackInCore> core) : core_(std::move(core)) {}
  ~JackInPort() override {
    const auto lost = core_->Lost();
    if (lost && lost->Code == TMidiOutErrc::ServerGone) {
      core_->Abandon();
      KeepUntilExit(std::shared_ptr<JackInCore>(std::move(core_)));
    }
  }
  TMidiOutStatus Start() { return core_->Start(); }
  const std::string& Name() const override { return core_->Name(); }
  int NotifyDescriptor() const override { return core_->NotifyDescriptor(); }
  std::size_t Drain(const std::function<void(const TMidiInMessage&)>& reader) override { return core_->Drain(reader); }
  uint64_t Dropped() const override { return core_->Dropped(); }
  std::optional<TMidiOutError> Lost() const override { return core_->Lost(); }

 private:
  std::unique_ptr<JackInCore> core_;
};

}  // namespace

TJackMidiInService::TJackMidiInService(std::string clientName, std::string server)
    : clientName_(clientName), server_(server), watcher_(std::move(clientName), std::move(server)) {}

bool TJackMidiInService::MayHaveNewDevices() { return watcher_.TakePortsRegistered(); }

std::vector<TMidiInDevice> TJackMidiInService::Devices() {
  // A server started or stopped since the last listing is seen here.
  ports_ = watcher_.MidiPorts(JackPortIsOutput);
  std::vector<TMidiInDevice> devices;
  for (uint32_t i = 0; i < ports_.size(); ++i) devices.push_back(TMidiInDevice{i, ports_[i], "JACK"});
  return devices;
}

TMidiOutResult<std::shared_ptr<TMidiInPort>> TJackMidiInService::Open(uint32_t id) {
  if (id >= ports_.size()) return TMidiOutError{TMidiOutErrc::BadDevice};
  const std::string source = ports_[id];
  TJackClientPtr client = OpenJackClient(clientName_, server_);
  if (!client) return TMidiOutError{TMidiOutErrc::ServerGone, source};
  MarkOwnJackClient(client);
  auto port = std::make_shared<JackInPort>(std::make_unique<JackInCore>(source, std::move(client)));
  if (TMidiOutStatus started = port->Start(); !started) return started.Error();
  return std::shared_ptr<TMidiInPort>(port);
}
