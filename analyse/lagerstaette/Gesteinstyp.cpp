#include "Gesteinstyp.h"

#include <cmath>
#include <numbers>

namespace lagerstaette {

double Rqi(double kMd, double phi) { return 0.0314 * std::sqrt(kMd / phi); }

double Fzi(double kMd, double phi) { return Rqi(kMd, phi) * (1.0 - phi) / phi; }

int Gesteinstyp(double kMd, double phi) { return GesteinstypAusFzi(Fzi(kMd, phi)); }

int GesteinstypAusFzi(double fzi) { return static_cast<int>(std::floor(2.0 * std::log(fzi) + 10.6 + 0.5)); }

bool Typisierbar(double kMd, double phi) {
  // Within these bounds FZI is positive and finite, so the type is a whole
  // number of modest size.
  return std::isfinite(kMd) && kMd > 0.0 && phi > 0.0 && phi < 1.0;
}

double AbsCos(double thetaGrad) { return std::fabs(std::cos(thetaGrad * std::numbers::pi / 180.0)); }

double LeverettJ(double pcPascal, double kMd, double phi, double sigmaMilliNm, double thetaGrad) {
  return pcPascal / (sigmaMilliNm * 1e-3 * AbsCos(thetaGrad)) * std::sqrt(kMd * kMilliDarcyInQuadratmeter / phi);
}

}  // namespace lagerstaette
