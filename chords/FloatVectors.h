#pragma once
// Sixteen, eight or four floats at once, for the learned chord model's work on a beat: the
// compiler's vector types, which become AVX-512 or AVX registers in the functions built for
// processors that have them (CANTARO_VECTOR_CLONES) and several SSE registers elsewhere. Arrays of floats are read
// and written with Load and Store, at any alignment.

#include <cstdint>
#include <cstring>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

using TFloat16 = float __attribute__((vector_size(64)));
using TFloat8 = float __attribute__((vector_size(32)));
using TFloat4 = float __attribute__((vector_size(16)));
using TInt16 = int32_t __attribute__((vector_size(64)));
using TInt8 = int32_t __attribute__((vector_size(32)));
// Loads from and stores to arrays of floats at any alignment (memcpy becomes one unaligned
// vector move; a reference to an under-aligned vector type is not honoured by every compiler).
inline TFloat16 Load16(const float* p) {
  TFloat16 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline TFloat8 Load8(const float* p) {
  TFloat8 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void Store16(float* p, const TFloat16& v) { std::memcpy(p, &v, sizeof v); }
inline void Store8(float* p, const TFloat8& v) { std::memcpy(p, &v, sizeof v); }

// The lanes of a comparison's result (all ones where it holds) as the low eight bits of a
// number, the first lane lowest.
inline uint32_t LaneBits(const TInt8& mask) {
#if defined(__SSE__)
  __m128 low, high;
  std::memcpy(&low, &mask, sizeof low);
  std::memcpy(&high, reinterpret_cast<const char*>(&mask) + sizeof low, sizeof high);
  return static_cast<uint32_t>(_mm_movemask_ps(low) | (_mm_movemask_ps(high) << 4));
#else
  uint32_t bits = 0;
  for (int k = 0; k < 8; ++k) bits |= static_cast<uint32_t>(mask[k] & 1) << k;
  return bits;
#endif
}

// A function built three times, for processors with AVX-512, with AVX2 and FMA, and for any
// x86-64; the loader picks one when the program starts. Not under the sanitizers: the loader runs the choice before
// their runtime is ready (ThreadSanitizer crashes there).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(__SANITIZE_THREAD__)
#define CANTARO_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define CANTARO_VECTOR_CLONES
#endif
