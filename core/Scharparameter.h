#pragma once

// Parameters of one curve of the family, as the family computes them for
// K = 10^(j - 2) mD.
struct Scharparameter {
  float Alfa = 0.0f;
  float Beta = 0.0f;
  float PcSperr = 0.0f;  // bar
  float Swmin = 0.0f;
  float Pcmax = 0.0f;  // bar
};
