#include "midi/MidiOut.h"

#include <algorithm>
#include <cstring>

#include "base/untMesConst.h"
#include "midi/MidiConstants.h"

TMyMidiHdr::TMyMidiHdr(uint32_t length) : length_(length) {
  if (length > 0) data_ = std::make_unique<uint8_t[]>(length);
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
  if (service_) deviceCount_ = static_cast<uint16_t>(std::min<std::size_t>(service_->Devices().size(), 0xFFFF));
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
    // The service may still read these blocks: leaving them is safer than freeing them.
    for (auto& entry : inFlight_) entry.second.release();
  }
  inFlight_.clear();
}

std::string TMidiOutput::ErrorTextOf(TMidiOutErrc code) {
  MesId id;
  switch (code) {
    case TMidiOutErrc::Unspecified: id = MesId::SMidiOutErrUnspecified; break;
    case TMidiOutErrc::BadDevice: id = MesId::SMidiOutErrBadDeviceId; break;
    case TMidiOutErrc::Allocated: id = MesId::SMidiOutErrAllocated; break;
    case TMidiOutErrc::NotOpen: id = MesId::SMidiOutErrInvalidHandle; break;
    case TMidiOutErrc::NoDevice: id = MesId::SMidiOutErrNoDevice; break;
    case TMidiOutErrc::NoMemory: id = MesId::SMidiOutErrNoMemory; break;
    case TMidiOutErrc::BadMessage: id = MesId::SMidiOutErrInvalidParam; break;
    case TMidiOutErrc::NoSequencer: id = MesId::SMidiOutErrNoSequencer; break;
    case TMidiOutErrc::SendFailed: id = MesId::SMidiOutErrSendFailed; break;
    case TMidiOutErrc::DeviceGone: id = MesId::SMidiOutErrDeviceGone; break;
    case TMidiOutErrc::NoSoundFont: id = MesId::SMidiOutErrNoSoundFont; break;
    case TMidiOutErrc::SoundFontLoad: id = MesId::SMidiOutErrSoundFontLoad; break;
    case TMidiOutErrc::NoAudio: id = MesId::SMidiOutErrNoAudio; break;
    case TMidiOutErrc::BufferFull: id = MesId::SMidiOutErrBufferFull; break;
    case TMidiOutErrc::ServerGone: id = MesId::SMidiOutErrServerGone; break;
    default: return Mes(MesId::SMidiOutErrorOutOfRange);
  }
  return Mes(id);
}

std::string TMidiOutput::ErrorText(uint16_t code) { return ErrorTextOf(static_cast<TMidiOutErrc>(code)); }

void TMidiOutput::Raise(const TMidiOutError& error) {
  lastError_ = static_cast<uint16_t>(error.Code);
  throw EmidioutputError(ErrorTextOf(error.Code), lastError_, error.Device);
}

void TMidiOutput::Check(const TMidiOutStatus& status) {
  if (!status) Raise(status.Error());
  lastError_ = 0;
}

void TMidiOutput::SetDeviceID(uint32_t id) {
  if (open_) throw EmidioutputError(Mes(MesId::SMidiOutChangeDeviceID));
  const std::vector<TMidiOutDevice> devices = service_ ? service_->Devices() : std::vector<TMidiOutDevice>{};
  if (id >= devices.size() && id != MIDI_MAPPER) throw EmidioutputError(Mes(MesId::SMidiOutInvalidDeviceID));
  deviceId_ = id;
  if (id == MIDI_MAPPER) {
    if (devices.empty()) Raise(TMidiOutError{TMidiOutErrc::NoDevice});
    productName_ = Mes(MesId::SMidiMapperName);
    system_.clear();
  } else {
    productName_ = devices[id].Name;
    system_ = devices[id].System;
  }
  lastError_ = 0;
}

void TMidiOutput::SetProductName(const std::string& name) {
  if (open_) throw EmidioutputError(Mes(MesId::SMidiOutChangeProductName));
  const std::vector<TMidiOutDevice> devices = service_ ? service_->Devices() : std::vector<TMidiOutDevice>{};
  for (const TMidiOutDevice& d : devices) {
    if (d.Name == name) {
      SetDeviceID(d.Id);
      return;
    }
  }
  throw EmidioutputError(MesFormat(MesId::SMidiOutNotInstalled, name));
}

bool TMidiOutput::Open() {
  if (open_) return true;
  if (!service_) {
    lastError_ = static_cast<uint16_t>(TMidiOutErrc::NoDevice);
    return false;
  }
  auto attempt = [this](uint32_t id) -> TMidiOutResult<TMidiOutHandle> {
    try {
      return service_->Open(id);
    } catch (...) {
      return TMidiOutError{TMidiOutErrc::Unspecified};
    }
  };
  std::optional<TMidiOutResult<TMidiOutHandle>> result;
  if (deviceId_ != MIDI_MAPPER) {
    result = attempt(deviceId_);
  } else {
    const std::size_t count = service_->Devices().size();
    if (count == 0) result = TMidiOutResult<TMidiOutHandle>(TMidiOutError{TMidiOutErrc::NoDevice});
    for (std::size_t i = 0; i < count; ++i) {
      auto r = attempt(static_cast<uint32_t>(i));
      // When none opens, the first device's reason is the one to tell.
      if (r || i == 0) result = std::move(r);
      if (result->Ok()) break;
    }
  }
  if (!result->Ok()) {
    lastError_ = static_cast<uint16_t>(result->Error().Code);
    return false;
  }
  lastError_ = 0;
  handle_ = result->Value();
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

void TMidiOutput::SendEventAt(const TMidiEvent& event, int64_t dueUs) {
  if (dueUs <= 0) return SendEvent(event);
  if (!open_) throw EmidioutputError(Mes(MesId::SMidiOutNotOpen));
  if (event.Sysex)
    SendLongAt(event.Sysex.get(), event.SysexLength, dueUs);
  else
    SendShortAt(event.Status, event.Data1, event.Data2, dueUs);
}

void TMidiOutput::SendEventLive(const TMidiEvent& event) {
  if (event.Sysex) return SendEvent(event);
  SendShortAt(event.Status, event.Data1, event.Data2, 0, true);
}

bool TMidiOutput::HonoursDueTimes() const { return service_ && open_ && service_->HonoursDueTimes(handle_); }

int64_t TMidiOutput::DueTimeHoldUs() const { return service_ && open_ ? service_->DueTimeHoldUs(handle_) : 0; }

int64_t TMidiOutput::PlaybackLookAheadUs() const {
  return HonoursDueTimes() ? DueTimeHoldUs() + kLateTimerMarginUs : 0;
}

void TMidiOutput::SendShort(uint8_t status, uint8_t data1, uint8_t data2) { SendShortAt(status, data1, data2, 0); }

void TMidiOutput::SendShortAt(uint8_t status, uint8_t data1, uint8_t data2, int64_t dueUs, bool live) {
  if (!service_ || !open_) Raise(TMidiOutError{TMidiOutErrc::NotOpen});
  const TShortMessage m = ShortMessage(status, data1, data2);
  // A message that cannot travel goes nowhere: a data byte above 127 (a transposed note that
  // wrapped past the keyboard) would reach the device as a status byte of its own.
  if (!(status & MidiStatus::StatusBit) || status == MidiStatus::SysEx || status == MidiStatus::SysExContinued) return;
  for (int i = 1; i < m.Length; ++i)
    if (m.Bytes[i] & MidiStatus::StatusBit) return;
  if (live)
    Check(service_->SendLive(handle_, m.Span()));
  else
    Check(dueUs > 0 ? service_->SendAt(handle_, m.Span(), dueUs) : service_->Send(handle_, m.Span()));
}

void TMidiOutput::SendLong(const uint8_t* data, uint16_t length) { SendLongAt(data, length, 0); }

void TMidiOutput::SendLongAt(const uint8_t* data, uint16_t length, int64_t dueUs) {
  if (!service_ || !open_) Raise(TMidiOutError{TMidiOutErrc::NotOpen});
  if (!data || length == 0) Raise(TMidiOutError{TMidiOutErrc::BadMessage});
  auto owner = std::make_unique<TMyMidiHdr>(length);
  std::memcpy(owner->Data(), data, length);
  uint8_t* block = owner->Data();
  // Registered before the service sees it: the completion may come back before Send returns.
  inFlight_.emplace(block, std::move(owner));
  // The device may finish on a thread of its own: the release is posted to the GUI thread.
  std::weak_ptr<Window> weak = window_;
  TMidiOutDone done = [weak, block] {
    auto window = weak.lock();
    if (!window) return;
    window->poster->Post([weak, block] {
      auto w = weak.lock();
      if (w && w->owner) w->owner->LongMessageDone(block);
    });
  };
  const TMidiOutStatus status = dueUs > 0 ? service_->SendAt(handle_, {block, length}, dueUs, std::move(done))
                                          : service_->Send(handle_, {block, length}, std::move(done));
  // A block the service refused never completes; it is released here rather than lost.
  if (!status) inFlight_.erase(block);
  Check(status);
}

void TMidiOutput::LongMessageDone(uint8_t* data) {
  auto it = inFlight_.find(data);
  if (it == inFlight_.end()) return;
  inFlight_.erase(it);
  if (Onmidioutput) Onmidioutput(this);
}

void TMidiOutput::AllSoundOff() {
  if (!open_) return;
  TMidiEvent event;
  for (int channel = 0; channel < MidiChannelCount; ++channel) {
    event.Status = MidiStatusOf(MidiStatus::ControlChange, channel);
    event.Data1 = MidiController::AllSoundOff;
    event.Data2 = 0;
    SendEvent(event);
  }
}
