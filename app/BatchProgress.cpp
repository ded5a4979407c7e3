#include "app/BatchProgress.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "base/untMesConst.h"

namespace {

constexpr auto kBarInterval = std::chrono::milliseconds(100);
constexpr auto kLineInterval = std::chrono::seconds(5);
constexpr int kBarWidth = 24;

std::string Duration(double seconds) {
  const long s = std::lround(seconds);
  char buf[32];
  if (s >= 3600) std::snprintf(buf, sizeof buf, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
  else std::snprintf(buf, sizeof buf, "%ld:%02ld", s / 60, s % 60);
  return buf;
}

}  // namespace

TProgressStyle ProgressStyleFor(bool quiet, bool errorIsTerminal) {
  if (quiet) return TProgressStyle::None;
  return errorIsTerminal ? TProgressStyle::Bar : TProgressStyle::Lines;
}

TBatchProgress::TBatchProgress(std::ostream& err, TProgressStyle style, int total, Clock::time_point start)
    : err_(err), style_(style), total_(total), start_(start), lastDraw_(start) {}

std::string TBatchProgress::Text(int done, Clock::time_point now) const {
  const double elapsed = std::chrono::duration<double>(now - start_).count();
  const double rate = elapsed > 0 ? done / elapsed : 0.0;
  char rateText[32];
  std::snprintf(rateText, sizeof rateText, "%.1f", rate);
  const std::string left = rate > 0 ? Duration((total_ - done) / rate) : std::string("?");
  return MesFormat(MesId::SBatchProgress, done, total_, std::string(rateText), left);
}

void TBatchProgress::Update(int done, Clock::time_point now) {
  done_ = done;
  if (style_ == TProgressStyle::None) return;
  const auto interval = style_ == TProgressStyle::Bar ? kBarInterval : kLineInterval;
  if (now - lastDraw_ < interval && done < total_) return;
  Draw(now);
}

void TBatchProgress::Draw(Clock::time_point now) {
  lastDraw_ = now;
  if (style_ == TProgressStyle::Lines) {
    err_ << Text(done_, now) << '\n';
    err_.flush();
    return;
  }
  const int filled = total_ > 0 ? done_ * kBarWidth / total_ : kBarWidth;
  err_ << '\r' << '[' << std::string(static_cast<size_t>(filled), '#')
       << std::string(static_cast<size_t>(kBarWidth - filled), '.') << "] " << Text(done_, now) << "\x1b[K";
  err_.flush();
  drawn_ = true;
}

void TBatchProgress::Clear() {
  if (drawn_) err_ << "\r\x1b[K";
  drawn_ = false;
}

void TBatchProgress::Message(const std::string& text) {
  const bool redraw = drawn_;
  Clear();
  err_ << text << '\n';
  if (redraw) Draw(Clock::now());
  err_.flush();
}

void TBatchProgress::Finish() {
  Clear();
  err_.flush();
}
