#include "KadrelCli.h"

#include <filesystem>
#include <optional>

#include <nlohmann/json.hpp>

#include "LagerstaettenTabellen.h"
#include "ThomeerTabellen.h"
#include "Archiv.h"
#include "CliPlattform.h"
#include "DateiImport.h"
#include "JsonAusgabe.h"
#include "KadrelDoc.h"
#include "LabordatenCli.h"
#include "Lagerstaettenauswertung.h"
#include "LagerstaettenCli.h"
#include "Testdaten.h"
#include "TextScan.h"
#include "Textdatei.h"
#include "ThomeerAuswertung.h"
#include "ThomeerBericht.h"

namespace {

constexpr const char* kAufruf =
    "Aufruf: kadrel-cli [--tabelle N] [--grafik N] [--polynom3] [--testwerte] [--testdaten]\n"
    "                   [--einzelmessung PERM] [--json] [--speichern DATEI]\n"
    "                   [--ergebnisse-ausgeben] [--ergebnisse-einlesen] [--grafik-datei DATEI]\n"
    "                   [--import DATEI [--nein]] [--thomeer [--kern KERN]]\n"
    "                   [--saettigungshoehe] [--porenradien]\n"
    "                   [--labor SIGMA,THETA] [--lagerstaette SIGMA,THETA] [--dichten RHOW,RHOKW]\n"
    "                   [--csv DATEI [--csv-deutsch]] [EINGABE]\n"
    "       kadrel-cli [Optionen] --labordaten DATEI [--spalten KERN,PERM,DRUCK,SAETTIGUNG]\n"
    "                  [--druck-einheit psi|bar|kpa|mpa] [--saettigung-einheit anteil|prozent] [--nullpunkt]\n"
    "       kadrel-cli --version\n"
    "\n"
    "Wertet die Kapillardruckmessungen in EINGABE aus (Textdatei mit Eingabezeilen\n"
    "oder Kadrel-Dokument *.kdr) und gibt die gewählte Tabelle aus.\n"
    "\n"
    "  --tabelle N          Tabelle: 0 Kapillardrücke Detail, 1 Normierungsparameter,\n"
    "                       2 Parameterfunktion (Vorgabe 0)\n"
    "  --grafik N           Grafik: 0 Alfa, 1 Beta, 2 Sperrdruck, 3 Min.Sättigung,\n"
    "                       4 Gesamtgrafik (Vorgabe 0)\n"
    "  --polynom3           Polynomgrad für Alfawerte auf 3\n"
    "  --testwerte          Testwerte statt der gemessenen Parameterliste\n"
    "  --testdaten          Eingabezeilen durch die Testdaten ersetzen (setzt --testwerte)\n"
    "  --einzelmessung PERM nur die Messung mit dieser Permeabilität auswerten\n"
    "  --json               alle Ergebnisse als JSON-Objekt ausgeben\n"
    "  --speichern DATEI    die Eingabezeilen als Kadrel-Dokument speichern\n"
    "  --ergebnisse-ausgeben  nach dem Lauf die Tabelle in aus.txt schreiben\n"
    "  --ergebnisse-einlesen  nach dem Lauf aus.txt in die Detailtabelle lesen\n"
    "  --import DATEI       vor dem Lauf eine Textdatei wie \"Datei einlesen\" importieren\n"
    "                       (Fragen werden mit Ja beantwortet)\n"
    "  --nein               Fragen des Imports mit Nein beantworten\n"
    "  --grafik-datei DATEI die gewählte Grafik als PNG, SVG oder PDF (nach der Endung) schreiben\n"
    "  --thomeer            Thomeer-Parameter je Messung anpassen und ihre Liste statt der\n"
    "                       Tabelle ausgeben (mit --json zusätzlich unter \"Thomeer\");\n"
    "                       --grafik-datei schreibt dann die Thomeer-Grafik,\n"
    "                       --ergebnisse-ausgeben die Thomeer-Liste\n"
    "  --kern KERN          mit --thomeer: die Messung der Thomeer-Grafik (Vorgabe: die\n"
    "                       letzte angepasste)\n"
    "  --saettigungshoehe   statt der Tabelle die Sättigungshöhe ausgeben (Liste, Grafik, JSON,\n"
    "                       aus.txt)\n"
    "  --porenradien        statt der Tabelle die Porenradien ausgeben (Liste, Grafik, JSON,\n"
    "                       aus.txt)\n"
    "  --labor SIGMA,THETA  Grenzflächenspannung (mN/m) und Randwinkel (Grad) im Labor\n"
    "                       (Vorgabe 480,140)\n"
    "  --lagerstaette SIGMA,THETA  dasselbe in der Lagerstätte (Vorgabe 30,30)\n"
    "  --dichten RHOW,RHOKW Dichte von Wasser und Kohlenwasserstoff (g/cm³, Vorgabe 1.05,0.8)\n"
    "  --csv DATEI          nach dem Lauf die Zahlen der Ergebnisse als CSV-Datei (UTF-8) schreiben\n"
    "  --csv-deutsch        die CSV-Datei für deutsches Excel (Semikolon, Dezimalkomma, BOM)\n"
    "  --labordaten DATEI   statt EINGABE eine Labortabelle (CSV, Semikolon oder Tabulator) einlesen\n"
    "  --spalten K,P,D,S    Spalten für Kern, Permeabilität (mD), Druck und Sättigung: Name oder\n"
    "                       Nummer ab 1, leer = aus den Spaltennamen erkennen\n"
    "  --druck-einheit E    Einheit des Drucks: psi, bar, kpa, mpa (Vorgabe: aus dem Spaltennamen, sonst bar)\n"
    "  --saettigung-einheit E  anteil oder prozent (Vorgabe: aus dem Spaltennamen, sonst anteil)\n"
    "  --nullpunkt          fehlt der Punkt mit Sättigung 0, ihn beim ersten Druck einfügen\n"
    "\n"
    "Eingabe, Dokument und Importdatei dürfen höchstens 256 MB groß sein, eine Labortabelle\n"
    "höchstens 64 MB.\n"
    "Rückgabewert: 0 nach einem Lauf (auch wenn er Fehler meldete), 2 bei falschem\n"
    "Aufruf oder unlesbarer Eingabe (auch aus.txt beim Einlesen und eine unbrauchbare\n"
    "Labortabelle), 3 wenn eine verlangte Ausgabedatei (aus.txt, --speichern,\n"
    "--grafik-datei, --csv) nicht geschrieben werden konnte.\n";

struct Optionen {
  EingabeDaten daten;
  bool json = false;
  bool testdaten = false;
  bool ergebnisseAusgeben = false;
  bool ergebnisseEinlesen = false;
  std::optional<std::string> eingabe;
  std::optional<std::string> speichern;
  std::optional<std::string> grafikDatei;
  std::optional<std::string> import;
  bool nein = false;
  bool thomeer = false;
  std::optional<std::string> kern;
  LagerstaettenOptionen lager;
  LaborOptionen labor;
};

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

bool EndetAufKdr(const std::string& pfad) {
  const std::string endung = std::filesystem::path(pfad).extension().string();
  if (endung.size() != 4) return false;
  std::string klein;
  for (const char c : endung) klein += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return klein == ".kdr";
}

// Parses the command line; returns an error text, or nothing on success.
std::optional<std::string> OptionenLesen(const std::vector<std::string>& arg, Optionen& o) {
  for (std::size_t i = 0; i < arg.size(); ++i) {
    const std::string& a = arg[i];
    auto wert = [&](const char* name) -> std::optional<std::string> {
      if (i + 1 >= arg.size()) return std::nullopt;
      (void)name;
      return arg[++i];
    };
    std::optional<std::string> lagerFehler;
    if (LagerstaettenOptionLesen(arg, i, o.lager, lagerFehler)) {
      if (lagerFehler) return lagerFehler;
      continue;
    }
    if (a == "--tabelle" || a == "--grafik") {
      const auto w = wert(a.c_str());
      const int max = a == "--tabelle" ? 2 : 4;
      int n = 0;
      if (!w || !GanzzahlLesen(*w, 0, max, n)) {
        return a + " erwartet eine Zahl von 0 bis " + std::to_string(max);
      }
      (a == "--tabelle" ? o.daten.iTabelle : o.daten.iGrafik) = n;
    } else if (a == "--polynom3") {
      o.daten.bPolynom3 = 1;
    } else if (a == "--testwerte") {
      o.daten.bTestwerte = 1;
    } else if (a == "--testdaten") {
      o.testdaten = true;
    } else if (a == "--einzelmessung") {
      const auto w = wert("--einzelmessung");
      std::size_t pos = 0;
      float perm = 0.0f;
      if (!w || !text::ZahlLesen(*w, pos, perm) || pos != w->size()) {
        return std::string("--einzelmessung erwartet eine Permeabilität (Zahl)");
      }
      o.daten.bEinzelmessung = 1;
      o.daten.PermAuswahl = perm;
    } else if (a == "--ergebnisse-ausgeben") {
      o.ergebnisseAusgeben = true;
    } else if (a == "--ergebnisse-einlesen") {
      o.ergebnisseEinlesen = true;
    } else if (a == "--json") {
      o.json = true;
    } else if (a == "--speichern") {
      const auto w = wert("--speichern");
      if (!w) return std::string("--speichern erwartet einen Dateinamen");
      o.speichern = *w;
    } else if (a == "--import") {
      const auto w = wert("--import");
      if (!w) return std::string("--import erwartet einen Dateinamen");
      o.import = *w;
    } else if (a == "--nein") {
      o.nein = true;
    } else if (a == "--thomeer") {
      o.thomeer = true;
    } else if (a == "--kern") {
      const auto w = wert("--kern");
      if (!w) return std::string("--kern erwartet eine Kernbezeichnung");
      o.kern = *w;
    } else if (a == "--grafik-datei") {
      const auto w = wert("--grafik-datei");
      if (!w) return std::string("--grafik-datei erwartet einen Dateinamen");
      o.grafikDatei = *w;
    } else if (std::optional<std::string> f; LaborOptionLesen(arg, i, o.labor, f)) {
      if (f) return f;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      return "Unbekannte Option: " + a;
    } else {
      if (o.eingabe) return "Mehr als eine Eingabedatei: " + a;
      o.eingabe = a;
    }
  }
  if (o.labor.labordaten && (o.eingabe || o.import || o.testdaten)) {
    return std::string("--labordaten steht statt EINGABE, --import und --testdaten");
  }
  if (!o.labor.labordaten && (!o.labor.spalten.empty() || o.labor.vorgaben.druck || o.labor.vorgaben.saettigung ||
                              o.labor.vorgaben.nullpunktEinfuegen)) {
    return std::string("--spalten, --druck-einheit, --saettigung-einheit und --nullpunkt gelten nur mit --labordaten");
  }
  if (o.labor.csvDeutsch && !o.labor.csv) return std::string("--csv-deutsch gilt nur zusammen mit --csv");
  if (!o.eingabe && !o.testdaten && !o.import && !o.labor.labordaten) {
    return std::string("Keine Eingabedatei angegeben");
  }
  if (o.nein && !o.import) return std::string("--nein gilt nur zusammen mit --import");
  if (o.kern && !o.thomeer) return std::string("--kern gilt nur zusammen mit --thomeer");
  const int analysen = int{o.thomeer} + int{o.lager.saettigungshoehe} + int{o.lager.porenradien};
  if (o.grafikDatei && analysen > 1) {
    return std::string("--grafik-datei schreibt eine Grafik: --thomeer, --saettigungshoehe oder --porenradien");
  }
  if (o.ergebnisseAusgeben && analysen > 1) {
    return std::string("--ergebnisse-ausgeben schreibt eine Liste: --thomeer, --saettigungshoehe oder --porenradien");
  }
  return LagerstaettenOptionenPruefen(o.lager);
}

// With `bisLeerzeile` the lines after the first blank line are not kept:
// no run reads past it, so only a run that looks for one measurement among
// all of them needs them. `behalten` receives the file's bytes.
bool EingabeLesen(const std::string& pfad, bool bisLeerzeile, Textliste& zeilen, std::string& fehler,
                  std::string* behalten) {
  std::string bytes;
  if (!text::DateiLesen(pfad, bytes, fehler)) return false;
  if (!EndetAufKdr(pfad)) {
    zeilen = text::ZeilenAusBytes(bytes, bisLeerzeile);
  } else {
    Archiv ar = Archiv::ZumLaden(bytes);
    if (!ar.ListeLesen(zeilen, bisLeerzeile)) {
      fehler = "Das Dokument " + pfad + " kann nicht geladen werden: " + ar.Fehler();
      return false;
    }
  }
  if (behalten) *behalten = std::move(bytes);
  return true;
}

// Saves every line of an input file that the run took unchanged, also those
// after its first blank line, which the run never held: they go straight
// from the input's bytes into the document, one at a time.
bool EingabeSpeichern(const std::string& pfad, std::string_view bytes, const std::string& ziel, std::string& grund) {
  Archiv ar = Archiv::ZumSpeichern();
  bool gut = true;
  if (EndetAufKdr(pfad)) {
    // Already checked when it was read.
    Archiv::ZumLaden(bytes).ListeDurchgehen([&](std::size_t anzahl) { ar.ListeBeginnen(anzahl); },
                                            [&](std::string&& zeile) { gut = gut && ar.ZeileSchreiben(zeile); });
  } else {
    std::size_t anzahl = 0;
    std::string_view roh;
    for (text::Zeilenleser zaehler(bytes); zaehler.Naechste(roh);) ++anzahl;
    ar.ListeBeginnen(anzahl);
    text::Zeilenleser leser(bytes);
    for (std::string zeile; gut && leser.Naechste(zeile);) gut = ar.ZeileSchreiben(zeile);
  }
  if (!gut) {
    grund = ar.Fehler();
    return false;
  }
  return text::DateiSchreiben(ziel, ar.Bytes(), grund);
}

void ListeSchreiben(std::ostream& aus, const Textliste& liste) {
  for (const auto& zeile : liste) aus << zeile << "\n";
}

}  // namespace

int KadrelCliAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
                        const GrafikExporter& exporter) {
  for (const auto& a : argumente) {
    if (a == "--version") {
      aus << "kadrel-cli 2.0\n";
      return 0;
    }
    if (a == "--help" || a == "-h") {
      aus << kAufruf;
      return 0;
    }
  }
  Optionen o;
  if (const auto f = OptionenLesen(argumente, o)) {
    fehler << "kadrel-cli: " << *f << "\n\n" << kAufruf;
    return 2;
  }
  // A document saved from the input file alone takes the file's lines from
  // its bytes, so the run holds only the lines it reads.
  const bool eingabeSpeichern = o.speichern && o.eingabe && !o.import && !o.testdaten && !o.labor.labordaten;
  std::string eingabeBytes;
  if (o.eingabe) {
    std::string grund;
    const bool bisLeerzeile = o.daten.bEinzelmessung == 0;
    if (!EingabeLesen(*o.eingabe, bisLeerzeile, o.daten.Eingabezeilen, grund,
                      eingabeSpeichern ? &eingabeBytes : nullptr)) {
      fehler << "kadrel-cli: " << grund << "\n";
      return 2;
    }
  }
  if (o.labor.labordaten) {
    std::string grund;
    if (!LabordatenEinlesen(o.labor, o.daten.Eingabezeilen, fehler, grund)) {
      fehler << "kadrel-cli: " << grund << "\n";
      return 2;
    }
  }
  if (o.testdaten) {
    o.daten.Eingabezeilen = TestdatenZeilen();
    o.daten.bTestwerte = 1;
  }

  CliPlattform plattform(fehler, !o.json);
  plattform.SetAntwort(!o.nein);
  if (o.import && !DateiImportieren(*o.import, plattform, o.daten)) {
    if (o.json) fehler << "kadrel-cli: " << plattform.Nachrichten().back().text << "\n";
    return 2;
  }
  o.daten.bNeuRechnen = 1;
  plattform.SetDialogDaten(std::move(o.daten));
  CKadrelDoc doc(plattform);
  doc.OnNewDocument();
  if (o.eingabe && EndetAufKdr(*o.eingabe)) {
    std::error_code ec;
    const auto absolut = std::filesystem::absolute(*o.eingabe, ec);
    doc.SetPathName(ec ? *o.eingabe : absolut.string());
  }
  doc.OnDatenAendern();
  // The Thomeer fit runs only when asked for; it reads the run's results.
  ThomeerAuswertung thomeer(doc);
  if (o.kern && !thomeer.KernWaehlen(*o.kern)) {
    fehler << "kadrel-cli: Keine Messung mit dem Kern " << *o.kern << "\n";
    return 2;
  }
  Lagerstaettenauswertung lager(doc);
  lager.SetBedingungen(o.lager.bedingungen);
  // A requested file that was not written ends with status 3, after the
  // lists have still gone to stdout.
  bool nichtGeschrieben = false;
  if (o.ergebnisseAusgeben) {
    // aus.txt gets the list that is printed.
    const bool geschrieben = o.thomeer ? doc.ListeAusgeben(thomeer.Liste(), kThomeerAusgegeben)
                             : o.lager.saettigungshoehe
                                 ? doc.ListeAusgeben(lager.SaettigungshoeheListe(), kSaettigungshoeheAusgegeben)
                             : o.lager.porenradien ? doc.ListeAusgeben(lager.PorenradienListe(), kPorenradienAusgegeben)
                                                   : doc.OnErgebnisseAusgeben();
    if (!geschrieben) nichtGeschrieben = true;
  }
  const bool eingelesen = !o.ergebnisseEinlesen || doc.OnErgebnisseEinlesen();

  if (eingabeSpeichern) {
    std::string grund;
    if (!EingabeSpeichern(*o.eingabe, eingabeBytes, *o.speichern, grund)) {
      fehler << "kadrel-cli: " << grund << "\n";
      nichtGeschrieben = true;
    }
  } else if (o.speichern) {
    std::string bytes;
    std::string grund;
    if (!doc.DokumentSpeichern(bytes, grund) || !text::DateiSchreiben(*o.speichern, bytes, grund)) {
      fehler << "kadrel-cli: " << grund << "\n";
      nichtGeschrieben = true;
    }
  }

  if (o.grafikDatei) {
    std::string grund = "Diese Ausgabe von kadrel-cli kann keine Grafiken schreiben.";
    const Datendiagramm* daten = o.thomeer                  ? &thomeer.Diagramm()
                                 : o.lager.saettigungshoehe ? &lager.SaettigungshoeheDiagramm()
                                 : o.lager.porenradien      ? &lager.PorenradienDiagramm()
                                                            : nullptr;
    if (!exporter || !exporter(doc, daten, *o.grafikDatei, grund)) {
      fehler << "kadrel-cli: " << grund << "\n";
      nichtGeschrieben = true;
    }
  }

  if (o.labor.csv) {
    std::string grund;
    // The analyses' tables follow the document's, each computed for the file.
    std::vector<csv::Tabelle> analysen = ThomeerTabellen(thomeer.Ergebnisse());
    for (csv::Tabelle& t : LagerstaettenTabellen(lager)) analysen.push_back(std::move(t));
    if (!CsvAusgeben(o.labor, doc, analysen, grund)) {
      fehler << "kadrel-cli: " << grund << "\n";
      nichtGeschrieben = true;
    }
  }

  if (o.json) {
    nlohmann::ordered_json zusatz = nlohmann::ordered_json::object();
    if (o.thomeer) zusatz["Thomeer"] = ThomeerJson(thomeer.Ergebnisse());
    LagerstaettenJson(zusatz, o.lager, lager);
    aus << JsonAusgabe(doc, plattform.Nachrichten(), &zusatz);
  } else if (o.thomeer || o.lager.saettigungshoehe || o.lager.porenradien) {
    if (o.thomeer) ListeSchreiben(aus, thomeer.Liste());
    if (o.lager.saettigungshoehe) ListeSchreiben(aus, lager.SaettigungshoeheListe());
    if (o.lager.porenradien) ListeSchreiben(aus, lager.PorenradienListe());
  } else if (const Textliste* liste = doc.GewaehlteListe()) {
    ListeSchreiben(aus, *liste);
  }
  aus.flush();
  if (!eingelesen) return 2;
  return nichtGeschrieben ? 3 : 0;
}
