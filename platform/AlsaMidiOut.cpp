#include "platform/AlsaMidiOut.h"

#include <rtmidi/RtMidi.h>

#include <QFileInfo>

#include <regex>

namespace {

// RtMidi reports through exceptions unless a callback takes its errors; the callback keeps
// the last one for the call that caused it.
struct ErrorSink {
  bool failed = false;
  std::string text;
};

void OnRtMidiError(RtMidiError::Type type, const std::string& text, void* data) {
  if (type == RtMidiError::WARNING || type == RtMidiError::DEBUG_WARNING) return;
  auto* sink = static_cast<ErrorSink*>(data);
  sink->failed = true;
  sink->text = text;
}

bool SequencerDevicePresent() {
  // Without the device RtMidi cannot open a client, and the ALSA library prints its complaint
  // on the terminal before RtMidi fails; asking first keeps a machine without sound quiet.
  return QFileInfo::exists(QStringLiteral("/dev/snd/seq"));
}

std::unique_ptr<RtMidiOut> NewClient(const std::string& name) {
  try {
    return std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, name);
  } catch (const std::exception&) {
    return nullptr;
  }
}

constexpr auto kAliveCheckInterval = std::chrono::milliseconds(250);

}  // namespace

struct TAlsaMidiOutService::Connection {
  std::unique_ptr<RtMidiOut> out;
  ErrorSink errors;
  std::string portName;
  std::string productName;
  std::chrono::steady_clock::time_point lastCheck;
  bool gone = false;
};

TAlsaMidiOutService::TAlsaMidiOutService(std::string clientName) : clientName_(std::move(clientName)) {
  if (!SequencerDevicePresent()) return;
  enumerator_ = NewClient(clientName_);
  if (enumerator_) Refresh();
}

TAlsaMidiOutService::~TAlsaMidiOutService() = default;

std::string TAlsaMidiOutService::ProductNameOf(const std::string& portName) {
  static const std::regex numbers(R"(\s+\d+:\d+$)");
  return std::regex_replace(portName, numbers, "");
}

void TAlsaMidiOutService::Refresh() {
  ports_.clear();
  if (!enumerator_) return;
  unsigned count = 0;
  try {
    count = enumerator_->getPortCount();
  } catch (const std::exception&) {
    return;
  }
  std::map<std::string, int> seen;
  for (unsigned i = 0; i < count; ++i) {
    std::string name;
    try {
      name = enumerator_->getPortName(i);
    } catch (const std::exception&) {
      continue;
    }
    if (name.empty()) continue;
    Port p;
    p.portName = name;
    p.productName = ProductNameOf(name);
    // Two devices of one kind keep apart by a number, as the settings store the name.
    if (int n = ++seen[p.productName]; n > 1) p.productName += " #" + std::to_string(n);
    ports_.push_back(std::move(p));
  }
}

bool TAlsaMidiOutService::PortExists(const std::string& portName) {
  try {
    const unsigned count = enumerator_->getPortCount();
    for (unsigned i = 0; i < count; ++i)
      if (enumerator_->getPortName(i) == portName) return true;
  } catch (const std::exception&) {
  }
  return false;
}

std::vector<TMidiOutDevice> TAlsaMidiOutService::Devices() {
  Refresh();
  std::vector<TMidiOutDevice> devices;
  for (uint32_t i = 0; i < ports_.size(); ++i) devices.push_back(TMidiOutDevice{i, ports_[i].productName, "ALSA"});
  return devices;
}

TMidiOutResult<TMidiOutHandle> TAlsaMidiOutService::Open(uint32_t id) {
  if (!enumerator_) return TMidiOutError{TMidiOutErrc::NoSequencer};
  if (id >= ports_.size()) return TMidiOutError{TMidiOutErrc::BadDevice};
  const std::string wanted = ports_[id].portName;
  const std::string product = ports_[id].productName;
  for (const auto& entry : open_)
    if (entry.second->portName == wanted) return TMidiOutError{TMidiOutErrc::Allocated, product};

  // The port's number may have changed since the list was read: find it by name now.
  int number = -1;
  try {
    const unsigned count = enumerator_->getPortCount();
    for (unsigned i = 0; i < count && number < 0; ++i)
      if (enumerator_->getPortName(i) == wanted) number = static_cast<int>(i);
  } catch (const std::exception&) {
  }
  if (number < 0) return TMidiOutError{TMidiOutErrc::DeviceGone, product};

  auto c = std::make_unique<Connection>();
  c->out = NewClient(clientName_);
  if (!c->out) return TMidiOutError{TMidiOutErrc::NoSequencer, product};
  c->out->setErrorCallback(OnRtMidiError, &c->errors);
  try {
    c->out->openPort(static_cast<unsigned>(number), "Output");
  } catch (const std::exception& e) {
    return TMidiOutError{TMidiOutErrc::Allocated, product, e.what()};
  }
  if (c->errors.failed || !c->out->isPortOpen())
    return TMidiOutError{TMidiOutErrc::Allocated, product, c->errors.text};
  c->portName = wanted;
  c->productName = product;
  c->lastCheck = std::chrono::steady_clock::now();
  const TMidiOutHandle handle = NewMidiOutHandle();
  open_[handle] = std::move(c);
  return handle;
}

bool TAlsaMidiOutService::StillThere(Connection& c) {
  if (c.gone) return false;
  // The sequencer drops a subscription silently when the receiving client ends, so a gone
  // port has to be looked for; a few times a second is enough to notice it.
  const auto now = std::chrono::steady_clock::now();
  if (now - c.lastCheck < kAliveCheckInterval) return true;
  c.lastCheck = now;
  if (!PortExists(c.portName)) c.gone = true;
  return !c.gone;
}

TMidiOutStatus TAlsaMidiOutService::SendOne(Connection& c, std::span<const uint8_t> message) {
  c.errors = ErrorSink{};
  try {
    c.out->sendMessage(message.data(), message.size());
  } catch (const std::exception& e) {
    return TMidiOutError{TMidiOutErrc::SendFailed, c.productName, e.what()};
  }
  if (c.errors.failed) return TMidiOutError{TMidiOutErrc::SendFailed, c.productName, c.errors.text};
  return {};
}

TMidiOutStatus TAlsaMidiOutService::Send(TMidiOutHandle handle, std::span<const uint8_t> bytes,
                                         TMidiOutDone done) {
  auto it = open_.find(handle);
  if (it == open_.end()) return TMidiOutError{TMidiOutErrc::NotOpen};
  Connection& c = *it->second;
  if (bytes.empty()) return TMidiOutError{TMidiOutErrc::BadMessage, c.productName};
  if (!StillThere(c)) return TMidiOutError{TMidiOutErrc::DeviceGone, c.productName};
  // The sequencer takes one event per message: blocks and short messages go one by one.
  TMidiOutStatus result;
  ForEachMidiMessage(bytes, [&](std::span<const uint8_t> message) {
    if (result) result = SendOne(c, message);
  });
  if (!result) return result;
  // RtMidi hands the data to the sequencer before it returns: the bytes are sent.
  if (done) done();
  return {};
}

TMidiOutStatus TAlsaMidiOutService::Close(TMidiOutHandle handle) {
  auto it = open_.find(handle);
  if (it == open_.end()) return TMidiOutError{TMidiOutErrc::NotOpen};
  // Closing a port whose client has gone is fine: RtMidi only drops its own side.
  open_.erase(it);
  return {};
}
