#include "platform/MidiInputLink.h"

#include <QSocketNotifier>
#include <QTimer>

TMidiInputLink::TMidiInputLink(std::shared_ptr<TMidiInService> service, QObject* parent)
    : QObject(parent), service_(std::move(service)) {
  presence_ = new QTimer(this);
  presence_->setInterval(1000);
  connect(presence_, &QTimer::timeout, this, [this] { CheckPresent(); });
}

TMidiInputLink::~TMidiInputLink() {
  // Nobody listens any more: the port closes without telling.
  Keyboard.OnSounding = nullptr;
  Keyboard.OnChord = nullptr;
  Close();
}

std::vector<TMidiInDevice> TMidiInputLink::Devices() {
  return service_ ? service_->Devices() : std::vector<TMidiInDevice>{};
}

TMidiOutStatus TMidiInputLink::Open(const std::string& name) {
  Close();
  wanted_ = service_ ? name : std::string();
  if (wanted_.empty()) {
    presence_->stop();
    return {};
  }
  presence_->start();
  return OpenWanted();
}

TMidiOutStatus TMidiInputLink::OpenWanted() {
  const std::optional<uint32_t> id = FindMidiInDevice(service_->Devices(), wanted_);
  if (!id) return TMidiOutError{TMidiOutErrc::DeviceGone, wanted_};
  auto opened = service_->Open(*id);
  if (!opened) {
    TMidiOutError error = opened.Error();
    if (error.Device.empty()) error.Device = wanted_;
    return error;
  }
  port_ = opened.Value();
  if (const int fd = port_->NotifyDescriptor(); fd >= 0) {
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { Poll(); });
  }
  return {};
}

void TMidiInputLink::CheckPresent() {
  if (!port_) {
    // Waiting for the wanted device: the list is read again only when something may have come.
    if (wanted_.empty() || !service_->MayHaveNewDevices()) return;
    if (OpenWanted() && OnFound) OnFound(wanted_);
    return;
  }
  port_->CheckPresent();
  // What came before it went is still read; then the loss is told.
  Poll();
}

void TMidiInputLink::Close() {
  if (notifier_) {
    notifier_->setEnabled(false);
    notifier_->deleteLater();
    notifier_ = nullptr;
  }
  port_.reset();
  Keyboard.Reset();
}

std::string TMidiInputLink::DeviceName() const { return port_ ? port_->Name() : std::string(); }

void TMidiInputLink::Poll() {
  if (!port_) return;
  // The port may be closed by a handler (a device change from a dialog the message opened):
  // keep it alive until the batch is read.
  std::shared_ptr<TMidiInPort> port = port_;
  port->Drain([this, &port](const TMidiInMessage& m) {
    if (port_ != port) return;
    // Sound first (MIDI thru), then the piano and the chord.
    if (OnMessage) OnMessage(m);
    if (port_ != port) return;
    Keyboard.Handle(m.Bytes[0], m.Bytes[1], m.Bytes[2]);
  });
  if (port_ == port) {
    if (std::optional<TMidiOutError> lost = port->Lost()) {
      Close();
      if (OnLost) OnLost(*lost);
    }
  }
}
