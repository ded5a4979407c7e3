#include "app/PlayCommand.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <iostream>
#include <memory>
#include <ostream>
#include <unistd.h>

#include "app/CliPrompter.h"
#include "base/untMesConst.h"
#include "midi/MidiConstants.h"
#include "midi/MidiOut.h"
#include "midi/PlayedEvent.h"
#include "platform/QtMainThreadPoster.h"
#include "platform/QtPlayback.h"
#include "platform/SystemMidiOut.h"
#include "song/SongSession.h"

namespace {

std::atomic<bool> interrupted{false};

void OnInterrupt(int) { interrupted = true; }

// Ctrl+C ends the playback loop instead of the process, so the notes can be silenced.
class InterruptGuard {
 public:
  InterruptGuard() {
    interrupted = false;
    struct sigaction sa {};
    sa.sa_handler = OnInterrupt;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, &oldInt_);
    sigaction(SIGTERM, &sa, &oldTerm_);
  }
  ~InterruptGuard() {
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
  }

 private:
  struct sigaction oldInt_ {};
  struct sigaction oldTerm_ {};
};

// What a timer step found wrong with the device; the loop acts on it after the step.
struct PlayState {
  bool failed = false;
  std::string error;
};

std::string Clock(int32_t ms) {
  std::string t = FormatTime(ms);
  if (t.size() > 4) t.resize(t.size() - 4);  // hours, minutes and seconds, as the window shows
  return t;
}

}  // namespace

std::optional<TSpeedRatio> ParseSpeedEntry(const std::string& text) {
  std::string t;
  for (char c : text)
    if (c != ' ') t += c;
  if (t.empty() || t == "1:1") return TSpeedRatio{1, 1};
  struct Entry {
    const char* text;
    int numerator, denominator;
  };
  for (const Entry& e : {Entry{"*3", 3, 1}, Entry{"*2", 2, 1}, Entry{"*1.5", 3, 2}, Entry{"/1.5", 2, 3},
                         Entry{"/2", 1, 2}, Entry{"/3", 1, 3}})
    if (t == e.text) return TSpeedRatio{e.numerator, e.denominator};
  return std::nullopt;
}

std::optional<uint32_t> ChoosePlayDevice(const std::vector<TMidiOutDeviceInfo>& devices, const std::string& device,
                                         int32_t defaultDevice) {
  if (!device.empty()) return FindMidiOutDevice(devices, device);
  if (devices.empty()) return std::nullopt;
  return defaultDevice >= 0 && static_cast<size_t>(defaultDevice) < devices.size() ? static_cast<uint32_t>(defaultDevice)
                                                                                   : 0u;
}

int RunPlay(const TPlayOptions& options, const TSongOptions& song, std::ostream& out, std::ostream& err) {
  const std::optional<TSpeedRatio> speed = ParseSpeedEntry(options.speed);
  if (!speed) {
    err << MesFormat(MesId::SCliBadValue, "--speed", options.speed) << '\n';
    return 2;
  }
  // Timers and posted completions need an event loop on this thread.
  std::unique_ptr<QCoreApplication> ownApp;
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "cantaro";
    static char* argv[] = {name, nullptr};
    ownApp = std::make_unique<QCoreApplication>(argc, argv);
  }

  TCliPrompter prompter(err);
  NullStatusSink status;
  TSongSession session(prompter, status, song);
  if (!session.LoadSong(options.file)) return 1;
  const std::string damage = DamagedFileNotice(session.MidiFile.Completeness());
  if (!damage.empty()) err << damage << '\n';
  if (options.transpose != 0) session.Transpose(options.transpose);
  TMidiFile& file = session.MidiFile;
  file.SetSpeed(static_cast<uint8_t>(speed->numerator), static_cast<uint8_t>(speed->denominator));

  auto service = CreateSystemMidiOutService(options.jackServer);
  const std::vector<TMidiOutDeviceInfo> devices = ListMidiOutDevices(service);
  const std::optional<uint32_t> id = ChoosePlayDevice(devices, options.device, options.defaultDevice);
  if (!id) {
    err << MesFormat(MesId::SCliNoDevice, options.device) << '\n';
    return 1;
  }
  auto poster = std::make_shared<TQtMainThreadPoster>();
  TMidiOutput output(service, poster);
  try {
    output.SetDeviceID(*id);
  } catch (const EmidioutputError& e) {
    err << MesFormat(MesId::SCliDeviceFailed, options.device, e.what()) << '\n';
    return 1;
  }
  if (!output.Open()) {
    err << MesFormat(MesId::SCliDeviceFailed, output.ProductName(), output.ErrorText(output.LastError())) << '\n';
    return 1;
  }

  TQtPlayback playback;
  file.SetPlaybackServices(playback.Services());
  // To a device that plays messages at their due times (JACK) the song goes a little ahead,
  // so that the timer's period and the device's own hold do not make it late.
  file.SetLookAheadUs(output.PlaybackLookAheadUs());
  PlayState state;
  // The window's road: every played event goes out as the song holds it (transposed: the
  // user asked to hear it so), meta events stay home.
  file.SetOnMidiEvent([&](PMidiEventEx event, int32_t) {
    if (state.failed || event->Status == MidiStatus::Meta) return;
    if (auto played = PlayedMidiEvent(*event, session.transposition(), false)) {
      try {
        output.SendEventAt(*played, file.EventDueUs());
      } catch (const EmidioutputError& e) {
        state.failed = true;
        state.error = e.what();
      }
    }
  });
  const bool terminal = ::isatty(STDOUT_FILENO) == 1 && &out == &std::cout;
  const std::string length = Clock(file.TicksToMs(file.SongLength()));
  std::string lastShown;
  file.SetOnUpdateEvent([&](TMidiFile& f) {
    if (!terminal) return;
    const std::string now = Clock(f.PositionMs()) + " / " + length;
    if (now == lastShown) return;
    lastShown = now;
    out << '\r' << now << std::flush;
  });

  InterruptGuard guard;
  if (!file.PlayFromStart()) {
    err << Mes(MesId::SCliPlayFailed) << '\n';
    return 1;
  }
  QEventLoop loop;
  QTimer watch;
  watch.setInterval(20);
  QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
    if (interrupted || state.failed || file.AllTracksDone() || !file.Playing()) loop.quit();
  });
  watch.start();
  loop.exec();
  file.Stop();
  file.SetOnMidiEvent(nullptr);
  file.SetOnUpdateEvent(nullptr);
  if (terminal) out << '\n';

  // Stopped by Ctrl+C (or a termination request): 130, as a shell reports a program ended by
  // SIGINT and as the batch export does.
  int code = interrupted ? kExitPlayInterrupted : 0;
  if (state.failed) {
    // Told once; the rest of the song is not sent anywhere.
    err << Mes(MesId::SCaptionError) << ": " << state.error << '\n';
    code = 1;
  }
  try {
    // All notes off as the window's Stop does, and the sustain pedal up.
    output.AllSoundOff();
    for (int ch = 0; ch < MidiChannelCount; ++ch) {
      output.SendShort(MidiStatusOf(MidiStatus::ControlChange, ch), MidiController::Sustain, 0);
      output.SendShort(MidiStatusOf(MidiStatus::ControlChange, ch), MidiController::AllNotesOff, 0);
    }
  } catch (const EmidioutputError&) {
    // A device that has gone away sounds nothing any more.
  }
  try {
    output.Close();
  } catch (const EmidioutputError&) {
  }
  QCoreApplication::processEvents();  // completions of long messages
  return code;
}
