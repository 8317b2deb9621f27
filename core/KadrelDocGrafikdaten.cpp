#include "KadrelDoc.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "Plattform.h"
#include "TextFormat.h"

namespace {

const char* const kParametername[4] = {"Alfa ", "log10(Beta) ", "log10(Sperrdruck) ", "log10(Min.Sw) "};
const char* const kParametertitel[4] = {"Alfa-Werte", "Beta-Werte", "Kapillarer Sperrdruck",
                                        "Minimale Massersättigung"};

// Points per curve of the family.
constexpr int kKurvenpunkte = 31;

// A power of 10 of a single-precision exponent, stored as float; beyond float
// range it is infinite.
float Zehnhoch(float exponent) {
  const double wert = std::pow(10.0, static_cast<double>(exponent));
  if (wert > FLT_MAX) return std::numeric_limits<float>::infinity();
  return static_cast<float>(wert);
}

}  // namespace

void CKadrelDoc::Parameter_Grafik() {
  const int p = iGrafik >= 0 && iGrafik < 4 ? iGrafik : 0;
  std::fill(std::begin(X2), std::end(X2), 0.0f);
  std::fill(std::begin(Y2), std::end(Y2), 0.0f);
  std::fill(std::begin(Y3), std::end(Y3), 0.0f);
  Grafikdaten();

  const std::size_t L = Parameterliste.size();
  if (L >= 103) plattform_.Meldung("Es werden maximal 100 Kapillardruckkurven verarbeitet!");

  // The same curves as the regression; a value without logarithm is left
  // out rather than drawn as a point at 0.
  iMax2Werte = 0;
  int kurven = 0;
  for (std::size_t i = 0; kurven < 100 && i < L; ++i) {
    float w[7] = {};
    if (SummenzeileLesen(Parameterliste[i], w) < 7) continue;
    ++kurven;
    float y = 0.0f;
    if (!(w[0] > 0.0f) || !ParameterWert(p, w, y)) continue;
    const float x = static_cast<float>(std::log10(static_cast<double>(w[0])));
    X2[iMax2Werte] = x;
    Y2[iMax2Werte] = y;
    Y3[iMax2Werte] = ParameterPolynom(p, x);
    ++iMax2Werte;
  }

  if (iTabelle > 0) {
    Info = text::Format("%s=%g", kParametername[p], C_[p][0]);
    const int terme = p == 0 ? (bPolynom3 == 1 ? 4 : 3) : 2;
    for (int j = 1; j < terme; ++j) {
      Info += terme == 2 ? text::Format(" %+g*log10(K)", C_[p][j]) : text::Format(" %+g*log10(K)^%d", C_[p][j], j);
    }
  }
}

void CKadrelDoc::GesamtgrafikAbbrechen(const std::string& text) {
  Meldung = text;
  ScharAbbruch = text;
  plattform_.Meldung(Meldung);
}

void CKadrelDoc::Gesamtgrafik() {
  const float Pcmax = MaxPchg;
  for (auto& kurve : XK) std::fill(std::begin(kurve), std::end(kurve), 0.0f);
  for (auto& kurve : YK) std::fill(std::begin(kurve), std::end(kurve), 0.0f);
  iScharKurven = 0;
  ScharAbbruch.clear();

  for (int j = 0; j < 5; ++j) {
    const float l = static_cast<float>(j - 2);
    // A parameter that overflows has no curve; say so instead of drawing
    // nonsense.
    auto nichtDarstellbar = [&](const char* name) {
      GesamtgrafikAbbrechen(text::Format("Keine Gesamtgrafik,da %s bei K=%g mD nicht darstellbar ist!", name,
                                         std::pow(10.0, static_cast<double>(l))));
    };

    const float alfa = C_[0][0] + C_[0][1] * l + C_[0][2] * l * l + C_[0][3] * l * l * l;
    if (std::isnan(alfa) || alfa <= 0.0f) {
      GesamtgrafikAbbrechen("Keine Geamtgrafik,da Alfa <=0!\nPolynomgrad für Alfa-werte zu hoch?");
      return;
    }
    if (!std::isfinite(alfa)) return nichtDarstellbar("Alfa");

    const float beta = Zehnhoch(C_[1][0] + C_[1][1] * l);
    if (!std::isfinite(beta)) return nichtDarstellbar("Beta");

    const float pcSperr = Zehnhoch(C_[2][0] + C_[2][1] * l);
    if (!std::isfinite(pcSperr)) return nichtDarstellbar("PcSperr");
    if (pcSperr >= Pcmax) {
      GesamtgrafikAbbrechen(text::Format("Keine Gesamtgrafik,da PcSperr:%g>=Pcmax:%g!", pcSperr, Pcmax));
      return;
    }
    if (C_[2][1] > 0.0f) {
      GesamtgrafikAbbrechen("Falsche Gesamtgrafik!\nDer kapillare Sperrdruck steigt mit der Permeabilität an!");
      return;
    }

    // Swmin = 1 leaves no saturation range: Snorm would be 0/0.
    const float swMin = Zehnhoch(C_[3][0] + C_[3][1] * l);
    if (!(swMin < 1.0f)) {
      GesamtgrafikAbbrechen("Keine  Geamtgrafik,da Swmin>1");
      return;
    }
    if (C_[3][1] > 0.0f) {
      GesamtgrafikAbbrechen("Falsche Gesamtgrafik!\nDie min. Wassersättigung steigt mit der Permeabilität an!");
      return;
    }

    const float schritt = (1.0f - swMin) / 30.0f;
    for (int q = 0; q < kKurvenpunkte; ++q) {
      const float sw = q == kKurvenpunkte - 1 ? 1.0f : static_cast<float>(q) * schritt + swMin;
      const float sNorm = (sw - swMin) / (1.0f - swMin);
      const double rest = 1.0 - static_cast<double>(sNorm);
      const double pNorm = (std::pow(rest, static_cast<double>(alfa)) + rest * beta) / (1.0 + beta);
      const double pc = (static_cast<double>(Pcmax) - pcSperr) * pNorm + pcSperr;
      XK[j][q] = sw;
      YK[j][q] = static_cast<float>(pc);
    }
    Schar[j] = {alfa, beta, pcSperr, swMin, Pcmax};
    iScharKurven = j + 1;
  }
}

void CKadrelDoc::Grafikdaten() {
  if (iGrafik == 4) {
    Titel = "Kapillardruckkurven";
    Untertitel = "abhängig von der Permeabilität";
    XText = "Wassersättigung (-)";
    YText = "Druck(bar)";
  } else if (iTabelle == 0) {
    Titel = "Kapillardruckkurve";
    Untertitel = Kern;
    XText = "Normierte Sättigung Snorm(-)";
    YText = "Kadrel(-)";
    Info = text::Format("Alfa: %g Beta:%g", Alfa, Beta);
  } else {
    const int p = iGrafik >= 0 && iGrafik < 4 ? iGrafik : 3;
    Titel = "Normierungsparameter";
    Untertitel = kParametertitel[p];
    XText = "Log10(Permeabilität)";
    YText = kParametername[p];
  }
  Legende1 = " Messwerte ";
  Legende2 = "Rechenwerte";
}
