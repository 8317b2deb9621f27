#pragma once

#include <string>
#include <vector>

// One measurement as the reader took it in, kept by the run for the
// analyses that work on every curve after the run (the document's point
// arrays hold only the last one).
struct Messkurve {
  float Perm = 0.0f;          // mD
  std::string Kern;           // core label
  float PcSperrdruck = 0.0f;  // entry pressure, bar
  std::vector<float> Pc;      // bar, in reading order
  std::vector<float> Shg;     // Hg saturation, fraction
  int iNormiert = 0;          // result of Normieren: 0 normalised, 1 failed
};
