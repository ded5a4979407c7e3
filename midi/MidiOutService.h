#pragma once
// The system's MIDI output service as TMidiOutput sees it: a numbered list of output devices
// with their capabilities, open and close, short and long messages, a completion notice for
// every long message, and a text for every result code. Backends: ALSA sequencer ports and
// the built-in synthesizer (platform/), and TMidiOutRecorder for tests.
//
// Every operation returns a result code (MIDIOUT_NOERROR on success); operations never throw.
// Device numbers run from 0 to GetNumDevs() - 1; MIDI_MAPPER stands for "the first device
// that can be opened".

#include <cstdint>
#include <functional>
#include <string>

using TMidiOutHandle = uint32_t;  // 0 is no handle

constexpr uint32_t MIDI_MAPPER = 0xFFFFFFFFu;

// Result codes of the service.
constexpr uint32_t MIDIOUT_NOERROR = 0;
constexpr uint32_t MIDIOUT_ERROR = 1;
constexpr uint32_t MIDIOUT_BADDEVICEID = 2;
constexpr uint32_t MIDIOUT_ALLOCATED = 4;
constexpr uint32_t MIDIOUT_INVALHANDLE = 5;
constexpr uint32_t MIDIOUT_NODEVICE = 6;
constexpr uint32_t MIDIOUT_NOMEM = 7;
constexpr uint32_t MIDIOUT_INVALPARAM = 11;
constexpr uint32_t MIDIOUT_NOSEQUENCER = 64;
constexpr uint32_t MIDIOUT_SENDFAILED = 65;
constexpr uint32_t MIDIOUT_DEVICEGONE = 66;
constexpr uint32_t MIDIOUT_NOSOUNDFONT = 67;
constexpr uint32_t MIDIOUT_SOUNDFONTLOAD = 68;
constexpr uint32_t MIDIOUT_NOAUDIO = 69;

// Notice passed to the open callback when a long message has been played.
constexpr uint32_t MIDIOUT_DONE = 969;

// Technology of a device.
constexpr uint8_t MIDIOUT_TECH_PORT = 1;      // a port to external or other software
constexpr uint8_t MIDIOUT_TECH_SYNTH = 2;     // a synthesizer
constexpr uint8_t MIDIOUT_TECH_MAPPER = 5;    // the mapper
constexpr uint8_t MIDIOUT_TECH_SWSYNTH = 7;   // a software synthesizer

struct TMidiOutCaps {
  uint32_t DriverVersion = 0;
  std::string ProductName;
  uint8_t Technology = 0;
  uint16_t Voices = 0;
  uint16_t Notes = 0;
  uint16_t ChannelMask = 0;
  uint32_t Support = 0;
};

// One long message handed to the service. The memory it points to belongs to the sender and
// must stay where it is until the completion notice for this header has been delivered.
struct TMidiOutHeader {
  const uint8_t* Data = nullptr;
  uint32_t BufferLength = 0;
  void* User = nullptr;  // the sender's own
  uint32_t Flags = 0;    // MIDIOUT_HDR_DONE once the service is finished with it
};
constexpr uint32_t MIDIOUT_HDR_DONE = 1;

// Called by the service, on any thread of its own or on the caller's, with MIDIOUT_DONE and
// the header of a long message that has been played. The service calls it exactly once per
// header it accepted and never touches that header afterwards. After Close has returned the
// service calls nothing more for that handle: Close completes what is still in flight first.
using TMidiOutCallback =
    std::function<void(TMidiOutHandle handle, uint32_t notice, TMidiOutHeader* header)>;

class TMidiOutService {
 public:
  virtual ~TMidiOutService() = default;

  virtual uint32_t GetNumDevs() = 0;
  // Capabilities of one device, or of the mapper.
  uint32_t GetDevCaps(uint32_t deviceId, TMidiOutCaps& caps);
  // Opens one device; the mapper opens the first device that opens, in list order, and
  // fails with the first device's result when none does.
  uint32_t Open(uint32_t deviceId, TMidiOutCallback callback, TMidiOutHandle& handle);
  // One short message: status in bits 0..7, data bytes in bits 8..15 and 16..23. A word that
  // holds no sendable message (no status byte, a data byte above 127, the status of a
  // system-exclusive block) is accepted and nothing is sent.
  virtual uint32_t ShortMsg(TMidiOutHandle handle, uint32_t message) = 0;
  // One long message: system-exclusive blocks (F0 ... F7) and complete short messages.
  virtual uint32_t LongMsg(TMidiOutHandle handle, TMidiOutHeader* header) = 0;
  virtual uint32_t Close(TMidiOutHandle handle) = 0;
  // The text of a result code; MIDIOUT_INVALPARAM when the code is not one of the service's.
  virtual uint32_t GetErrorText(uint32_t code, std::string& text);

 protected:
  virtual uint32_t DeviceCaps(uint32_t index, TMidiOutCaps& caps) = 0;
  virtual uint32_t OpenDevice(uint32_t index, TMidiOutCallback callback,
                              TMidiOutHandle& handle) = 0;
};

// A handle no other open device of the process has.
TMidiOutHandle NewMidiOutHandle();

// The built-in text of a result code, or nullptr for a code the service does not know.
const std::string* MidiOutResultText(uint32_t code);

// The bytes a short-message word stands for on the wire; Length 0 when there is nothing to
// send (see ShortMsg).
struct TShortMessage {
  uint8_t Bytes[3] = {0, 0, 0};
  uint8_t Length = 0;
};
TShortMessage DecodeShortMessage(uint32_t word);

// Walks a long message and calls sysex(data, length) for each system-exclusive block (the
// bytes between F0 and F7, both excluded) and shortMessage(word) for each complete short
// message between them. An unterminated block is dropped; stray data bytes are skipped.
void SplitLongMessage(const uint8_t* data, uint32_t length,
                      const std::function<void(const uint8_t* sysex, uint32_t length)>& sysex,
                      const std::function<void(uint32_t word)>& shortMessage);
