#pragma once
// The open MIDI input of the window: the device chosen by name, its messages read on the
// window's thread as soon as they arrive (a socket notifier on the port's descriptor), each
// given to the keyboard state and to whoever passes them on (MIDI thru). A device that goes
// away is closed and told once. The device stays wanted: when it is there again (plugged in
// later, or back after it went) it is opened by itself and that is told.

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/LiveKeyboard.h"
#include "midi/MidiInService.h"

class QSocketNotifier;
class QTimer;

class TMidiInputLink : public QObject {
  Q_OBJECT

 public:
  explicit TMidiInputLink(std::shared_ptr<TMidiInService> service, QObject* parent = nullptr);
  ~TMidiInputLink() override;

  // The devices, listed anew.
  std::vector<TMidiInDevice> Devices();
  // Opens the device with exactly that name, closing the one open first; an empty name only
  // closes and wants nothing. A name no device has gives DeviceGone naming it. Either way the
  // name stays wanted.
  TMidiOutStatus Open(const std::string& name);
  // Ends every note the keyboard holds (told through its callbacks) and closes the port; the
  // device stays wanted.
  void Close();
  const std::string& Wanted() const { return wanted_; }
  bool IsOpen() const { return static_cast<bool>(port_); }
  // The open device's name; empty when none is open.
  std::string DeviceName() const;
  // Reads what waits now (the notifier does this by itself).
  void Poll();
  // Asks the port whether its device is still there, or, while the wanted device is not open,
  // whether it has come (a timer does this every second).
  void CheckPresent();

  // What is played: its OnSounding and OnChord belong to the window.
  TLiveKeyboard Keyboard;
  // Every message read, before the keyboard takes it (so that MIDI thru sounds first).
  std::function<void(const TMidiInMessage&)> OnMessage;
  // The open device went away (it was closed): once for each device opened.
  std::function<void(const TMidiOutError&)> OnLost;
  // The wanted device was found and opened by the presence check.
  std::function<void(const std::string& name)> OnFound;

 private:
  std::shared_ptr<TMidiInService> service_;
  // Opens the wanted device when it is listed; the status of the attempt.
  TMidiOutStatus OpenWanted();

  std::string wanted_;
  std::shared_ptr<TMidiInPort> port_;
  QSocketNotifier* notifier_ = nullptr;
  QTimer* presence_ = nullptr;
};
