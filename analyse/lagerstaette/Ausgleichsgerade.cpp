#include "Ausgleichsgerade.h"

#include <cmath>

namespace lagerstaette {

bool GeradeAnpassen(const std::vector<double>& x, const std::vector<double>& y, Ausgleichsgerade& g) {
  const std::size_t n = x.size();
  if (n != y.size() || n < 2) return false;
  double sx = 0.0;
  double sy = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return false;
    sx += x[i];
    sy += y[i];
  }
  const double mx = sx / static_cast<double>(n);
  const double my = sy / static_cast<double>(n);
  double sxx = 0.0;
  double sxy = 0.0;
  double syy = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double dx = x[i] - mx;
    const double dy = y[i] - my;
    sxx += dx * dx;
    sxy += dx * dy;
    syy += dy * dy;
  }
  // All x the same: every slope fits equally well.
  if (!(sxx > 0.0)) return false;
  const double b = sxy / sxx;
  const double a = my - b * mx;
  double ssres = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const double r = y[i] - (a + b * x[i]);
    ssres += r * r;
  }
  g.a = a;
  g.b = b;
  g.n = n;
  g.R2 = syy > 0.0 ? 1.0 - ssres / syy : 1.0;
  return std::isfinite(a) && std::isfinite(b);
}

}  // namespace lagerstaette
