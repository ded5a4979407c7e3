#pragma once
// What the benchmarks of live MIDI share: a Qt application object for the timers and
// notifiers, and percentiles of the measured times.

#include <QCoreApplication>

#include <algorithm>
#include <vector>

// Creates the application object once, named after the benchmark.
inline void EnsureBenchApp(const char* name) {
  static int argc = 1;
  static char* argv[] = {const_cast<char*>(name), nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

// The value below which a share p (0..1) of the values lie; 0 without values.
inline double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t i = std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5));
  return v[i];
}
