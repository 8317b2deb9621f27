// --kurven-grafik [KERN,...] and --druck-log: the chart "Kapillardruckkurven"
// of all or of the named measurements, its list, its JSON key, its refusals;
// the logarithmic pressure axis of the curve chart in the chart file.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliAufruf.h"
#include "Datendiagramm.h"
#include "KadrelCli.h"
#include "Thomeerkurven.h"
#ifdef KADREL_MIT_GRAFIK
#include "QtGrafikExporter.h"
#endif

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// What the chart writer was handed.
struct Geschrieben {
  int aufrufe = 0;
  bool daten = false;
  std::string untertitel;
  std::vector<std::string> legende;
  bool druckLog = false;
};

GrafikExporter Aufzeichner(Geschrieben& g) {
  return [&g](const CKadrelDoc&, const Datendiagramm* daten, const Grafikoptionen& optionen, const std::string&,
              std::string&) {
    ++g.aufrufe;
    g.daten = daten != nullptr;
    g.druckLog = optionen.druckLogarithmisch;
    if (daten) {
      g.untertitel = daten->untertitel;
      for (const auto& e : daten->legende) g.legende.push_back(e.text);
    }
    return true;
  };
}

// Four measurements A, B, C and B again.
class CliKurven : public ::testing::Test {
 protected:
  void SetUp() override {
    ordner_ = fs::temp_directory_path() /
              ("kadrel-cli-kurven-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(ordner_);
    std::vector<std::string> z;
    for (const auto& k : {Kurvenzeilen({{0.5, 0.3, 0.85}}, "A", 120.0), Kurvenzeilen({{1.0, 0.4, 0.8}}, "B", 45.5),
                          Kurvenzeilen({{2.0, 0.5, 0.7}}, "C", 3.0), Kurvenzeilen({{4.0, 0.5, 0.6}}, "B", 0.5)}) {
      z.insert(z.end(), k.begin(), k.end());
    }
    std::ofstream aus(ordner_ / "e.txt", std::ios::binary);
    for (const auto& zeile : z) aus << zeile << "\n";
    eingabe_ = (ordner_ / "e.txt").string();
  }
  void TearDown() override { fs::remove_all(ordner_); }

  fs::path ordner_;
  std::string eingabe_;
};

struct Wahl {
  const char* name;
  std::vector<std::string> argumente;  // before the input file
  const char* untertitel;
  std::vector<std::string> legende;
};

class CliKurvenWahl : public CliKurven, public ::testing::WithParamInterface<Wahl> {};

// Without labels every measurement; a label two measurements carry brings
// both. What follows the option is its value unless it is an option.
TEST_P(CliKurvenWahl, DiagrammDerGenanntenKurven) {
  const Wahl& w = GetParam();
  Geschrieben g;
  std::vector<std::string> argumente = w.argumente;
  argumente.push_back(eingabe_);
  const auto r = Aufruf(argumente, Aufzeichner(g));
  ASSERT_EQ(r.status, 0) << r.fehler;
  EXPECT_EQ(g.aufrufe, 1);
  EXPECT_TRUE(g.daten);
  EXPECT_EQ(g.untertitel, w.untertitel);
  EXPECT_EQ(g.legende, w.legende);
}

INSTANTIATE_TEST_SUITE_P(Faelle, CliKurvenWahl,
                         ::testing::Values(Wahl{"Alle",
                                                {"--grafik-datei", "k.png", "--kurven-grafik", "--tabelle", "1"},
                                                "Messwerte aller 4 Messungen",
                                                {"A", "B", "C", "B"}},
                                           Wahl{"AlleVorDerGrafikdatei",
                                                {"--kurven-grafik", "--grafik-datei", "k.png"},
                                                "Messwerte aller 4 Messungen",
                                                {"A", "B", "C", "B"}},
                                           Wahl{"Einer",
                                                {"--grafik-datei", "k.png", "--kurven-grafik", "C"},
                                                "Messwerte von 1 der 4 Messungen",
                                                {"C"}},
                                           Wahl{"DoppelterKern",
                                                {"--kurven-grafik", "B,A", "--grafik-datei", "k.svg"},
                                                "Messwerte von 3 der 4 Messungen",
                                                {"A", "B", "B"}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The input file right after the option would be its value: the labels
// that follow it, or the input before it.
TEST_F(CliKurven, EingabeDirektNachDerOptionIstEineKernliste) {
  const auto r = Aufruf({"--kurven-grafik", eingabe_});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.fehler.substr(0, r.fehler.find('\n')), "kadrel-cli: Keine Eingabedatei angegeben");
  EXPECT_EQ(Aufruf({eingabe_, "--kurven-grafik"}).status, 0);
}

TEST_F(CliKurven, ListeStattDerTabelleUndJson) {
  const auto r = Aufruf({"--kurven-grafik", "C,A", eingabe_});
  ASSERT_EQ(r.status, 0) << r.fehler;
  EXPECT_EQ(r.aus,
            "\n"
            " Kapillardruckkurven: Messwerte von 2 der 4 Messungen, x: Hg-Sättigung (-)\n"
            "\n"
            "   NR  PERMEABILITÄT  PUNKTE  FARBE       KERN\n"
            "\n"
            "    1            120      15  rot         A\n"
            "    3              3      15  grün        C\n");

  const auto ohne = Aufruf({"--json", eingabe_});
  const auto mit = Aufruf({"--json", "--kurven-grafik", "C,A", eingabe_});
  ASSERT_EQ(mit.status, 0) << mit.fehler;
  Json j = Json::parse(mit.aus);
  ASSERT_TRUE(j.contains("Kapillardruckkurven"));
  EXPECT_EQ(j["Kapillardruckkurven"], Json::parse(R"([{"Kern": "A", "Perm": 120, "Farbe": "rot"},
                                                       {"Kern": "C", "Perm": 3, "Farbe": "grün"}])"));
  j.erase("Kapillardruckkurven");
  EXPECT_EQ(j, Json::parse(ohne.aus));
  EXPECT_FALSE(Json::parse(ohne.aus).contains("Kapillardruckkurven"));
}

TEST_F(CliKurven, ErgebnisseAusgebenSchreibtDieListe) {
  const fs::path vorher = fs::current_path();
  fs::current_path(ordner_);
  const auto r = Aufruf({"--kurven-grafik", "--ergebnisse-ausgeben", eingabe_});
  fs::current_path(vorher);
  ASSERT_EQ(r.status, 0) << r.fehler;
  EXPECT_EQ(r.fehler, "Die Kapillardruckkurven wurden in die Datei aus.txt geschrieben!\n");
  std::ifstream ein(ordner_ / "aus.txt", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
  EXPECT_NE(bytes.find("   NR  PERMEABILIT\xC4T  PUNKTE  FARBE       KERN"), std::string::npos);
  EXPECT_NE(bytes.find("gr\xFCn        B"), std::string::npos);
}

TEST_F(CliKurven, FehlerMitStatusZwei) {
  struct Fall {
    const char* name;
    std::vector<std::string> argumente;
    std::string meldung;
  };
  const Fall faelle[] = {
      {"unbekannterKern", {"--kurven-grafik", "A,X7,Y", eingabe_}, "kadrel-cli: Keine Messung mit dem Kern X7\n"},
      {"leererEintrag",
       {"--kurven-grafik", "A,,B", eingabe_},
       "kadrel-cli: --kurven-grafik erwartet Kernbezeichnungen, getrennt durch \",\" (KERN,...)\n"},
      {"zweiGrafiken",
       {"--kurven-grafik", "--thomeer", "--grafik-datei", "k.png", eingabe_},
       "kadrel-cli: --grafik-datei schreibt eine Grafik: --thomeer, --saettigungshoehe, --porenradien, --modellguete, "
       "--petrophysik, --bohrung oder --kurven-grafik\n"},
      {"druckLogOhneGrafikdatei",
       {"--druck-log", eingabe_},
       "kadrel-cli: --druck-log gilt nur zusammen mit --grafik-datei\n"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    Geschrieben g;
    const auto r = Aufruf(f.argumente, Aufzeichner(g));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.fehler.substr(0, f.meldung.size()), f.meldung);
    EXPECT_EQ(r.aus, "");
    EXPECT_EQ(g.aufrufe, 0);
  }
}

// --druck-log reaches the chart writer with the curve chart; without it the
// writer gets the options' defaults.
TEST_F(CliKurven, DruckLogGehtAnDieGrafik) {
  Geschrieben mit;
  ASSERT_EQ(Aufruf({"--grafik-datei", "k.png", "--druck-log", eingabe_}, Aufzeichner(mit)).status, 0);
  EXPECT_TRUE(mit.druckLog);
  EXPECT_FALSE(mit.daten);
  Geschrieben ohne;
  ASSERT_EQ(Aufruf({"--grafik-datei", "k.png", eingabe_}, Aufzeichner(ohne)).status, 0);
  EXPECT_FALSE(ohne.druckLog);
}

#ifdef KADREL_MIT_GRAFIK
std::string Lesen(const fs::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
}

// The files themselves: the chart of the named curves with their labels;
// the curve chart with decades on its pressure axis only with --druck-log.
TEST_F(CliKurven, DateienGeschrieben) {
  const fs::path kurven = ordner_ / "kurven.svg";
  const auto r = ::Aufruf({"--kurven-grafik", "B,C", "--grafik-datei", kurven.string(), eingabe_}, QtGrafikExporter());
  ASSERT_EQ(r.status, 0) << r.fehler;
  const std::string svg = Lesen(kurven);
  EXPECT_NE(svg.find("<title>Kapillardruckkurven</title>"), std::string::npos);
  EXPECT_NE(svg.find(">Messwerte von 3 der 4 Messungen<"), std::string::npos);
  EXPECT_NE(svg.find(">Kapillardruck (bar)<"), std::string::npos);

  const fs::path linear = ordner_ / "linear.svg";
  const fs::path log = ordner_ / "log.svg";
  ASSERT_EQ(::Aufruf({"--grafik-datei", linear.string(), eingabe_}, QtGrafikExporter()).status, 0);
  ASSERT_EQ(::Aufruf({"--grafik-datei", log.string(), "--druck-log", eingabe_}, QtGrafikExporter()).status, 0);
  EXPECT_EQ(Lesen(linear).find(">0.001<"), std::string::npos);
  EXPECT_NE(Lesen(log).find(">0.001<"), std::string::npos);
}
#endif

}  // namespace
