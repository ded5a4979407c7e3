#pragma once
// The system's MIDI output service as TMidiOutput sees it: a list of output devices (id, name,
// the system they belong to), open and close, and sending bytes: one or more complete MIDI
// messages, short ones or system-exclusive blocks. Backends: the built-in synthesizer, ALSA
// sequencer ports, JACK MIDI ports (platform/), and TMidiOutRecorder for tests.
//
// Operations never throw: each returns a result that is either its value or a TMidiOutError
// with the reason and the device concerned. The texts users see for these reasons are made in
// one place, TMidiOutput.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "base/Result.h"

using TMidiOutHandle = uint32_t;  // 0 is no handle

// Why an operation of the service failed. The numbers are what TMidiOutput::LastError
// reports, so they stay as they are once given.
enum class TMidiOutErrc : uint16_t {
  Unspecified = 1,
  BadDevice = 2,       // no device with that id
  Allocated = 4,       // the device is in use, or refused to be opened
  NotOpen = 5,         // the handle is not one of an open device
  NoDevice = 6,        // there is no device at all
  NoMemory = 7,
  BadMessage = 11,     // nothing sendable in the bytes (an empty block)
  NoSequencer = 64,    // the ALSA sequencer cannot be reached
  SendFailed = 65,
  DeviceGone = 66,     // the port or its client went away
  NoSoundFont = 67,
  SoundFontLoad = 68,
  NoAudio = 69,
  BufferFull = 70,     // the device cannot take more now; nothing was waited for
  ServerGone = 71,     // the JACK server stopped
};

struct TMidiOutError {
  TMidiOutError(TMidiOutErrc code = TMidiOutErrc::Unspecified, std::string device = {}, std::string detail = {})
      : Code(code), Device(std::move(device)), Detail(std::move(detail)) {}
  TMidiOutErrc Code = TMidiOutErrc::Unspecified;
  std::string Device;  // the device's name, when one was concerned
  std::string Detail;  // what the backend said beyond the code, for logs; may be empty
};

// A value or the error that kept it from being made; success or the error.
template <class T>
using TMidiOutResult = TResult<T, TMidiOutError>;
using TMidiOutStatus = TResult<void, TMidiOutError>;

// One output device as the service lists it. Ids run from 0 in list order.
struct TMidiOutDevice {
  uint32_t Id = 0;
  std::string Name;    // unique within the list; how the settings remember the device
  std::string System;  // the system it belongs to: "FluidSynth", "ALSA", "JACK"
};

// Called once when the bytes of a send have left the device, on any thread.
using TMidiOutDone = std::function<void()>;

class TMidiOutService {
 public:
  virtual ~TMidiOutService() = default;

  // The devices now (ports come and go: every call looks again).
  virtual std::vector<TMidiOutDevice> Devices() = 0;
  virtual TMidiOutResult<TMidiOutHandle> Open(uint32_t id) = 0;
  // Complete messages: short messages and system-exclusive blocks (F0 ... F7), one or
  // several. What cannot travel (a stray or 8-bit data byte, an unterminated block) is
  // skipped. Without done the service is finished with the bytes when Send returns; with
  // done they must stay where they are until done has been called (exactly once, when Send
  // succeeded; never when it failed). Never waits for the device.
  virtual TMidiOutStatus Send(TMidiOutHandle handle, std::span<const uint8_t> bytes,
                              TMidiOutDone done = {}) = 0;
  // The same, to be played at a due time: dueUs on the steady clock (std::chrono::steady_clock)
  // in microseconds. A service that honours due times places the messages at that moment; one
  // already past goes at once, and so does one absurdly far ahead. Messages of one handle keep
  // the order they were sent in whatever their due times. By default the due time is ignored
  // and the messages go at once, as with Send.
  virtual TMidiOutStatus SendAt(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs,
                                TMidiOutDone done = {}) {
    (void)dueUs;
    return Send(handle, bytes, std::move(done));
  }
  // Short messages played by hand (a key of the piano, a MIDI keyboard passed through): at
  // once, beside what waits for its due time rather than behind it. They keep their own order.
  // By default the same as Send.
  virtual TMidiOutStatus SendLive(TMidiOutHandle handle, std::span<const uint8_t> bytes) {
    return Send(handle, bytes);
  }
  // Whether SendAt on the handle plays messages at their due times, and how long before its due
  // time a message must reach the service to be placed exactly (the device's own period).
  virtual bool HonoursDueTimes(TMidiOutHandle handle) const {
    (void)handle;
    return false;
  }
  virtual int64_t DueTimeHoldUs(TMidiOutHandle handle) const {
    (void)handle;
    return 0;
  }
  // Completes whatever is in flight on the handle first.
  virtual TMidiOutStatus Close(TMidiOutHandle handle) = 0;
};

// A handle no other open device of the process has.
TMidiOutHandle NewMidiOutHandle();

// The bytes of a short message: the status and as many data bytes as it takes.
struct TShortMessage {
  uint8_t Bytes[3] = {0, 0, 0};
  uint8_t Length = 0;
  std::span<const uint8_t> Span() const { return {Bytes, Length}; }
};
TShortMessage ShortMessage(uint8_t status, uint8_t data1, uint8_t data2);

// Data bytes that follow a status byte on the wire (0 for system-exclusive and real time).
int DataBytesAfter(uint8_t status);

// Walks bytes as they go to a device and calls message(bytes) for each complete message that
// can travel: a system-exclusive block with its F0 and F7, or a short message whose data
// bytes are all 7-bit. Stray data bytes are skipped; an unterminated block is dropped.
void ForEachMidiMessage(std::span<const uint8_t> bytes,
                        const std::function<void(std::span<const uint8_t> message)>& message);
