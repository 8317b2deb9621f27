// kadrel-cli --petrophysik and --schliessdruck: the list, the JSON keys with
// null where a value does not exist, the chart choice, aus.txt and CSV, the
// refusals, and the conditions a document keeps under the options.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliAufruf.h"
#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Petrophysik.h"
#include "Studienbedingungen.h"
#include "Textdatei.h"
#include "Thomeerkurven.h"
#include "Toleranz.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

// A file of its own per test, removed at the end.
class Datei {
 public:
  explicit Datei(const std::string& endung)
      : pfad_(fs::temp_directory_path() /
              ("kadrel-petro-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
               endung)) {}
  ~Datei() { fs::remove(pfad_); }
  std::string Pfad() const { return pfad_.string(); }

 private:
  fs::path pfad_;
};

// A: 100 mD, φ 0.25, one known system; B: 1 mD without porosity.
std::vector<std::string> Zeilen() {
  std::vector<std::string> z = Kurvenzeilen({{0.5, 0.3, 0.8}}, "A", 100.0);
  z[0] += " POROSITAET: 0.25";
  const auto b = Kurvenzeilen({{2.0, 0.5, 0.6}}, "B", 1.0);
  z.insert(z.end(), b.begin(), b.end());
  return z;
}

std::string Eingabe(const Datei& d) {
  std::ofstream aus(d.Pfad(), std::ios::binary);
  for (const auto& z : Zeilen()) aus << z << "\n";
  return d.Pfad();
}

// A document of the lines with `studie` as its study block.
std::string Dokument(const Datei& d, const Textliste& studie) {
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Eingabezeilen = Zeilen();
  doc.Studie = studie;
  std::string bytes;
  std::string fehler;
  EXPECT_TRUE(doc.DokumentSpeichern(bytes, fehler)) << fehler;
  EXPECT_TRUE(text::DateiSchreiben(d.Pfad(), bytes, fehler)) << fehler;
  return d.Pfad();
}

TEST(PetrophysikCli, ListeStattDerTabelle) {
  Datei d(".txt");
  const auto r = Aufruf({"--petrophysik", Eingabe(d)});
  ASSERT_EQ(r.status, 0) << r.fehler;
  EXPECT_EQ(r.aus.rfind("\n   PETROPHYSIK DER MESSUNGEN\n", 0), 0u) << r.aus;
  EXPECT_NE(r.aus.find("\n A            100   0.2500      0.628      1.884    12          5.014"), std::string::npos)
      << r.aus;
  EXPECT_NE(r.aus.find("\n   Ohne Porosität: B\n"), std::string::npos);
}

TEST(PetrophysikCli, JsonJeMessungMitNullUndJDerMessungenMitPorositaet) {
  Datei d(".txt");
  const auto r = Aufruf({"--petrophysik", "--json", Eingabe(d)});
  ASSERT_EQ(r.status, 0) << r.fehler;
  const Json j = Json::parse(r.aus);
  const Json& p = j["Petrophysik"];
  ASSERT_EQ(p.size(), 2u);
  std::vector<std::string> schluessel;
  for (const auto& [k, v] : p[0].items()) schluessel.push_back(k);
  EXPECT_EQ(schluessel,
            (std::vector<std::string>{"Kern", "Perm", "Porositaet", "RQI", "FZI", "Gesteinstyp", "r35_Winland", "r35",
                                      "Porenklasse", "Bvinf", "k_Thomeer", "Porenhalsmodus"}));
  EXPECT_EQ(p[0]["Kern"], "A");
  EXPECT_EQ(p[0]["Perm"], 100.0);
  EXPECT_EQ(p[0]["Porositaet"], 0.25);
  EXPECT_TRUE(Nahe(p[0]["RQI"].get<double>(), 0.628, 1e-14));
  EXPECT_EQ(p[0]["Gesteinstyp"], 12);
  EXPECT_EQ(p[0]["Porenklasse"], "Makroporen");
  EXPECT_TRUE(p[0]["k_Thomeer"].is_number());
  for (const char* k :
       {"Porositaet", "RQI", "FZI", "Gesteinstyp", "r35_Winland", "Porenklasse", "Bvinf", "k_Thomeer"}) {
    EXPECT_TRUE(p[1][k].is_null()) << k;
  }
  EXPECT_TRUE(p[1]["r35"].is_number());
  EXPECT_TRUE(p[1]["Porenhalsmodus"].is_number());

  const Json& jf = j["J"];
  ASSERT_EQ(jf.size(), 1u);
  EXPECT_EQ(jf[0]["Kern"], "A");
  ASSERT_EQ(jf[0]["Sw"].size(), jf[0]["J"].size());
  ASSERT_FALSE(jf[0]["Sw"].empty());
  // Each J as the formula gives it at 480 mN/m and 140°.
  const Lagerstaettenbedingungen b;
  const std::vector<double> druecke = Verdopplungsdruecke();
  const double sw = jf[0]["Sw"][0].get<double>();
  EXPECT_GT(sw, 0.0);
  EXPECT_LT(sw, 1.0);
  std::size_t erster = 0;
  while (Modellsaettigung({{0.5, 0.3, 0.8}}, druecke[erster]) < 1e-5) ++erster;
  EXPECT_TRUE(Nahe(jf[0]["J"][0].get<double>(),
                   petrophysik::LeverettJ(b, static_cast<float>(druecke[erster]), 100, 0.25f), 1e-12));

  const Json ohne = Json::parse(Aufruf({"--json", Eingabe(d)}).aus);
  EXPECT_FALSE(ohne.contains("Petrophysik"));
  EXPECT_FALSE(ohne.contains("J"));
  EXPECT_FALSE(ohne.contains("Schliessdruckkorrektur"));
}

TEST(PetrophysikCli, GrafikWaehltEineDerDrei) {
  Datei d(".txt");
  const std::string eingabe = Eingabe(d);
  for (int g = 0; g < 3; ++g) {
    std::string titel;
    const auto r = Aufruf(
        {"--petrophysik", "--grafik", std::to_string(g), "--grafik-datei", "p.png", eingabe},
        [&](const CKadrelDoc&, const Datendiagramm* daten, const Grafikoptionen&, const std::string&, std::string&) {
          titel = daten ? daten->titel : "";
          return true;
        });
    EXPECT_EQ(r.status, 0) << r.fehler;
    EXPECT_EQ(titel, (std::vector<std::string>{"Porosität–Permeabilität", "J-Funktion", "Thomeer-Permeabilität"}[g]));
  }
}

struct Falschfall {
  const char* name;
  std::vector<std::string> argumente;
  std::string meldung;
};

class FalschePetrophysik : public ::testing::TestWithParam<Falschfall> {};

TEST_P(FalschePetrophysik, StatusZweiMitDerMeldung) {
  std::vector<std::string> a = GetParam().argumente;
  a.insert(a.begin(), "--testdaten");
  const auto r = Aufruf(a);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.fehler.substr(0, r.fehler.find('\n')), "kadrel-cli: " + GetParam().meldung);
  EXPECT_EQ(r.aus, "");
}

const std::string kSchliessdruck = "--schliessdruck erwartet eine Zahl größer 0 (bar, mit \".\")";

INSTANTIATE_TEST_SUITE_P(
    Optionen, FalschePetrophysik,
    ::testing::Values(
        Falschfall{"GrafikDrei",
                   {"--petrophysik", "--grafik", "3"},
                   "--grafik erwartet mit --petrophysik eine Zahl von 0 bis 2"},
        Falschfall{"ZweiGrafiken",
                   {"--petrophysik", "--thomeer", "--grafik-datei", "x.png"},
                   "--grafik-datei schreibt eine Grafik: --thomeer, --saettigungshoehe, --porenradien, --modellguete, "
                   "--petrophysik, --bohrung oder --kurven-grafik"},
        Falschfall{"SchliessdruckNull", {"--schliessdruck", "0"}, kSchliessdruck},
        Falschfall{"SchliessdruckNegativ", {"--schliessdruck", "-0.35"}, kSchliessdruck},
        Falschfall{"SchliessdruckKomma", {"--schliessdruck", "0,35"}, kSchliessdruck},
        Falschfall{"SchliessdruckText", {"--schliessdruck", "bar"}, kSchliessdruck},
        Falschfall{"SchliessdruckUeberFloat", {"--schliessdruck", "1e39"}, kSchliessdruck},
        Falschfall{"SchliessdruckNan", {"--schliessdruck", "nan"}, kSchliessdruck},
        Falschfall{"SchliessdruckFehlt", {"--schliessdruck"}, kSchliessdruck}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PetrophysikCli, SchliessdruckKorrigiertDieKurvenDerAuswertungen) {
  Datei d(".txt");
  const std::string eingabe = Eingabe(d);
  const auto t = Aufruf({"--thomeer", "--schliessdruck", "0.4", eingabe});
  ASSERT_EQ(t.status, 0) << t.fehler;
  EXPECT_NE(t.aus.find("\n   A: 0.4 bar (für alle Messungen), S(Hg) um 0.00000 vermindert, 3 Punkte weggelassen\n"),
            std::string::npos)
      << t.aus;
  const Json j = Json::parse(Aufruf({"--json", "--porenradien", "--schliessdruck", "0.4", eingabe}).aus);
  ASSERT_TRUE(j.contains("Schliessdruckkorrektur"));
  EXPECT_EQ(j["Schliessdruckkorrektur"][0],
            (Json{{"Kern", "A"}, {"Schliessdruck", 0.4}, {"Herkunft", "alle"}, {"Abzug", 0.0}, {"Weggelassen", 3}}));
  // The corrected curve starts at (0.4, 0): the radius 0.02·480·0.766044/0.4 first.
  EXPECT_TRUE(Nahe(j["Porenradien"][0]["r"][0].get<double>(), 0.02 * 480 * 0.766044443118978 / 0.4f, 1e-12));
  // The evaluation's own lists are never corrected.
  EXPECT_EQ(Aufruf({"--schliessdruck", "0.4", eingabe}).aus, Aufruf({eingabe}).aus);
}

TEST(PetrophysikCli, BedingungenDesDokumentsUnterDenOptionen) {
  Datei d(".kdr");
  Studienbedingungen s{{240, 180, 30, 30, 1.05, 0.8}, 0.4};
  Textliste studie;
  lagerstaette::StudieSchreiben(studie, s);
  const std::string dokument = Dokument(d, studie);

  const auto a = Aufruf({"--porenradien", dokument});
  ASSERT_EQ(a.status, 0) << a.fehler;
  EXPECT_NE(a.aus.find("   Grenzflächenspannung Labor (mN/m): 240\n   Randwinkel Labor           (Grad): 180\n"),
            std::string::npos)
      << a.aus;
  EXPECT_NE(a.aus.find("   Schließdruckkorrektur: 0.4 bar (für alle Messungen)"), std::string::npos);

  // An option overrides its pair only; --schliessdruck the closure pressure.
  const auto b = Aufruf({"--porenradien", "--labor", "480,140", "--schliessdruck", "0.2", dokument});
  ASSERT_EQ(b.status, 0) << b.fehler;
  EXPECT_NE(b.aus.find("   Grenzflächenspannung Labor (mN/m): 480\n"), std::string::npos);
  EXPECT_NE(b.aus.find("   Schließdruckkorrektur: 0.2 bar (für alle Messungen)"), std::string::npos);

  // The reservoir side stays the document's: F = 30·cos 30°/(240·1) = 0.108253.
  const auto c = Aufruf({"--saettigungshoehe", dokument});
  EXPECT_NE(c.aus.find("   Umrechnungsfaktor F                   (-):   0.108253\n"), std::string::npos) << c.aus;

  // A study whose conditions are not allowed gives way to the defaults.
  studie[1] = "Lagerstaettenbedingungen.ThetaLabor=90";
  const auto e = Aufruf({"--porenradien", Dokument(d, studie)});
  EXPECT_NE(e.aus.find("   Grenzflächenspannung Labor (mN/m): 480\n"), std::string::npos);
  EXPECT_EQ(e.aus.find("Schließdruckkorrektur"), std::string::npos);
}

TEST(PetrophysikCli, AusTxtUndCsv) {
  Datei d(".txt");
  Datei csv(".csv");
  const std::string eingabe = Eingabe(d);
  const auto ordner = fs::temp_directory_path() /
                      ("kadrel-petro-aus-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  fs::create_directories(ordner);
  const auto vorher = fs::current_path();
  fs::current_path(ordner);
  const auto r = Aufruf({"--petrophysik", "--ergebnisse-ausgeben", eingabe});
  fs::current_path(vorher);
  EXPECT_EQ(r.status, 0);
  // Two measurements give the evaluation no regression; it says so first.
  EXPECT_EQ(r.fehler,
            "Erforderlich sind mindestens 3 Kapillardruckmessungen\n"
            "Die Petrophysik wurde in die Datei aus.txt geschrieben!\n");
  std::ifstream ein(ordner / "aus.txt", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
  fs::remove_all(ordner);
  EXPECT_NE(bytes.find("   PETROPHYSIK DER MESSUNGEN"), std::string::npos);
  EXPECT_NE(bytes.find("(\xb5m)"), std::string::npos);  // Windows-1252

  ASSERT_EQ(Aufruf({"--csv", csv.Pfad(), "--schliessdruck", "0.4", eingabe}).status, 0);
  std::ifstream c(csv.Pfad(), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(c)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("\r\nSchließdruckkorrektur\r\nKern,Schließdruck (bar),Herkunft,Abgezogene Hg-Sättigung,"
                      "Weggelassene Punkte\r\nA,0.4,für alle Messungen,0,3\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\r\nPetrophysik\r\nKern,Permeabilität (mD),Porosität (-),"), std::string::npos);
  EXPECT_NE(text.find("\r\nB,1,,,,,,"), std::string::npos);
}

}  // namespace
