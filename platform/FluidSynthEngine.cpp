#include "platform/FluidSynthEngine.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <mutex>
#include <vector>

#include "midi/MidiOutService.h"
#include "midi/MidiConstants.h"
#include "platform/JackClient.h"

void TFluidDeleter::operator()(_fluid_hashtable_t* settings) const { delete_fluid_settings(settings); }
void TFluidDeleter::operator()(_fluid_synth_t* synth) const { delete_fluid_synth(synth); }
void TFluidDeleter::operator()(_fluid_audio_driver_t* driver) const {
  delete_fluid_audio_driver(driver);
}

namespace {

std::mutex logMutex;
std::string lastLog;

void CaptureLog(int level, const char* message, void*) {
  std::lock_guard<std::mutex> lock(logMutex);
  lastLog = message ? message : "";
}

void InstallLogCapture() {
  static std::once_flag once;
  std::call_once(once, [] {
    // Drivers that are missing are expected here (no sound card, no sound server); their
    // complaints would only clutter the terminal. The reasons still reach the user as the
    // output's own error texts.
    fluid_set_log_function(FLUID_ERR, CaptureLog, nullptr);
    fluid_set_log_function(FLUID_WARN, CaptureLog, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
  });
}

void CollectOption(void* data, const char*, const char* option) {
  static_cast<std::vector<std::string>*>(data)->push_back(option);
}

}  // namespace

std::string FluidLastLogMessage() {
  std::lock_guard<std::mutex> lock(logMutex);
  return lastLog;
}

std::unique_ptr<TFluidSynthEngine> TFluidSynthEngine::Create(const std::string& soundFont,
                                                             bool offline, TMidiOutErrc& error) {
  InstallLogCapture();
  error = TMidiOutErrc::Unspecified;
  if (soundFont.empty()) {
    error = TMidiOutErrc::NoSoundFont;
    return nullptr;
  }
  std::unique_ptr<TFluidSynthEngine> engine(new TFluidSynthEngine);
  engine->soundFont_ = soundFont;
  engine->settings_.reset(new_fluid_settings());
  if (!engine->settings_) {
    error = TMidiOutErrc::NoMemory;
    return nullptr;
  }
  fluid_settings_t* s = engine->settings_.get();
  fluid_settings_setnum(s, "synth.sample-rate", kSampleRate);
  if (offline) fluid_settings_setint(s, "synth.threadsafe-api", 0);
  // Let the sound server know what kind of client this is.
  fluid_settings_setstr(s, "audio.pulseaudio.media-role", "music");
  engine->synth_.reset(new_fluid_synth(s));
  if (!engine->synth_) {
    error = TMidiOutErrc::NoMemory;
    return nullptr;
  }
  if (fluid_synth_sfload(engine->synth_.get(), soundFont.c_str(), 1) == FLUID_FAILED) {
    error = TMidiOutErrc::SoundFontLoad;
    return nullptr;
  }
  return engine;
}

TFluidSynthEngine::~TFluidSynthEngine() {
  // The driver calls into the synth from its own thread: it goes first.
  driver_.reset();
  synth_.reset();
  settings_.reset();
}

bool TFluidSynthEngine::StartAudio() {
  if (driver_) return true;
  std::vector<std::string> available;
  fluid_settings_foreach_option(settings_.get(), "audio.driver", &available, CollectOption);
  std::vector<std::string> order = {"pipewire", "pulseaudio", "alsa"};
  // A running JACK server is where a musician wants the sound: the synth becomes one more
  // JACK client, connected to the system's playback ports.
  if (!jackServer_.empty() || JackServerRunning()) order.insert(order.begin(), "jack");
  if (!jackServer_.empty()) fluid_settings_setstr(settings_.get(), "audio.jack.server", jackServer_.c_str());
  fluid_settings_setstr(settings_.get(), "audio.jack.id", "Cantaro synth");
  fluid_settings_setint(settings_.get(), "audio.jack.autoconnect", 1);
  for (const std::string& driverName : order) {
    const char* name = driverName.c_str();
    if (std::find(available.begin(), available.end(), name) == available.end()) continue;
    // ALSA without sound devices can only reach the sound servers tried before it; asking it
    // anyway makes the ALSA library print its complaints on the terminal.
    std::error_code ec;
    if (std::string_view(name) == "alsa" && !std::filesystem::exists("/dev/snd", ec)) continue;
    if (fluid_settings_setstr(settings_.get(), "audio.driver", name) != FLUID_OK) continue;
    driver_.reset(new_fluid_audio_driver(settings_.get(), synth_.get()));
    if (driver_) {
      driverName_ = name;
      return true;
    }
  }
  return false;
}

void TFluidSynthEngine::StopAudio() {
  driver_.reset();
  driverName_.clear();
}

void TFluidSynthEngine::Play(std::span<const uint8_t> bytes) {
  ForEachMidiMessage(bytes, [this](std::span<const uint8_t> m) {
    if (m[0] == MidiStatus::SysEx) {
      if (m.size() > 2)
        fluid_synth_sysex(synth_.get(), reinterpret_cast<const char*>(m.data() + 1),
                          static_cast<int>(m.size() - 2), nullptr, nullptr, nullptr, 0);
      return;
    }
    PlayShort(m[0], m.size() > 1 ? m[1] : 0, m.size() > 2 ? m[2] : 0);
  });
}

void TFluidSynthEngine::PlayShort(uint8_t status, int d1, int d2) {
  fluid_synth_t* s = synth_.get();
  const int channel = MidiChannel(status);
  // FluidSynth answers FLUID_FAILED also for harmless cases (a note-off for a note that no
  // longer sounds); there is nothing the sender could do about any of them.
  switch (MidiKind(status)) {
    case MidiStatus::NoteOff: fluid_synth_noteoff(s, channel, d1); return;
    case MidiStatus::NoteOn:
      if (d2 == 0)
        fluid_synth_noteoff(s, channel, d1);
      else
        fluid_synth_noteon(s, channel, d1, d2);
      return;
    case MidiStatus::PolyPressure: fluid_synth_key_pressure(s, channel, d1, d2); return;
    case MidiStatus::ControlChange: fluid_synth_cc(s, channel, d1, d2); return;
    case MidiStatus::ProgramChange: fluid_synth_program_change(s, channel, d1); return;
    case MidiStatus::ChannelPressure: fluid_synth_channel_pressure(s, channel, d1); return;
    case MidiStatus::PitchBend: fluid_synth_pitch_bend(s, channel, d1 | (d2 << 7)); return;
    default: break;
  }
  if (status == MidiStatus::SystemReset) fluid_synth_system_reset(s);
}

void TFluidSynthEngine::SystemReset() { fluid_synth_system_reset(synth_.get()); }

bool TFluidSynthEngine::WriteS16(int frames, int16_t* interleaved) {
  if (frames <= 0) return true;
  return fluid_synth_write_s16(synth_.get(), frames, interleaved, 0, 2, interleaved, 1, 2) == FLUID_OK;
}

bool TFluidSynthEngine::WriteFloat(int frames, float* interleaved) {
  if (frames <= 0) return true;
  return fluid_synth_write_float(synth_.get(), frames, interleaved, 0, 2, interleaved, 1, 2) ==
         FLUID_OK;
}

int TFluidSynthEngine::ActiveVoices() const {
  return fluid_synth_get_active_voice_count(synth_.get());
}
