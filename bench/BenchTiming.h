// Timing and summaries shared by the benchmark programs: a millisecond clock, medians with
// their extremes, and the table rows scripts/bench prints.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace KRUIBench {

inline double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER c;
  ::QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / frequency;
}

struct Summary {
  double median = 0;
  double min = 0;
  double max = 0;
};

inline Summary Summarise(std::vector<double> values) {
  Summary s;
  if (values.empty()) return s;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  s.min = values.front();
  s.max = values.back();
  return s;
}

// "12.3 (11.9–13.0)" with the given number of decimals.
inline std::string Format(const Summary& s, int decimals) {
  char text[96];
  std::snprintf(text, sizeof(text), "%.*f (%.*f–%.*f)", decimals, s.median, decimals, s.min, decimals, s.max);
  return text;
}

// One row of the table: figure | KRUI | floor | ratio | goal.
inline void Row(const std::string& figure, const std::string& krui, const std::string& floor,
                const std::string& ratio, const std::string& goal) {
  std::printf("| %s | %s | %s | %s | %s |\n", figure.c_str(), krui.c_str(), floor.c_str(), ratio.c_str(),
              goal.c_str());
  std::fflush(stdout);
}

// Per-run ratios a/b of interleaved pairs.
inline std::vector<double> Ratios(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> r;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) r.push_back(b[i] > 0 ? a[i] / b[i] : 0);
  return r;
}

}  // namespace KRUIBench
