#include "Ergebnistabellen.h"

#include <cmath>
#include <string_view>

#include "KadrelDoc.h"
#include "TextFormat.h"
#include "TextScan.h"

namespace {

// Lines 0 to 2 of the parameter list are its header.
constexpr std::size_t kKopfzeilen = 3;
constexpr int kKurvenpunkte = 31;
const char* const kParameter[4] = {"Alfa", "log10(Beta)", "log10(Pcsperr)", "log10(MinSw)"};

// One row, each cell put in place on its own (a braced list of variants
// holding strings trips the compiler's uninitialised-use warning).
template <typename... T>
std::vector<csv::Wert> Zeile(T... werte) {
  std::vector<csv::Wert> zeile;
  zeile.reserve(sizeof...(werte));
  (zeile.emplace_back(std::move(werte)), ...);
  return zeile;
}

// The summary rows: a row printed from a measurement of the run carries that
// measurement's unrounded values; any other row (the test rows) the numbers
// as the regression reads them back.
csv::Tabelle Parametertabelle(const Textliste& liste, const std::vector<Messkurve>& kurven) {
  csv::Tabelle t{
      "Parameterliste",
      {"Permeabilität (mD)", "Alfa", "Beta", "Sperrdruck (bar)", "Min.Sw", "Max.Druck (bar)", "Fehler", "Kern"},
      {}};
  std::size_t naechste = 0;
  for (std::size_t i = kKopfzeilen; i < liste.size(); ++i) {
    float w[7] = {};
    std::string kern;
    if (text::Scan(liste[i], "%f %f %f %f %f %f %f %s", &w[0], &w[1], &w[2], &w[3], &w[4], &w[5], &w[6], &kern) < 7) {
      continue;
    }
    // Rows exist only for curves that normalised; a curve whose fit gave no
    // finite values has none, so look ahead for the one that printed this row.
    const auto gedruckt = [&](const Messkurve& m) {
      return m.iNormiert == 0 && m.Kern == kern && liste[i].rfind(text::Format(" %7.3f ", m.Perm), 0) == 0;
    };
    std::size_t k = naechste;
    while (k < kurven.size() && !gedruckt(kurven[k])) ++k;
    if (k < kurven.size()) {
      const Messkurve& m = kurven[k];
      // Min.Sw = 1 - ShgMax is exact in single precision: written as a float
      // it keeps the digits of the measured saturation (0.20137 for 0.79863),
      // not those of its double value (0.2013700008392334).
      const float minSw = static_cast<float>(1.0 - static_cast<double>(m.ShgMax));
      t.zeilen.push_back(Zeile(m.Perm, m.Alfa, m.Beta, m.PcSperrdruck, minSw, m.Ymax, m.Fehler, kern));
      naechste = k + 1;
    } else {
      t.zeilen.push_back(Zeile(w[0], w[1], w[2], w[3], w[4], w[5], w[6], kern));
    }
  }
  return t;
}

// The mean errors as the function report prints them, one per pass; the
// values it computed them from are not kept (Y2 is overwritten afterwards).
std::vector<float> MittlereFehler(const Textliste& bericht) {
  constexpr std::string_view kMarke = "Mittlerer Fehler:";
  std::vector<float> fehler;
  for (const auto& zeile : bericht) {
    const std::size_t pos = zeile.find(kMarke);
    if (pos == std::string::npos) continue;
    float wert = 0.0f;
    std::size_t p = pos + kMarke.size();
    if (text::ZahlLesen(zeile, p, wert)) fehler.push_back(wert);
  }
  return fehler;
}

}  // namespace

std::vector<csv::Tabelle> Ergebnistabellen(const CKadrelDoc& doc) {
  std::vector<csv::Tabelle> tabellen;
  tabellen.push_back(Parametertabelle(doc.Parameterliste, doc.Messkurven));

  // A regression that stopped left no report and no coefficients.
  const std::vector<float> fehler = MittlereFehler(doc.Parameterfunktionen);
  if (fehler.size() == 4) {
    csv::Tabelle t{"Parameterfunktionen", {"Parameter", "C0", "C1", "C2", "C3", "Mittlerer Fehler"}, {}};
    for (int p = 0; p < 4; ++p) {
      t.zeilen.push_back(Zeile(std::string(kParameter[p]), doc.C_[p][0], doc.C_[p][1], doc.C_[p][2], doc.C_[p][3],
                               fehler[static_cast<std::size_t>(p)]));
    }
    tabellen.push_back(std::move(t));
  }

  const int kurven = std::min(doc.iScharKurven, 5);
  if (kurven > 0) {
    csv::Tabelle parameter{
        "Kurvenschar: Parameter", {"K (mD)", "Alfa", "Beta", "Sperrdruck (bar)", "Min.Sw", "Max.Druck (bar)"}, {}};
    csv::Tabelle punkte{"Kurvenschar: Punkte", {"Punkt"}, {}};
    for (int j = 0; j < kurven; ++j) {
      const double k = std::pow(10.0, j - 2);
      const Scharparameter& s = doc.Schar[j];
      parameter.zeilen.push_back(Zeile(k, s.Alfa, s.Beta, s.PcSperr, s.Swmin, s.Pcmax));
      punkte.spalten.push_back(text::Format("Sw K=%g mD", k));
      punkte.spalten.push_back(text::Format("Pc K=%g mD (bar)", k));
    }
    for (int q = 0; q < kKurvenpunkte; ++q) {
      std::vector<csv::Wert> zeile = Zeile(static_cast<double>(q + 1));
      for (int j = 0; j < kurven; ++j) {
        zeile.emplace_back(std::in_place_type<float>, doc.XK[j][q]);
        zeile.emplace_back(std::in_place_type<float>, doc.YK[j][q]);
      }
      punkte.zeilen.push_back(std::move(zeile));
    }
    tabellen.push_back(std::move(parameter));
    tabellen.push_back(std::move(punkte));
  }
  // The analyses' tables (Thomeer, reservoir conditions) follow here once
  // they offer their results as csv::Tabelle.
  return tabellen;
}
