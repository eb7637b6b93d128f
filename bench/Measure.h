#pragma once
// Small helpers the benchmark programs share: timing, medians, a table row.

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Windows.h"

namespace lindrel::bench {

inline double nowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / ticksPerMs;
}

inline double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One line of the results table: figure | baseline | ratio | goal | verdict ("-": no goal).
inline void row(const std::string& what, double value, const std::string& unit, double baseline,
                const std::string& goal, std::optional<bool> met) {
  char ratio[32] = "-";
  if (baseline > 0) std::snprintf(ratio, sizeof ratio, "%.2fx", value / baseline);
  char base[48] = "-";
  if (baseline > 0) std::snprintf(base, sizeof base, "%.2f %s", baseline, unit.c_str());
  std::printf("| %-46s | %10.2f %-5s | %-14s | %-7s | %-22s | %-4s |\n", what.c_str(), value, unit.c_str(), base,
              ratio, goal.c_str(), !met ? "-" : *met ? "met" : "MISS");
  std::fflush(stdout);
}

inline void header() {
  std::printf("| %-46s | %-16s | %-14s | %-7s | %-22s | %-4s |\n", "figure", "measured", "baseline", "ratio", "goal",
              "");
  std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(48, '-').c_str(), std::string(18, '-').c_str(),
              std::string(16, '-').c_str(), std::string(9, '-').c_str(), std::string(24, '-').c_str(),
              std::string(6, '-').c_str());
}

}  // namespace lindrel::bench
