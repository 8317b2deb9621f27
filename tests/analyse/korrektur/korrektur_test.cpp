// The closure correction on curves made so that the answer is known: the
// closure pressure below the first point, between points, on a point and
// above the last one; where it comes from; the field's reading; the notes.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DokumentFixture.h"
#include "Korrekturauswertung.h"
#include "Schliessdruckkorrektur.h"
#include "Toleranz.h"

namespace {

// Pc 0.5, 1, 4, 16 bar with S(Hg) 0, 0.2, 0.6, 0.8: in log10(Pc) the point
// 2 bar lies halfway between 1 and 4 bar.
Messkurve Kurve() {
  Messkurve m;
  m.Kern = "K1";
  m.Perm = 10.0f;
  m.Pc = {0.5f, 1.0f, 4.0f, 16.0f};
  m.Shg = {0.0f, 0.2f, 0.6f, 0.8f};
  m.PcSperrdruck = 0.5f;
  return m;
}

struct Korrekturfall {
  const char* name;
  double pk;
  double abzug;
  int weggelassen;
  std::vector<float> pc;
  std::vector<double> shg;
  float sperrdruck;
};

class Korrekturfaelle : public ::testing::TestWithParam<Korrekturfall> {};

TEST_P(Korrekturfaelle, SaettigungAbgezogenPunkteWeggelassenSchliessdruckZuerst) {
  const Korrekturfall& f = GetParam();
  Kurvenkorrektur wie;
  const Messkurve k = korrektur::Korrigieren(Kurve(), f.pk, wie);
  EXPECT_TRUE(wie.korrigiert);
  EXPECT_FALSE(wie.ausKopfzeile);
  EXPECT_EQ(wie.Schliessdruck, f.pk);
  EXPECT_TRUE(Nahe(wie.Abzug, f.abzug, 1e-12, 1e-15)) << wie.Abzug;
  EXPECT_EQ(wie.Weggelassen, f.weggelassen);
  EXPECT_EQ(k.Pc, f.pc);
  ASSERT_EQ(k.Shg.size(), f.shg.size());
  for (std::size_t i = 0; i < f.shg.size(); ++i) EXPECT_TRUE(Nahe(k.Shg[i], f.shg[i], 1e-6, 1e-7)) << i;
  EXPECT_EQ(k.PcSperrdruck, f.sperrdruck);
  EXPECT_EQ(k.Kern, "K1");
  EXPECT_EQ(k.Perm, 10.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Schliessdruecke, Korrekturfaelle,
    ::testing::Values(
        // Below the first point no mercury has entered: nothing taken off,
        // nothing dropped, (0.25, 0) in front.
        Korrekturfall{"UnterDemErstenPunkt", 0.25, 0.0, 0, {0.25f, 0.5f, 1, 4, 16}, {0, 0, 0.2, 0.6, 0.8}, 0.5f},
        // Halfway between 1 and 4 bar in log10(Pc): S = 0.2 + 0.5·(0.6 − 0.2) = 0.4
        // (of the floats 0.2f and 0.6f: 0.40000001341104507); 0.5 and 1 bar
        // dropped; 0.6 − 0.4 = 0.2, 0.8 − 0.4 = 0.4.
        Korrekturfall{"ZwischenPunkten", 2.0, 0.40000001341104507, 2, {2, 4, 16}, {0, 0.2, 0.4}, 2.0f},
        // On the point at 4 bar: its saturation 0.6 (the float 0.6f); it and those below dropped.
        Korrekturfall{"AufEinemPunkt", 4.0, 0.6000000238418579, 3, {4, 16}, {0, 0.2}, 4.0f},
        // Above the last point: its saturation 0.8 (0.8f), every point dropped.
        Korrekturfall{"UeberDemLetztenPunkt", 20.0, 0.800000011920929, 4, {20}, {0}, 20.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaettigungBei, OhneDruckUeberNullGiltDieSaettigungDesPunktes) {
  Messkurve m;
  m.Pc = {0.0f, 1.0f, 4.0f};
  m.Shg = {0.0f, 0.2f, 0.6f};
  // Between 0 bar (no log10) and 1 bar: the saturation at 0 bar.
  EXPECT_EQ(korrektur::SaettigungBei(m, 0.5), 0.0);
  // The order of the points does not matter: 2 bar halfway between 1 and 4.
  m.Pc = {4.0f, 0.0f, 1.0f};
  m.Shg = {0.6f, 0.0f, 0.2f};
  EXPECT_TRUE(Nahe(korrektur::SaettigungBei(m, 2.0), 0.4, 1e-7));
  EXPECT_EQ(korrektur::SaettigungBei(Messkurve{}, 2.0), 0.0);
}

class KurvenEinesLaufs : public DokumentFixture {};

TEST_F(KurvenEinesLaufs, DieKopfzeileGehtVorOhneSchliessdruckBleibtAlles) {
  Auswerten({"PERMEABILITAET: 10 A SCHLIESSDRUCK: 2", "0.5 0", "1 0.2", "4 0.6", "16 0.8", "ENDE",
             "PERMEABILITAET: 20 B POROSITAET: 0.2", "0.5 0", "1 0.2", "4 0.6", "16 0.8", "ENDE"});
  ASSERT_EQ(doc.Messkurven.size(), 2u);

  const KorrigierteKurven ohne = korrektur::Korrigieren(doc.Messkurven, std::nullopt);
  EXPECT_TRUE(ohne.Korrigiert());
  EXPECT_TRUE(ohne.korrektur[0].korrigiert);
  EXPECT_TRUE(ohne.korrektur[0].ausKopfzeile);
  EXPECT_EQ(ohne.kurven[0].Pc, (std::vector<float>{2, 4, 16}));
  // B has no closure pressure: its curve is the measured one, float for float.
  EXPECT_FALSE(ohne.korrektur[1].korrigiert);
  EXPECT_EQ(ohne.kurven[1].Pc, doc.Messkurven[1].Pc);
  EXPECT_EQ(ohne.kurven[1].Shg, doc.Messkurven[1].Shg);
  EXPECT_EQ(ohne.kurven[1].PcSperrdruck, doc.Messkurven[1].PcSperrdruck);

  // The one for all corrects B only; A keeps its own 2 bar.
  const KorrigierteKurven alle = korrektur::Korrigieren(doc.Messkurven, 4.0);
  EXPECT_EQ(alle.korrektur[0].Schliessdruck, 2.0);
  EXPECT_TRUE(alle.korrektur[0].ausKopfzeile);
  EXPECT_EQ(alle.korrektur[1].Schliessdruck, 4.0);
  EXPECT_FALSE(alle.korrektur[1].ausKopfzeile);
  EXPECT_EQ(alle.kurven[1].Pc, (std::vector<float>{4, 16}));
  // The evaluation's own curves stay as measured.
  EXPECT_EQ(doc.Messkurven[0].Pc.size(), 4u);

  EXPECT_EQ(korrektur::Hinweis(alle),
            (Textliste{"", "   Schließdruckkorrektur: die Hg-Sättigung beim Schließdruck ist abgezogen,",
                       "   die Punkte bis zu ihm sind weggelassen.",
                       "   A: 2 bar (Kopfzeile), S(Hg) um 0.40000 vermindert, 2 Punkte weggelassen",
                       "   B: 4 bar (für alle Messungen), S(Hg) um 0.60000 vermindert, 3 Punkte weggelassen"}));
  const std::vector<csv::Tabelle> t = korrektur::Tabellen(alle);
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].titel, "Schließdruckkorrektur");
  ASSERT_EQ(t[0].zeilen.size(), 2u);
  EXPECT_EQ(std::get<std::string>(t[0].zeilen[1][2]), "für alle Messungen");
  EXPECT_EQ(std::get<double>(t[0].zeilen[1][4]), 3.0);
}

TEST_F(KurvenEinesLaufs, OhneKorrekturKeinHinweisUndKeineTabelle) {
  Auswerten({"PERMEABILITAET: 20 B", "0.5 0", "1 0.2", "4 0.6", "ENDE"});
  const KorrigierteKurven k = korrektur::Korrigieren(doc.Messkurven, std::nullopt);
  EXPECT_FALSE(k.Korrigiert());
  EXPECT_TRUE(korrektur::Hinweis(k).empty());
  EXPECT_TRUE(korrektur::Tabellen(k).empty());
}

TEST(Beschreibung, EinPunktInDerEinzahl) {
  Kurvenkorrektur k{true, false, 0.35f, 0.0213, 1};
  EXPECT_EQ(korrektur::Beschreibung(k),
            "0.35 bar (für alle Messungen), S(Hg) um 0.02130 vermindert, 1 Punkt weggelassen");
}

TEST_F(KurvenEinesLaufs, DieAuswertungRechnetNachLaufOderNeuemSchliessdruck) {
  Korrekturauswertung a(doc);
  Auswerten({"PERMEABILITAET: 20 B", "0.5 0", "1 0.2", "4 0.6", "16 0.8", "ENDE"});
  const int erster = a.Stand();
  EXPECT_FALSE(a.Kurven().Korrigiert());
  EXPECT_EQ(a.Stand(), erster);
  a.SetSchliessdruck(std::nullopt);
  EXPECT_EQ(a.Stand(), erster);
  a.SetSchliessdruck(2.0);
  EXPECT_NE(a.Stand(), erster);
  EXPECT_EQ(a.Kurven().kurven[0].Pc, (std::vector<float>{2, 4, 16}));
  const int zweiter = a.Stand();
  a.SetSchliessdruck(2.0);
  EXPECT_EQ(a.Stand(), zweiter);
  Auswerten({"PERMEABILITAET: 20 C", "0.5 0", "1 0.2", "4 0.6", "ENDE"});
  EXPECT_NE(a.Stand(), zweiter);
  EXPECT_EQ(a.Kurven().kurven[0].Kern, "C");
  EXPECT_EQ(a.Schliessdruck(), 2.0);
}

struct Feldfall {
  const char* name;
  const char* text;
  bool gut;
  std::optional<double> wert;
  const char* meldung;
};

class Schliessdruckfeld : public ::testing::TestWithParam<Feldfall> {};

constexpr const char* kKeineZahl =
    "Im Feld \"Schließdruck für alle Messungen\" steht keine Zahl!\n"
    "Erlaubt: eine Zahl größer 0 (bar), oder leer für keinen.";
constexpr const char* kNichtErlaubt =
    "Der Wert im Feld \"Schließdruck für alle Messungen\" ist nicht erlaubt!\n"
    "Erlaubt: eine Zahl größer 0 (bar), oder leer für keinen.";

TEST_P(Schliessdruckfeld, LiestOderLehntAb) {
  const Feldfall& f = GetParam();
  std::optional<double> wert = 7.0;
  std::string fehler;
  EXPECT_EQ(korrektur::SchliessdruckLesen(f.text, wert, fehler), f.gut);
  if (f.gut) {
    EXPECT_EQ(wert, f.wert);
    EXPECT_EQ(fehler, "");
  } else {
    EXPECT_EQ(wert, 7.0);  // unchanged
    EXPECT_EQ(fehler, f.meldung);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texte, Schliessdruckfeld,
    ::testing::Values(Feldfall{"Leer", "", true, std::nullopt, ""}, Feldfall{"Blank", "  \t", true, std::nullopt, ""},
                      Feldfall{"Punkt", "0.35", true, 0.35, ""}, Feldfall{"Komma", " 0,35 ", true, 0.35, ""},
                      Feldfall{"Plus", "+2", true, 2.0, ""}, Feldfall{"Exponent", "1e-3", true, 0.001, ""},
                      Feldfall{"Text", "abc", false, std::nullopt, kKeineZahl},
                      Feldfall{"Einheit", "0.35 bar", false, std::nullopt, kKeineZahl},
                      Feldfall{"Unendlich", "inf", false, std::nullopt, kKeineZahl},
                      Feldfall{"Null", "0", false, std::nullopt, kNichtErlaubt},
                      Feldfall{"Negativ", "-0.35", false, std::nullopt, kNichtErlaubt},
                      Feldfall{"UeberFloat", "1e39", false, std::nullopt, kNichtErlaubt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchliessdruckText, KuerzesteFormOderLeer) {
  EXPECT_EQ(korrektur::SchliessdruckText(std::nullopt), "");
  EXPECT_EQ(korrektur::SchliessdruckText(0.35), "0.35");
  EXPECT_EQ(korrektur::SchliessdruckText(1e-5), "1e-05");
}

}  // namespace
