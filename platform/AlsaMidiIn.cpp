#include "platform/AlsaMidiIn.h"

#include <rtmidi/RtMidi.h>

#include <QFileInfo>

#include <map>

#include "platform/AlsaMidiOut.h"
#include "platform/MidiInQueue.h"

namespace {

std::unique_ptr<RtMidiIn> NewClient(const std::string& name) {
  // Without the device the ALSA library complains on the terminal before RtMidi fails.
  if (!QFileInfo::exists(QStringLiteral("/dev/snd/seq"))) return nullptr;
  try {
    return std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, name);
  } catch (const std::exception&) {
    return nullptr;
  }
}

void IgnoreRtMidiError(RtMidiError::Type, const std::string&, void*) {}

class AlsaInPort : public TMidiInQueue {
 public:
  AlsaInPort(std::string name, std::string portName, std::unique_ptr<RtMidiIn> in)
      : TMidiInQueue(std::move(name)), portName_(std::move(portName)), in_(std::move(in)) {}
  ~AlsaInPort() override {
    // RtMidi's thread ends before the queue goes.
    try {
      in_->cancelCallback();
      in_->closePort();
    } catch (const std::exception&) {
    }
    in_.reset();
  }

  // RtMidi does not tell when a port goes away: it is looked for among the ports by name.
  void CheckPresent() override {
    if (Lost()) return;
    try {
      const unsigned count = in_->getPortCount();
      for (unsigned i = 0; i < count; ++i)
        if (in_->getPortName(i) == portName_) return;
    } catch (const std::exception&) {
    }
    MarkLost(TMidiOutErrc::DeviceGone);
  }

  bool Start(unsigned number) {
    in_->setErrorCallback(IgnoreRtMidiError, nullptr);
    in_->ignoreTypes(true, true, true);  // system exclusive, timing, active sensing
    in_->setCallback(&AlsaInPort::Received, this);
    try {
      in_->openPort(number, "Input");
    } catch (const std::exception&) {
      return false;
    }
    return in_->isPortOpen();
  }

 private:
  static void Received(double, std::vector<unsigned char>* bytes, void* arg) {
    auto* self = static_cast<AlsaInPort*>(arg);
    if (!bytes) return;
    if (auto m = MidiInMessageFrom(bytes->data(), bytes->size(), MidiInNowUs()))
      if (self->Push(*m)) self->Notify();
  }

  std::string portName_;  // as the sequencer names it, numbers included
  std::unique_ptr<RtMidiIn> in_;
};

}  // namespace

TAlsaMidiInService::TAlsaMidiInService(std::string clientName) : clientName_(std::move(clientName)) {}

RtMidiIn* TAlsaMidiInService::Enumerator() {
  // Made at the first use, not when the window starts: most users choose no keyboard.
  if (!triedEnumerator_) {
    triedEnumerator_ = true;
    enumerator_ = NewClient(clientName_);
  }
  return enumerator_.get();
}

bool TAlsaMidiInService::MayHaveNewDevices() { return Enumerator() != nullptr; }

TAlsaMidiInService::~TAlsaMidiInService() = default;

std::vector<TMidiInDevice> TAlsaMidiInService::Devices() {
  ports_.clear();
  if (!Enumerator()) return {};
  std::map<std::string, int> seen;
  try {
    const unsigned count = enumerator_->getPortCount();
    for (unsigned i = 0; i < count; ++i) {
      const std::string name = enumerator_->getPortName(i);
      if (name.empty()) continue;
      std::string product = TAlsaMidiOutService::ProductNameOf(name);
      // The program's own output port is readable too; it is not a keyboard.
      if (product.rfind("Cantaro", 0) == 0) continue;
      if (int n = ++seen[product]; n > 1) product += " #" + std::to_string(n);
      ports_.push_back(Port{name, product});
    }
  } catch (const std::exception&) {
  }
  std::vector<TMidiInDevice> devices;
  for (uint32_t i = 0; i < ports_.size(); ++i) devices.push_back(TMidiInDevice{i, ports_[i].productName, "ALSA"});
  return devices;
}

TMidiOutResult<std::shared_ptr<TMidiInPort>> TAlsaMidiInService::Open(uint32_t id) {
  if (!Enumerator()) return TMidiOutError{TMidiOutErrc::NoSequencer};
  if (id >= ports_.size()) return TMidiOutError{TMidiOutErrc::BadDevice};
  const Port wanted = ports_[id];
  // The port's number may have changed since the list was read: find it by name now.
  int number = -1;
  try {
    const unsigned count = enumerator_->getPortCount();
    for (unsigned i = 0; i < count && number < 0; ++i)
      if (enumerator_->getPortName(i) == wanted.portName) number = static_cast<int>(i);
  } catch (const std::exception&) {
  }
  if (number < 0) return TMidiOutError{TMidiOutErrc::DeviceGone, wanted.productName};
  auto in = NewClient(clientName_);
  if (!in) return TMidiOutError{TMidiOutErrc::NoSequencer, wanted.productName};
  auto port = std::make_shared<AlsaInPort>(wanted.productName, wanted.portName, std::move(in));
  if (!port->Start(static_cast<unsigned>(number))) return TMidiOutError{TMidiOutErrc::Allocated, wanted.productName};
  return std::shared_ptr<TMidiInPort>(port);
}
