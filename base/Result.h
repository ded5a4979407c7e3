#pragma once
// A value, or the error that kept it from being made: what a function returns when failing is
// an ordinary outcome its caller decides about. TResult<void> (TStatus) is success or the
// error. The error is a TError (a text for the user, naming what failed, and a code the caller
// may branch on) unless a layer brings its own error type (the MIDI output's reasons).
//
// Small on purpose: the fuzzers are built with a standard library without <expected>.

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

struct TError {
  TError() = default;
  explicit TError(std::string text, int code = 0) : Text(std::move(text)), Code(code) {}
  std::string Text;  // for the user, from the message table
  int Code = 0;      // what kind of failure, where the caller tells kinds apart; 0 otherwise
};

template <class T, class E = TError>
class [[nodiscard]] TResult {
  static_assert(!std::is_same_v<std::decay_t<T>, E>, "the value and the error must differ in type");

 public:
  TResult(T value) : v_(std::in_place_index<0>, std::move(value)) {}
  TResult(E error) : v_(std::in_place_index<1>, std::move(error)) {}

  bool Ok() const { return v_.index() == 0; }
  explicit operator bool() const { return Ok(); }

  // Only when Ok (std::bad_variant_access otherwise).
  const T& Value() const& { return std::get<0>(v_); }
  T& Value() & { return std::get<0>(v_); }
  T&& Value() && { return std::get<0>(std::move(v_)); }
  const T* operator->() const { return &Value(); }
  T* operator->() { return &Value(); }
  const T& operator*() const& { return Value(); }
  T& operator*() & { return Value(); }

  // Only when not Ok.
  const E& Error() const { return std::get<1>(v_); }

  T ValueOr(T fallback) const& { return Ok() ? Value() : std::move(fallback); }

 private:
  std::variant<T, E> v_;
};

template <class E>
class [[nodiscard]] TResult<void, E> {
 public:
  TResult() = default;  // success
  TResult(E error) : error_(std::move(error)) {}

  bool Ok() const { return !error_; }
  explicit operator bool() const { return Ok(); }
  // Only when not Ok.
  const E& Error() const { return *error_; }

 private:
  std::optional<E> error_;
};

using TStatus = TResult<void>;
