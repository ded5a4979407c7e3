#include "platform/FluidSynthOut.h"

#include "base/untMesConst.h"
#include "platform/SoundFontFinder.h"

TFluidSynthOutService::TFluidSynthOutService(Mode mode, std::string soundFont)
    : mode_(mode), soundFont_(std::move(soundFont)) {}

TFluidSynthOutService::~TFluidSynthOutService() {
  if (handle_) Close(handle_);
}

uint32_t TFluidSynthOutService::DeviceCaps(uint32_t index, TMidiOutCaps& caps) {
  if (index != 0) return MIDIOUT_BADDEVICEID;
  caps = TMidiOutCaps{};
  caps.ProductName = Mes(MesId::SBuiltinSynthName);
  caps.DriverVersion = FluidSynthVersion();
  caps.Technology = MIDIOUT_TECH_SWSYNTH;
  caps.Voices = 256;
  caps.Notes = 256;
  caps.ChannelMask = 0xFFFF;
  return MIDIOUT_NOERROR;
}

uint32_t TFluidSynthOutService::OpenDevice(uint32_t index, TMidiOutCallback callback,
                                           TMidiOutHandle& handle) {
  if (index != 0) return MIDIOUT_BADDEVICEID;
  if (handle_) return MIDIOUT_ALLOCATED;
  if (!engine_) {
    if (soundFont_.empty()) soundFont_ = FindGeneralMidiSoundFont();
    uint32_t error = MIDIOUT_NOERROR;
    engine_ = TFluidSynthEngine::Create(soundFont_, mode_ == Mode::Offline, error);
    if (!engine_) return error;
  }
  if (mode_ == Mode::Live) {
    if (uint32_t r = engine_->StartAudio()) return r;
  }
  handle_ = handle = NewMidiOutHandle();
  callback_ = std::move(callback);
  return MIDIOUT_NOERROR;
}

uint32_t TFluidSynthOutService::ShortMsg(TMidiOutHandle handle, uint32_t message) {
  if (!handle || handle != handle_) return MIDIOUT_INVALHANDLE;
  engine_->ShortMessage(message);
  return MIDIOUT_NOERROR;
}

uint32_t TFluidSynthOutService::LongMsg(TMidiOutHandle handle, TMidiOutHeader* header) {
  if (!handle || handle != handle_) return MIDIOUT_INVALHANDLE;
  if (!header || !header->Data || header->BufferLength == 0) return MIDIOUT_INVALPARAM;
  // The synth takes the whole block at once: it is done when the call returns.
  engine_->LongMessage(header->Data, header->BufferLength);
  header->Flags |= MIDIOUT_HDR_DONE;
  if (callback_) callback_(handle, MIDIOUT_DONE, header);
  return MIDIOUT_NOERROR;
}

uint32_t TFluidSynthOutService::Close(TMidiOutHandle handle) {
  if (!handle || handle != handle_) return MIDIOUT_INVALHANDLE;
  engine_->StopAudio();
  // The next open starts from a clean synth, as a freshly opened device would.
  engine_->SystemReset();
  handle_ = 0;
  callback_ = nullptr;
  return MIDIOUT_NOERROR;
}
