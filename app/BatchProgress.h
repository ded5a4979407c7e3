#pragma once
// How far a batch has got, on the error stream: a bar redrawn in place on a terminal (songs
// done of how many, songs per second, time left), a plain line every few seconds otherwise
// (a log or a pipe), or nothing. Messages about single songs are written between, so they
// never mix with the bar.

#include <chrono>
#include <iosfwd>
#include <string>

enum class TProgressStyle { None, Lines, Bar };

class TBatchProgress {
 public:
  using Clock = std::chrono::steady_clock;

  TBatchProgress(std::ostream& err, TProgressStyle style, int total, Clock::time_point start = Clock::now());

  // A song finished; redraws when it is time to.
  void Update(int done, Clock::time_point now = Clock::now());
  // A message of its own line (the bar is cleared first and redrawn after).
  void Message(const std::string& text);
  // Clears the bar, for the summary.
  void Finish();

  // "12 из 450, 85.3 песен/с, осталось 0:05"
  std::string Text(int done, Clock::time_point now) const;

 private:
  void Draw(Clock::time_point now);
  void Clear();

  std::ostream& err_;
  TProgressStyle style_;
  int total_;
  int done_ = 0;
  Clock::time_point start_;
  Clock::time_point lastDraw_{};
  bool drawn_ = false;
};

// The style for the error stream: a bar on a terminal, lines otherwise, none when quiet.
TProgressStyle ProgressStyleFor(bool quiet, bool errorIsTerminal);
