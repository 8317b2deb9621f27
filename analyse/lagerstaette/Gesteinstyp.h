#pragma once

// Per-sample petrophysics the saturation-height models need: the rock type
// of a sample and its Leverett J at a capillary pressure. k in mD, φ as a
// fraction, σ in mN/m, θ in degree.
namespace lagerstaette {

// 1 mD in m².
constexpr double kMilliDarcyInQuadratmeter = 9.869233e-16;

// Reservoir quality index RQI = 0.0314·√(k/φ), µm.
double Rqi(double kMd, double phi);
// Flow zone indicator FZI = RQI·(1 − φ)/φ, µm.
double Fzi(double kMd, double phi);
// The discrete rock type DRT = floor(2·ln FZI + 10.6 + 0.5), of a sample
// and of an FZI above 0.
int Gesteinstyp(double kMd, double phi);
int GesteinstypAusFzi(double fzi);
// Whether k and φ can be typed at all (k > 0, φ inside (0, 1), both finite).
bool Typisierbar(double kMd, double phi);

// |cos θ| of an angle in degree.
double AbsCos(double thetaGrad);

// Leverett J = Pc[Pa] / (σ[N/m]·|cos θ|) · √(k[m²]/φ), without unit.
double LeverettJ(double pcPascal, double kMd, double phi, double sigmaMilliNm, double thetaGrad);

}  // namespace lagerstaette
