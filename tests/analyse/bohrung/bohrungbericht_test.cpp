// The list "Bohrung", its CSV tables and the depth track as data.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "BohrungBericht.h"
#include "BohrungTabellen.h"
#include "Bohrungsauswertung.h"
#include "LasLesen.h"
#include "Lasbeispiel.h"
#include "Toleranz.h"

using namespace bohrung;
using lasbeispiel::kLog;
using lasbeispiel::Mit;

namespace {

struct Fall {
  Bohrung b;
  Auswertung a;
};

Fall Ausgewertet(const std::string& las, double fwl) {
  Fall f;
  std::string fehler;
  EXPECT_TRUE(LasLesen(las, {}, f.b, fehler)) << fehler;
  EXPECT_TRUE(Auswerten(
      f.b, fwl, [](double, double, double h) { return 1.0 / (1.0 + h); }, "J-Funktion", f.a, fehler));
  return f;
}

bool Enthaelt(const Textliste& l, const std::string& zeile) {
  for (const std::string& z : l) {
    if (z == zeile) return true;
  }
  return false;
}

TEST(BohrungListe, KopfZeilenUndZusammenfassung) {
  // The example with a NULL porosity at 1000.5 m; FWL 1001.5 m.
  const Fall f = Ausgewertet(Mit("1000.5  50.0  0.25", "1000.5  50.0  -999.25"), 1001.5);
  const Textliste l = BohrungListe(f.b, f.a);
  const std::vector<std::string> kopf = {
      "",
      "   BOHRUNG: WASSERSÄTTIGUNG ÜBER DEM FREIEN WASSERSPIEGEL",
      "",
      "   Datei:                                         -",
      "   Bohrung:                                       TEST-1",
      "   Tiefe:                                         DEPT (M)",
      "   Porosität:                                     PHIE (V/V)",
      "   Permeabilität:                                 PERM (MD)",
      "   Freier Wasserspiegel (FWL):                    1001.5 M",
      "   Modell:                                        J-Funktion",
      "",
      "   h = FWL - Tiefe; Sw = 1 am und unter dem FWL (h <= 0)",
      "",
      "          Tiefe           h        Phi            k         Sw",
      "            (M)         (m)        (-)         (mD)        (-)",
      "",
      "      1000.0000       1.500     0.2000          100     0.4000",
      "      1000.5000       1.000          -          100          -",
      "      1001.0000       0.500     0.1000          100     0.6667",
      "      1001.5000       0.000     0.3000          100     1.0000",
      "      1002.0000      -0.500     0.3000          100     1.0000",
  };
  ASSERT_GE(l.size(), kopf.size());
  for (std::size_t i = 0; i < kopf.size(); ++i) EXPECT_EQ(l[i], kopf[i]) << i;
  // 0.20·0.6·0.5 + 0.10·(1/3)·0.5 = 0.0766667 m; Sw-Mittel (0.04 + 0.0333333)/0.15 = 0.488889
  EXPECT_TRUE(Enthaelt(l, "   Zeilen über dem FWL:                           3"));
  EXPECT_TRUE(Enthaelt(l, "   davon ohne Sw (nicht in den Summen):           1"));
  EXPECT_TRUE(Enthaelt(l, "   Dz (m):                                        |STEP| = 0.5"));
  EXPECT_TRUE(Enthaelt(l, "   KW-Porenmächtigkeit Summe Phi*(1-Sw)*Dz (m):   0.0766667"));
  EXPECT_TRUE(Enthaelt(l, "   Sw, gemittelt mit Phi*Dz (-):                  0.488889"));
  EXPECT_EQ(l.back(), "   Zeile 22 (Tiefe 1000.5 M): Porosität ist NULL");
}

TEST(BohrungListe, FussProzentUndKlog) {
  std::string las = Mit(" DEPT.M ", " DEPT.FT ", Mit(" PHIE.V/V ", " PHIE.%   ", Mit(" PERM.MD ", " KLOG.   ")));
  las = Mit("1000.0  45.0  0.20  100.0", "1000.0  45.0  20  2", las);
  const Fall f = Ausgewertet(las, 1001.5);
  const Textliste l = BohrungListe(f.b, f.a);
  EXPECT_TRUE(Enthaelt(l, "   Porosität:                                     PHIE (%), Prozent: durch 100 geteilt"));
  EXPECT_TRUE(Enthaelt(l, "   Permeabilität:                                 KLOG (-), log10 von mD: k = 10^KLOG"));
  EXPECT_TRUE(Enthaelt(l, "   h = (FWL - Tiefe) * 0.3048 m; Sw = 1 am und unter dem FWL (h <= 0)"));
  // h = 1.5 ft = 0.4572 m, Sw = 1/1.4572 = 0.68625
  EXPECT_TRUE(Enthaelt(l, "      1000.0000       0.457     0.2000          100     0.6862"));
}

// The columns as "%14.4f %11.3f %10.4f %12.5g %10.4f" write them, also
// for permeabilities that need an exponent.
TEST(BohrungListe, ZahlenWieDasFormat) {
  std::string las = Mit("0.20  100.0", "0.20  0.00001234567");
  las = Mit("0.25  100.0", "0.25  99999.5", las);
  las = Mit("0.10  100.0", "0.10  123456", las);
  las = Mit("0.30  100.0", "0.30  0.000123456", las);
  const Fall f = Ausgewertet(las, 1001.5);
  const Textliste l = BohrungListe(f.b, f.a);
  EXPECT_TRUE(Enthaelt(l, "      1000.0000       1.500     0.2000  1.2346e-005     0.4000"));
  EXPECT_TRUE(Enthaelt(l, "      1000.5000       1.000     0.2500       1e+005     0.5000"));
  EXPECT_TRUE(Enthaelt(l, "      1001.0000       0.500     0.1000  1.2346e+005     0.6667"));
  EXPECT_TRUE(Enthaelt(l, "      1001.5000       0.000     0.3000   0.00012346     1.0000"));
}

TEST(BohrungTabellen, SpaltenMitEinheitenUndLeereZellen) {
  const Fall f = Ausgewertet(Mit("1000.5  50.0  0.25", "1000.5  50.0  -999.25"), 1001.5);
  const std::vector<csv::Tabelle> t = BohrungTabellen(f.b, f.a);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].titel, "Bohrung");
  EXPECT_EQ(t[0].spalten,
            (std::vector<std::string>{"Zeile der Datei", "Tiefe (m)", "Höhe über FWL (m)", "Porosität φ (Anteil)",
                                      "Permeabilität k (mD)", "Sw (Anteil)", "Grund ohne Sw"}));
  ASSERT_EQ(t[0].zeilen.size(), 5u);
  const std::vector<csv::Wert> zeile1 = {
      22.0, 1000.5, 1.0, std::string(), 100.0, std::string(), std::string("Porosität ist NULL")};
  EXPECT_EQ(t[0].zeilen[1], zeile1);
  EXPECT_EQ(t[0].zeilen[0][5], csv::Wert(0.4));
  EXPECT_EQ(t[1].titel, "Bohrung: Zusammenfassung");
  EXPECT_EQ(t[1].spalten[4], "FWL (m)");
  EXPECT_EQ(t[1].zeilen[0][4], csv::Wert(1001.5));
  EXPECT_EQ(t[1].zeilen[0][6], csv::Wert(3.0));
  EXPECT_EQ(t[1].zeilen[0][7], csv::Wert(1.0));

  const Fall fuss = Ausgewertet(Mit(" DEPT.M ", " DEPT.F "), 1001.5);
  EXPECT_EQ(BohrungTabellen(fuss.b, fuss.a)[0].spalten[1], "Tiefe (ft)");
}

TEST(BohrungDiagramm, TiefeNachUntenUndFwlAlsLinie) {
  const Fall f = Ausgewertet(Mit("1000.5  50.0  0.25", "1000.5  50.0  -999.25"), 1001.5);
  const Datendiagramm d = BohrungDiagramm(f.b, f.a);
  EXPECT_EQ(d.titel, "Bohrung");
  EXPECT_EQ(d.untertitel, "TEST-1   Modell: J-Funktion");
  EXPECT_TRUE(d.y.umgekehrt);
  EXPECT_FALSE(d.y.festerBereich);
  EXPECT_EQ(d.y.text, "Tiefe [m]");
  EXPECT_FALSE(d.x.umgekehrt);
  EXPECT_TRUE(d.x.festerBereich);
  EXPECT_EQ(d.x.min, 0.0);
  EXPECT_EQ(d.x.max, 1.0);
  ASSERT_EQ(d.reihen.size(), 2u);
  // Sw with a break at the row without Sw; φ likewise.
  const Datenreihe& sw = d.reihen[0];
  ASSERT_EQ(sw.x.size(), 5u);
  EXPECT_EQ(sw.x[0], 0.4);
  EXPECT_TRUE(std::isnan(sw.x[1]));
  EXPECT_EQ(sw.y[2], 1001.0);
  EXPECT_EQ(sw.x[4], 1.0);
  EXPECT_EQ(d.reihen[1].x[0], 0.2);
  EXPECT_TRUE(std::isnan(d.reihen[1].x[1]));
  ASSERT_EQ(d.legende.size(), 2u);
  EXPECT_EQ(d.legende[0].text, "Sw");
  EXPECT_EQ(d.legende[1].text, "Porosität φ");
  ASSERT_EQ(d.querlinien.size(), 1u);
  EXPECT_EQ(d.querlinien[0].y, 1001.5);
  EXPECT_EQ(d.querlinien[0].text, "FWL 1001.5 M");
  EXPECT_EQ(d.info, "Über dem FWL: KW-Porenmächtigkeit 0.07667 m   Sw (Mittel) 0.4889");
}

TEST(BohrungDiagramm, LangeLogsWerdenAusgeduennt) {
  // 100 000 rows of 0.01 m; Sw runs 0 … 1 in a saw tooth of 1000 rows, so
  // that every slice of 50 rows holds its extremes at its ends.
  std::string las = kLog.substr(0, kLog.find("1000.0  45.0"));
  for (int i = 0; i < 100000; ++i) {
    las += std::to_string(1000.0 + 0.01 * i) + "  45  0.2  100\n";
  }
  Bohrung b;
  Auswertung a;
  std::string fehler;
  ASSERT_TRUE(LasLesen(Mit("0.5    : STEP", "0.01 : STEP", las), {}, b, fehler)) << fehler;
  ASSERT_TRUE(Auswerten(
      b, 3000.0, [](double, double, double h) { return std::fmod(h, 10.0) / 10.0; }, "Säge", a, fehler));
  const Datendiagramm d = BohrungDiagramm(b, a);
  const Datenreihe& sw = d.reihen[0];
  EXPECT_LE(sw.x.size(), 8000u);
  EXPECT_GE(sw.x.size(), 2000u);
  // The first and last rows and the extremes stay.
  EXPECT_EQ(sw.y.front(), b.tiefe[0]);
  EXPECT_EQ(sw.y.back(), b.tiefe[b.Zeilen() - 1]);
  double klein = 1.0;
  double gross = 0.0;
  for (const double x : sw.x) {
    klein = std::min(klein, x);
    gross = std::max(gross, x);
  }
  double kleinAlle = 1.0;
  double grossAlle = 0.0;
  for (std::size_t i = 0; i < a.sw.size(); ++i) {
    kleinAlle = std::min(kleinAlle, a.sw[i]);
    grossAlle = std::max(grossAlle, a.sw[i]);
  }
  EXPECT_EQ(klein, kleinAlle);
  EXPECT_EQ(gross, grossAlle);
  for (std::size_t i = 1; i < sw.y.size(); ++i) EXPECT_LT(sw.y[i - 1], sw.y[i]);
}

}  // namespace
