// The LAS reader: logs in metres and feet, NULLs, comments, units of
// porosity and permeability, the curves preset and chosen, the text
// encoding, and every refusal with its message.
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LasLesen.h"
#include "Lasbeispiel.h"
#include "Toleranz.h"

namespace fs = std::filesystem;
using namespace bohrung;
using lasbeispiel::kLog;
using lasbeispiel::Mit;

namespace {

Bohrung Gelesen(const std::string& las, const Kurvenwahl& wahl = {}) {
  Bohrung b;
  std::string fehler;
  EXPECT_TRUE(LasLesen(las, wahl, b, fehler)) << fehler;
  return b;
}

std::string Abgelehnt(const std::string& las, const Kurvenwahl& wahl = {}) {
  Bohrung b;
  std::string fehler;
  EXPECT_FALSE(LasLesen(las, wahl, b, fehler));
  EXPECT_EQ(b.Zeilen(), 0u) << "a refused log leaves nothing";
  return fehler;
}

TEST(LasLesen, BeispielInMetern) {
  const Bohrung b = Gelesen(kLog);
  EXPECT_EQ(b.kopf.version, "2.0");
  EXPECT_EQ(b.kopf.bohrung, "TEST-1");
  EXPECT_EQ(b.kopf.tiefeneinheit, Tiefeneinheit::Meter);
  EXPECT_EQ(b.kopf.Tiefeneinheitstext(), "M");
  EXPECT_EQ(b.kopf.nullwert, -999.25);
  EXPECT_EQ(b.kopf.strt, 1000.0);
  EXPECT_EQ(b.kopf.stop, 1002.0);
  EXPECT_EQ(b.kopf.step, 0.5);
  EXPECT_EQ(b.kopf.stepMeter, 0.5);
  EXPECT_EQ(b.kopf.zeileC, 11);
  EXPECT_EQ(b.kopf.zeileA, 20);
  ASSERT_EQ(b.kopf.kurven.size(), 4u);
  const Kurve& gr = b.kopf.kurven[1];
  EXPECT_EQ(gr.kuerzel, "GR");
  EXPECT_EQ(gr.einheit, "GAPI");
  EXPECT_EQ(gr.daten, "30 310 01 00");
  EXPECT_EQ(gr.beschreibung, "GAMMA RAY");
  EXPECT_EQ(gr.zeile, 13);
  EXPECT_EQ(b.porositaet, 2);
  EXPECT_EQ(b.permeabilitaet, 3);
  EXPECT_EQ(b.porositaetseinheit, Porositaetseinheit::Anteil);
  EXPECT_FALSE(b.permeabilitaetLog);
  ASSERT_EQ(b.Zeilen(), 5u);
  const double tiefe[] = {1000.0, 1000.5, 1001.0, 1001.5, 1002.0};
  const double phi[] = {0.20, 0.25, 0.10, 0.30, 0.30};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(b.tiefe[i], tiefe[i]);
    EXPECT_EQ(b.phi[i], phi[i]);
    EXPECT_EQ(b.k[i], 100.0);
    EXPECT_EQ(b.zeile[i], 21u + i);
    EXPECT_EQ(b.grund[i], Grund::Keiner);
  }
  EXPECT_EQ(b.groesse, kLog.size());
}

// One row read from a variant of the example: the depth unit, the
// porosity and permeability as the curves' units make them, and the
// reason a row gives no Sw.
struct Variante {
  const char* name;
  std::string las;
  Tiefeneinheit einheit;
  double stepMeter;
  std::size_t zeile;  // the row checked
  double tiefe, phi, k;
  Grund grund;
};

class LasVariante : public ::testing::TestWithParam<Variante> {};

TEST_P(LasVariante, ZeileWieErwartet) {
  const Variante& v = GetParam();
  const Bohrung b = Gelesen(v.las);
  ASSERT_GT(b.Zeilen(), v.zeile);
  EXPECT_EQ(b.kopf.tiefeneinheit, v.einheit);
  EXPECT_TRUE(Nahe(b.kopf.stepMeter, v.stepMeter, 1e-12));
  auto gleich = [](double ist, double soll) {
    if (std::isnan(soll)) return ::testing::AssertionResult(std::isnan(ist));
    if (std::isinf(soll)) return ::testing::AssertionResult(ist == soll);
    return Nahe(ist, soll, 1e-12);
  };
  EXPECT_TRUE(gleich(b.tiefe[v.zeile], v.tiefe)) << b.tiefe[v.zeile];
  EXPECT_TRUE(gleich(b.phi[v.zeile], v.phi)) << b.phi[v.zeile];
  EXPECT_TRUE(gleich(b.k[v.zeile], v.k)) << b.k[v.zeile];
  EXPECT_EQ(b.grund[v.zeile], v.grund) << Grundtext(b.grund[v.zeile]);
}

const double kNaN = std::nan("");

std::string Fuss(const std::string& einheit) {
  std::string las = Mit(" DEPT.M ", " DEPT." + einheit + " ");
  return Mit(" STEP.M ", " STEP." + einheit + " ", las);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LasVariante,
    ::testing::Values(
        Variante{"Meter", kLog, Tiefeneinheit::Meter, 0.5, 1, 1000.5, 0.25, 100.0, Grund::Keiner},
        Variante{"FT", Fuss("FT"), Tiefeneinheit::Fuss, 0.5 * 0.3048, 1, 1000.5, 0.25, 100.0, Grund::Keiner},
        Variante{"F", Fuss("F"), Tiefeneinheit::Fuss, 0.1524, 0, 1000.0, 0.20, 100.0, Grund::Keiner},
        Variante{"FEETKlein", Fuss("feet"), Tiefeneinheit::Fuss, 0.1524, 0, 1000.0, 0.20, 100.0, Grund::Keiner},
        // STEP in feet beside a depth in metres: each in its own unit.
        Variante{"StepInFuss", Mit(" STEP.M ", " STEP.FT "), Tiefeneinheit::Meter, 0.1524, 0, 1000.0, 0.2, 100.0,
                 Grund::Keiner},
        Variante{"StepNegativ", Mit("0.5    : STEP", "-0.5 : STEP"), Tiefeneinheit::Meter, 0.5, 0, 1000.0, 0.2, 100.0,
                 Grund::Keiner},
        Variante{"PorositaetNull", Mit("1000.5  50.0  0.25", "1000.5  50.0  -999.25"), Tiefeneinheit::Meter, 0.5, 1,
                 1000.5, kNaN, 100.0, Grund::PorositaetNull},
        Variante{"PermeabilitaetNull", Mit("0.10  100.0", "0.10  -999.2500"), Tiefeneinheit::Meter, 0.5, 2, 1001.0,
                 0.10, kNaN, Grund::PermeabilitaetNull},
        Variante{"TiefeNull", Mit("1001.0  55.0", "-999.25  55.0"), Tiefeneinheit::Meter, 0.5, 2, kNaN, 0.10, 100.0,
                 Grund::TiefeNull},
        Variante{"EigenerNullwert", Mit("-999.25 : NULL", "-9999 : NULL", Mit("0.25  100.0", "0.25  -9999")),
                 Tiefeneinheit::Meter, 0.5, 1, 1000.5, 0.25, kNaN, Grund::PermeabilitaetNull},
        // The old NULL is then an ordinary (negative) value.
        Variante{"AlterNullwertIstWert", Mit("-999.25 : NULL", "-9999 : NULL", Mit("0.25  100.0", "0.25  -999.25")),
                 Tiefeneinheit::Meter, 0.5, 1, 1000.5, 0.25, -999.25, Grund::PermeabilitaetNichtPositiv},
        Variante{"PorositaetUeberEins", Mit("0.10  100.0", "1.10  100.0"), Tiefeneinheit::Meter, 0.5, 2, 1001.0, 1.10,
                 100.0, Grund::PorositaetAusserhalb},
        Variante{"PorositaetNull0", Mit("0.10  100.0", "0.0  100.0"), Tiefeneinheit::Meter, 0.5, 2, 1001.0, 0.0, 100.0,
                 Grund::PorositaetAusserhalb},
        Variante{"PermeabilitaetNull0", Mit("0.10  100.0", "0.10  0"), Tiefeneinheit::Meter, 0.5, 2, 1001.0, 0.10, 0.0,
                 Grund::PermeabilitaetNichtPositiv},
        Variante{"ProzentPorositaet",
                 Mit("PHIE.V/V ", "PHIE.%   ", Mit("0.20  100.0", "20.0  100.0", Mit("0.25  100.0", "25  100.0"))),
                 Tiefeneinheit::Meter, 0.5, 1, 1000.5, 0.25, 100.0, Grund::Keiner},
        Variante{"PuPorositaet", Mit("PHIE.V/V ", "PHIE.PU  ", Mit("0.25  100.0", "125  100.0")), Tiefeneinheit::Meter,
                 0.5, 1, 1000.5, 1.25, 100.0, Grund::PorositaetAusserhalb},
        Variante{"KlogIstLog10VonMd", Mit(" PERM.MD  ", " KLOG.LOG ", Mit("0.25  100.0", "0.25  2.5")),
                 Tiefeneinheit::Meter, 0.5, 1, 1000.5, 0.25, std::pow(10.0, 2.5), Grund::Keiner},
        Variante{"KlogNegativ", Mit(" PERM.MD  ", " KLOG.    ", Mit("0.25  100.0", "0.25  -1")), Tiefeneinheit::Meter,
                 0.5, 1, 1000.5, 0.25, 0.1, Grund::Keiner},
        Variante{"KlogZuGross", Mit(" PERM.MD  ", " KLOG.MD  ", Mit("0.25  100.0", "0.25  400")), Tiefeneinheit::Meter,
                 0.5, 1, 1000.5, 0.25, HUGE_VAL, Grund::PermeabilitaetUnendlich},
        Variante{"Kommentare",
                 Mit("~A  DEPT", "# Kommentar\n~A  DEPT",
                     Mit("1000.5  50.0", "   # im Datenteil\n\n1000.5  50.0", Mit(" GR  .GAPI", "#  GR\n GR  .GAPI"))),
                 Tiefeneinheit::Meter, 0.5, 1, 1000.5, 0.25, 100.0, Grund::Keiner},
        Variante{"TabulatorUndExponent", Mit("1000.5  50.0  0.25  100.0", "1000.5\t5.0E+01\t2.5e-1\t1E2"),
                 Tiefeneinheit::Meter, 0.5, 1, 1000.5, 0.25, 100.0, Grund::Keiner},
        Variante{"Fallend",
                 Mit("1000.0  45.0", "1003.0  45.0",
                     Mit("1000.5  50.0", "1002.5  50.0",
                         Mit("1001.0  55.0", "1002.25  55.0",
                             Mit("1001.5  60.0", "1002.1  60.0", Mit("1002.0  65.0", "1001  65.0"))))),
                 Tiefeneinheit::Meter, 0.5, 4, 1001.0, 0.3, 100.0, Grund::Keiner}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LasLesen, ZeilenendenCrLfUndCr) {
  std::string crlf;
  std::string cr;
  for (const char c : kLog) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    cr += c == '\n' ? '\r' : c;
  }
  for (const std::string& las : {crlf, cr}) {
    const Bohrung b = Gelesen(las);
    ASSERT_EQ(b.Zeilen(), 5u);
    EXPECT_EQ(b.zeile[4], 25u);
    EXPECT_EQ(b.kopf.kurven[3].beschreibung, "PERMEABILITY");
    EXPECT_EQ(b.k[4], 100.0);
  }
}

TEST(LasLesen, KurvenVorschlagUndWahl) {
  struct Fall {
    const char* name;
    std::string las;
    Kurvenwahl wahl;
    int porositaet;
    int permeabilitaet;
  };
  // Curves renamed in ~C only: their values are the same columns.
  const Fall faelle[] = {
      {"PhitVorPhie", Mit(" GR  .GAPI  30 310 01 00", " PHIE.V/V  ", Mit(" PHIE.V/V ", " PHIT.V/V ")), {}, 2, 3},
      {"WahlOhneFall", Mit(" GR  .GAPI  30 310 01 00", " PHIT.V/V  "), {"phie", "perm"}, 2, 3},
      {"PermUnterstrich", Mit(" PERM.MD ", " PERM_H.MD ", Mit(" GR  .GAPI  30 310 01 00", " PERM_V.MD  ")), {}, 2, 1},
      {"KVorKlog", Mit(" PERM.MD ", " KLOG.MD ", Mit(" GR  .GAPI  30 310 01 00", " K.MD  ")), {}, 2, 1},
      // The choice overrides the preset.
      {"PorositaetGewaehlt",
       Mit(" GR  .GAPI  30 310 01 00", " PHIT.V/V ", Mit(" PHIE.V/V ", " POR.V/V  ")),
       {"POR", ""},
       2,
       3},
  };
  for (const Fall& f : faelle) {
    const Bohrung b = Gelesen(f.las, f.wahl);
    EXPECT_EQ(b.porositaet, f.porositaet) << f.name;
    EXPECT_EQ(b.permeabilitaet, f.permeabilitaet) << f.name;
  }
}

TEST(LasLesen, KopfAlleinFuerDenDialog) {
  // No porosity curve: the dialog shows the curves and lets the user choose.
  const std::string las = Mit(" PHIE.V/V ", " NPHI.V/V ");
  Kopf kopf;
  std::string fehler;
  ASSERT_TRUE(KopfLesen(las, kopf, fehler)) << fehler;
  EXPECT_EQ(kopf.kurven.size(), 4u);
  EXPECT_EQ(kopf.vorschlagPorositaet, -1);
  EXPECT_EQ(kopf.vorschlagPermeabilitaet, 3);
  EXPECT_EQ(kopf.zeileA, 20);
  // A header with a broken data row still reads: the rows are not looked at.
  EXPECT_TRUE(KopfLesen(Mit("1001.0  55.0", "1001.0  x"), kopf, fehler)) << fehler;
  EXPECT_FALSE(KopfLesen(Mit("WRAP.   NO", "WRAP.   YES"), kopf, fehler));
  EXPECT_EQ(fehler,
            "Zeile 3: WRAP. YES (eine Tiefe auf mehreren Zeilen) wird nicht gelesen, nur WRAP. NO (eine "
            "Zeile je Tiefe).");
  Bohrung b;
  EXPECT_TRUE(LasLesen(las, {"NPHI", ""}, b, fehler)) << fehler;
  EXPECT_EQ(b.Porositaetskurve().kuerzel, "NPHI");
}

TEST(LasLesen, KopfzeilenNachDenLasRegeln) {
  // Unit directly after the first dot, data up to the last colon, the
  // description after it; a time in the data keeps its colons.
  const std::string las = Mit(" WELL.    TEST-1 : WELL", " WELL.    A:B 12:30 : WELL\n DATE.  13:45 : ZEIT",
                              Mit(" GR  .GAPI  30 310 01 00 : GAMMA RAY", "GR.GAPI:GAMMA RAY"));
  const Bohrung b = Gelesen(las);
  EXPECT_EQ(b.kopf.bohrung, "A:B 12:30");
  EXPECT_EQ(b.kopf.kurven[1].kuerzel, "GR");
  EXPECT_EQ(b.kopf.kurven[1].einheit, "GAPI");
  EXPECT_EQ(b.kopf.kurven[1].daten, "");
  EXPECT_EQ(b.kopf.kurven[1].beschreibung, "GAMMA RAY");
}

TEST(LasLesen, KopfInWindows1252OderUtf8) {
  // "Bohrung Müller" in either encoding; the byte order mark is passed over.
  const Bohrung cp = Gelesen(Mit("TEST-1", "Bohrung M\xFCller"));
  EXPECT_FALSE(cp.kopf.utf8);
  EXPECT_EQ(cp.kopf.bohrung, "Bohrung Müller");
  const Bohrung utf = Gelesen("\xEF\xBB\xBF" + Mit("TEST-1", "Bohrung Müller"));
  EXPECT_TRUE(utf.kopf.utf8);
  EXPECT_EQ(utf.kopf.bohrung, "Bohrung Müller");
  EXPECT_EQ(utf.Zeilen(), 5u);
}

TEST(LasLesen, Las12WirdGelesen) {
  const Bohrung b = Gelesen(Mit("VERS.   2.0", "VERS.   1.20"));
  EXPECT_EQ(b.Zeilen(), 5u);
}

struct Ablehnungsfall {
  const char* name;
  std::string las;
  Kurvenwahl wahl;
  std::string meldung;
};

class LasAblehnung : public ::testing::TestWithParam<Ablehnungsfall> {};

TEST_P(LasAblehnung, MeldungNenntGrundUndZeile) {
  EXPECT_EQ(Abgelehnt(GetParam().las, GetParam().wahl), GetParam().meldung);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LasAblehnung,
    ::testing::Values(
        Ablehnungsfall{"WrapYes",
                       Mit("WRAP.   NO ", "WRAP.   YES"),
                       {},
                       "Zeile 3: WRAP. YES (eine Tiefe auf mehreren Zeilen) wird nicht gelesen, nur WRAP. NO (eine "
                       "Zeile je Tiefe)."},
        Ablehnungsfall{"Las30",
                       Mit("VERS.   2.0", "VERS.   3.0"),
                       {},
                       "Zeile 2: LAS 3.0 wird nicht gelesen, nur LAS 2.0 (und 1.2)."},
        Ablehnungsfall{"VersionKeineZahl",
                       Mit("VERS.   2.0", "VERS.   zwei"),
                       {},
                       "Zeile 2: LAS zwei wird nicht gelesen, nur LAS 2.0 (und 1.2)."},
        Ablehnungsfall{
            "OhneA", kLog.substr(0, kLog.find("~A")), {}, "Zeile 19: Die Datei endet ohne Abschnitt ~A mit den Daten."},
        Ablehnungsfall{"Leer", "", {}, "Die Datei ist leer; ihr fehlt der Abschnitt ~A mit den Daten."},
        Ablehnungsfall{"AOhneDaten",
                       kLog.substr(0, kLog.find("1000.0  45.0")) + "# nur ein Kommentar\n",
                       {},
                       "Zeile 20: Der Abschnitt ~A enthält keine Datenzeile."},
        Ablehnungsfall{"ZuWenigeWerte",
                       Mit("1001.0  55.0  0.10  100.0", "1001.0  55.0  0.10"),
                       {},
                       "Zeile 23: Die Datenzeile hat 3 Werte, der Abschnitt ~C nennt 4 Kurven."},
        Ablehnungsfall{"ZuVieleWerte",
                       Mit("1001.0  55.0  0.10  100.0", "1001.0  55.0  0.10  100.0  7"),
                       {},
                       "Zeile 23: Die Datenzeile hat 5 Werte, der Abschnitt ~C nennt 4 Kurven."},
        Ablehnungsfall{"WertKeineZahl",
                       Mit("1000.5  50.0", "1000.5  -1.#IND0000"),
                       {},
                       "Zeile 22: Der Wert „-1.#IND0000“ der Kurve GR ist keine Zahl."},
        Ablehnungsfall{"KommaStattPunkt",
                       Mit("0.10  100.0", "0,10  100.0"),
                       {},
                       "Zeile 23: Der Wert „0,10“ der Kurve PHIE ist keine Zahl."},
        Ablehnungsfall{"Unendlich",
                       Mit("0.10  100.0", "0.10  inf"),
                       {},
                       "Zeile 23: Der Wert „inf“ der Kurve PERM ist keine Zahl."},
        Ablehnungsfall{"ZuGrosseZahl",
                       Mit("0.10  100.0", "0.10  1e999"),
                       {},
                       "Zeile 23: Der Wert „1e999“ der Kurve PERM ist keine Zahl."},
        Ablehnungsfall{"LangerWertGekuerzt",
                       Mit("0.10  100.0", "0.10  " + std::string(40, 'x')),
                       {},
                       "Zeile 23: Der Wert „" + std::string(30, 'x') + "…“ der Kurve PERM ist keine Zahl."},
        Ablehnungsfall{"TiefeNichtMonoton",
                       Mit("1001.5  60.0", "1000.25  60.0"),
                       {},
                       "Zeile 24: Die Tiefe 1000.25 folgt auf 1001.0 der Zeile 23; die Tiefen müssen durchgehend "
                       "steigen oder durchgehend fallen."},
        Ablehnungsfall{"TiefeDoppelt",
                       Mit("1000.5  50.0", "1000.0  50.0"),
                       {},
                       "Zeile 22: Die Tiefe 1000.0 folgt auf 1000.0 der Zeile 21; die Tiefen müssen durchgehend "
                       "steigen oder durchgehend fallen."},
        // A NULL depth between does not hide a step backwards.
        Ablehnungsfall{"TiefeUeberNull",
                       Mit("1001.0  55.0", "-999.25  55.0", Mit("1001.5  60.0", "1000.5  60.0")),
                       {},
                       "Zeile 24: Die Tiefe 1000.5 folgt auf 1000.5 der Zeile 22; die Tiefen müssen durchgehend "
                       "steigen oder durchgehend fallen."},
        Ablehnungsfall{"KeinePorositaet",
                       Mit(" PHIE.V/V ", " NPHI.V/V "),
                       {},
                       "Zeile 11: Im Abschnitt ~C steht keine Porositätskurve (PHIT, PHIE, PHI, POR, PORO oder "
                       "PHIT_D); bitte eine wählen."},
        Ablehnungsfall{"KeinePermeabilitaet",
                       Mit(" PERM.MD ", " PERMX.MD"),
                       {},
                       "Zeile 11: Im Abschnitt ~C steht keine Permeabilitätskurve (PERM, K, KLOG oder PERM_…); "
                       "bitte eine wählen."},
        Ablehnungsfall{
            "GewaehlteFehlt", kLog, {"NPHI", ""}, "Zeile 11: Die Porositätskurve „NPHI“ steht nicht im Abschnitt ~C."},
        Ablehnungsfall{"GewaehltePermFehlt",
                       kLog,
                       {"", "KH"},
                       "Zeile 11: Die Permeabilitätskurve „KH“ steht nicht im Abschnitt ~C."},
        Ablehnungsfall{
            "TiefeAlsPorositaet", kLog, {"DEPT", ""}, "Zeile 12: Die Tiefenkurve DEPT kann nicht die Porosität sein."},
        Ablehnungsfall{"DieselbeKurve",
                       kLog,
                       {"PHIE", "PHIE"},
                       "Zeile 14: Porosität und Permeabilität können nicht dieselbe Kurve PHIE sein."},
        Ablehnungsfall{"Tiefeneinheit",
                       Mit(" DEPT.M ", " DEPT.S "),
                       {},
                       "Zeile 12: Die Tiefenkurve DEPT hat die Einheit „S“; gelesen werden M (Meter) und F, FT, FEET "
                       "(Fuß)."},
        Ablehnungsfall{"Porositaetseinheit",
                       Mit("PHIE.V/V", "PHIE.G/C3"),
                       {},
                       "Zeile 14: Die Porositätskurve PHIE hat die Einheit „G/C3“; gelesen werden V/V, DEC, FRAC oder "
                       "keine Einheit (Anteil) und %, PU (Prozent)."},
        Ablehnungsfall{"Permeabilitaetseinheit",
                       Mit("PERM.MD", "PERM.D "),
                       {},
                       "Zeile 15: Die Permeabilitätskurve PERM hat die Einheit „D“; gelesen wird MD (mD) oder keine "
                       "Einheit, bei KLOG log10 von mD."},
        Ablehnungsfall{"ProzentAlsAnteil",
                       Mit("0.20  100", "20.0  100", Mit("0.25  100", "25.0  100", Mit("0.10  100", "10.0  100"))),
                       {},
                       "Zeile 14: Die Porositätskurve PHIE hat die Einheit „V/V“ (Anteil), doch die meisten ihrer "
                       "Werte liegen über 1 (20.0 in Zeile 21): sie sind wohl Prozent. Bitte die Einheit der Kurve "
                       "prüfen (% oder PU für Prozent)."},
        Ablehnungsfall{"NullKeineZahl",
                       Mit("-999.25 : NULL", "keiner : NULL"),
                       {},
                       "Zeile 9: Der NULL-Wert „keiner“ ist keine Zahl."},
        Ablehnungsfall{"KurvenzeileOhnePunkt",
                       Mit(" GR  .GAPI  30 310 01 00 : GAMMA RAY", " GR GAPI"),
                       {},
                       "Zeile 13: Die Kurvenzeile „GR GAPI“ hat nicht die Form MNEM.EINHEIT DATEN : BESCHREIBUNG."},
        Ablehnungsfall{"ZweimalC",
                       Mit("~PARAMETER INFORMATION", "~CURVE\n XX.M : X"),
                       {},
                       "Zeile 16: Der Abschnitt ~C steht zum zweiten Mal in der Datei (zuerst in Zeile 11)."},
        Ablehnungsfall{"OhneKurven",
                       kLog.substr(0, kLog.find("~CURVE")) + kLog.substr(kLog.find("~PARAMETER")),
                       {},
                       "Zeile 15: Vor ~A steht kein Abschnitt ~C mit Kurven."},
        Ablehnungsfall{"AbschnittNachA",
                       kLog + "~Other\n",
                       {},
                       "Zeile 26: Nach dem Abschnitt ~A (Zeile 20) beginnt ein weiterer Abschnitt; in LAS 2.0 stehen "
                       "die Daten am Ende der Datei."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LasZahl, WieLasSieSchreibt) {
  struct Fall {
    const char* text;
    bool gelesen;
    double wert;
  };
  const Fall faelle[] = {
      {"1000.5", true, 1000.5},
      {"-999.25", true, -999.25},
      {"+2", true, 2.0},
      {".5", true, 0.5},
      {"5.", true, 5.0},
      {"1E2", true, 100.0},
      {"2.5e-1", true, 0.25},
      {"1e-400", true, 0.0},
      {"-0.0000e-999", true, 0.0},
      {"1e999", false, 0},
      {"1e", false, 0},
      {"inf", false, 0},
      {"-nan", false, 0},
      {"0x10", false, 0},
      {"--1", false, 0},
      {"+-1", false, 0},
      {"1,5", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {".", false, 0},
      {"1.#IND", false, 0},
      {"12a", false, 0},
  };
  for (const Fall& f : faelle) {
    double w = 7.0;
    EXPECT_EQ(LasZahl(f.text, w), f.gelesen) << f.text;
    if (f.gelesen) {
      EXPECT_EQ(w, f.wert) << f.text;
    }
  }
}

TEST(Kurvenwahl, AusDerBefehlszeile) {
  Kurvenwahl w;
  std::string fehler;
  ASSERT_TRUE(KurvenwahlLesen("PHI,PERM", w, fehler));
  EXPECT_EQ(w.porositaet, "PHI");
  EXPECT_EQ(w.permeabilitaet, "PERM");
  ASSERT_TRUE(KurvenwahlLesen(" PHIE , ", w, fehler));
  EXPECT_EQ(w.porositaet, "PHIE");
  EXPECT_EQ(w.permeabilitaet, "");
  EXPECT_FALSE(KurvenwahlLesen("PHI", w, fehler));
  EXPECT_EQ(fehler, "„PHI“ nennt nicht zwei Kurven: POROSITÄT,PERMEABILITÄT (etwa PHIE,PERM).");
  EXPECT_FALSE(KurvenwahlLesen("A,B,C", w, fehler));
}

// Files: read in blocks, the bound checked before reading, the name in
// every message.
class LasDatei : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string muster = (fs::temp_directory_path() / "kadrel-las-XXXXXX").string();
    ASSERT_NE(mkdtemp(muster.data()), nullptr);
    ordner_ = muster;
  }
  void TearDown() override { fs::remove_all(ordner_); }
  std::string Anlegen(const std::string& name, const std::string& inhalt) const {
    const std::string pfad = (ordner_ / name).string();
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return pfad;
  }
  fs::path ordner_;
};

TEST_F(LasDatei, DateiWieSpeicher) {
  // Rows beyond the 1 MiB block, and a line longer than it.
  std::string las = Mit("Remarks: cored interval 1000-1002 m.", "Remarks: " + std::string(3u << 20, 'r'),
                        kLog.substr(0, kLog.find("1000.0  45.0")));
  for (int i = 0; i < 40000; ++i) las += std::to_string(1000 + i) + ".25  45.0  0.20  100.0\r\n";
  const std::string pfad = Anlegen("gross.las", las);
  Bohrung ausDatei;
  Bohrung ausSpeicher;
  std::string fehler;
  ASSERT_TRUE(LasLesenDatei(pfad, {}, ausDatei, fehler)) << fehler;
  ASSERT_TRUE(LasLesen(las, {}, ausSpeicher, fehler)) << fehler;
  EXPECT_EQ(ausDatei.pfad, pfad);
  ASSERT_EQ(ausDatei.Zeilen(), 40000u);
  EXPECT_EQ(ausDatei.Zeilen(), ausSpeicher.Zeilen());
  EXPECT_EQ(ausDatei.tiefe[39999], 40999.25);
  EXPECT_EQ(ausDatei.zeile[39999], ausSpeicher.zeile[39999]);
  EXPECT_EQ(ausDatei.groesse, las.size());
  EXPECT_EQ(ausDatei.pruefsumme, ausSpeicher.pruefsumme);
}

TEST_F(LasDatei, FehlerNennenDieDatei) {
  Bohrung b;
  std::string fehler;
  const std::string falsch = Anlegen("falsch.las", Mit("1001.0  55.0", "1001.0  x"));
  EXPECT_FALSE(LasLesenDatei(falsch, {}, b, fehler));
  EXPECT_EQ(fehler, falsch + ", Zeile 23: Der Wert „x“ der Kurve GR ist keine Zahl.");

  const std::string gross = (ordner_ / "gross.las").string();
  std::ofstream(gross).close();
  fs::resize_file(gross, (std::uintmax_t{256} << 20) + 1);  // sparse: no disk space needed
  EXPECT_FALSE(LasLesenDatei(gross, {}, b, fehler));
  EXPECT_EQ(fehler, "Die Datei " + gross + " ist größer als 256 MB und wird nicht gelesen.");
  Kopf kopf;
  EXPECT_FALSE(KopfLesenDatei(gross, kopf, fehler));
  EXPECT_EQ(fehler, "Die Datei " + gross + " ist größer als 256 MB und wird nicht gelesen.");

  const std::string fehlt = (ordner_ / "fehlt.las").string();
  EXPECT_FALSE(LasLesenDatei(fehlt, {}, b, fehler));
  EXPECT_EQ(fehler, "Die Datei " + fehlt + " kann nicht geöffnet werden: No such file or directory");
  EXPECT_FALSE(LasLesenDatei(ordner_.string(), {}, b, fehler));
  EXPECT_EQ(fehler, "Die Datei " + ordner_.string() + " kann nicht geöffnet werden: Is a directory");
  EXPECT_EQ(b.Zeilen(), 0u);
}

}  // namespace
