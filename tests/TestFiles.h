#pragma once
// Where the tests find files. The small reference files the project carries lie under
// tests/data/ (always there); the large corpora and the benchmark inputs lie in the shared
// folder beside the project, which a lone clone does not have: a test that needs them skips,
// naming the folder it looked for.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace test_files {

// tests/data/ of the source tree, with a trailing separator.
inline std::string ProjectData() { return std::string(CANTARO_SOURCE_DIR) + "/tests/data/"; }

// The parser fixtures (tests/data/fixtures/), with a trailing separator.
inline std::string Fixtures() { return ProjectData() + "fixtures/"; }

// The shared folder (CANTARO_SHARED_DIR, "../shared" beside the project unless configured).
inline std::filesystem::path Shared() { return std::filesystem::path(CANTARO_SHARED_DIR); }

}  // namespace test_files

// Skips the calling test when a path in the shared folder is missing, naming it.
#define SKIP_WITHOUT_SHARED(needed)                                                              \
  do {                                                                                         \
    const std::filesystem::path cantaro_needed_ = (needed);                                     \
    if (!std::filesystem::exists(cantaro_needed_))                                             \
      GTEST_SKIP() << "needs the shared corpus: " << cantaro_needed_.string() << " is missing"; \
  } while (false)
