#pragma once

#include <cstddef>
#include <vector>

// An ordinary least-squares line y = a + b·x with its coefficient of
// determination.
struct Ausgleichsgerade {
  double a = 0.0;
  double b = 0.0;
  double R2 = 0.0;  // 1 − SSres/SStot; 1 when every y is the same and the line meets them
  std::size_t n = 0;
};

namespace lagerstaette {

// Fits the line to the points (x[i], y[i]); false when there are fewer than
// two distinct x or a value is not finite. Sums are taken about the means,
// so that points generated on a line give its coefficients back to rounding.
bool GeradeAnpassen(const std::vector<double>& x, const std::vector<double>& y, Ausgleichsgerade& g);

}  // namespace lagerstaette
