#include "KadrelCli.h"

#include <filesystem>
#include <optional>

#include <nlohmann/json.hpp>

#include "Befehlszeile.h"
#include "CliPlattform.h"
#include "CsvCli.h"
#include "DateiImport.h"
#include "Eingabedatei.h"
#include "JsonAusgabe.h"
#include "KadrelDoc.h"
#include "LabordatenCli.h"
#include "Laufoptionen.h"
#include "Testdaten.h"
#include "Textdatei.h"

namespace {

constexpr const char* kBeschreibung =
    "Wertet die Kapillardruckmessungen in EINGABE aus (Textdatei mit Eingabezeilen\n"
    "oder Kadrel-Dokument *.kdr) und gibt die gewählte Tabelle aus.\n";

constexpr const char* kSchluss =
    "Eingabe, Dokument und Importdatei dürfen höchstens 256 MB groß sein, eine Labortabelle\n"
    "höchstens 64 MB.\n"
    "Rückgabewert: 0 nach einem Lauf (auch wenn er Fehler meldete), 2 bei falschem\n"
    "Aufruf oder unlesbarer Eingabe (auch aus.txt beim Einlesen und eine unbrauchbare\n"
    "Labortabelle), 3 wenn eine verlangte Ausgabedatei (aus.txt, --speichern,\n"
    "--grafik-datei, --csv, --las-ausgabe) nicht geschrieben werden konnte.\n";

// "--a, --b oder --c".
std::string Aufzaehlung(const std::vector<std::string>& namen) {
  std::string text;
  for (std::size_t i = 0; i < namen.size(); ++i) {
    if (i > 0) text += i + 1 == namen.size() ? " oder " : ", ";
    text += namen[i];
  }
  return text;
}

// The parts of the program on one command line, in the order of the usage
// text: the run's own options, the analyses, the CSV export, the laboratory
// tables.
class Programm {
 public:
  explicit Programm(std::vector<std::unique_ptr<CliAuswertung>> a) : auswertungen(std::move(a)) {
    lauf.Anmelden(befehlszeile_);
    for (const auto& auswertung : auswertungen) auswertung->Anmelden(befehlszeile_);
    csv.Anmelden(befehlszeile_);
    labor.Anmelden(befehlszeile_);
    befehlszeile_.Aufrufform("--version");
  }

  std::string Hilfe() const {
    return befehlszeile_.Aufrufzeilen() + "\n" + kBeschreibung + "\n" + befehlszeile_.Optionshilfe() + "\n" + kSchluss;
  }

  // Reads the arguments, then checks how the options go together; returns
  // the first fault, or nothing.
  std::optional<std::string> Lesen(const std::vector<std::string>& argumente) {
    if (auto f = befehlszeile_.Lesen(argumente)) return f;
    if (auto f = labor.Zusammenspiel(lauf)) return f;
    if (auto f = csv.Zusammenspiel()) return f;
    if (auto f = lauf.Zusammenspiel(labor.Gewaehlt())) return f;
    for (const auto& a : auswertungen) {
      if (auto f = a->Zusammenspiel(lauf)) return f;
    }
    // There is one chart file and one aus.txt.
    std::vector<std::string> optionen;
    int gewaehlt = 0;
    for (const auto& a : auswertungen) {
      for (const CliListe& l : a->Listen()) {
        optionen.push_back(l.option);
        gewaehlt += l.gewaehlt ? 1 : 0;
      }
    }
    if (lauf.grafikDatei && gewaehlt > 1) return "--grafik-datei schreibt eine Grafik: " + Aufzaehlung(optionen);
    if (lauf.ergebnisseAusgeben && gewaehlt > 1) {
      return "--ergebnisse-ausgeben schreibt eine Liste: " + Aufzaehlung(optionen);
    }
    for (const auto& a : auswertungen) {
      if (auto f = a->Werte()) return f;
    }
    return std::nullopt;
  }

  Laufoptionen lauf;
  std::vector<std::unique_ptr<CliAuswertung>> auswertungen;
  CsvCli csv;
  LabordatenCli labor;

 private:
  Befehlszeile befehlszeile_;
};

void ListeSchreiben(std::ostream& aus, const Textliste& liste) {
  for (const auto& zeile : liste) aus << zeile << "\n";
}

}  // namespace

int KadrelCliAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
                        const GrafikExporter& exporter) {
  return KadrelCliAusfuehren(argumente, aus, fehler, exporter, CliAuswertungen());
}

int KadrelCliAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
                        const GrafikExporter& exporter, std::vector<std::unique_ptr<CliAuswertung>> auswertungen) {
  Programm p(std::move(auswertungen));
  for (const auto& a : argumente) {
    if (a == "--version") {
      aus << "kadrel-cli 2.0\n";
      return 0;
    }
    if (a == "--help" || a == "-h") {
      aus << p.Hilfe();
      return 0;
    }
  }
  if (const auto f = p.Lesen(argumente)) {
    fehler << "kadrel-cli: " << *f << "\n\n" << p.Hilfe();
    return 2;
  }
  Laufoptionen& o = p.lauf;
  // A document saved from the input file alone takes the file's lines from
  // its bytes, so the run holds only the lines it reads.
  const bool eingabeSpeichern = o.speichern && o.eingabe && !o.import && !o.testdaten && !p.labor.Gewaehlt();
  std::string eingabeBytes;
  // A document's study (its kept conditions) goes with it into the run.
  Textliste studie;
  if (o.eingabe) {
    std::string grund;
    const bool bisLeerzeile = o.daten.bEinzelmessung == 0;
    if (!EingabeLesen(*o.eingabe, bisLeerzeile, o.daten.Eingabezeilen, grund,
                      eingabeSpeichern ? &eingabeBytes : nullptr, &studie)) {
      fehler << "kadrel-cli: " << grund << "\n";
      return 2;
    }
  }
  if (p.labor.Gewaehlt()) {
    std::string grund;
    if (!LabordatenEinlesen(p.labor.Optionen(), o.daten.Eingabezeilen, fehler, grund)) {
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
  doc.Studie = std::move(studie);
  if (o.eingabe && EndetAufKdr(*o.eingabe)) {
    std::error_code ec;
    const auto absolut = std::filesystem::absolute(*o.eingabe, ec);
    doc.SetPathName(ec ? *o.eingabe : absolut.string());
  }
  doc.OnDatenAendern();
  for (const auto& a : p.auswertungen) {
    if (const auto f = a->Beginnen(doc)) {
      fehler << "kadrel-cli: " << *f << "\n";
      return 2;
    }
  }
  // The lists printed in place of the table, in the order of the analyses.
  std::vector<CliListe> listen;
  for (const auto& a : p.auswertungen) {
    for (CliListe& l : a->Listen()) {
      if (l.gewaehlt) listen.push_back(std::move(l));
    }
  }
  // A requested file that was not written ends with status 3, after the
  // lists have still gone to stdout.
  bool nichtGeschrieben = false;
  if (o.ergebnisseAusgeben) {
    // aus.txt gets the list that is printed.
    const bool geschrieben = listen.empty() ? doc.OnErgebnisseAusgeben()
                                            : doc.ListeAusgeben(listen.front().text(), listen.front().ausgegeben);
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

  for (const auto& a : p.auswertungen) {
    if (const auto f = a->DateienSchreiben()) {
      fehler << "kadrel-cli: " << *f << "\n";
      nichtGeschrieben = true;
    }
  }

  if (o.grafikDatei) {
    std::string grund = "Diese Ausgabe von kadrel-cli kann keine Grafiken schreiben.";
    const Datendiagramm* daten = listen.empty() ? nullptr : &listen.front().diagramm();
    if (!exporter || !exporter(doc, daten, Grafikoptionen{o.druckLogarithmisch}, *o.grafikDatei, grund)) {
      fehler << "kadrel-cli: " << grund << "\n";
      nichtGeschrieben = true;
    }
  }

  if (p.csv.Gewaehlt()) {
    std::string grund;
    // The analyses' tables follow the document's, each computed for the file.
    std::vector<csv::Tabelle> analysen;
    for (const auto& a : p.auswertungen) a->CsvTabellen(analysen);
    if (!p.csv.Schreiben(doc, analysen, grund)) {
      fehler << "kadrel-cli: " << grund << "\n";
      nichtGeschrieben = true;
    }
  }

  if (o.json) {
    nlohmann::ordered_json zusatz = nlohmann::ordered_json::object();
    for (const auto& a : p.auswertungen) a->JsonErgaenzen(zusatz);
    aus << JsonAusgabe(doc, plattform.Nachrichten(), &zusatz);
  } else if (!listen.empty()) {
    for (const CliListe& l : listen) ListeSchreiben(aus, l.text());
  } else if (const Textliste* liste = doc.GewaehlteListe()) {
    ListeSchreiben(aus, *liste);
  }
  aus.flush();
  if (!eingelesen) return 2;
  return nichtGeschrieben ? 3 : 0;
}
