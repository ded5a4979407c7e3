#include "app/BatchExport.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "app/AtomicFile.h"
#include "app/BatchInputs.h"
#include "app/BatchProgress.h"
#include "app/BatchSong.h"
#include "base/untMesConst.h"

namespace fs = std::filesystem;

namespace {

std::atomic<bool> gInterrupted{false};

extern "C" void OnInterrupt(int) {
  gInterrupted.store(true);
  // A second Ctrl+C ends the program at once.
  ::signal(SIGINT, SIG_DFL);
  ::signal(SIGTERM, SIG_DFL);
}

// Ctrl+C and a polite kill ask the run to stop while it lasts; the handlers before are back
// afterwards.
class TInterruptScope {
 public:
  TInterruptScope() {
    gInterrupted.store(false);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &oldInt_);
    ::sigaction(SIGTERM, &action, &oldTerm_);
  }
  ~TInterruptScope() {
    ::sigaction(SIGINT, &oldInt_, nullptr);
    ::sigaction(SIGTERM, &oldTerm_, nullptr);
  }

 private:
  struct sigaction oldInt_ {};
  struct sigaction oldTerm_ {};
};

bool IsDirectory(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

bool StreamFormat(const TCliOptions& o) { return o.format->oneStream; }

}  // namespace

bool IsBatchExport(const TCliOptions& options) {
  if (options.inputs.size() > 1) return true;
  if (options.format->batchOnly) return true;
  return IsDirectory(options.file) || IsDirectory(options.output);
}

int RunBatchExport(const TCliOptions& options, const TCliSettings& settings, std::ostream& out, std::ostream& err,
                   const TBatchHooks& hooks) {
  if (!options.key.empty()) {
    std::string lower = options.key;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    const TResult<int> key = ParseCliKey(options.key, settings.text.notation);
    if (lower != "auto" && !key) {
      err << key.Error().Text << '\n' << Mes(MesId::SCliHint) << '\n';
      return kExitUsage;
    }
  }
  const std::vector<std::string> inputs = options.inputs.empty() ? std::vector<std::string>{options.file} : options.inputs;
  const bool toStream = options.output.empty() || options.output == "-";
  const bool several = inputs.size() > 1 || std::any_of(inputs.begin(), inputs.end(), IsDirectory);
  // Results go to files under a folder, except JSON Lines (one stream) and one song without a
  // folder (standard output or the file named).
  const bool folderOutput = !StreamFormat(options) && (several || IsDirectory(options.output));
  if (folderOutput && toStream) {
    err << Mes(MesId::SBatchNeedsFolder) << '\n' << Mes(MesId::SCliHint) << '\n';
    return kExitUsage;
  }
  const fs::path outputFolder = folderOutput ? fs::path(options.output) : fs::path();

  TBatchInputs found = CollectBatchInputs(inputs, outputFolder);
  std::vector<TBatchItem>& items = found.items;
  if (folderOutput) MapBatchOutputs(items, outputFolder, std::string(options.format->extension));

  int failed = 0;
  for (const std::string& e : found.errors) {
    err << e << '\n';
    ++failed;
  }
  if (folderOutput) {
    std::error_code ec;
    fs::create_directories(outputFolder, ec);
    if (ec || !fs::is_directory(outputFolder, ec)) {
      err << MesFormat(MesId::SBatchOutputFolder, options.output,
                       ec ? ec.message() : std::make_error_code(std::errc::not_a_directory).message())
          << '\n';
      return kExitFailure;
    }
  }

  // One stream for every result: standard output, or one file written whole at the end.
  TAtomicFile streamFile;
  const bool streamToFile = !folderOutput && !toStream;
  if (streamToFile && IsDirectory(options.output)) {
    err << MesFormat(MesId::SCliWriteError, options.output, std::make_error_code(std::errc::is_a_directory).message())
        << '\n';
    return kExitFailure;
  }
  if (streamToFile && !streamFile.Open(options.output)) {
    err << MesFormat(MesId::SCliWriteError, options.output, streamFile.Error()) << '\n';
    return kExitFailure;
  }

  const int total = static_cast<int>(items.size());
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const int jobs = std::max(1, std::min(options.jobs > 0 ? options.jobs : static_cast<int>(cores), std::max(total, 1)));
  // Results leave in the order of the songs; a song's result waits at most for the songs
  // before it, and no more than this many songs are held at once.
  const size_t window = static_cast<size_t>(jobs) * 2 + 2;

  TInterruptScope interruptScope;
  auto stopping = [&hooks] { return gInterrupted.load() || (hooks.stop && hooks.stop->load()); };

  std::mutex lock;
  std::condition_variable ready, space;
  std::map<size_t, TSongExport> results;
  size_t nextToTake = 0;
  size_t emitted = 0;

  auto worker = [&] {
    for (;;) {
      size_t index;
      {
        std::unique_lock<std::mutex> guard(lock);
        space.wait(guard, [&] { return stopping() || nextToTake >= items.size() || nextToTake < emitted + window; });
        if (stopping() || nextToTake >= items.size()) return;
        index = nextToTake++;
      }
      const TBatchItem& item = items[index];
      TSongExport result;
      if (!item.skip.empty()) {
        result.failed = true;
        result.messages.push_back(item.skip);
      } else {
        try {
          result = ExportSongFile(item.input.string(), item.name, options, settings);
        } catch (const std::exception& e) {
          // A read error of the engine ends this song only.
          result = {};
          result.failed = true;
          result.messages.push_back(MesLines(e.what()));
        }
      }
      {
        std::lock_guard<std::mutex> guard(lock);
        results.emplace(index, std::move(result));
      }
      ready.notify_all();
    }
  };

  // A bar only where it is redrawn in place: the program's own error stream on a terminal.
  const TProgressStyle style = ProgressStyleFor(options.quiet, ::isatty(STDERR_FILENO) && &err == &std::cerr);
  TBatchProgress progress(err, total > 1 ? style : TProgressStyle::None, total);

  std::vector<std::thread> threads;
  threads.reserve(static_cast<size_t>(jobs));
  for (int i = 0; i < jobs; ++i) threads.emplace_back(worker);

  int succeeded = 0;
  int done = 0;
  bool streamFailed = false;
  for (;;) {
    std::optional<TSongExport> result;
    {
      std::unique_lock<std::mutex> guard(lock);
      ready.wait_for(guard, std::chrono::milliseconds(100), [&] { return results.count(emitted) > 0; });
      auto it = results.find(emitted);
      if (it != results.end()) {
        result = std::move(it->second);
        results.erase(it);
      } else {
        // Nothing more comes once the run stops and every song taken has been handled.
        if (emitted >= items.size() || (stopping() && emitted >= nextToTake)) break;
      }
    }
    if (!result) {
      space.notify_all();  // a stop request reaches waiting workers
      continue;
    }
    const TBatchItem& item = items[emitted];
    bool ok = !result->failed;
    if (result->produced) {
      if (folderOutput) {
        const TStatus written = WriteFileAtomically(item.output, result->content);
        if (!written) {
          result->messages.push_back(MesFormat(MesId::SCliWriteError, item.output.string(), written.Error().Text));
          ok = false;
        }
      } else if (streamToFile) {
        if (!streamFailed && !streamFile.Append(result->content)) {
          streamFailed = true;
          progress.Message(MesFormat(MesId::SCliWriteError, options.output, streamFile.Error()));
        }
      } else {
        out << result->content;
        out.flush();
      }
    }
    for (const std::string& m : result->messages) progress.Message(item.name + ": " + m);
    if (ok) ++succeeded;
    else ++failed;
    ++done;
    {
      std::lock_guard<std::mutex> guard(lock);
      ++emitted;
    }
    space.notify_all();
    progress.Update(done);
    if (hooks.songDone) hooks.songDone(done);
  }
  space.notify_all();
  for (std::thread& t : threads) t.join();
  progress.Finish();

  if (streamToFile && !streamFailed && !streamFile.Commit()) {
    err << MesFormat(MesId::SCliWriteError, options.output, streamFile.Error()) << '\n';
    streamFailed = true;
  }
  if (streamFailed) failed += std::max(0, succeeded), succeeded = 0;

  const bool interrupted = stopping() && done < total;
  if (interrupted) {
    err << MesFormat(MesId::SBatchInterrupted, done, total, failed) << '\n';
    return kExitInterrupted;
  }
  if (!options.quiet && total > 1) err << MesFormat(MesId::SBatchSummary, succeeded, total, failed) << '\n';
  return failed == 0 ? kExitOk : kExitFailure;
}
