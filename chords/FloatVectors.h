#pragma once
// Sixteen, eight or four floats at once, for the learned chord model's work on a beat: the
// compiler's vector types, which become AVX-512 or AVX registers in the functions built for
// processors that have them (CANTARO_VECTOR_CLONES) and several SSE registers elsewhere. Arrays of floats are read
// and written through the unaligned, aliasing views At8 and At4.

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
using TFloat16At = float __attribute__((vector_size(64), aligned(4), may_alias));
using TFloat8At = float __attribute__((vector_size(32), aligned(4), may_alias));
using TFloat4At = float __attribute__((vector_size(16), aligned(4), may_alias));

inline TFloat16At& At16(float* p) { return *reinterpret_cast<TFloat16At*>(p); }
inline const TFloat16At& At16(const float* p) { return *reinterpret_cast<const TFloat16At*>(p); }
inline TFloat8At& At8(float* p) { return *reinterpret_cast<TFloat8At*>(p); }
inline const TFloat8At& At8(const float* p) { return *reinterpret_cast<const TFloat8At*>(p); }
inline TFloat4At& At4(float* p) { return *reinterpret_cast<TFloat4At*>(p); }
inline const TFloat4At& At4(const float* p) { return *reinterpret_cast<const TFloat4At*>(p); }

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
