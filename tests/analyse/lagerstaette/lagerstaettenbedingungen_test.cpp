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

const std::string kSpannung = "Erlaubt: größer als 0 mN/m.";
const std::string kWinkel = "Erlaubt: 0 bis 180 Grad, außer 90 Grad.";

INSTANTIATE_TEST_SUITE_P(
    Dialog, Felder,
    ::testing::Values(
        Eingabefall{"Vorgaben", {"480", "140", "30", "30", "1.05", "0.80"}, ""},
        Eingabefall{"KommaUndLeerzeichen", {" 480,5 ", "140", "+30", "30", "1,05", "0,8"}, ""},
        Eingabefall{"Randwerte", {"1e-3", "0", "30", "180", "0.001", "0"}, ""},
        Eingabefall{"SpannungNull",
                    {"0", "140", "30", "30", "1.05", "0.8"},
                    "Der Wert im Feld \"Grenzflächenspannung Labor\" ist nicht erlaubt!\n" + kSpannung},
        Eingabefall{"SpannungNegativ",
                    {"480", "140", "-30", "30", "1.05", "0.8"},
                    "Der Wert im Feld \"Grenzflächenspannung Lagerstätte\" ist nicht erlaubt!\n" + kSpannung},
        Eingabefall{"WinkelNeunzig",
                    {"480", "90", "30", "30", "1.05", "0.8"},
                    "Der Wert im Feld \"Randwinkel Labor\" ist nicht erlaubt!\n" + kWinkel},
        Eingabefall{"WinkelUeber180",
                    {"480", "140", "30", "180.5", "1.05", "0.8"},
                    "Der Wert im Feld \"Randwinkel Lagerstätte\" ist nicht erlaubt!\n" + kWinkel},
        Eingabefall{"WinkelNegativ",
                    {"480", "-1", "30", "30", "1.05", "0.8"},
                    "Der Wert im Feld \"Randwinkel Labor\" ist nicht erlaubt!\n" + kWinkel},
        Eingabefall{"WasserNichtSchwerer",
                    {"480", "140", "30", "30", "0,8", "0.8"},
                    "Der Wert im Feld \"Dichte Wasser\" ist nicht erlaubt!\n"
                    "Erlaubt: größer als die Dichte Kohlenwasserstoff (0.8 g/cm³)."},
        Eingabefall{"KohlenwasserstoffNegativ",
                    {"480", "140", "30", "30", "1.05", "-0.1"},
                    "Der Wert im Feld \"Dichte Kohlenwasserstoff\" ist nicht erlaubt!\nErlaubt: 0 g/cm³ oder mehr."},
        Eingabefall{"KeineZahl",
                    {"480", "140", "dreißig", "30", "1.05", "0.8"},
                    "Im Feld \"Grenzflächenspannung Lagerstätte\" steht keine Zahl!\n" + kSpannung},
        Eingabefall{"Leer",
                    {"480", "", "30", "30", "1.05", "0.8"},
                    "Im Feld \"Randwinkel Labor\" steht keine Zahl!\n" + kWinkel},
        Eingabefall{"ZweiKommas",
                    {"480", "140", "30", "30", "1,0,5", "0.7"},
                    "Im Feld \"Dichte Wasser\" steht keine Zahl!\n"
                    "Erlaubt: größer als die Dichte Kohlenwasserstoff (0.7 g/cm³)."},
        Eingabefall{"Unendlich",
                    {"inf", "140", "30", "30", "1.05", "0.8"},
                    "Im Feld \"Grenzflächenspannung Labor\" steht keine Zahl!\n" + kSpannung},
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
