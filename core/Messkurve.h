#pragma once

#include <string>
#include <vector>

#include "Kopfzusatz.h"

// One measurement as the reader took it in, kept by the run for the
// analyses that work on every curve after the run (the document's point
// arrays hold only the last one).
struct Messkurve {
  float Perm = 0.0f;          // mD
  std::string Kern;           // core label
  Kopfzusatz Zusatz;          // porosity and closure pressure of its header line
  float PcSperrdruck = 0.0f;  // entry pressure, bar
  std::vector<float> Pc;      // bar, in reading order
  std::vector<float> Shg;     // Hg saturation, fraction
  int iNormiert = 0;          // result of Normieren: 0 normalised, 1 failed
  // The fit and the values its summary row was printed from.
  double Alfa = 0.0;
  double Beta = 0.0;
  double Fehler = 0.0;
  float ShgMax = 0.0f;  // Min.Sw is 1 - ShgMax
  float Ymax = 0.0f;    // largest pressure, bar
};
