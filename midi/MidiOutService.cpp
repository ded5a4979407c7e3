#include "midi/MidiOutService.h"

#include <atomic>

#include "base/untMesConst.h"

uint32_t TMidiOutService::GetDevCaps(uint32_t deviceId, TMidiOutCaps& caps) {
  if (deviceId != MIDI_MAPPER) return DeviceCaps(deviceId, caps);
  if (GetNumDevs() == 0) return MIDIOUT_NODEVICE;
  caps = TMidiOutCaps{};
  caps.ProductName = Mes(MesId::SMidiMapperName);
  caps.Technology = MIDIOUT_TECH_MAPPER;
  caps.ChannelMask = 0xFFFF;
  return MIDIOUT_NOERROR;
}

uint32_t TMidiOutService::Open(uint32_t deviceId, TMidiOutCallback callback,
                               TMidiOutHandle& handle) {
  handle = 0;
  if (deviceId != MIDI_MAPPER) return OpenDevice(deviceId, std::move(callback), handle);
  const uint32_t count = GetNumDevs();
  uint32_t first = MIDIOUT_NODEVICE;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t r = OpenDevice(i, callback, handle);
    if (r == MIDIOUT_NOERROR) return r;
    handle = 0;
    if (i == 0) first = r;
  }
  return first;
}

uint32_t TMidiOutService::GetErrorText(uint32_t code, std::string& text) {
  const std::string* t = MidiOutResultText(code);
  if (!t) return MIDIOUT_INVALPARAM;
  text = *t;
  return MIDIOUT_NOERROR;
}

TMidiOutHandle NewMidiOutHandle() {
  static std::atomic<TMidiOutHandle> next{0};
  TMidiOutHandle h;
  do h = ++next;
  while (h == 0);
  return h;
}

const std::string* MidiOutResultText(uint32_t code) {
  MesId id;
  switch (code) {
    case MIDIOUT_ERROR: id = MesId::SMidiOutErrUnspecified; break;
    case MIDIOUT_BADDEVICEID: id = MesId::SMidiOutErrBadDeviceId; break;
    case MIDIOUT_ALLOCATED: id = MesId::SMidiOutErrAllocated; break;
    case MIDIOUT_INVALHANDLE: id = MesId::SMidiOutErrInvalidHandle; break;
    case MIDIOUT_NODEVICE: id = MesId::SMidiOutErrNoDevice; break;
    case MIDIOUT_NOMEM: id = MesId::SMidiOutErrNoMemory; break;
    case MIDIOUT_INVALPARAM: id = MesId::SMidiOutErrInvalidParam; break;
    case MIDIOUT_NOSEQUENCER: id = MesId::SMidiOutErrNoSequencer; break;
    case MIDIOUT_SENDFAILED: id = MesId::SMidiOutErrSendFailed; break;
    case MIDIOUT_DEVICEGONE: id = MesId::SMidiOutErrDeviceGone; break;
    case MIDIOUT_NOSOUNDFONT: id = MesId::SMidiOutErrNoSoundFont; break;
    case MIDIOUT_SOUNDFONTLOAD: id = MesId::SMidiOutErrSoundFontLoad; break;
    case MIDIOUT_NOAUDIO: id = MesId::SMidiOutErrNoAudio; break;
    default: return nullptr;
  }
  return &Mes(id);
}

namespace {

// Data bytes that follow a status byte.
int DataBytesAfter(uint8_t status) {
  if (status < 0xF0) {
    switch (status & 0xF0) {
      case 0xC0:
      case 0xD0: return 1;
      default: return 2;
    }
  }
  switch (status) {
    case 0xF1:
    case 0xF3: return 1;
    case 0xF2: return 2;
    default: return 0;
  }
}

}  // namespace

TShortMessage DecodeShortMessage(uint32_t word) {
  TShortMessage m;
  const uint8_t status = word & 0xFF;
  if (status < 0x80 || status == 0xF0 || status == 0xF7) return m;
  const int n = DataBytesAfter(status);
  m.Bytes[0] = status;
  for (int i = 1; i <= n; ++i) {
    const uint8_t b = (word >> (8 * i)) & 0xFF;
    // A byte above 127 cannot travel as data (a transposed note that wrapped past the
    // keyboard, for one); the receiver would take it for a status byte.
    if (b & 0x80) return TShortMessage{};
    m.Bytes[i] = b;
  }
  m.Length = static_cast<uint8_t>(n + 1);
  return m;
}

void SplitLongMessage(const uint8_t* data, uint32_t length,
                      const std::function<void(const uint8_t*, uint32_t)>& sysex,
                      const std::function<void(uint32_t)>& shortMessage) {
  if (!data) return;
  uint32_t i = 0;
  while (i < length) {
    const uint8_t b = data[i];
    if (b == 0xF0) {
      uint32_t end = i + 1;
      while (end < length && data[end] != 0xF7) ++end;
      if (end >= length) return;  // unterminated: nothing of it goes out
      sysex(data + i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    if (b < 0x80 || b == 0xF7) {
      ++i;
      continue;
    }
    const int n = DataBytesAfter(b);
    if (i + n >= length) return;
    uint32_t word = b;
    bool complete = true;
    for (int k = 1; k <= n; ++k) {
      if (data[i + k] & 0x80) {
        complete = false;
        break;
      }
      word |= static_cast<uint32_t>(data[i + k]) << (8 * k);
    }
    if (!complete) {
      ++i;
      continue;
    }
    shortMessage(word);
    i += n + 1;
  }
}
