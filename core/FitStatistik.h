#pragma once

#include <cstdint>
#include <vector>

// Records, for measuring, which powers the Alfa/Beta fit evaluates. Off
// (null) in normal use; the benchmark switches it on.
struct FitStatistik {
  // Per fitted measurement: the x values of its fit points and the distinct
  // exponents the iteration visited, in the order of first use.
  std::vector<std::vector<double>> punkte;
  std::vector<std::vector<double>> exponenten;
  // Calls of pow made by the fit and the detail report.
  std::uint64_t potenzAufrufe = 0;
};

// The recorder in use, or null.
extern FitStatistik* gFitStatistik;
