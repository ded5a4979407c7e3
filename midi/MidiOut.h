#pragma once
// TMidiOutput: one output device of the MIDI output service. It selects the device by number
// or by product name, opens and closes it, and sends short messages and system-exclusive
// blocks. Every failure of the service is raised as EmidioutputError with the service's text;
// only Open reports failure by its result, so that the caller can warn once and go on silent.
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

class EmidioutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The owner of one long message in flight: the header handed to the service and the copy of
// the data it points to. Both stay at their addresses until the completion notice; a length
// of 0 allocates no data.
class TMyMidiHdr {
 public:
  explicit TMyMidiHdr(uint32_t length);
  TMyMidiHdr(const TMyMidiHdr&) = delete;
  TMyMidiHdr& operator=(const TMyMidiHdr&) = delete;

  TMidiOutHeader* Header() { return &header_; }
  uint8_t* Data() { return data_.get(); }

 private:
  TMidiOutHeader header_;
  std::unique_ptr<uint8_t[]> data_;
};

class TMidiOutput {
 public:
  TMidiOutput(std::shared_ptr<TMidiOutService> service,
              std::shared_ptr<TMainThreadPoster> poster);
  virtual ~TMidiOutput();
  TMidiOutput(const TMidiOutput&) = delete;
  TMidiOutput& operator=(const TMidiOutput&) = delete;

  // The selected device. Setting either selects a device and reads its capabilities; both
  // raise while the device is open. ProductName is empty until a device has been selected.
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

  // Capabilities of the selected device.
  uint32_t DriverVersion() const { return driverVersion_; }
  uint8_t Technology() const { return technology_; }
  uint16_t Voices() const { return voices_; }
  uint16_t Notes() const { return notes_; }
  uint16_t ChannelMask() const { return channelMask_; }
  uint32_t Support() const { return support_; }

  // Opens DeviceID; false (and LastError) when the service refuses, never an exception.
  // Opening an open device keeps it open and returns true.
  virtual bool Open();
  // Closes the device if it is open; true when a device was closed.
  virtual bool Close();
  // A long message when the event carries a Sysex block, otherwise a short message; raises
  // "MIDI Output device not open" while closed.
  virtual void SendEvent(const TMidiEvent& event);
  virtual void SendShort(uint8_t status, uint8_t data1, uint8_t data2);
  // Copies the data: the caller may release it at once.
  virtual void SendLong(const uint8_t* data, uint16_t length);
  // Controller 120 (All Sound Off) on all 16 channels; nothing while closed.
  void AllSoundOff();
  // The service's text for a result code, or "Specified error number is out of range".
  std::string ErrorText(uint16_t code);

  // Long messages sent and not yet completed.
  int LongMessagesInFlight() const { return static_cast<int>(inFlight_.size()); }

 private:
  struct Window;  // what the device callback may reach: the poster and, on the GUI thread, us

  void Check(uint32_t result);
  void LongMessageDone(TMidiOutHeader* header);
  TMidiOutCallback MakeCallback();

  std::shared_ptr<TMidiOutService> service_;
  std::shared_ptr<Window> window_;

  std::string productName_;
  uint32_t deviceId_ = 0;
  uint16_t deviceCount_ = 0;
  bool open_ = false;
  TMidiOutHandle handle_ = 0;
  uint16_t lastError_ = 0;

  uint32_t driverVersion_ = 0;
  uint8_t technology_ = 0;
  uint16_t voices_ = 0;
  uint16_t notes_ = 0;
  uint16_t channelMask_ = 0;
  uint32_t support_ = 0;

  std::unordered_map<TMidiOutHeader*, std::unique_ptr<TMyMidiHdr>> inFlight_;
};
