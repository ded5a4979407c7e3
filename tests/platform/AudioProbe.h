#pragma once
// Measuring rendered audio in tests: the strongest frequency of a stretch of samples
// (a Goertzel scan, coarse then fine) and its loudness.

#include <cmath>
#include <cstdint>
#include <vector>

#include <QCoreApplication>

// Left channel of interleaved stereo samples from frame `from` for `count` frames, as -1..1.
inline std::vector<double> LeftChannel(const std::vector<int16_t>& stereo, std::size_t from,
                                       std::size_t count) {
  std::vector<double> out;
  for (std::size_t i = from; i < from + count && 2 * i < stereo.size(); ++i)
    out.push_back(stereo[2 * i] / 32768.0);
  return out;
}

inline double GoertzelPower(const std::vector<double>& x, double freq, double rate) {
  const double w = 2.0 * M_PI * freq / rate;
  const double c = 2.0 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (double v : x) {
    const double s = v + c * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  return s1 * s1 + s2 * s2 - c * s1 * s2;
}

// The frequency between lo and hi Hz with the most energy.
inline double StrongestFrequency(const std::vector<double>& x, double rate, double lo = 50,
                                 double hi = 4000) {
  double best = lo, bestPower = -1;
  for (double f = lo; f <= hi; f += 4) {
    const double p = GoertzelPower(x, f, rate);
    if (p > bestPower) bestPower = p, best = f;
  }
  const double from = best - 4, to = best + 4;
  for (double f = from; f <= to; f += 0.25) {
    const double p = GoertzelPower(x, f, rate);
    if (p > bestPower) bestPower = p, best = f;
  }
  return best;
}

inline double Rms(const std::vector<double>& x) {
  if (x.empty()) return 0;
  double sum = 0;
  for (double v : x) sum += v * v;
  return std::sqrt(sum / x.size());
}

// One application object for the whole test program, made by whichever test needs it first.
inline QCoreApplication* TestApp() {
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
  }
  return QCoreApplication::instance();
}
