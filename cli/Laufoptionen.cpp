#include "Laufoptionen.h"

#include "Befehlszeile.h"
#include "TextScan.h"

namespace {

bool GanzzahlLesen(const std::string& text, int min, int max, int& wert) {
  if (text.empty() || text.size() > 9) return false;
  int v = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v < min || v > max) return false;
  wert = v;
  return true;
}

// An option that names a file.
Befehlszeile::Leser Dateiname(std::optional<std::string>& ziel) {
  return [&ziel](const std::string& w) {
    ziel = w;
    return std::optional<std::string>();
  };
}

}  // namespace

void Laufoptionen::Anmelden(Befehlszeile& b) {
  b.Aufruf(
      "[--tabelle N] [--grafik N] [--polynom3] [--testwerte] [--testdaten]\n"
      "[--einzelmessung PERM] [--json] [--speichern DATEI]\n"
      "[--ergebnisse-ausgeben] [--ergebnisse-einlesen] [--grafik-datei DATEI [--druck-log]]\n"
      "[--import DATEI [--nein]]");
  const struct {
    const char* name;
    int max;
    int* ziel;
    const char* hilfe;
  } zahlen[] = {
      {"--tabelle", 2, &daten.iTabelle,
       "Tabelle: 0 Kapillardrücke Detail, 1 Normierungsparameter,\n2 Parameterfunktion (Vorgabe 0)"},
      {"--grafik", 4, &daten.iGrafik,
       "Grafik: 0 Alfa, 1 Beta, 2 Sperrdruck, 3 Min.Sättigung,\n4 Gesamtgrafik (Vorgabe 0)"},
  };
  for (const auto& z : zahlen) {
    const std::string meldung = std::string(z.name) + " erwartet eine Zahl von 0 bis " + std::to_string(z.max);
    b.Wert(z.name, "N", z.hilfe, meldung, [max = z.max, ziel = z.ziel, meldung](const std::string& w) {
      return GanzzahlLesen(w, 0, max, *ziel) ? std::nullopt : std::optional(meldung);
    });
  }
  b.Schalter("--polynom3", "Polynomgrad für Alfawerte auf 3", [this] { daten.bPolynom3 = 1; });
  b.Schalter("--testwerte", "Testwerte statt der gemessenen Parameterliste", [this] { daten.bTestwerte = 1; });
  b.Schalter("--testdaten", "Eingabezeilen durch die Testdaten ersetzen (setzt --testwerte)",
             [this] { testdaten = true; });
  const std::string perm = "--einzelmessung erwartet eine Permeabilität (Zahl)";
  b.Wert("--einzelmessung", "PERM", "nur die Messung mit dieser Permeabilität auswerten", perm,
         [this, perm](const std::string& w) {
           std::size_t pos = 0;
           float wert = 0.0f;
           if (!text::ZahlLesen(w, pos, wert) || pos != w.size()) return std::optional(perm);
           daten.bEinzelmessung = 1;
           daten.PermAuswahl = wert;
           return std::optional<std::string>();
         });
  b.Schalter("--json", "alle Ergebnisse als JSON-Objekt ausgeben", [this] { json = true; });
  b.Wert("--speichern", "DATEI", "die Eingabezeilen als Kadrel-Dokument speichern",
         "--speichern erwartet einen Dateinamen", Dateiname(speichern));
  b.Schalter("--ergebnisse-ausgeben", "nach dem Lauf die Tabelle in aus.txt schreiben",
             [this] { ergebnisseAusgeben = true; });
  b.Schalter("--ergebnisse-einlesen", "nach dem Lauf aus.txt in die Detailtabelle lesen",
             [this] { ergebnisseEinlesen = true; });
  b.Wert("--import", "DATEI",
         "vor dem Lauf eine Textdatei wie \"Datei einlesen\" importieren\n(Fragen werden mit Ja beantwortet)",
         "--import erwartet einen Dateinamen", Dateiname(import));
  b.Schalter("--nein", "Fragen des Imports mit Nein beantworten", [this] { nein = true; });
  b.Wert("--grafik-datei", "DATEI", "die gewählte Grafik als PNG, SVG oder PDF (nach der Endung) schreiben",
         "--grafik-datei erwartet einen Dateinamen", Dateiname(grafikDatei));
  b.Schalter("--druck-log",
             "mit --grafik-datei: die Druckachse der Kapillardruckkurve (--tabelle 0,\n"
             "--grafik 0 bis 3) logarithmisch zeichnen",
             [this] { druckLogarithmisch = true; });
  b.Eingabe("EINGABE", [this](const std::string& pfad) { eingabe = pfad; });
}

std::optional<std::string> Laufoptionen::Zusammenspiel(bool labordaten) const {
  if (!eingabe && !testdaten && !import && !labordaten) return "Keine Eingabedatei angegeben";
  if (nein && !import) return "--nein gilt nur zusammen mit --import";
  if (druckLogarithmisch && !grafikDatei) return "--druck-log gilt nur zusammen mit --grafik-datei";
  return std::nullopt;
}
