#include "KadrelDoc.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "TextFormat.h"

namespace {

const char* const kFunktionsname[4] = {"Alfa", "log10(Beta)", "log10(Pcsperr)", "log10(MinSw)"};

// The permeabilities of the test rows (mD).
constexpr double kTestPermeabilitaeten[13] = {0.001, 0.005, 0.01, 0.05,  0.1,   0.5,   1.0,
                                              5.0,   10.0,  50.0, 100.0, 500.0, 1000.0};

// Converts to float; a value beyond float range clears `darstellbar`.
float ZuFloat(double wert, bool& darstellbar) {
  if (!std::isfinite(wert) || std::fabs(wert) > FLT_MAX) {
    darstellbar = false;
    return 0.0f;
  }
  return static_cast<float>(wert);
}

}  // namespace

// Stores the coefficients of pass `Spalte` and writes its block of the
// function report. A block that would print a number beyond float range is
// not written; bPassUngueltig_ tells the regression to stop.
void CKadrelDoc::Funktionsausgabe(double A[8][9], int Spalte, float maxDruck) {
  if (Spalte < 0 || Spalte > 3) return;
  const int m = std::clamp(iKoeff, 1, 7);
  const int n = std::clamp(kmax, 0, 100);
  bool darstellbar = true;

  std::fill(std::begin(C), std::end(C), 0.0f);
  for (int j = 0; j < m; ++j) {
    C[j] = ZuFloat(A[j][m], darstellbar);
    C_[Spalte][j] = C[j];
  }

  Textliste block;
  block.push_back("");
  block.push_back("   Errechnete Funktion:");
  std::string zeile = text::Format("   %s = %g ", kFunktionsname[Spalte], C[0]);
  if (Spalte == 0) {
    block.push_back(zeile);
    zeile.clear();
  }
  for (int j = 1; j < m; ++j) {
    zeile += m == 2 ? text::Format(" %+g*log10(K)", C[j]) : text::Format(" %+g*log10(K)^%d", C[j], j);
  }
  block.push_back(zeile);
  block.push_back("");
  block.push_back("         K       log10(K)      Ygegeben     Yerrechnet");
  block.push_back("");
  block.push_back("");

  double fehlersumme = 0.0;
  for (int k = 0; k < n; ++k) {
    const double x = X2[k];
    const double K = std::pow(10.0, x);
    double errechnet = 0.0;
    for (int j = 0; j < 7; ++j) errechnet += C[j] * std::pow(x, j);
    // Beta, Sperrdruck and Min.Sw are listed in their own units.
    if (Spalte > 0) {
      errechnet = std::pow(10.0, errechnet);
      Y2[k] = ZuFloat(std::pow(10.0, static_cast<double>(Y2[k])), darstellbar);
    }
    const double gegeben = Y2[k];
    if (!std::isfinite(errechnet) || !std::isfinite(ParameterPolynom(Spalte, X2[k]))) darstellbar = false;
    fehlersumme += std::fabs(gegeben - errechnet);
    block.push_back(text::Format("%11g  %11g  %12g  %13g", K, x, gegeben, errechnet));
  }
  const double mittel = n > 0 ? fehlersumme / n : 0.0;
  if (!std::isfinite(mittel)) darstellbar = false;
  block.push_back("");
  block.push_back(text::Format("     Mittlerer Fehler:%f ", mittel));
  block.insert(block.end(), Ausgelassen_.begin(), Ausgelassen_.end());
  Ausgelassen_.clear();
  if (Spalte == 3) block.push_back(text::Format("    Max.Kapillardruck(Hg): %9.3f bar", maxDruck));

  if (!darstellbar) {
    bPassUngueltig_ = true;
    return;
  }
  Parameterfunktionen.insert(Parameterfunktionen.end(), block.begin(), block.end());
}

void CKadrelDoc::Testwerte() {
  Parameterliste.push_back("");
  Parameterliste.push_back(kParameterKopf);
  Parameterliste.push_back("");
  for (const double K : kTestPermeabilitaeten) {
    const double alfa = 7.2 * std::pow(K, 0.12) + 1.2 * std::pow(K, -0.28);
    const double beta = 0.14 * std::pow(K, -0.5);
    const double sperrdruck = 3.19 * std::pow(K, -0.39);
    const double minSw = std::pow(K / 0.0015 + 1.0, -0.24);
    Parameterliste.push_back(text::Format(" %8.3f %11.4f %7.4f %8.3f %10.5f %9.3f %8.4f  %s", K, alfa, beta, sperrdruck,
                                          minSw, 158.0, 0.0, "TESTWERTE"));
  }
}
