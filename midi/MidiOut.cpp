#include "midi/MidiOut.h"

#include <algorithm>
#include <cstring>

#include "base/untMesConst.h"

TMyMidiHdr::TMyMidiHdr(uint32_t length) {
  if (length > 0) {
    data_ = std::make_unique<uint8_t[]>(length);
    header_.Data = data_.get();
    header_.BufferLength = length;
  }
}

struct TMidiOutput::Window {
  std::shared_ptr<TMainThreadPoster> poster;
  TMidiOutput* owner = nullptr;  // read and cleared on the GUI thread only
};

TMidiOutput::TMidiOutput(std::shared_ptr<TMidiOutService> service,
                         std::shared_ptr<TMainThreadPoster> poster)
    : service_(std::move(service)), window_(std::make_shared<Window>()) {
  window_->poster = poster ? std::move(poster) : std::make_shared<TImmediatePoster>();
  window_->owner = this;
  if (service_) deviceCount_ = static_cast<uint16_t>(std::min<uint32_t>(service_->GetNumDevs(), 0xFFFF));
}

TMidiOutput::~TMidiOutput() {
  bool closed = true;
  if (open_) {
    try {
      Close();
    } catch (...) {
      closed = false;
    }
  }
  // Completions still queued for the GUI thread find no owner and do nothing.
  window_->owner = nullptr;
  if (!closed) {
    // The service may still write to these headers: leaving them is safer than freeing them.
    for (auto& entry : inFlight_) entry.second.release();
  }
  inFlight_.clear();
}

void TMidiOutput::Check(uint32_t result) {
  lastError_ = static_cast<uint16_t>(result & 0xFFFF);
  if (result != MIDIOUT_NOERROR) throw EmidioutputError(ErrorText(lastError_));
}

std::string TMidiOutput::ErrorText(uint16_t code) {
  std::string text;
  if (!service_ || service_->GetErrorText(code, text) != MIDIOUT_NOERROR)
    return Mes(MesId::SMidiOutErrorOutOfRange);
  return text;
}

void TMidiOutput::SetDeviceID(uint32_t id) {
  if (open_) throw EmidioutputError(Mes(MesId::SMidiOutChangeDeviceID));
  const uint32_t count = service_ ? service_->GetNumDevs() : 0;
  if (id >= count && id != MIDI_MAPPER) throw EmidioutputError(Mes(MesId::SMidiOutInvalidDeviceID));
  deviceId_ = id;
  TMidiOutCaps caps;
  Check(service_ ? service_->GetDevCaps(id, caps) : MIDIOUT_NODEVICE);
  productName_ = caps.ProductName;
  driverVersion_ = caps.DriverVersion;
  technology_ = caps.Technology;
  voices_ = caps.Voices;
  notes_ = caps.Notes;
  channelMask_ = caps.ChannelMask;
  support_ = caps.Support;
}

void TMidiOutput::SetProductName(const std::string& name) {
  if (open_) throw EmidioutputError(Mes(MesId::SMidiOutChangeProductName));
  const uint32_t count = service_ ? service_->GetNumDevs() : 0;
  for (uint32_t i = 0; i < count; ++i) {
    TMidiOutCaps caps;
    Check(service_->GetDevCaps(i, caps));
    if (caps.ProductName == name) {
      productName_ = name;
      SetDeviceID(i);
      return;
    }
  }
  throw EmidioutputError(MesFormat(MesId::SMidiOutNotInstalled, name));
}

TMidiOutCallback TMidiOutput::MakeCallback() {
  std::weak_ptr<Window> weak = window_;
  return [weak](TMidiOutHandle, uint32_t notice, TMidiOutHeader* header) {
    if (notice != MIDIOUT_DONE || !header) return;
    auto window = weak.lock();
    if (!window) return;
    window->poster->Post([weak, header] {
      auto w = weak.lock();
      if (w && w->owner) w->owner->LongMessageDone(header);
    });
  };
}

bool TMidiOutput::Open() {
  if (open_) return true;
  if (!service_) {
    lastError_ = MIDIOUT_NODEVICE;
    return false;
  }
  TMidiOutHandle handle = 0;
  uint32_t result;
  try {
    result = service_->Open(deviceId_, MakeCallback(), handle);
  } catch (...) {
    result = MIDIOUT_ERROR;
  }
  lastError_ = static_cast<uint16_t>(result & 0xFFFF);
  if (result != MIDIOUT_NOERROR) return false;
  handle_ = handle;
  open_ = true;
  return true;
}

bool TMidiOutput::Close() {
  if (!open_) return false;
  Check(service_->Close(handle_));
  handle_ = 0;
  open_ = false;
  return true;
}

void TMidiOutput::SendEvent(const TMidiEvent& event) {
  if (!open_) throw EmidioutputError(Mes(MesId::SMidiOutNotOpen));
  if (event.Sysex)
    SendLong(event.Sysex.get(), event.SysexLength);
  else
    SendShort(event.Status, event.Data1, event.Data2);
}

void TMidiOutput::SendShort(uint8_t status, uint8_t data1, uint8_t data2) {
  const uint32_t word = static_cast<uint32_t>(status) | static_cast<uint32_t>(data1) << 8 |
                        static_cast<uint32_t>(data2) << 16;
  Check(service_ ? service_->ShortMsg(handle_, word) : MIDIOUT_INVALHANDLE);
}

void TMidiOutput::SendLong(const uint8_t* data, uint16_t length) {
  if (!service_) Check(MIDIOUT_INVALHANDLE);
  if (!data && length > 0) Check(MIDIOUT_INVALPARAM);
  auto owner = std::make_unique<TMyMidiHdr>(length);
  if (length > 0) std::memcpy(owner->Data(), data, length);
  TMidiOutHeader* header = owner->Header();
  header->User = owner.get();
  // Registered before the service sees it: the completion may come back before LongMsg
  // returns.
  inFlight_.emplace(header, std::move(owner));
  const uint32_t result = service_->LongMsg(handle_, header);
  // A header the service refused never completes; it is released here rather than lost.
  if (result != MIDIOUT_NOERROR) inFlight_.erase(header);
  Check(result);
}

void TMidiOutput::LongMessageDone(TMidiOutHeader* header) {
  auto it = inFlight_.find(header);
  if (it == inFlight_.end()) return;
  inFlight_.erase(it);
  if (Onmidioutput) Onmidioutput(this);
}

void TMidiOutput::AllSoundOff() {
  if (!open_) return;
  TMidiEvent event;
  for (uint8_t channel = 0; channel < 16; ++channel) {
    event.Status = static_cast<uint8_t>(0xB0 + channel);
    event.Data1 = 120;
    event.Data2 = 0;
    SendEvent(event);
  }
}
