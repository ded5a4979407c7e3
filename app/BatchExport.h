#pragma once
// Export of many songs in one run: the songs named and those found in the folders named, each
// analysed in a session of its own on a pool of threads, the results written under the
// output folder (each file whole or not at all) or streamed as JSON Lines, with progress on
// the error stream. A song that fails is reported and the run goes on; Ctrl+C stops it
// cleanly after the songs under way.

#include <atomic>
#include <functional>
#include <iosfwd>

#include "app/CommandLine.h"

// True when the export is not the one-song text of the classic command line: several songs, a
// folder, an output folder, or a format only this path writes (json, jsonl, midi).
bool IsBatchExport(const TCliOptions& options);

struct TBatchHooks {
  // Asked to stop as Ctrl+C does (tests); the run also watches SIGINT and SIGTERM itself.
  std::atomic<bool>* stop = nullptr;
  // Called on the writing thread after each song's result was handled.
  std::function<void(int done)> songDone;
};

// Exit codes: 0 all songs exported, 1 some failed, 2 a usage error, 130 interrupted.
constexpr int kExitInterrupted = 130;

int RunBatchExport(const TCliOptions& options, const TCliSettings& settings, std::ostream& out, std::ostream& err,
                   const TBatchHooks& hooks = {});
