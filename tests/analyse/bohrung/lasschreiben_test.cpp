// The LAS written back: every input line as it was, SW and HAFWL added in
// ~C and on every data row, read back by the reader; refused when the input
// changed; saved through the safe-save routine.
#include <unistd.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Bohrungsauswertung.h"
#include "LasLesen.h"
#include "LasSchreiben.h"
#include "Lasbeispiel.h"
#include "Toleranz.h"

namespace fs = std::filesystem;
using namespace bohrung;
using lasbeispiel::kLog;
using lasbeispiel::Mit;

namespace {

double EinsDurchEinsPlusH(double, double, double h) { return 1.0 / (1.0 + h); }

struct Ergebnis {
  Bohrung b;
  Auswertung a;
  std::string aus;
};

Ergebnis Geschrieben(const std::string& las, double fwl, const Modell& m = EinsDurchEinsPlusH) {
  Ergebnis e;
  std::string fehler;
  EXPECT_TRUE(LasLesen(las, {}, e.b, fehler)) << fehler;
  EXPECT_TRUE(Auswerten(e.b, fwl, m, "J-Funktion", e.a, fehler)) << fehler;
  EXPECT_TRUE(LasSchreiben(las, e.b, e.a, e.aus, fehler)) << fehler;
  return e;
}

std::vector<std::string> Zeilen(const std::string& text) {
  std::vector<std::string> z;
  std::istringstream ein(text);
  for (std::string zeile; std::getline(ein, zeile);) z.push_back(zeile);
  return z;
}

std::vector<std::string> Woerter(const std::string& zeile) {
  std::vector<std::string> w;
  std::istringstream ein(zeile);
  for (std::string wort; ein >> wort;) w.push_back(wort);
  return w;
}

TEST(LasSchreiben, JedeEingabezeileBleibtUndZweiKurvenKommenHinzu) {
  const Ergebnis e = Geschrieben(kLog, 1001.5);
  const std::vector<std::string> ein = Zeilen(kLog);
  const std::vector<std::string> aus = Zeilen(e.aus);
  ASSERT_EQ(aus.size(), ein.size() + 2);
  // Lines 1 to 15 as they were, then the two curves closing ~C.
  for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(aus[i], ein[i]);
  EXPECT_EQ(aus[15], "SW.V/V  : Wassersaettigung des Saettigungshoehenmodells (J-Funktion)");
  EXPECT_EQ(aus[16], "HAFWL.M  : Hoehe ueber dem freien Wasserspiegel (FWL 1001.5 M)");
  for (std::size_t i = 15; i < 19; ++i) EXPECT_EQ(aus[i + 2], ein[i]);
  EXPECT_EQ(aus[21], "~A  DEPT  GR  PHIE  PERM  SW  HAFWL");
  // Each row as it was with Sw and the height in the depth unit:
  // h = 1.5, 1, 0.5, 0, -0.5 m; Sw = 1/(1 + h) above the FWL.
  const char* const zusatz[] = {"     0.4000     1.5000", "     0.5000     1.0000", "     0.6667     0.5000",
                                "     1.0000     0.0000", "     1.0000    -0.5000"};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(aus[22 + i], ein[20 + i] + zusatz[i]);
}

TEST(LasSchreiben, GelesenGibtJedeKurveWieder) {
  // Feet, NULL values, a NULL depth, a comment in ~A and a last row
  // without line end.
  std::string las = Mit(" DEPT.M ", " DEPT.FT ", Mit(" STEP.M ", " STEP.FT "));
  las = Mit("1000.5  50.0  0.25", "1000.5  -999.25  -999.25", las);
  las = Mit("1001.0  55.0", "-999.25  55.0", las);
  las = Mit("1001.5  60.0", "# Kommentar\n1001.5  60.0", las);
  las.pop_back();
  const Ergebnis e = Geschrieben(las, 1001.75);
  EXPECT_NE(e.aus.back(), '\n');

  Bohrung zurueck;
  std::string fehler;
  ASSERT_TRUE(LasLesen(e.aus, {}, zurueck, fehler)) << fehler;
  ASSERT_EQ(zurueck.kopf.kurven.size(), 6u);
  EXPECT_EQ(zurueck.kopf.kurven[4].kuerzel, "SW");
  EXPECT_EQ(zurueck.kopf.kurven[4].einheit, "V/V");
  EXPECT_EQ(zurueck.kopf.kurven[5].kuerzel, "HAFWL");
  EXPECT_EQ(zurueck.kopf.kurven[5].einheit, "FT");
  ASSERT_EQ(zurueck.Zeilen(), e.b.Zeilen());
  for (std::size_t i = 0; i < e.b.Zeilen(); ++i) {
    EXPECT_TRUE(std::isnan(e.b.tiefe[i]) ? std::isnan(zurueck.tiefe[i]) : zurueck.tiefe[i] == e.b.tiefe[i]);
    EXPECT_TRUE(std::isnan(e.b.phi[i]) ? std::isnan(zurueck.phi[i]) : zurueck.phi[i] == e.b.phi[i]);
    EXPECT_EQ(zurueck.k[i], e.b.k[i]);
    EXPECT_EQ(zurueck.grund[i], e.b.grund[i]);
    EXPECT_EQ(zurueck.zeile[i], e.b.zeile[i] + 2);
  }
  // Every input value and the two added ones, row by row.
  std::vector<std::vector<std::string>> eingabe;
  std::vector<std::vector<std::string>> ausgabe;
  for (const std::string& z : Zeilen(las)) {
    if (!z.empty() && (z[0] == '1' || z[0] == '-')) eingabe.push_back(Woerter(z));
  }
  for (const std::string& z : Zeilen(e.aus)) {
    if (!z.empty() && (z[0] == '1' || z[0] == '-')) ausgabe.push_back(Woerter(z));
  }
  ASSERT_EQ(ausgabe.size(), 5u);
  // h in feet = 1001.75 − depth; Sw from h in metres.
  const char* const sw[] = {"0.6521", "-999.25", "-999.25", "0.9292", "1.0000"};
  const char* const hoehe[] = {"1.7500", "1.2500", "-999.25", "0.2500", "-0.2500"};
  for (std::size_t i = 0; i < 5; ++i) {
    ASSERT_EQ(ausgabe[i].size(), 6u);
    for (std::size_t j = 0; j < 4; ++j) EXPECT_EQ(ausgabe[i][j], eingabe[i][j]);
    EXPECT_EQ(ausgabe[i][4], sw[i]) << i;
    EXPECT_EQ(ausgabe[i][5], hoehe[i]) << i;
  }
  EXPECT_TRUE(Nahe(e.a.sw[0], 1.0 / (1.0 + 1.75 * 0.3048), 1e-12));
}

TEST(LasSchreiben, ZeilenendenBleiben) {
  std::string crlf;
  for (const char c : kLog) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const Ergebnis e = Geschrieben(crlf, 1001.5);
  EXPECT_EQ(e.aus.find("\n\n"), std::string::npos);
  std::size_t lf = 0;
  std::size_t crLf = 0;
  for (std::size_t i = 0; i < e.aus.size(); ++i) {
    if (e.aus[i] != '\n') continue;
    ++lf;
    if (i > 0 && e.aus[i - 1] == '\r') ++crLf;
  }
  EXPECT_EQ(lf, 27u);
  EXPECT_EQ(crLf, lf);
}

TEST(LasSchreiben, VorhandeneNamenWerdenNichtDoppelt) {
  const std::string las = Mit(" GR  .GAPI ", " SW  .V/V  ", Mit(" BHT .DEGC", " HAFWL.DEGC"));
  Kopf kopf;
  std::string fehler;
  ASSERT_TRUE(KopfLesen(las, kopf, fehler));
  EXPECT_EQ(AusgabekurvenNamen(kopf).sw, "SW_2");
  EXPECT_EQ(AusgabekurvenNamen(kopf).hafwl, "HAFWL");
  const std::string mitHafwl = Mit(" PERM.MD ", " PERM.MD \n hafwl.M : H\n sw_2.V/V : S", las);
  ASSERT_TRUE(KopfLesen(mitHafwl, kopf, fehler));
  EXPECT_EQ(AusgabekurvenNamen(kopf).sw, "SW_3");
  EXPECT_EQ(AusgabekurvenNamen(kopf).hafwl, "HAFWL_2");
}

TEST(LasSchreiben, AndereEingabeWirdAbgelehnt) {
  Ergebnis e = Geschrieben(kLog, 1001.5);
  std::string aus = "unverändert";
  std::string fehler;
  const std::string soll =
      "Die LAS-Daten sind nicht die, aus denen die Bohrung gelesen wurde; nichts wurde geschrieben.";
  // A changed value, a row more, a row less.
  for (const std::string& anders :
       {Mit("45.0", "46.0"), kLog + "1002.5  65.0  0.30  100.0\n", Mit("1002.0  65.0  0.30  100.0\n", "")}) {
    EXPECT_FALSE(LasSchreiben(anders, e.b, e.a, aus, fehler));
    EXPECT_EQ(fehler, soll);
    EXPECT_EQ(aus, "unverändert");
  }
}

// Under a German locale the C library reads and writes decimal commas;
// the reader, the writer and the list must not.
TEST(LasSchreiben, DeutschesLocaleAendertNichts) {
  const Ergebnis c = Geschrieben(kLog, 1001.5);
  const std::string alt = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
  const Ergebnis de = Geschrieben(kLog, 1001.5);
  std::setlocale(LC_ALL, alt.c_str());
  EXPECT_EQ(de.aus, c.aus);
  ASSERT_EQ(de.b.Zeilen(), 5u);
  EXPECT_EQ(de.b.phi[1], 0.25);
  EXPECT_EQ(de.a.summe.kwPorenmaechtigkeit, c.a.summe.kwPorenmaechtigkeit);
}

class LasSpeichernTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string muster = (fs::temp_directory_path() / "kadrel-las-XXXXXX").string();
    ASSERT_NE(mkdtemp(muster.data()), nullptr);
    ordner_ = muster;
  }
  void TearDown() override { fs::remove_all(ordner_); }
  std::string Pfad(const std::string& name) const { return (ordner_ / name).string(); }
  std::string Anlegen(const std::string& name, const std::string& inhalt) const {
    std::ofstream(Pfad(name), std::ios::binary) << inhalt;
    return Pfad(name);
  }
  static std::string Inhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
  }
  std::vector<std::string> Namen() const {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner_)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }
  fs::path ordner_;
};

TEST_F(LasSpeichernTest, WieImSpeicherUndUeberVerweise) {
  const std::string ein = Anlegen("ein.las", kLog);
  Bohrung b;
  Auswertung a;
  std::string fehler;
  ASSERT_TRUE(LasLesenDatei(ein, {}, b, fehler)) << fehler;
  ASSERT_TRUE(Auswerten(b, 1001.5, EinsDurchEinsPlusH, "J-Funktion", a, fehler));
  std::string soll;
  ASSERT_TRUE(LasSchreiben(kLog, b, a, soll, fehler)) << fehler;

  ASSERT_TRUE(LasSpeichern(Pfad("aus.las"), b, a, fehler)) << fehler;
  EXPECT_EQ(Inhalt(Pfad("aus.las")), soll);

  // A link stays a link; its target gets the log.
  Anlegen("ziel.las", "alt");
  fs::create_symlink("ziel.las", Pfad("verweis.las"));
  ASSERT_TRUE(LasSpeichern(Pfad("verweis.las"), b, a, fehler)) << fehler;
  EXPECT_TRUE(fs::is_symlink(Pfad("verweis.las")));
  EXPECT_EQ(Inhalt(Pfad("ziel.las")), soll);

  // Over the input itself.
  ASSERT_TRUE(LasSpeichern(ein, b, a, fehler)) << fehler;
  EXPECT_EQ(Inhalt(ein), soll);
  EXPECT_EQ(Namen(), (std::vector<std::string>{"aus.las", "ein.las", "verweis.las", "ziel.las"}));
}

TEST_F(LasSpeichernTest, GeaenderteEingabeSchreibtNichts) {
  const std::string ein = Anlegen("ein.las", kLog);
  Bohrung b;
  Auswertung a;
  std::string fehler;
  ASSERT_TRUE(LasLesenDatei(ein, {}, b, fehler)) << fehler;
  ASSERT_TRUE(Auswerten(b, 1001.5, EinsDurchEinsPlusH, "J", a, fehler));
  Anlegen("ein.las", Mit("45.0", "46.0"));
  Anlegen("aus.las", "alt");
  EXPECT_FALSE(LasSpeichern(Pfad("aus.las"), b, a, fehler));
  EXPECT_EQ(fehler, "Die Datei " + ein +
                        " hat sich geändert, seit die Bohrung aus ihr gelesen wurde; bitte die "
                        "Bohrung neu laden.");
  EXPECT_EQ(Inhalt(Pfad("aus.las")), "alt");
  EXPECT_EQ(Namen(), (std::vector<std::string>{"aus.las", "ein.las"}));

  // A folder in the way is refused as documents are.
  fs::create_directory(Pfad("ordner.las"));
  Anlegen("ein.las", kLog);
  EXPECT_FALSE(LasSpeichern(Pfad("ordner.las"), b, a, fehler));
  EXPECT_EQ(fehler, "Die Datei " + Pfad("ordner.las") + " wird nicht überschrieben: sie ist ein Verzeichnis.");

  Bohrung ausSpeicher;
  ASSERT_TRUE(LasLesen(kLog, {}, ausSpeicher, fehler));
  EXPECT_FALSE(LasSpeichern(Pfad("x.las"), ausSpeicher, a, fehler));
  EXPECT_EQ(fehler, "Die Bohrung wurde nicht aus einer Datei gelesen.");
}

}  // namespace
