// The saturation-height choice of kadrel-cli: --shf-modell, --shf-gestein,
// --shf-gesteinstyp, --hoehe-max over the document's study, their refusals,
// the JSON keys "Saettigungshoehe" and "SHF-Modelle", --modellguete, the CSV
// tables, and the default choice giving today's output byte for byte.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliAufruf.h"
#include "CliGrundlage.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "SaettigungshoehenWahl.h"
#include "Textdatei.h"
#include "Toleranz.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

const std::string kPorositaet = KADREL_ARAB_D_POROSITAET;

std::string Lesen(const std::string& pfad) {
  std::string bytes;
  std::string fehler;
  EXPECT_TRUE(text::DateiLesen(pfad, bytes, fehler)) << fehler;
  return bytes;
}

std::string Referenz(const char* name) { return Lesen(std::string(KADREL_SOURCE_DIR "/tests/cli/daten/") + name); }

std::vector<std::string> Schluessel(const Json& j) {
  std::vector<std::string> s;
  for (const auto& [k, v] : j.items()) s.push_back(k);
  return s;
}

// A file of its own per test, removed at the end.
class Datei {
 public:
  explicit Datei(const std::string& endung)
      : pfad_(fs::temp_directory_path() /
              ("kadrel-shf-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + endung)) {
  }
  ~Datei() { fs::remove(pfad_); }
  std::string Pfad() const { return pfad_.string(); }

 private:
  fs::path pfad_;
};

// ------------------------------------------------------- today's output kept

// The output of the program before the model could be chosen (see
// daten/README.md); the default choice, named or not, gives it byte for byte.
TEST(ShfCli, StandardwahlGibtDieBisherigeAusgabe) {
  for (const std::vector<std::string>& zusatz :
       {std::vector<std::string>{}, {"--shf-modell", "kadrel"}, {"--hoehe-max", "200"}}) {
    std::vector<std::string> a{"--testdaten", "--json", "--saettigungshoehe"};
    a.insert(a.end(), zusatz.begin(), zusatz.end());
    const auto r = Aufruf(a);
    ASSERT_EQ(r.status, 0) << r.fehler;
    EXPECT_EQ(r.aus, Referenz("testdaten-saettigungshoehe.json"));
  }
  const auto liste = Aufruf({"--saettigungshoehe", kPorositaet});
  ASSERT_EQ(liste.status, 0) << liste.fehler;
  EXPECT_EQ(liste.aus, Referenz("arab-d-porositaet-saettigungshoehe.liste"));

  // With porosity the JSON gains "SHF-Modelle"; "Saettigungshoehe" stays.
  const auto r = Aufruf({"--json", "--saettigungshoehe", kPorositaet});
  ASSERT_EQ(r.status, 0) << r.fehler;
  const Json j = Json::parse(r.aus);
  EXPECT_EQ(j["Saettigungshoehe"].dump(), Json::parse(Referenz("arab-d-porositaet-saettigungshoehe.json")).dump());
  EXPECT_TRUE(j.contains("SHF-Modelle"));
  // Without the option the JSON has neither.
  const Json ohne = Json::parse(Aufruf({"--json", kPorositaet}).aus);
  EXPECT_FALSE(ohne.contains("Saettigungshoehe"));
  EXPECT_FALSE(ohne.contains("SHF-Modelle"));
}

TEST(ShfCli, CsvOhnePorositaetWieBisherMitPorositaetMitModellen) {
  Datei csv(".csv");
  ASSERT_EQ(Aufruf({"--testdaten", "--csv", csv.Pfad()}).status, 0);
  EXPECT_EQ(Lesen(csv.Pfad()), Referenz("testdaten.csv"));
  ASSERT_EQ(Aufruf({"--csv", csv.Pfad(), kPorositaet}).status, 0);
  const std::string mit = Lesen(csv.Pfad());
  EXPECT_NE(mit.find("\r\nSättigungshöhe: Modelle\r\nModell,Gesteinstyp (DRT),"), std::string::npos);
  EXPECT_NE(mit.find("\r\nModellgüte\r\n"), std::string::npos);
  // A choice other than the default brings them without porosity too.
  ASSERT_EQ(Aufruf({"--testdaten", "--shf-modell", "thomeer", "--csv", csv.Pfad()}).status, 0);
  EXPECT_NE(Lesen(csv.Pfad()).find("\r\nSättigungshöhe: Modelle\r\n"), std::string::npos);
}

// ---------------------------------------------------------------- the models

// Sw of the J model at a rock and height, as the model is defined:
// J_R = Pc_R / (σ_R·|cos θ_R|)·√(k/φ), Sw = min(1, 10^c·J_R^d), under the
// default conditions σ_R 30 mN/m, θ_R 30°, ρ_W − ρ_KW 0.25 g/cm³.
double JSw(double c, double d, double k, double phi, double h) {
  if (h <= 0.0) return 1.0;
  const double pc = h * 0.25 * 1000.0 * 9.80665;
  const double j = pc / (0.030 * std::cos(30.0 * M_PI / 180.0)) * std::sqrt(k * 9.869233e-16 / phi);
  return std::min(1.0, std::pow(10.0, c) * std::pow(j, d));
}

// Sw of the Thomeer model: Pc_L = Pc_R / (F·10^5) bar with
// F = 30·cos 30° / (480·|cos 140°|), S_Hg = S∞·exp(−G / log10(Pc_L/Pd)).
double ThomeerSw(const Json& t, double k, double h) {
  if (h <= 0.0) return 1.0;
  const double f = 30.0 * std::cos(30.0 * M_PI / 180.0) / (480.0 * std::fabs(std::cos(140.0 * M_PI / 180.0)));
  const double pcl = h * 0.25 * 1000.0 * 9.80665 / (f * 1e5);
  const auto linie = [&](const char* name) {
    return t[name][0].get<double>() + t[name][1].get<double>() * std::log10(k);
  };
  const double pd = std::pow(10.0, linie("Pd"));
  const double shg = pcl > pd ? linie("Sinf") * std::exp(-linie("G") / std::log10(pcl / pd)) : 0.0;
  return std::clamp(1.0 - shg, 0.0, 1.0);
}

TEST(ShfCli, JsonDerJFunktionFolgtDerWahl) {
  const auto r = Aufruf({"--json", "--saettigungshoehe", "--shf-modell", "j", "--shf-gestein", "1,0.2", "--shf-gestein",
                         "100,0.25", "--hoehe-max", "100", kPorositaet});
  ASSERT_EQ(r.status, 0) << r.fehler;
  const Json j = Json::parse(r.aus);
  const Json& s = j["Saettigungshoehe"];
  EXPECT_EQ(Schluessel(s), (std::vector<std::string>{"F", "Dichtedifferenz", "Modell", "Gesteine", "Kurven", "Hoehen",
                                                     "Sw", "Eintrittshoehe"}));
  EXPECT_EQ(s["Modell"], "J-Funktion");
  EXPECT_EQ(s["Gesteine"], Json::parse(R"([{"Perm":1.0,"Porositaet":0.2},{"Perm":100.0,"Porositaet":0.25}])"));
  EXPECT_EQ(s["Hoehen"], Json::parse("[0,0.5,1,2,3,5,7.5,10,15,20,30,50,75,100]"));

  const Json& m = j["SHF-Modelle"];
  EXPECT_EQ(Schluessel(m), (std::vector<std::string>{"J", "Thomeer", "Kadrel"}));
  EXPECT_EQ(Schluessel(m["J"]), (std::vector<std::string>{"c", "d", "Punkte", "R2", "RMS"}));
  EXPECT_EQ(Schluessel(m["Thomeer"]), (std::vector<std::string>{"Pd", "G", "Sinf", "Messungen", "RMS"}));
  EXPECT_EQ(Schluessel(m["Kadrel"]), (std::vector<std::string>{"RMS"}));
  const double c = m["J"]["c"].get<double>();
  const double d = m["J"]["d"].get<double>();
  // Sw falls with J: d < 0; every curve of 15 or 16 points gives points.
  EXPECT_LT(d, 0.0);
  EXPECT_GT(m["J"]["Punkte"].get<int>(), 333 * 5);
  EXPECT_EQ(m["Thomeer"]["Pd"].size(), 2u);
  for (const char* modell : {"J", "Thomeer", "Kadrel"}) {
    EXPECT_GT(m[modell]["RMS"].get<double>(), 0.0) << modell;
    EXPECT_LT(m[modell]["RMS"].get<double>(), 0.5) << modell;
  }

  // Sw per rock and height: the model's own formula with the coefficients given.
  ASSERT_EQ(s["Sw"].size(), 2u);
  const double rock[2][2] = {{1.0, 0.2}, {100.0, 0.25}};
  for (std::size_t i = 0; i < 2; ++i) {
    ASSERT_EQ(s["Sw"][i].size(), 14u);
    for (std::size_t h = 0; h < 14; ++h) {
      const double soll = JSw(c, d, rock[i][0], rock[i][1], s["Hoehen"][h].get<double>());
      EXPECT_TRUE(Nahe(s["Sw"][i][h].get<double>(), soll, 1e-9)) << i << " " << h;
    }
  }
}

TEST(ShfCli, ThomeerNichtAuswertbaresGesteinIstNull) {
  // 1e6 mD lies far outside the measurements; 10 mD does not.
  const auto r = Aufruf({"--json", "--saettigungshoehe", "--shf-modell", "thomeer", "--shf-gestein", "10,0.2",
                         "--shf-gestein", "1000000,0.3", "--hoehe-max", "50", kPorositaet});
  ASSERT_EQ(r.status, 0) << r.fehler;
  const Json j = Json::parse(r.aus);
  const Json& s = j["Saettigungshoehe"];
  EXPECT_EQ(s["Modell"], "Thomeer");
  const Json& t = j["SHF-Modelle"]["Thomeer"];
  ASSERT_EQ(s["Sw"].size(), 2u);
  for (std::size_t h = 0; h < s["Hoehen"].size(); ++h) {
    EXPECT_TRUE(Nahe(s["Sw"][0][h].get<double>(), ThomeerSw(t, 10.0, s["Hoehen"][h].get<double>()), 1e-9)) << h;
  }
  // The second rock: a row of nulls (or numbers where the lines still hold).
  EXPECT_EQ(s["Sw"][1].size(), s["Hoehen"].size());
  EXPECT_EQ(s["Hoehen"].back(), 50.0);
}

TEST(ShfCli, ModellgueteStattDerTabelle) {
  const auto r = Aufruf({"--modellguete", kPorositaet});
  ASSERT_EQ(r.status, 0) << r.fehler;
  EXPECT_NE(r.aus.find("MODELLG"), std::string::npos) << r.aus.substr(0, 400);
  EXPECT_EQ(r.aus.find("SÄTTIGUNGSHÖHE ÜBER"), std::string::npos);
  const auto zwei = Aufruf({"--modellguete", "--saettigungshoehe", "--grafik-datei", "x.png", kPorositaet});
  EXPECT_EQ(zwei.status, 2);
  EXPECT_NE(zwei.fehler.find("--modellguete"), std::string::npos) << zwei.fehler;
}

// -------------------------------------------------------------- the document

// A document of the first 30 real curves with `studie` as its study block.
std::string Dokument(const Datei& d, const Textliste& studie) {
  Textliste zeilen = text::ZeilenAusBytes(Lesen(kPorositaet));
  int messungen = 0;
  Textliste teil;
  for (const std::string& z : zeilen) {
    if (z.rfind("PERMEABILITAET:", 0) == 0 && ++messungen > 30) break;
    teil.push_back(z);
  }
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Eingabezeilen = teil;
  doc.Studie = studie;
  std::string bytes;
  std::string fehler;
  EXPECT_TRUE(doc.DokumentSpeichern(bytes, fehler)) << fehler;
  EXPECT_TRUE(text::DateiSchreiben(d.Pfad(), bytes, fehler)) << fehler;
  return d.Pfad();
}

TEST(ShfCli, WahlDesDokumentsUnterDenOptionen) {
  SaettigungshoehenWahl w;
  w.modell = ShfModell::JFunktion;
  w.gesteine = {{5.0, 0.2}, {50.0, 0.22}, {500.0, 0.24}};
  w.hoeheMax = 30.0;
  Textliste studie;
  lagerstaette::StudieSchreiben(w, studie);
  Datei d(".kdr");
  const std::string dokument = Dokument(d, studie);

  const Json a = Json::parse(Aufruf({"--json", "--saettigungshoehe", dokument}).aus);
  EXPECT_EQ(a["Saettigungshoehe"]["Modell"], "J-Funktion");
  EXPECT_EQ(a["Saettigungshoehe"]["Gesteine"].size(), 3u);
  EXPECT_EQ(a["Saettigungshoehe"]["Hoehen"].back(), 30.0);

  // An option replaces its own part only.
  const Json b = Json::parse(Aufruf({"--json", "--saettigungshoehe", "--shf-modell", "thomeer", dokument}).aus);
  EXPECT_EQ(b["Saettigungshoehe"]["Modell"], "Thomeer");
  EXPECT_EQ(b["Saettigungshoehe"]["Gesteine"], a["Saettigungshoehe"]["Gesteine"]);
  EXPECT_EQ(b["Saettigungshoehe"]["Hoehen"], a["Saettigungshoehe"]["Hoehen"]);

  // The shared analysis holds the choice in force.
  CliGrundlage g;
  g.modell = ShfModell::Thomeer;
  g.hoeheMax = 75.0;
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Studie = studie;
  g.Beginnen(doc);
  SaettigungshoehenWahl soll = w;
  soll.modell = ShfModell::Thomeer;
  soll.hoeheMax = 75.0;
  EXPECT_EQ(g.Wahl(), soll);
  EXPECT_EQ(g.Lagerstaette().Wahl(), soll);
  EXPECT_TRUE(g.WahlFehler().empty());
}

// ------------------------------------------------------------------ refusals

struct Falschfall {
  const char* name;
  std::vector<std::string> argumente;
  std::string meldung;  // first line of the error stream
};

class FalscheWahl : public ::testing::TestWithParam<Falschfall> {};

TEST_P(FalscheWahl, StatusZweiMitDerOption) {
  const auto& f = GetParam();
  std::vector<std::string> a = f.argumente;
  a.push_back("--testdaten");
  const auto r = Aufruf(a);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.fehler.substr(0, r.fehler.find('\n')), f.meldung);
  EXPECT_EQ(r.aus, "");
}

const std::string kGestein =
    "kadrel-cli: --shf-gestein erwartet K oder K,PHI (Permeabilität in mD, Porosität als Anteil, Zahlen mit \".\")";

INSTANTIATE_TEST_SUITE_P(
    Optionen, FalscheWahl,
    ::testing::Values(
        Falschfall{"ModellUnbekannt",
                   {"--shf-modell", "leverett"},
                   "kadrel-cli: --shf-modell erwartet kadrel, j oder thomeer"},
        Falschfall{"GesteinSemikolon", {"--shf-gestein", "1;0.2"}, kGestein},
        Falschfall{"GesteinDezimalkomma", {"--shf-gestein", "0,5,0.2"}, kGestein},
        Falschfall{"GesteinLeer", {"--shf-gestein", ""}, kGestein},
        Falschfall{"PermeabilitaetNull",
                   {"--shf-gestein", "1,0.2", "--shf-gestein", "0,0.2"},
                   "kadrel-cli: --shf-gestein: Der Wert im Feld \"Permeabilität (Gestein 2)\" ist nicht erlaubt! "
                   "Erlaubt: größer 0 bis 1000000 mD."},
        Falschfall{"PorositaetInProzent",
                   {"--shf-gestein", "1,21.3"},
                   "kadrel-cli: --shf-gestein: Der Wert im Feld \"Porosität (Gestein 1)\" ist nicht erlaubt! Erlaubt: "
                   "ein Anteil größer 0 und kleiner 1, z. B. 0.213 für 21,3 % (in Prozent eingegeben?)."},
        Falschfall{"JOhnePorositaet",
                   {"--shf-modell", "j", "--shf-gestein", "1,0.2", "--shf-gestein", "10"},
                   "kadrel-cli: --shf-gestein: Mit --shf-modell j braucht jedes Gestein die Porosität: K,PHI (Gestein "
                   "2; PHI als Anteil größer 0 und kleiner 1)."},
        Falschfall{"ThomeerOhnePorositaet",
                   {"--shf-gestein", "10", "--shf-modell", "thomeer"},
                   "kadrel-cli: --shf-gestein: Mit --shf-modell thomeer braucht jedes Gestein die Porosität: K,PHI "
                   "(Gestein 1; PHI als Anteil größer 0 und kleiner 1)."},
        Falschfall{"TypKeineZahl",
                   {"--shf-gesteinstyp", "2.5"},
                   "kadrel-cli: --shf-gesteinstyp erwartet eine ganze Zahl (DRT)"},
        Falschfall{"TypZuGross",
                   {"--shf-gesteinstyp", "41"},
                   "kadrel-cli: --shf-gesteinstyp: Der Wert im Feld \"Gesteinstyp\" ist nicht erlaubt! Erlaubt: alle "
                   "oder eine ganze Zahl von -20 bis 40."},
        Falschfall{
            "HoeheKeineZahl", {"--hoehe-max", "200m"}, "kadrel-cli: --hoehe-max erwartet eine Zahl (m, mit \".\")"},
        Falschfall{"HoeheNull",
                   {"--hoehe-max", "0"},
                   "kadrel-cli: --hoehe-max: Der Wert im Feld \"Größte Höhe\" ist nicht erlaubt! Erlaubt: größer 0 bis "
                   "10000 m."},
        Falschfall{"HoeheZuGross",
                   {"--hoehe-max", "10000.5"},
                   "kadrel-cli: --hoehe-max: Der Wert im Feld \"Größte Höhe\" ist nicht erlaubt! Erlaubt: größer 0 bis "
                   "10000 m."},
        // The test data carry no porosity: the default rocks have none.
        Falschfall{
            "JOhnePorositaetDerMessungen",
            {"--shf-modell", "j"},
            "kadrel-cli: --shf-modell j: Im Feld \"Porosität (Gestein 1)\" fehlt die Porosität! Das Modell "
            "J-Funktion braucht sie: ein Anteil größer 0 und kleiner 1, z. B. 0.213 für 21,3 %. Die Gesteine gibt "
            "--shf-gestein K,PHI an."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
