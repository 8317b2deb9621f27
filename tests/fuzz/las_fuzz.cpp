// The well room on arbitrary bytes: the LAS reader, the curves chosen, the
// evaluation with a simple model, the list, chart and tables, and the LAS
// written to memory and read back. No crash; a refused log gives nothing;
// a written log reads back with the same rows and curves and the two added.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "BohrungBericht.h"
#include "BohrungTabellen.h"
#include "Bohrungsauswertung.h"
#include "CsvSchreiber.h"
#include "FuzzPlattform.h"
#include "LasLesen.h"
#include "LasSchreiben.h"

using namespace bohrung;

namespace {

bool GleichOderBeideNull(double a, double b) { return std::isnan(a) ? std::isnan(b) : a == b; }

// The value the writer puts in a row, read back: four decimals.
double Gerundet(double w) { return std::round(w * 1e4) / 1e4; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  const std::string_view bytes(reinterpret_cast<const char*>(daten), laenge);
  std::string fehler;
  Kopf kopf;
  const bool kopfGelesen = KopfLesen(bytes, kopf, fehler);
  FUZZ_PRUEFEN(kopfGelesen || !fehler.empty());

  Bohrung b;
  fehler.clear();
  if (!LasLesen(bytes, {}, b, fehler)) {
    FUZZ_PRUEFEN(!fehler.empty());
    FUZZ_PRUEFEN(b.Zeilen() == 0);
    return 0;
  }
  FUZZ_PRUEFEN(kopfGelesen);
  const std::size_t n = b.Zeilen();
  FUZZ_PRUEFEN(n > 0 && b.phi.size() == n && b.k.size() == n && b.grund.size() == n && b.zeile.size() == n);

  // The FWL halfway between the first and the last depth: rows on both sides.
  double erste = NAN;
  double letzte = NAN;
  for (std::size_t i = 0; i < n; ++i) {
    if (std::isnan(b.tiefe[i])) continue;
    if (std::isnan(erste)) erste = b.tiefe[i];
    letzte = b.tiefe[i];
  }
  const double fwl = std::isnan(erste) ? 0.0 : erste / 2 + letzte / 2;
  Auswertung a;
  const bool ausgewertet = Auswerten(
      b, fwl, [](double k, double phi, double h) { return k > 1e6 ? NAN : std::min(1.0, phi / (phi + h * 1e-3)); },
      "Fuzz", a, fehler);
  FUZZ_PRUEFEN(ausgewertet);
  FUZZ_PRUEFEN(a.sw.size() == n && a.grund.size() == n);
  FUZZ_PRUEFEN(!std::isnan(a.summe.kwPorenmaechtigkeit) && a.summe.kwPorenmaechtigkeit >= 0.0);
  FUZZ_PRUEFEN(!a.summe.swMittel || (*a.summe.swMittel >= 0.0 && *a.summe.swMittel <= 1.0));
  FUZZ_PRUEFEN(a.summe.zeilenOhneSw <= a.summe.zeilenUeberFwl);
  for (std::size_t i = 0; i < n; ++i) {
    FUZZ_PRUEFEN((a.grund[i] == Grund::Keiner) == !std::isnan(a.sw[i]));
    FUZZ_PRUEFEN(std::isnan(a.sw[i]) || (a.sw[i] >= 0.0 && a.sw[i] <= 1.0));
  }

  const Textliste liste = BohrungListe(b, a);
  FUZZ_PRUEFEN(liste.size() > n);
  const Datendiagramm diagramm = BohrungDiagramm(b, a);
  FUZZ_PRUEFEN(diagramm.reihen.size() == 2 && diagramm.querlinien.size() == 1);
  const std::string csv = csv::Schreiben(BohrungTabellen(b, a), csv::Format{});
  FUZZ_PRUEFEN(!csv.empty());

  std::string aus;
  const bool geschrieben = LasSchreiben(bytes, b, a, aus, fehler);
  FUZZ_PRUEFEN(geschrieben);

  // Read back with the same curves, and with SW as the "porosity".
  const Ausgabekurven namen = AusgabekurvenNamen(b.kopf);
  Bohrung z;
  const bool zurueck = LasLesen(aus, {b.Porositaetskurve().kuerzel, b.Permeabilitaetskurve().kuerzel}, z, fehler);
  FUZZ_PRUEFEN(zurueck);
  FUZZ_PRUEFEN(z.Zeilen() == n && z.kopf.kurven.size() == b.kopf.kurven.size() + 2);
  FUZZ_PRUEFEN(z.kopf.kurven[z.kopf.kurven.size() - 2].kuerzel == namen.sw);
  FUZZ_PRUEFEN(z.kopf.kurven.back().kuerzel == namen.hafwl);
  for (std::size_t i = 0; i < n; ++i) {
    FUZZ_PRUEFEN(GleichOderBeideNull(z.tiefe[i], b.tiefe[i]));
    FUZZ_PRUEFEN(GleichOderBeideNull(z.phi[i], b.phi[i]));
    FUZZ_PRUEFEN(GleichOderBeideNull(z.k[i], b.k[i]));
    FUZZ_PRUEFEN(z.grund[i] == b.grund[i]);
    FUZZ_PRUEFEN(z.zeile[i] == b.zeile[i] + 2);
  }
  Bohrung s;
  const bool swZurueck = LasLesen(aus, {namen.sw, b.Permeabilitaetskurve().kuerzel}, s, fehler);
  FUZZ_PRUEFEN(swZurueck && s.Zeilen() == n);
  for (std::size_t i = 0; i < n; ++i) {
    if (std::isnan(a.sw[i])) {
      FUZZ_PRUEFEN(std::isnan(s.phi[i]));
    } else if (std::isnan(s.phi[i])) {
      // Written as four decimals, a Sw may read as the NULL value itself.
      FUZZ_PRUEFEN(Gerundet(a.sw[i]) == b.kopf.nullwert);
    } else {
      FUZZ_PRUEFEN(std::fabs(s.phi[i] - a.sw[i]) <= 0.5e-4 + 1e-12);
    }
  }
  return 0;
}
