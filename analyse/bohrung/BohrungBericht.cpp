#include "BohrungBericht.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "Cp1252.h"
#include "TextFormat.h"

namespace bohrung {

namespace {

constexpr Stift kStiftSw{Linienart::Durchgezogen, 3, {0, 0, 255}};
constexpr Stift kStiftPhi{Linienart::Durchgezogen, 3, {0, 160, 0}};
constexpr Stift kStiftFwl{Linienart::Gestrichelt, 3, {255, 0, 0}};

// Logs longer than this are thinned for the chart, into this many slices
// of the depth range.
constexpr std::size_t kDiagrammZeilen = 4000;
constexpr double kScheiben = 2000.0;

std::string Feld(double w, const char* format, int breite) {
  if (std::isnan(w)) return std::string(static_cast<std::size_t>(breite - 1), ' ') + "-";
  return text::Format(format, w);
}

// "%*.*f" of a finite value without the cost of a format string: a list
// of a million rows is written in a fraction of the time.
std::string Fest(double w, int breite, int stellen) {
  if (!std::isfinite(w)) return Feld(w, text::Format("%%%d.%df", breite, stellen).c_str(), breite);
  char puffer[400];
  const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, w, std::chars_format::fixed, stellen);
  const std::size_t laenge = static_cast<std::size_t>(ende - puffer);
  std::string feld(laenge < static_cast<std::size_t>(breite) ? static_cast<std::size_t>(breite) - laenge : 0, ' ');
  return feld.append(puffer, laenge);
}

// "%12.5g" likewise where it needs no exponent (the project writes those
// with three digits).
std::string Allgemein(double w) {
  if (!(std::fabs(w) >= 1e-4 && std::fabs(w) < 1e5)) return Feld(w, "%12.5g", 12);
  char puffer[64];
  const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, w, std::chars_format::general, 5);
  const std::size_t laenge = static_cast<std::size_t>(ende - puffer);
  // Rounded up to 1e+05 after all.
  if (std::string_view(puffer, laenge).find('e') != std::string_view::npos) return Feld(w, "%12.5g", 12);
  std::string feld(laenge < 12 ? 12 - laenge : 0, ' ');
  return feld.append(puffer, laenge);
}

// "   name: value" with the values of a block under each other.
std::string Angabe(const std::string& name, const std::string& wert) {
  std::string zeile = "   " + name + ":";
  const std::size_t zeichen = text::Zeichenzahl(name);
  zeile.append(zeichen < 46 ? 46 - zeichen : 1, ' ');
  return zeile + wert;
}

std::string Kurventext(const Kurve& k) { return k.kuerzel + " (" + (k.einheit.empty() ? "-" : k.einheit) + ")"; }

// The points of one series (x = value, y = depth) for the chart; rows
// without a value break the line.
struct Reihe {
  std::vector<double> x;
  std::vector<double> y;
  void Punkt(double wert, double tiefe) {
    x.push_back(wert);
    y.push_back(tiefe);
  }
  void Bruch() {
    if (!x.empty() && !std::isnan(x.back())) Punkt(std::nan(""), std::nan(""));
  }
};

template <typename Wert>
Reihe Spur(const Bohrung& b, const Wert& wert) {
  Reihe r;
  const std::size_t n = b.Zeilen();
  double von = INFINITY;
  double bis = -INFINITY;
  for (std::size_t i = 0; i < n; ++i) {
    if (std::isnan(b.tiefe[i])) continue;
    von = std::min(von, b.tiefe[i]);
    bis = std::max(bis, b.tiefe[i]);
  }
  const bool duennen = n > kDiagrammZeilen && bis > von;
  // The slice of the depth range a row falls in, and its chosen rows.
  long scheibe = -1;
  std::array<std::size_t, 4> wahl{};  // first, smallest, largest, last
  bool offen = false;
  auto schliessen = [&] {
    if (!offen) return;
    std::array<std::size_t, 4> w = wahl;
    std::sort(w.begin(), w.end());
    for (std::size_t j = 0; j < w.size(); ++j) {
      if (j == 0 || w[j] != w[j - 1]) r.Punkt(wert(w[j]), b.tiefe[w[j]]);
    }
    offen = false;
  };
  for (std::size_t i = 0; i < n; ++i) {
    const double v = wert(i);
    if (std::isnan(v) || std::isnan(b.tiefe[i])) {
      schliessen();
      r.Bruch();
      continue;
    }
    if (!duennen) {
      r.Punkt(v, b.tiefe[i]);
      continue;
    }
    const long s =
        std::min(static_cast<long>((b.tiefe[i] - von) / (bis - von) * kScheiben), static_cast<long>(kScheiben) - 1);
    if (!offen || s != scheibe) {
      schliessen();
      scheibe = s;
      wahl = {i, i, i, i};
      offen = true;
      continue;
    }
    if (v < wert(wahl[1])) wahl[1] = i;
    if (v > wert(wahl[2])) wahl[2] = i;
    wahl[3] = i;
  }
  schliessen();
  return r;
}

}  // namespace

std::string Einheitkurz(const Kopf& kopf) { return kopf.tiefeneinheit == Tiefeneinheit::Fuss ? "ft" : "m"; }

Textliste BohrungListe(const Bohrung& b, const Auswertung& a) {
  Textliste l;
  const std::size_t n = b.Zeilen();
  l.reserve(n + 40);
  const std::string& einheit = b.kopf.Tiefeneinheitstext();
  l.push_back("");
  l.push_back("   BOHRUNG: WASSERSÄTTIGUNG ÜBER DEM FREIEN WASSERSPIEGEL");
  l.push_back("");
  l.push_back(Angabe("Datei", b.pfad.empty() ? std::string("-") : b.pfad));
  if (!b.kopf.bohrung.empty()) l.push_back(Angabe("Bohrung", b.kopf.bohrung));
  l.push_back(Angabe("Tiefe", Kurventext(b.kopf.kurven.front())));
  l.push_back(Angabe("Porosität",
                     Kurventext(b.Porositaetskurve()) +
                         (b.porositaetseinheit == Porositaetseinheit::Prozent ? ", Prozent: durch 100 geteilt" : "")));
  l.push_back(Angabe("Permeabilität", Kurventext(b.Permeabilitaetskurve()) +
                                          (b.permeabilitaetLog ? ", log10 von mD: k = 10^KLOG" : "")));
  l.push_back(Angabe("Freier Wasserspiegel (FWL)", text::Format("%.10g %s", a.fwl, einheit)));
  l.push_back(Angabe("Modell", a.modell.empty() ? std::string("-") : a.modell));
  l.push_back("");
  l.push_back(b.kopf.tiefeneinheit == Tiefeneinheit::Fuss
                  ? "   h = (FWL - Tiefe) * 0.3048 m; Sw = 1 am und unter dem FWL (h <= 0)"
                  : "   h = FWL - Tiefe; Sw = 1 am und unter dem FWL (h <= 0)");
  l.push_back("");
  l.push_back("          Tiefe           h        Phi            k         Sw");
  l.push_back(text::Format("   %12s %11s %10s %12s %10s", "(" + einheit + ")", "(m)", "(-)", "(mD)", "(-)"));
  l.push_back("");
  for (std::size_t i = 0; i < n; ++i) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on
    // a literal + a temporary string.
    std::string zeile(1, ' ');
    for (const std::string& teil : {Fest(b.tiefe[i], 14, 4), Fest(HoeheMeter(b, a.fwl, i), 11, 3),
                                    Fest(b.phi[i], 10, 4), Allgemein(b.k[i]), Fest(a.sw[i], 10, 4)}) {
      if (zeile.size() > 1) zeile += ' ';
      zeile += teil;
    }
    l.push_back(std::move(zeile));
  }

  const Zusammenfassung& z = a.summe;
  l.push_back("");
  l.push_back("   ZUSAMMENFASSUNG ÜBER DEM FWL (h > 0)");
  l.push_back("");
  l.push_back(Angabe("Zeilen über dem FWL", text::Format("%d", static_cast<long long>(z.zeilenUeberFwl))));
  l.push_back(
      Angabe("davon ohne Sw (nicht in den Summen)", text::Format("%d", static_cast<long long>(z.zeilenOhneSw))));
  l.push_back(Angabe("Dz (m)", z.deltaZAusStep ? text::Format("|STEP| = %.10g", b.kopf.stepMeter)
                                               : std::string("halber Abstand der Nachbartiefen")));
  l.push_back(Angabe("KW-Porenmächtigkeit Summe Phi*(1-Sw)*Dz (m)", text::Format("%.6g", z.kwPorenmaechtigkeit)));
  l.push_back(Angabe("Sw, gemittelt mit Phi*Dz (-)", z.swMittel ? text::Format("%.6g", *z.swMittel) : "-"));

  const std::vector<Luecke> luecken = Luecken(a.grund);
  if (!luecken.empty()) {
    l.push_back("");
    l.push_back("   ZEILEN OHNE Sw");
    l.push_back("");
    for (const Luecke& lu : luecken) l.push_back("   " + Lueckentext(b, lu));
  }
  return l;
}

Datendiagramm BohrungDiagramm(const Bohrung& b, const Auswertung& a) {
  Datendiagramm d;
  const std::string& einheit = b.kopf.Tiefeneinheitstext();
  d.titel = "Bohrung";
  std::string name = b.kopf.bohrung;
  if (name.empty()) {
    const std::size_t schnitt = b.pfad.find_last_of('/');
    name = schnitt == std::string::npos ? b.pfad : b.pfad.substr(schnitt + 1);
  }
  d.untertitel = (name.empty() ? std::string() : name + "   ") + "Modell: " + (a.modell.empty() ? "-" : a.modell);
  d.x = {Achsenart::Linear, "Sw, Porosität φ (Anteil)", true, 0.0, 1.0};
  d.y = {Achsenart::Linear, "Tiefe [" + Einheitkurz(b.kopf) + "]", false, 0.0, 0.0, true};

  Reihe sw = Spur(b, [&](std::size_t i) { return a.sw[i]; });
  // Porosities outside (0, 1) have no place on the track.
  Reihe phi = Spur(b, [&](std::size_t i) {
    const double p = b.phi[i];
    return p > 0.0 && p < 1.0 ? p : std::nan("");
  });
  d.reihen.push_back({Reihenart::Linie, kStiftSw, std::move(sw.x), std::move(sw.y)});
  d.reihen.push_back({Reihenart::Linie, kStiftPhi, std::move(phi.x), std::move(phi.y)});
  d.legende.push_back({Reihenart::Linie, kStiftSw, "Sw"});
  d.legende.push_back({Reihenart::Linie, kStiftPhi, "Porosität φ"});
  d.querlinien.push_back({a.fwl, kStiftFwl, text::Format("FWL %.10g %s", a.fwl, einheit)});

  const Zusammenfassung& z = a.summe;
  d.info = text::Format("Über dem FWL: KW-Porenmächtigkeit %.4g m   Sw (Mittel) %s", z.kwPorenmaechtigkeit,
                        z.swMittel ? text::Format("%.4g", *z.swMittel) : std::string("-"));
  return d;
}

}  // namespace bohrung
