#include "KadrelModell.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "KadrelDoc.h"
#include "Saettigungshoehe.h"
#include "TextFormat.h"

namespace {

// Points per curve of the family.
constexpr int kKurvenpunkte = 31;

// A power of 10 of a single-precision exponent, stored as float; beyond
// float range it is infinite (as the family computes it).
float Zehnhoch(float exponent) {
  const double wert = std::pow(10.0, static_cast<double>(exponent));
  if (wert > FLT_MAX) return std::numeric_limits<float>::infinity();
  return static_cast<float>(wert);
}

}  // namespace

KadrelModell KadrelModell::AusDokument(const CKadrelDoc& doc, const Lagerstaettenbedingungen& b) {
  KadrelModell m;
  m.b_ = b;
  m.gelesen_ = static_cast<int>(doc.Messkurven.size());
  // A regression that succeeded always ran the family, which either drew a
  // curve or said why it stopped.
  if (doc.iScharKurven <= 0 && doc.ScharAbbruch.empty()) return m;
  m.grund_.clear();
  for (int p = 0; p < 4; ++p) {
    for (int j = 0; j < 4; ++j) m.c_[p][j] = doc.C_[p][j];
  }
  m.pcmax_ = doc.MaxPchg;
  m.messungen_ = doc.kmax;
  m.testwerte_ = doc.bTestwerte == 1;
  return m;
}

std::string KadrelModell::Parameter(double kMd, Scharparameter& p) const {
  if (!grund_.empty()) return grund_;
  if (!(kMd > 0.0) || !std::isfinite(kMd)) return "Die Permeabilität ist nicht größer 0.";
  const float l = static_cast<float>(std::log10(kMd));
  const auto& C_ = c_;
  const float alfa = C_[0][0] + C_[0][1] * l + C_[0][2] * l * l + C_[0][3] * l * l * l;
  if (std::isnan(alfa)) return "Alfa ist nicht darstellbar.";
  if (alfa <= 0.0f) return text::Format("Alfa = %g ist nicht größer 0 (Polynomgrad für Alfa zu hoch?).", alfa);
  if (!std::isfinite(alfa)) return "Alfa ist nicht darstellbar.";
  const float beta = Zehnhoch(C_[1][0] + C_[1][1] * l);
  if (!std::isfinite(beta) || !(beta > 0.0f)) return "Beta ist nicht darstellbar.";
  const float pcSperr = Zehnhoch(C_[2][0] + C_[2][1] * l);
  if (!std::isfinite(pcSperr)) return "Der Sperrdruck ist nicht darstellbar.";
  if (pcSperr >= pcmax_) {
    return text::Format("Der Sperrdruck %g bar ist nicht kleiner als der größte Kapillardruck %g bar.", pcSperr,
                        pcmax_);
  }
  if (C_[2][1] > 0.0f) return "Der kapillare Sperrdruck steigt mit der Permeabilität an.";
  const float swMin = Zehnhoch(C_[3][0] + C_[3][1] * l);
  if (!(swMin < 1.0f)) return text::Format("Min.Sw = %g ist nicht kleiner als 1.", swMin);
  if (C_[3][1] > 0.0f) return "Die min. Wassersättigung steigt mit der Permeabilität an.";
  p = {alfa, beta, pcSperr, swMin, pcmax_};
  return {};
}

std::string KadrelModell::GesteinGrund(double kMd) const {
  Scharparameter p;
  return Parameter(kMd, p);
}

double KadrelModell::Sw(double kMd, double hMeter) const {
  Scharparameter p;
  if (!Parameter(kMd, p).empty()) return std::numeric_limits<double>::quiet_NaN();
  return lagerstaette::SwAusDruck(p, lagerstaette::DruckAusHoehe(b_, hMeter));
}

double KadrelModell::Eintrittsdruck(double kMd) const {
  Scharparameter p;
  if (!Parameter(kMd, p).empty()) return std::numeric_limits<double>::quiet_NaN();
  return p.PcSperr;
}

void KadrelModell::Kurve(const Scharparameter& p, std::vector<double>& sw, std::vector<double>& pc) const {
  sw.clear();
  pc.clear();
  const float swMin = p.Swmin;
  const float schritt = (1.0f - swMin) / 30.0f;
  for (int q = 0; q < kKurvenpunkte; ++q) {
    const float s = q == kKurvenpunkte - 1 ? 1.0f : static_cast<float>(q) * schritt + swMin;
    const float sNorm = (s - swMin) / (1.0f - swMin);
    const double rest = 1.0 - static_cast<double>(sNorm);
    const double pNorm = (std::pow(rest, static_cast<double>(p.Alfa)) + rest * p.Beta) / (1.0 + p.Beta);
    const double druck = (static_cast<double>(p.Pcmax) - p.PcSperr) * pNorm + p.PcSperr;
    sw.push_back(s);
    pc.push_back(static_cast<float>(druck));
  }
}
