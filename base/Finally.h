#pragma once
// A final step that runs when a scope ends, however it ends.

#include <utility>

template <typename F>
class TFinally {
 public:
  explicit TFinally(F f) : f_(std::move(f)) {}
  ~TFinally() { f_(); }
  TFinally(const TFinally&) = delete;
  TFinally& operator=(const TFinally&) = delete;

 private:
  F f_;
};
