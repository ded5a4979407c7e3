#pragma once
// TMidiOutput: one output device of the MIDI output service. It selects the device by number
// or by product name, opens and closes it, and sends short messages and system-exclusive
// blocks. It is the one place where the service's typed errors become codes and texts: every
// failure is raised as EmidioutputError with that text; only Open reports failure by its
// result, so that the caller can warn once and go on silent.
//
// All calls belong on the GUI thread. The completion of a long message arrives on a thread of
// the service and is posted to the GUI thread, where the message's memory is released and
// Onmidioutput is raised.

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "midi/MainThreadPoster.h"
#include "midi/MidiOutService.h"
#include "midi/Miditype.h"

// The exception of every failure of the output: the text users see, and what it came from.
class EmidioutputError : public std::runtime_error {
 public:
  explicit EmidioutputError(const std::string& text, uint16_t code = 0, std::string device = {})
      : std::runtime_error(text), code_(code), device_(std::move(device)) {}
  // The reason as TMidiOutput::LastError reports it; 0 for misuse of the component itself.
  uint16_t Code() const { return code_; }
  // The device concerned, when the service named one.
  const std::string& Device() const { return device_; }

 private:
  uint16_t code_;
  std::string device_;
};

// The owner of one long message in flight: a copy of the data that stays at its address until
// the service reports it done; a length of 0 allocates nothing.
class TMyMidiHdr {
 public:
  explicit TMyMidiHdr(uint32_t length);
  TMyMidiHdr(const TMyMidiHdr&) = delete;
  TMyMidiHdr& operator=(const TMyMidiHdr&) = delete;

  uint8_t* Data() { return data_.get(); }
  uint32_t Length() const { return length_; }

 private:
  std::unique_ptr<uint8_t[]> data_;
  uint32_t length_ = 0;
};

// The id that stands for "the first device that opens".
constexpr uint32_t MIDI_MAPPER = 0xFFFFFFFFu;

class TMidiOutput {
 public:
  TMidiOutput(std::shared_ptr<TMidiOutService> service,
              std::shared_ptr<TMainThreadPoster> poster);
  virtual ~TMidiOutput();
  TMidiOutput(const TMidiOutput&) = delete;
  TMidiOutput& operator=(const TMidiOutput&) = delete;

  // The selected device. Setting either selects a device from the service's list; both raise
  // while the device is open. ProductName is empty until a device has been selected.
  const std::string& ProductName() const { return productName_; }
  void SetProductName(const std::string& name);
  uint32_t DeviceID() const { return deviceId_; }
  void SetDeviceID(uint32_t id);

  // Raised on the GUI thread after a long message has been played and released.
  std::function<void(TMidiOutput* Sender)> Onmidioutput;

  // Devices counted when the component was created.
  uint16_t DeviceCount() const { return deviceCount_; }
  bool IsOpen() const { return open_; }
  // Low 16 bits of the result of the last service call.
  uint16_t LastError() const { return lastError_; }

  // The system the selected device belongs to ("JACK", "ALSA", ...; empty for the mapper).
  const std::string& System() const { return system_; }

  // Opens DeviceID (the mapper: the first device that opens, in list order, or the first
  // device's reason when none does); false (and LastError) when the service refuses, never an
  // exception. Opening an open device keeps it open and returns true.
  virtual bool Open();
  // Closes the device if it is open; true when a device was closed.
  virtual bool Close();
  // A long message when the event carries a Sysex block, otherwise a short message; raises
  // "MIDI Output device not open" while closed.
  virtual void SendEvent(const TMidiEvent& event);
  // Sends the status and the data bytes it takes; a message that cannot travel (no status, a
  // data byte above 127) is not sent.
  virtual void SendShort(uint8_t status, uint8_t data1, uint8_t data2);
  // Copies the data: the caller may release it at once.
  virtual void SendLong(const uint8_t* data, uint16_t length);
  // SendEvent, to be played at dueUs on the steady clock in microseconds: placed at that moment
  // by a device that honours due times, at once by any other (and for a due time of 0).
  virtual void SendEventAt(const TMidiEvent& event, int64_t dueUs);
  // A short message played by hand (a piano key, MIDI thru): at once, not behind what the
  // song sent ahead; a Sysex event goes as SendEvent does.
  void SendEventLive(const TMidiEvent& event);
  // Whether the open device plays messages at their due times, and how long before its due
  // time a message must be sent to be placed exactly (the device's period); false and 0 while
  // closed.
  bool HonoursDueTimes() const;
  int64_t DueTimeHoldUs() const;
  // How far beyond its timer period playback should send ahead to this device
  // (TMidiFile::SetLookAheadUs): its hold and a margin for a late timer step; 0 for a device
  // that ignores due times, or while closed.
  int64_t PlaybackLookAheadUs() const;
  static constexpr int64_t kLateTimerMarginUs = 2000;
  // Controller 120 (All Sound Off) on all 16 channels; nothing while closed.
  void AllSoundOff();
  // The text of a result code, or "Specified error number is out of range".
  std::string ErrorText(uint16_t code);
  static std::string ErrorTextOf(TMidiOutErrc code);

  // Long messages sent and not yet completed.
  int LongMessagesInFlight() const { return static_cast<int>(inFlight_.size()); }

 private:
  struct Window;  // what the device callback may reach: the poster and, on the GUI thread, us

  // Raises the error (and keeps its code) when the status is one.
  void Check(const TMidiOutStatus& status);
  [[noreturn]] void Raise(const TMidiOutError& error);
  void LongMessageDone(uint8_t* data);
  // The sends, with a due time or 0 for none; a short one may go live.
  void SendShortAt(uint8_t status, uint8_t data1, uint8_t data2, int64_t dueUs, bool live = false);
  void SendLongAt(const uint8_t* data, uint16_t length, int64_t dueUs);

  std::shared_ptr<TMidiOutService> service_;
  std::shared_ptr<Window> window_;

  std::string productName_;
  uint32_t deviceId_ = 0;
  uint16_t deviceCount_ = 0;
  bool open_ = false;
  TMidiOutHandle handle_ = 0;
  uint16_t lastError_ = 0;
  std::string system_;

  std::unordered_map<uint8_t*, std::unique_ptr<TMyMidiHdr>> inFlight_;
};
