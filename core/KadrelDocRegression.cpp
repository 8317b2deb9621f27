#include "KadrelDoc.h"

#include <algorithm>
#include <cmath>

#include "Plattform.h"
#include "TextFormat.h"
#include "TextScan.h"

namespace {

// The regression reads the first 100 curves of the parameter list.
constexpr int kMaxKurven = 100;
// Lines 0 to 2 of the parameter list are its header.
constexpr int kKopfzeilen = 3;
// Curves a regression needs at least, also within one pass.
constexpr int kMinKurven = 3;
// Differences below this are rounding noise of the elimination.
constexpr double kNullGrenze = 1e-16;

const char* const kWertname[4] = {"Alfa", "Beta", "Sperrdruck", "Min.Sw"};

int Zeilenzahl(const Textliste& liste) { return static_cast<int>(std::min<std::size_t>(liste.size(), 0x7FFFFFFF)); }

}  // namespace

int CKadrelDoc::SummenzeileLesen(const std::string& zeile, float werte[7]) {
  return text::Scan(zeile, "%f %f %f %f %f %f %f", &werte[0], &werte[1], &werte[2], &werte[3], &werte[4], &werte[5],
                    &werte[6]);
}

bool CKadrelDoc::ParameterWert(int p, const float werte[7], float& y) {
  if (p == 0) {
    y = werte[1];
    return true;
  }
  const float wert = werte[p + 1];
  if (!(wert > 0.0f)) return false;
  y = static_cast<float>(std::log10(static_cast<double>(wert)));
  return true;
}

float CKadrelDoc::ParameterPolynom(int p, float x) const {
  const float* c = C_[p];
  return c[0] + c[1] * x + c[2] * x * x + c[3] * x * x * x;
}

int CKadrelDoc::RegressionAbbrechen(const std::string& text) {
  Meldung = text;
  Detailergebnisse.push_back(Meldung);
  plattform_.Meldung(Meldung);
  for (auto& zeile : C_) std::fill(std::begin(zeile), std::end(zeile), 0.0f);
  Parameterfunktionen.clear();
  return 1;
}

int CKadrelDoc::OnParameter() {
  double A[8][9] = {};
  for (auto& zeile : C_) std::fill(std::begin(zeile), std::end(zeile), 0.0f);

  if (bTestwerte == 1) {
    Parameterliste.clear();
    Testwerte();
  }

  const int L = Zeilenzahl(Parameterliste);
  if (L < kKopfzeilen + kMinKurven) {
    plattform_.Meldung("Erforderlich sind mindestens 3 Kapillardruckmessungen");
    Detailergebnisse.push_back("");
    Detailergebnisse.push_back(
        "Zur Berechnung der Parameterfunktion sind mindestens 3 Kapillardruckmessungen erforderlich!");
    return 1;
  }

  Parameterfunktionen.clear();
  for (int Spalte = 0; Spalte < 4; ++Spalte) {
    iKoeff = 2;
    if (Spalte == 0) {
      iKoeff = 3;
      if (bPolynom3 == 1) iKoeff = 4;
      if (L == kKopfzeilen + 3) iKoeff = 2;
      if (bTestwerte == 1) iKoeff = 4;
    }

    // Every pass reads the same first 100 curves; a curve whose Beta,
    // Sperrdruck or Min.Sw has no logarithm is left out of that pass only,
    // and its block says so.
    float maxDruck = 0.0f;
    Ausgelassen_.clear();
    kmax = 0;
    for (int i = kKopfzeilen, kurven = 0; kurven < kMaxKurven && i < L; ++i) {
      const std::string& zeile = Parameterliste[static_cast<std::size_t>(i)];
      float w[7] = {};
      if (SummenzeileLesen(zeile, w) < 7) {
        return RegressionAbbrechen(text::Format("ABBRUCH! Es werden 7 Werte erwartet\n%s", zeile));
      }
      if (!(w[0] > 0.0f)) {
        return RegressionAbbrechen(text::Format("ABBRUCH! Die Permeabilität muß größer Null sein\n%s", zeile));
      }
      ++kurven;
      if (w[5] > maxDruck) maxDruck = w[5];
      float y = 0.0f;
      if (!ParameterWert(Spalte, w, y)) {
        Ausgelassen_.push_back(text::Format("     Nicht berücksichtigt (%s <= 0):%s", kWertname[Spalte], zeile));
        continue;
      }
      X2[kmax] = static_cast<float>(std::log10(static_cast<double>(w[0])));
      Y2[kmax] = y;
      ++kmax;
    }
    if (kmax < kMinKurven) {
      return RegressionAbbrechen(text::Format(
          "ABBRUCH! Erforderlich sind mindestens 3 Kapillardruckmessungen mit %s größer Null", kWertname[Spalte]));
    }

    Normalgleichungen(A);
    Eliminieren(A);
    bPassUngueltig_ = false;
    Funktionsausgabe(A, Spalte, maxDruck);
    if (bPassUngueltig_) {
      return RegressionAbbrechen(
          text::Format("ABBRUCH! Die Parameterfunktion für %s ergibt Zahlen außerhalb des darstellbaren Bereichs",
                       kWertname[Spalte]));
    }
  }

  Parameter_Grafik();
  plattform_.AnsichtenAktualisieren();
  return 0;
}

void CKadrelDoc::Normalgleichungen(double A[8][9]) {
  const int m = std::clamp(iKoeff, 1, 7);
  const int n = std::clamp(kmax, 0, kMaxKurven);
  double S[13] = {};
  double T[7] = {};
  for (int k = 0; k < n; ++k) {
    const double x = X2[k];
    const double y = Y2[k];
    for (int j = 0; j <= 2 * m - 2; ++j) S[j] += std::pow(x, j);
    for (int j = 0; j < m; ++j) T[j] += y * std::pow(x, j);
  }
  for (int r = 0; r < m; ++r) {
    for (int c = 0; c < m; ++c) A[r][c] = S[r + c];
    A[r][m] = T[r];
  }
}

// Gauss elimination without row exchange: the normal equations of distinct
// permeabilities never have a zero pivot.
void CKadrelDoc::Eliminieren(double A[8][9]) {
  const int m = std::clamp(iKoeff, 1, 7);
  for (int k = 0; k < m; ++k) {
    for (int r = k; r < m; ++r) {
      const double pivot = A[r][k];
      if (pivot == 0.0) continue;
      for (int c = 0; c <= m; ++c) A[r][c] /= pivot;
    }
    for (int r = k + 1; r < m; ++r) {
      if (A[r][k] == 0.0) continue;
      for (int c = 0; c <= m; ++c) {
        A[r][c] -= A[k][c];
        if (std::fabs(A[r][c]) < kNullGrenze) A[r][c] = 0.0;
      }
    }
  }
  for (int c = m - 1; c >= 1; --c) {
    for (int r = c - 1; r >= 0; --r) {
      if (A[r][c] == 0.0) continue;
      A[r][m] -= A[r][c] * A[c][m];
      A[r][c] = 0.0;
    }
  }
}
