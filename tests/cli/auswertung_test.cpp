#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "Befehlszeile.h"
#include "CliAuswertung.h"
#include "KadrelCli.h"
#include "LagerstaettenCli.h"
#include "ThomeerCli.h"

namespace {

namespace fs = std::filesystem;

// The usage text: as kadrel-cli has always printed it, with the options of
// the analyses added since after the reservoir conditions.
const char* const kHilfe =
    "Aufruf: kadrel-cli [--tabelle N] [--grafik N] [--polynom3] [--testwerte] [--testdaten]\n"
    "                   [--einzelmessung PERM] [--json] [--speichern DATEI]\n"
    "                   [--ergebnisse-ausgeben] [--ergebnisse-einlesen] [--grafik-datei DATEI [--druck-log]]\n"
    "                   [--import DATEI [--nein]] [--thomeer [--kern KERN]]\n"
    "                   [--saettigungshoehe] [--porenradien] [--modellguete]\n"
    "                   [--labor SIGMA,THETA] [--lagerstaette SIGMA,THETA] [--dichten RHOW,RHOKW]\n"
    "                   [--schliessdruck BAR]\n"
    "                   [--shf-modell kadrel|j|thomeer] [--shf-gestein K[,PHI]]... [--shf-gesteinstyp N]\n"
    "                   [--hoehe-max H] [--petrophysik]\n"
    "                   [--bohrung LAS --fwl TIEFE [--las-kurven PHI,PERM] [--las-ausgabe DATEI]]\n"
    "                   [--kurven-grafik [KERN,...]]\n"
    "                   [--csv DATEI [--csv-deutsch]] [EINGABE]\n"
    "       kadrel-cli [Optionen] --labordaten DATEI [--spalten KERN,PERM,DRUCK,SAETTIGUNG[,POROSITAET]]\n"
    "                  [--druck-einheit psi|bar|kpa|mpa] [--saettigung-einheit anteil|prozent]\n"
    "                  [--porositaet-einheit anteil|prozent] [--nullpunkt]\n"
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
    "  --druck-log          mit --grafik-datei: die Druckachse der Kapillardruckkurve (--tabelle 0,\n"
    "                       --grafik 0 bis 3) logarithmisch zeichnen\n"
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
    "  --modellguete        statt der Tabelle die Modellgüte der Sättigungshöhenmodelle ausgeben\n"
    "                       (Liste, Grafik, JSON, aus.txt)\n"
    "  --labor SIGMA,THETA  Grenzflächenspannung (mN/m) und Randwinkel (Grad) im Labor\n"
    "                       (Vorgabe 480,140)\n"
    "  --lagerstaette SIGMA,THETA  dasselbe in der Lagerstätte (Vorgabe 30,30)\n"
    "  --dichten RHOW,RHOKW Dichte von Wasser und Kohlenwasserstoff (g/cm³, Vorgabe 1.05,0.8)\n"
    "  --schliessdruck BAR  Schließdruck (bar) für alle Messungen ohne eigenen (SCHLIESSDRUCK: in\n"
    "                       der Kopfzeile): Thomeer, Porenradien und Petrophysik nehmen die\n"
    "                       korrigierten Kurven\n"
    "  --shf-modell M       Sättigungshöhenmodell: kadrel (Vorgabe), j (J-Funktion) oder thomeer;\n"
    "                       die Sättigungshöhe (Liste, Grafik, JSON, CSV) folgt ihm\n"
    "  --shf-gestein K[,PHI]  ein Gestein der Sättigungshöhe: Permeabilität (mD) und Porosität (Anteil),\n"
    "                       mehrmals für mehrere; PHI nötig mit j und thomeer (Vorgabe: 0.01 bis\n"
    "                       100 mD mit dem Median der Porositäten)\n"
    "  --shf-gesteinstyp N  J-Funktion und Thomeer nur über die Messungen dieses Gesteinstyps (DRT)\n"
    "                       anpassen (Vorgabe: alle)\n"
    "  --hoehe-max H        größte Höhe (m) der Sättigungshöhe, Tabelle und Grafik (Vorgabe 200)\n"
    "  --petrophysik        statt der Tabelle die Petrophysik ausgeben (Liste, Grafik, JSON,\n"
    "                       aus.txt); --grafik wählt die Grafik: 0 Porosität–Permeabilität,\n"
    "                       1 J-Funktion, 2 Thomeer-Permeabilität\n"
    "  --bohrung LAS        Bohrung (LAS 2.0): Sw je Tiefe aus dem gewählten Sättigungshöhenmodell\n"
    "                       (--shf-modell); statt der Tabelle die Liste der Bohrung (Grafik, JSON,\n"
    "                       aus.txt)\n"
    "  --fwl TIEFE          Tiefe des freien Wasserspiegels (FWL) in der Tiefeneinheit der Bohrung\n"
    "  --las-kurven PHI,PERM  Kurven der Porosität und Permeabilität (Kürzel; leer: die Vorgabe,\n"
    "                       z.B. \"PHIE,\")\n"
    "  --las-ausgabe DATEI  die Bohrung mit den Kurven SW und HAFWL als LAS 2.0 schreiben\n"
    "  --kurven-grafik [KERN,...]  statt der Tabelle die gemessenen Kurven aller\n"
    "                       Messungen (oder der mit diesen Kernbezeichnungen) ausgeben;\n"
    "                       --grafik-datei schreibt die Grafik \"Kapillardruckkurven\",\n"
    "                       --ergebnisse-ausgeben ihre Liste, --json zusätzlich\n"
    "                       \"Kapillardruckkurven\"; ohne KERN nicht direkt vor EINGABE\n"
    "  --csv DATEI          nach dem Lauf die Zahlen der Ergebnisse als CSV-Datei (UTF-8) schreiben\n"
    "  --csv-deutsch        die CSV-Datei für deutsches Excel (Semikolon, Dezimalkomma, BOM)\n"
    "  --labordaten DATEI   statt EINGABE eine Labortabelle (CSV, Semikolon oder Tabulator) einlesen\n"
    "  --spalten K,P,D,S[,PHI]  Spalten für Kern, Permeabilität (mD), Druck, Sättigung und wahlweise\n"
    "                       Porosität: Name oder Nummer ab 1, leer = aus den Spaltennamen erkennen\n"
    "  --druck-einheit E    Einheit des Drucks: psi, bar, kpa, mpa (Vorgabe: aus dem Spaltennamen, sonst bar)\n"
    "  --saettigung-einheit E  anteil oder prozent (Vorgabe: aus dem Spaltennamen, sonst anteil)\n"
    "  --porositaet-einheit E  anteil oder prozent (Vorgabe: aus dem Spaltennamen, sonst anteil)\n"
    "  --nullpunkt          fehlt der Punkt mit Sättigung 0, ihn beim ersten Druck einfügen\n"
    "\n"
    "Eingabe, Dokument und Importdatei dürfen höchstens 256 MB groß sein, eine Labortabelle\n"
    "höchstens 64 MB.\n"
    "Rückgabewert: 0 nach einem Lauf (auch wenn er Fehler meldete), 2 bei falschem\n"
    "Aufruf oder unlesbarer Eingabe (auch aus.txt beim Einlesen und eine unbrauchbare\n"
    "Labortabelle), 3 wenn eine verlangte Ausgabedatei (aus.txt, --speichern,\n"
    "--grafik-datei, --csv, --las-ausgabe) nicht geschrieben werden konnte.\n";

TEST(CliAuswertungen, HilfeIstDerBisherigeText) {
  for (const char* option : {"--help", "-h"}) {
    std::ostringstream aus, fehler;
    EXPECT_EQ(KadrelCliAusfuehren({"x.txt", option}, aus, fehler), 0);
    EXPECT_EQ(aus.str(), kHilfe);
    EXPECT_EQ(fehler.str(), "");
  }
  std::ostringstream aus, fehler;
  EXPECT_EQ(KadrelCliAusfuehren({"--tabelle", "7"}, aus, fehler), 2);
  EXPECT_EQ(fehler.str(), std::string("kadrel-cli: --tabelle erwartet eine Zahl von 0 bis 2\n\n") + kHilfe);
  EXPECT_EQ(aus.str(), "");
}

// An analysis as a later one will come: its own options (one repeatable),
// a list of its own, a JSON key and a CSV table, checks of both kinds.
class Probeauswertung : public CliAuswertung {
 public:
  void Anmelden(Befehlszeile& b) override {
    b.Aufruf("\n[--probe [--probe-wert W]...]");
    b.Schalter("--probe", "die Probeliste statt der Tabelle ausgeben", [this] { probe_ = true; });
    b.Wert("--probe-wert", "W", "ein Wert; mehrmals erlaubt", "--probe-wert erwartet einen Wert",
           [this](const std::string& w) {
             werte_.push_back(w);
             return std::optional<std::string>();
           });
  }
  std::optional<std::string> Zusammenspiel(const Laufoptionen&) const override {
    if (!werte_.empty() && !probe_) return "--probe-wert gilt nur zusammen mit --probe";
    return std::nullopt;
  }
  std::optional<std::string> Werte() const override {
    for (const auto& w : werte_) {
      if (w == "falsch") return "--probe-wert: falsch ist nicht erlaubt";
    }
    return std::nullopt;
  }
  std::vector<CliListe> Listen() override {
    return {{"--probe", probe_, "Die Probe wurde in die Datei aus.txt geschrieben!",
             [this]() -> const Textliste& { return liste_; }, [this]() -> const Datendiagramm& { return diagramm_; }}};
  }
  std::optional<std::string> Beginnen(const CKadrelDoc&) override {
    for (const auto& w : werte_) {
      if (w == "fehlt") return "Kein Wert fehlt";
    }
    liste_ = {"PROBE"};
    for (const auto& w : werte_) liste_.push_back(w);
    diagramm_.untertitel = "Probe";
    return std::nullopt;
  }
  void JsonErgaenzen(nlohmann::ordered_json& zusatz) override {
    if (probe_) zusatz["Probe"] = werte_;
  }
  void CsvTabellen(std::vector<csv::Tabelle>& tabellen) override { tabellen.push_back({"Probe", {"Wert"}, {}}); }

 private:
  bool probe_ = false;
  std::vector<std::string> werte_;
  Textliste liste_;
  Datendiagramm diagramm_;
};

struct Ergebnis {
  int status;
  std::string aus;
  std::string fehler;
};

Ergebnis MitProbe(const std::vector<std::string>& argumente, const GrafikExporter& exporter = {}) {
  std::vector<std::unique_ptr<CliAuswertung>> a = CliAuswertungen();
  a.push_back(std::make_unique<Probeauswertung>());
  std::ostringstream aus, fehler;
  const int status = KadrelCliAusfuehren(argumente, aus, fehler, exporter, std::move(a));
  return {status, aus.str(), fehler.str()};
}

TEST(CliAuswertungen, EineWeitereAuswertungFindetIhrenPlatz) {
  const Ergebnis h = MitProbe({"--help"});
  // Its piece of the usage line and its options after the analyses', before CSV.
  EXPECT_NE(h.aus.find("[--kurven-grafik [KERN,...]]\n"
                       "                   [--probe [--probe-wert W]...]\n"
                       "                   [--csv DATEI [--csv-deutsch]] [EINGABE]\n"),
            std::string::npos)
      << h.aus;
  EXPECT_NE(h.aus.find("ohne KERN nicht direkt vor EINGABE\n"
                       "  --probe              die Probeliste statt der Tabelle ausgeben\n"
                       "  --probe-wert W       ein Wert; mehrmals erlaubt\n"
                       "  --csv DATEI  "),
            std::string::npos)
      << h.aus;

  const Ergebnis l = MitProbe({"--probe", "--probe-wert", "a", "--testdaten", "--probe-wert", "b"});
  EXPECT_EQ(l.status, 0) << l.fehler;
  EXPECT_EQ(l.aus, "PROBE\na\nb\n");

  const Ergebnis j = MitProbe({"--json", "--probe", "--thomeer", "--probe-wert", "c", "--testdaten"});
  ASSERT_EQ(j.status, 0) << j.fehler;
  const nlohmann::ordered_json json = nlohmann::ordered_json::parse(j.aus);
  EXPECT_EQ(json.back(), nlohmann::ordered_json::array({"c"}));
  EXPECT_TRUE(json.contains("Thomeer"));

  std::string untertitel;
  const Ergebnis g = MitProbe(
      {"--probe", "--grafik-datei", "p.png", "--testdaten"},
      [&](const CKadrelDoc&, const Datendiagramm* daten, const Grafikoptionen&, const std::string&, std::string&) {
        untertitel = daten ? daten->untertitel : "";
        return true;
      });
  EXPECT_EQ(g.status, 0) << g.fehler;
  EXPECT_EQ(untertitel, "Probe");
}

TEST(CliAuswertungen, CsvBekommtDieTabelleDerWeiterenAuswertung) {
  const fs::path pfad =
      fs::temp_directory_path() /
      ("kadrel-cli-probe-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".csv");
  const Ergebnis r = MitProbe({"--csv", pfad.string(), "--testdaten"});
  std::ifstream ein(pfad, std::ios::binary);
  const std::string csv((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
  fs::remove(pfad);
  EXPECT_EQ(r.status, 0) << r.fehler;
  EXPECT_NE(csv.find("\r\nProbe\r\nWert\r\n"), std::string::npos) << csv;
}

struct Fehlerfall {
  const char* name;
  std::vector<std::string> argumente;
  std::string meldung;  // first line of the error stream
};

class WeitereAuswertungFehler : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(WeitereAuswertungFehler, StatusZwei) {
  const Fehlerfall& f = GetParam();
  const Ergebnis r = MitProbe(f.argumente);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.fehler.substr(0, r.fehler.find('\n')), "kadrel-cli: " + f.meldung);
  EXPECT_EQ(r.aus, "");
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, WeitereAuswertungFehler,
    ::testing::Values(
        Fehlerfall{"WertFehlt", {"--testdaten", "--probe-wert"}, "--probe-wert erwartet einen Wert"},
        Fehlerfall{"Zusammenspiel", {"--probe-wert", "a", "--testdaten"}, "--probe-wert gilt nur zusammen mit --probe"},
        // Its values are checked after the choice of one chart file, as the conditions are.
        Fehlerfall{"WerteNachDerWahl",
                   {"--probe", "--probe-wert", "falsch", "--porenradien", "--grafik-datei", "x.png", "--testdaten"},
                   "--grafik-datei schreibt eine Grafik: --thomeer, --saettigungshoehe, --porenradien, --modellguete, "
                   "--petrophysik, --bohrung, --kurven-grafik oder --probe"},
        Fehlerfall{
            "Werte", {"--probe", "--probe-wert", "falsch", "--testdaten"}, "--probe-wert: falsch ist nicht erlaubt"},
        Fehlerfall{
            "ListeInAusTxt",
            {"--probe", "--thomeer", "--ergebnisse-ausgeben", "--testdaten"},
            "--ergebnisse-ausgeben schreibt eine Liste: --thomeer, --saettigungshoehe, --porenradien, --modellguete, "
            "--petrophysik, --bohrung, --kurven-grafik oder --probe"},
        Fehlerfall{"Beginnen", {"--probe", "--probe-wert", "fehlt", "--testdaten"}, "Kein Wert fehlt"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
