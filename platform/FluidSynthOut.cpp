#include "platform/FluidSynthOut.h"

#include "base/untMesConst.h"
#include "platform/SoundFontFinder.h"

TFluidSynthOutService::TFluidSynthOutService(Mode mode, std::string soundFont)
    : mode_(mode), soundFont_(std::move(soundFont)) {}

TFluidSynthOutService::~TFluidSynthOutService() {
  if (handle_) Close(handle_);
}

std::vector<TMidiOutDevice> TFluidSynthOutService::Devices() {
  return {TMidiOutDevice{0, Mes(MesId::SBuiltinSynthName), "FluidSynth"}};
}

TMidiOutResult<TMidiOutHandle> TFluidSynthOutService::Open(uint32_t id) {
  const std::string name = Mes(MesId::SBuiltinSynthName);
  if (id != 0) return TMidiOutError{TMidiOutErrc::BadDevice};
  if (handle_) return TMidiOutError{TMidiOutErrc::Allocated, name};
  if (!engine_) {
    if (soundFont_.empty()) soundFont_ = FindGeneralMidiSoundFont();
    TMidiOutErrc error = TMidiOutErrc::Unspecified;
    engine_ = TFluidSynthEngine::Create(soundFont_, mode_ == Mode::Offline, error);
    if (!engine_) return TMidiOutError{error, name, FluidLastLogMessage()};
  }
  if (mode_ == Mode::Live) {
    engine_->SetJackServer(jackServer_);
    if (!engine_->StartAudio()) return TMidiOutError{TMidiOutErrc::NoAudio, name, FluidLastLogMessage()};
  }
  handle_ = NewMidiOutHandle();
  return handle_;
}

TMidiOutStatus TFluidSynthOutService::Send(TMidiOutHandle handle, std::span<const uint8_t> bytes,
                                           TMidiOutDone done) {
  if (!handle || handle != handle_) return TMidiOutError{TMidiOutErrc::NotOpen};
  if (bytes.empty()) return TMidiOutError{TMidiOutErrc::BadMessage, Mes(MesId::SBuiltinSynthName)};
  // The synth takes the bytes at once: they are done when the call returns.
  engine_->Play(bytes);
  if (done) done();
  return {};
}

TMidiOutStatus TFluidSynthOutService::Close(TMidiOutHandle handle) {
  if (!handle || handle != handle_) return TMidiOutError{TMidiOutErrc::NotOpen};
  engine_->StopAudio();
  // The next open starts from a clean synth, as a freshly opened device would.
  engine_->SystemReset();
  handle_ = 0;
  return {};
}
