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
  TMidiOutCallback callback;
  std::chrono::steady_clock::time_point lastCheck;
  bool gone = false;
};

TAlsaMidiOutService::TAlsaMidiOutService(std::string clientName) : clientName_(std::move(clientName)) {
  if (!SequencerDevicePresent()) {
    reason_ = MIDIOUT_NOSEQUENCER;
    return;
  }
  enumerator_ = NewClient(clientName_);
  if (!enumerator_) {
    reason_ = MIDIOUT_NOSEQUENCER;
    return;
  }
  Refresh();
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

uint32_t TAlsaMidiOutService::GetNumDevs() {
  Refresh();
  return static_cast<uint32_t>(ports_.size());
}

uint32_t TAlsaMidiOutService::DeviceCaps(uint32_t index, TMidiOutCaps& caps) {
  if (index >= ports_.size()) return MIDIOUT_BADDEVICEID;
  caps = TMidiOutCaps{};
  caps.ProductName = ports_[index].productName;
  caps.DriverVersion = 0x0500;
  caps.Technology = MIDIOUT_TECH_PORT;
  caps.ChannelMask = 0xFFFF;
  return MIDIOUT_NOERROR;
}

uint32_t TAlsaMidiOutService::OpenDevice(uint32_t index, TMidiOutCallback callback,
                                         TMidiOutHandle& handle) {
  if (!enumerator_) return MIDIOUT_NOSEQUENCER;
  if (index >= ports_.size()) return MIDIOUT_BADDEVICEID;
  const std::string wanted = ports_[index].portName;
  for (const auto& entry : open_)
    if (entry.second->portName == wanted) return MIDIOUT_ALLOCATED;

  // The port's number may have changed since the list was read: find it by name now.
  int number = -1;
  try {
    const unsigned count = enumerator_->getPortCount();
    for (unsigned i = 0; i < count && number < 0; ++i)
      if (enumerator_->getPortName(i) == wanted) number = static_cast<int>(i);
  } catch (const std::exception&) {
  }
  if (number < 0) return MIDIOUT_DEVICEGONE;

  auto c = std::make_unique<Connection>();
  c->out = NewClient(clientName_);
  if (!c->out) return MIDIOUT_NOSEQUENCER;
  c->out->setErrorCallback(OnRtMidiError, &c->errors);
  try {
    c->out->openPort(static_cast<unsigned>(number), "Output");
  } catch (const std::exception&) {
    return MIDIOUT_ALLOCATED;
  }
  if (c->errors.failed || !c->out->isPortOpen()) return MIDIOUT_ALLOCATED;
  c->portName = wanted;
  c->callback = std::move(callback);
  c->lastCheck = std::chrono::steady_clock::now();
  handle = NewMidiOutHandle();
  open_[handle] = std::move(c);
  return MIDIOUT_NOERROR;
}

uint32_t TAlsaMidiOutService::CheckAlive(Connection& c) {
  if (c.gone) return MIDIOUT_DEVICEGONE;
  // The sequencer drops a subscription silently when the receiving client ends, so a gone
  // port has to be looked for; a few times a second is enough to notice it.
  const auto now = std::chrono::steady_clock::now();
  if (now - c.lastCheck < kAliveCheckInterval) return MIDIOUT_NOERROR;
  c.lastCheck = now;
  if (!PortExists(c.portName)) {
    c.gone = true;
    return MIDIOUT_DEVICEGONE;
  }
  return MIDIOUT_NOERROR;
}

uint32_t TAlsaMidiOutService::Send(Connection& c, const uint8_t* bytes, std::size_t length) {
  c.errors = ErrorSink{};
  try {
    c.out->sendMessage(bytes, length);
  } catch (const std::exception&) {
    return MIDIOUT_SENDFAILED;
  }
  return c.errors.failed ? MIDIOUT_SENDFAILED : MIDIOUT_NOERROR;
}

uint32_t TAlsaMidiOutService::ShortMsg(TMidiOutHandle handle, uint32_t message) {
  auto it = open_.find(handle);
  if (it == open_.end()) return MIDIOUT_INVALHANDLE;
  Connection& c = *it->second;
  if (uint32_t r = CheckAlive(c)) return r;
  const TShortMessage m = DecodeShortMessage(message);
  if (m.Length == 0) return MIDIOUT_NOERROR;
  return Send(c, m.Bytes, m.Length);
}

uint32_t TAlsaMidiOutService::LongMsg(TMidiOutHandle handle, TMidiOutHeader* header) {
  auto it = open_.find(handle);
  if (it == open_.end()) return MIDIOUT_INVALHANDLE;
  if (!header || !header->Data || header->BufferLength == 0) return MIDIOUT_INVALPARAM;
  Connection& c = *it->second;
  if (uint32_t r = CheckAlive(c)) return r;
  // The sequencer takes one event per message: blocks and short messages go one by one.
  uint32_t result = MIDIOUT_NOERROR;
  std::vector<uint8_t> block;
  SplitLongMessage(
      header->Data, header->BufferLength,
      [&](const uint8_t* sysex, uint32_t n) {
        if (result) return;
        block.assign(1, 0xF0);
        block.insert(block.end(), sysex, sysex + n);
        block.push_back(0xF7);
        result = Send(c, block.data(), block.size());
      },
      [&](uint32_t word) {
        if (result) return;
        const TShortMessage m = DecodeShortMessage(word);
        if (m.Length) result = Send(c, m.Bytes, m.Length);
      });
  if (result) return result;
  // RtMidi hands the data to the sequencer before it returns: the block is played.
  header->Flags |= MIDIOUT_HDR_DONE;
  if (c.callback) c.callback(handle, MIDIOUT_DONE, header);
  return MIDIOUT_NOERROR;
}

uint32_t TAlsaMidiOutService::Close(TMidiOutHandle handle) {
  auto it = open_.find(handle);
  if (it == open_.end()) return MIDIOUT_INVALHANDLE;
  // Closing a port whose client has gone is fine: RtMidi only drops its own side.
  open_.erase(it);
  return MIDIOUT_NOERROR;
}
