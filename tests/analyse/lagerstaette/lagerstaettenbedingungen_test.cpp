#include <string>

#include <gtest/gtest.h>

#include "Lagerstaettenbedingungen.h"
#include "Toleranz.h"

namespace {

using namespace lagerstaette;

// Worked by hand:
//   |cos 140°| = cos 40° = 0.7660444, |cos 30°| = 0.8660254, cos 0° = cos 180° = 1.
//   Defaults: F = 30·0.8660254 / (480·0.7660444) = 25.980762 / 367.701333 = 0.0706572;
//             10 bar lab → F·10·10^5 / (0.25·1000·9.80665) = 70657.24 / 2451.6625 = 28.8201 m.
//   Gas–water (σ_R 72, θ_R 0, ρ_KW 0.2): F = 72 / 367.701333 = 0.1958111;
//             10 bar → 195811.1 / (0.85·9806.65 = 8335.6525) = 23.4908 m.
//   σ_L 100 at 180°, σ_R 50 at 0°, ρ 1 and 0: F = 0.5; 1 bar → 50000 / 9806.65 = 5.098581 m.
struct Umrechnungsfall {
  const char* name;
  Lagerstaettenbedingungen b;
  double F;
  double pc;
  double hoehe;
};

class Umrechnung : public ::testing::TestWithParam<Umrechnungsfall> {};

TEST_P(Umrechnung, FaktorUndHoehe) {
  const auto& f = GetParam();
  EXPECT_TRUE(Nahe(Umrechnungsfaktor(f.b), f.F, 1e-6));
  EXPECT_TRUE(Nahe(HoeheAusDruck(f.b, f.pc), f.hoehe, 1e-5));
  EXPECT_TRUE(Nahe(DruckAusHoehe(f.b, f.hoehe), f.pc, 1e-5));
  EXPECT_EQ(HoeheAusDruck(f.b, 0.0), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Bedingungen, Umrechnung,
    ::testing::Values(Umrechnungsfall{"Vorgaben", {}, 0.0706572, 10.0, 28.8201},
                      Umrechnungsfall{"GasWasser", {480, 140, 72, 0, 1.05, 0.2}, 0.1958111, 10.0, 23.4908},
                      Umrechnungsfall{"VolleWinkel", {100, 180, 50, 0, 1.0, 0.0}, 0.5, 1.0, 5.098581}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Porenradius, WashburnInMikrometern) {
  // 0.02·480·0.7660444 = 7.354027 µm at 1 bar; with |cos| = 1, 0.02·480 / 9.6 bar = 1 µm.
  EXPECT_TRUE(Nahe(Porenradius({}, 1.0), 7.354027, 1e-6));
  EXPECT_TRUE(Nahe(Porenradius({}, 7.354027), 1.0, 1e-6));
  EXPECT_TRUE(Nahe(Porenradius({480, 180, 30, 30, 1.05, 0.8}, 9.6), 1.0, 1e-12));
  EXPECT_TRUE(Nahe(Porenradius({480, 0, 30, 30, 1.05, 0.8}, 0.96), 10.0, 1e-12));
}

struct Eingabefall {
  const char* name;
  Feldtexte texte;
  std::string meldung;  // empty: accepted
};

class Felder : public ::testing::TestWithParam<Eingabefall> {};

TEST_P(Felder, LesenUndPruefen) {
  const auto& f = GetParam();
  Lagerstaettenbedingungen b{1, 2, 3, 4, 5, 6};
  const Lagerstaettenbedingungen vorher = b;
  std::string fehler;
  int feld = -1;
  const bool ok = FelderLesen(f.texte, b, fehler, &feld);
  if (f.meldung.empty()) {
    EXPECT_TRUE(ok) << fehler;
  } else {
    EXPECT_FALSE(ok);
    EXPECT_EQ(fehler, f.meldung);
    EXPECT_EQ(b, vorher);
    // The field the dialog puts the focus on is the one the message names.
    EXPECT_EQ(fehler.find("\"" + std::string(Feldname(feld)) + "\""), fehler.find('"')) << feld;
  }
}

const std::string kSpannung = "Erlaubt: 0.01 bis 1000 mN/m.";
const std::string kSpannungMikro = "Erlaubt: 0.01 bis 1000 mN/m (µN/m eingegeben?).";
const std::string kWinkel = "Erlaubt: 0 bis 180 Grad, außer 90 Grad.";
const std::string kWasser =
    "Erlaubt: mindestens 0.01 g/cm³ über der Dichte Kohlenwasserstoff (0.8 g/cm³), höchstens 3 g/cm³.";
const std::string kWasserKilo =
    "Erlaubt: mindestens 0.01 g/cm³ über der Dichte Kohlenwasserstoff (0.8 g/cm³), höchstens 3 g/cm³ (kg/m³ "
    "eingegeben?).";
const std::string kKw = "Erlaubt: 0 bis 3 g/cm³.";
const std::string kKwKilo = "Erlaubt: 0 bis 3 g/cm³ (kg/m³ eingegeben?).";

std::string Falsch(const char* feld, const std::string& erlaubt) {
  return std::string("Der Wert im Feld \"") + feld + "\" ist nicht erlaubt!\n" + erlaubt;
}

// Each range's bounds, just inside and just outside.
INSTANTIATE_TEST_SUITE_P(
    Grenzen, Felder,
    ::testing::Values(
        Eingabefall{"SpannungLaborUntenDrin", {"0.01", "140", "30", "30", "1.05", "0.8"}, ""},
        Eingabefall{"SpannungLaborUntenDraussen",
                    {"0.0099", "140", "30", "30", "1.05", "0.8"},
                    Falsch("Grenzflächenspannung Labor", kSpannung)},
        Eingabefall{"SpannungLaborObenDrin", {"1000", "140", "30", "30", "1.05", "0.8"}, ""},
        Eingabefall{"SpannungLaborObenDraussen",
                    {"1000.001", "140", "30", "30", "1.05", "0.8"},
                    Falsch("Grenzflächenspannung Labor", kSpannungMikro)},
        Eingabefall{"SpannungLagerstaetteUntenDrin", {"480", "140", "0,01", "30", "1.05", "0.8"}, ""},
        Eingabefall{"SpannungLagerstaetteUntenDraussen",
                    {"480", "140", "0.00999", "30", "1.05", "0.8"},
                    Falsch("Grenzflächenspannung Lagerstätte", kSpannung)},
        Eingabefall{"SpannungLagerstaetteObenDrin", {"480", "140", "1e3", "30", "1.05", "0.8"}, ""},
        Eingabefall{"SpannungLagerstaetteObenDraussen",
                    {"480", "140", "1000.5", "30", "1.05", "0.8"},
                    Falsch("Grenzflächenspannung Lagerstätte", kSpannungMikro)},
        Eingabefall{"WinkelLaborNull", {"480", "0", "30", "30", "1.05", "0.8"}, ""},
        Eingabefall{
            "WinkelLaborUnterNull", {"480", "-0.001", "30", "30", "1.05", "0.8"}, Falsch("Randwinkel Labor", kWinkel)},
        Eingabefall{"WinkelLaborKnappUnterNeunzig", {"480", "89.99999999999999", "30", "30", "1.05", "0.8"}, ""},
        Eingabefall{"WinkelLaborKnappUeberNeunzig", {"480", "90.00000000000001", "30", "30", "1.05", "0.8"}, ""},
        Eingabefall{"WinkelLagerstaette180", {"480", "140", "30", "180", "1.05", "0.8"}, ""},
        Eingabefall{"WinkelLagerstaetteUeber180",
                    {"480", "140", "30", "180.001", "1.05", "0.8"},
                    Falsch("Randwinkel Lagerstätte", kWinkel)},
        Eingabefall{"WinkelLagerstaetteNeunzig",
                    {"480", "140", "30", "90", "1.05", "0.8"},
                    Falsch("Randwinkel Lagerstätte", kWinkel)},
        // 0.81 − 0.8 and 0.11 − 0.1 are 0.01 as typed, a hair above and below in binary.
        Eingabefall{"WasserUntenDrin", {"480", "140", "30", "30", "0.81", "0.8"}, ""},
        Eingabefall{"WasserUntenDrinBinaerKnapp", {"480", "140", "30", "30", "0.11", "0.1"}, ""},
        Eingabefall{
            "WasserUntenDraussen", {"480", "140", "30", "30", "0.8099", "0.8"}, Falsch("Dichte Wasser", kWasser)},
        Eingabefall{"WasserObenDrin", {"480", "140", "30", "30", "3", "2.99"}, ""},
        Eingabefall{
            "WasserObenDraussen", {"480", "140", "30", "30", "3.001", "0.8"}, Falsch("Dichte Wasser", kWasserKilo)},
        Eingabefall{"KohlenwasserstoffNull", {"480", "140", "30", "30", "1.05", "0"}, ""},
        Eingabefall{"KohlenwasserstoffUnterNull",
                    {"480", "140", "30", "30", "1.05", "-0.001"},
                    Falsch("Dichte Kohlenwasserstoff", kKw)},
        Eingabefall{"KohlenwasserstoffWieWasser",
                    {"480", "140", "30", "30", "3", "3"},
                    Falsch("Dichte Wasser",
                           "Erlaubt: mindestens 0.01 g/cm³ über der Dichte Kohlenwasserstoff (3 g/cm³), höchstens 3 "
                           "g/cm³.")},
        Eingabefall{"KohlenwasserstoffObenDraussen",
                    {"480", "140", "30", "30", "1.05", "3.001"},
                    Falsch("Dichte Kohlenwasserstoff", kKwKilo)}),
    [](const auto& info) { return std::string(info.param.name); });

// Values typed in another unit: kg/m³ for g/cm³, µN/m for mN/m.
INSTANTIATE_TEST_SUITE_P(
    Einheiten, Felder,
    ::testing::Values(
        Eingabefall{"WasserInKilo", {"480", "140", "30", "30", "1050", "0.8"}, Falsch("Dichte Wasser", kWasserKilo)},
        Eingabefall{"KohlenwasserstoffInKilo",
                    {"480", "140", "30", "30", "1.05", "800"},
                    Falsch("Dichte Kohlenwasserstoff", kKwKilo)},
        Eingabefall{"BeideInKilo",
                    {"480", "140", "30", "30", "1050", "800"},
                    Falsch("Dichte Wasser",
                           "Erlaubt: mindestens 0.01 g/cm³ über der Dichte Kohlenwasserstoff (800 g/cm³), höchstens 3 "
                           "g/cm³ (kg/m³ eingegeben?).")},
        Eingabefall{"SpannungInMikro",
                    {"480", "140", "1500", "30", "1.05", "0.8"},
                    Falsch("Grenzflächenspannung Lagerstätte", kSpannungMikro)},
        Eingabefall{"QuecksilberInMikro",
                    {"480000", "140", "30", "30", "1.05", "0.8"},
                    Falsch("Grenzflächenspannung Labor", kSpannungMikro)}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Dialog, Felder,
    ::testing::Values(
        Eingabefall{"Vorgaben", {"480", "140", "30", "30", "1.05", "0.80"}, ""},
        Eingabefall{"KommaUndLeerzeichen", {" 480,5 ", "140", "+30", "30", "1,05", "0,8"}, ""},
        Eingabefall{"Randwerte", {"0.01", "0", "1000", "180", "0.01", "0"}, ""},
        Eingabefall{
            "SpannungNull", {"0", "140", "30", "30", "1.05", "0.8"}, Falsch("Grenzflächenspannung Labor", kSpannung)},
        Eingabefall{"SpannungNegativ",
                    {"480", "140", "-30", "30", "1.05", "0.8"},
                    Falsch("Grenzflächenspannung Lagerstätte", kSpannung)},
        Eingabefall{"WinkelNeunzig", {"480", "90", "30", "30", "1.05", "0.8"}, Falsch("Randwinkel Labor", kWinkel)},
        Eingabefall{
            "WinkelUeber180", {"480", "140", "30", "180.5", "1.05", "0.8"}, Falsch("Randwinkel Lagerstätte", kWinkel)},
        Eingabefall{"WinkelNegativ", {"480", "-1", "30", "30", "1.05", "0.8"}, Falsch("Randwinkel Labor", kWinkel)},
        Eingabefall{"WasserNichtSchwerer", {"480", "140", "30", "30", "0,8", "0.8"}, Falsch("Dichte Wasser", kWasser)},
        Eingabefall{"KohlenwasserstoffNegativ",
                    {"480", "140", "30", "30", "1.05", "-0.1"},
                    Falsch("Dichte Kohlenwasserstoff", kKw)},
        Eingabefall{"KeineZahl",
                    {"480", "140", "dreißig", "30", "1.05", "0.8"},
                    "Im Feld \"Grenzflächenspannung Lagerstätte\" steht keine Zahl!\n" + kSpannung},
        Eingabefall{"Leer",
                    {"480", "", "30", "30", "1.05", "0.8"},
                    "Im Feld \"Randwinkel Labor\" steht keine Zahl!\n" + kWinkel},
        Eingabefall{"ZweiKommas",
                    {"480", "140", "30", "30", "1,0,5", "0.7"},
                    "Im Feld \"Dichte Wasser\" steht keine Zahl!\n"
                    "Erlaubt: mindestens 0.01 g/cm³ über der Dichte Kohlenwasserstoff (0.7 g/cm³), höchstens 3 "
                    "g/cm³."},
        Eingabefall{"Unendlich",
                    {"inf", "140", "30", "30", "1.05", "0.8"},
                    "Im Feld \"Grenzflächenspannung Labor\" steht keine Zahl!\n" + kSpannung},
        // Too large for a double: no number, whatever the unit.
        Eingabefall{"JenseitsDouble",
                    {"480", "140", "30", "30", "1e400", "0.8"},
                    "Im Feld \"Dichte Wasser\" steht keine Zahl!\n" + kWasser},
        Eingabefall{"RestNachDerZahl",
                    {"480", "140", "30", "30 Grad", "1.05", "0.8"},
                    "Im Feld \"Randwinkel Lagerstätte\" steht keine Zahl!\n" + kWinkel}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Felder, TexteLesenSichZurueck) {
  const Lagerstaettenbedingungen b{0.1 + 0.2, 140, 72, 0, 1.05, 0.2};
  Lagerstaettenbedingungen c;
  std::string fehler;
  ASSERT_TRUE(FelderLesen(FelderTexte(b), c, fehler)) << fehler;
  EXPECT_EQ(c, b);
  EXPECT_EQ(FelderTexte({})[4], "1.05");
  EXPECT_EQ(FelderTexte({})[5], "0.8");
}

}  // namespace
