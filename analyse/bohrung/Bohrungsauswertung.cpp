#include "Bohrungsauswertung.h"

#include <cmath>
#include <utility>

#include "TextFormat.h"

namespace bohrung {

namespace {

// The spacings may differ from |STEP| by this share before Δz comes from
// the spacings instead: depths are written with few decimals.
constexpr double kStepToleranz = 0.01;

// Tells whether every spacing of the depths (over rows with a NULL depth,
// per row between) is |STEP| to 1 %.
bool StepPasst(const Bohrung& b) {
  const double step = b.kopf.stepMeter;
  if (!(step > 0.0)) return false;
  const double m = Meter(b.kopf.tiefeneinheit);
  std::size_t vorige = b.Zeilen();
  for (std::size_t i = 0; i < b.Zeilen(); ++i) {
    if (std::isnan(b.tiefe[i])) continue;
    if (vorige < b.Zeilen()) {
      const double abstand = std::fabs(b.tiefe[i] - b.tiefe[vorige]) * m / static_cast<double>(i - vorige);
      if (!(std::fabs(abstand - step) <= kStepToleranz * step)) return false;
    }
    vorige = i;
  }
  return true;
}

}  // namespace

double HoeheMeter(const Bohrung& b, double fwl, std::size_t i) {
  return (fwl - b.tiefe[i]) * Meter(b.kopf.tiefeneinheit);
}

bool Auswerten(const Bohrung& b, double fwl, const Modell& modell, std::string modellName, Auswertung& a,
               std::string& fehler) {
  if (!std::isfinite(fwl)) {
    fehler = "Der freie Wasserspiegel (FWL) ist keine endliche Zahl.";
    return false;
  }
  Auswertung e;
  e.fwl = fwl;
  e.modell = std::move(modellName);
  const std::size_t n = b.Zeilen();
  for (std::size_t i = 0; i < n; ++i) {
    Grund g = b.grund[i];
    double sw = std::nan("");
    if (g == Grund::Keiner) {
      const double h = HoeheMeter(b, fwl, i);
      if (!(h > 0.0)) {
        sw = 1.0;
      } else {
        const double s = modell(b.k[i], b.phi[i], h);
        if (std::isnan(s)) {
          g = Grund::ModellOhneWert;
        } else if (!(s >= 0.0 && s <= 1.0)) {
          g = Grund::ModellAusserhalb;
        } else {
          sw = s;
        }
      }
    }
    e.sw.push_back(sw);
    e.grund.push_back(g);
  }

  // The summary in one pass, each row with its neighbours of numeric depth.
  Zusammenfassung& z = e.summe;
  z.deltaZAusStep = StepPasst(b);
  // Sums in long double: a million rows lose no digits, and spacings of
  // depths near the double range do not overflow.
  const long double m = Meter(b.kopf.tiefeneinheit);
  long double summeKw = 0.0L;
  long double summeGewicht = 0.0L;
  long double summeSw = 0.0L;
  std::size_t vorige = n;
  std::size_t i = 0;
  while (i < n && std::isnan(b.tiefe[i])) ++i;
  while (i < n) {
    std::size_t naechste = i + 1;
    while (naechste < n && std::isnan(b.tiefe[naechste])) ++naechste;
    const double h = HoeheMeter(b, fwl, i);
    if (h > 0.0) {
      ++z.zeilenUeberFwl;
      if (std::isnan(e.sw[i])) {
        ++z.zeilenOhneSw;
      } else {
        long double dz = b.kopf.stepMeter;
        if (!z.deltaZAusStep) {
          const bool links = vorige < n;
          const bool rechts = naechste < n;
          auto tiefe = [&](std::size_t j) { return static_cast<long double>(b.tiefe[j]); };
          if (links && rechts) {
            dz = std::fabs(tiefe(naechste) - tiefe(vorige)) * m / 2.0L;
          } else if (links || rechts) {
            dz = std::fabs(tiefe(links ? vorige : naechste) - tiefe(i)) * m;
          }
        }
        const long double gewicht = b.phi[i] * dz;
        summeKw += gewicht * (1.0L - e.sw[i]);
        summeGewicht += gewicht;
        summeSw += gewicht * e.sw[i];
      }
    }
    vorige = i;
    i = naechste;
  }
  z.kwPorenmaechtigkeit = static_cast<double>(summeKw);
  if (summeGewicht > 0.0L) z.swMittel = static_cast<double>(summeSw / summeGewicht);
  a = std::move(e);
  return true;
}

std::vector<Luecke> Luecken(const Blockspalte<Grund>& gruende) {
  std::vector<Luecke> luecken;
  for (std::size_t i = 0; i < gruende.size(); ++i) {
    const Grund g = gruende[i];
    if (g == Grund::Keiner) continue;
    if (!luecken.empty() && luecken.back().letzte + 1 == i && luecken.back().grund == g) {
      luecken.back().letzte = i;
    } else {
      luecken.push_back({i, i, g});
    }
  }
  return luecken;
}

std::string Lueckentext(const Bohrung& b, const Luecke& l) {
  const std::string zeilen = l.erste == l.letzte
                                 ? text::Format("Zeile %d", static_cast<long long>(b.zeile[l.erste]))
                                 : text::Format("Zeilen %d–%d", static_cast<long long>(b.zeile[l.erste]),
                                                static_cast<long long>(b.zeile[l.letzte]));
  const double von = b.tiefe[l.erste];
  const double bis = b.tiefe[l.letzte];
  std::string tiefe;
  if (!std::isnan(von) && !std::isnan(bis)) {
    tiefe = l.erste == l.letzte ? text::Format(" (Tiefe %.10g %s)", von, b.kopf.Tiefeneinheitstext())
                                : text::Format(" (Tiefe %.10g bis %.10g %s)", von, bis, b.kopf.Tiefeneinheitstext());
  }
  return zeilen + tiefe + ": " + Grundtext(l.grund);
}

}  // namespace bohrung
