#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogTestbasis.h"
#include "TextFormat.h"

namespace {

using OptionenTest = DialogTest;

// Pads a printed number to its field width, as "%9.4f %15.5f" does.
std::string Feld(const std::string& zahl, std::size_t breite) { return std::string(breite - zahl.size(), ' ') + zahl; }

TEST_F(OptionenTest, TestdatenErgebenDie22Zeilen) {
  // The pairs as printed, without their leading blanks.
  const char* const paare[20][2] = {
      {"3.1900", "0.00000"},  {"3.3764", "0.00790"},  {"3.5629", "0.01580"},   {"3.7493", "0.02370"},
      {"3.9357", "0.03160"},  {"4.1222", "0.03950"},  {"4.3086", "0.04740"},   {"4.4950", "0.05530"},
      {"4.6815", "0.06320"},  {"4.8679", "0.07110"},  {"14.3217", "0.43450"},  {"16.1993", "0.47400"},
      {"18.8798", "0.51350"}, {"22.8964", "0.55300"}, {"29.0551", "0.59250"},  {"38.5386", "0.63200"},
      {"53.0396", "0.67150"}, {"74.9272", "0.71100"}, {"107.4525", "0.75050"}, {"155.0000", "0.79000"},
  };
  std::vector<std::string> erwartet = {"PERMEABILITAET: 1 TEST"};
  for (const auto& paar : paare) erwartet.push_back(Feld(paar[0], 9) + " " + Feld(paar[1], 15));
  erwartet.push_back("ENDE");

  Oeffnen({"PERMEABILITAET: 7 X", "0 0"});
  fenster.felder.Permeabilitaet = "7";
  fenster.felder.bEinzelmessung = 1;
  dlg.PermAuswahl = 7.0f;
  dlg.bEinzelmessung = 1;
  Doppelklick(2);
  Modus(Dateneingabe::kEinfuegen);
  dlg.OnTestdaten();

  ListeIst(erwartet);
  EXPECT_EQ(dlg.Eingabezeilen, erwartet);
  EXPECT_EQ(dlg.bTestwerte, 1);
  EXPECT_EQ(dlg.bNeuRechnen, 1);
  EXPECT_EQ(dlg.bEinzelmessung, 0);
  EXPECT_EQ(dlg.PermAuswahl, 0.0f);
  EXPECT_EQ(fenster.felder.bEinzelmessung, 0);
  EXPECT_EQ(fenster.felder.Permeabilitaet, "0");
  // Mode and selection stay as they were; no question is asked.
  EXPECT_EQ(dlg.Option, Dateneingabe::kEinfuegen);
  EXPECT_EQ(dlg.iZeile, 1);
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(OptionenTest, OkOhneEinzelmessungLiestDieFelderUndSchliesst) {
  Oeffnen({"PERMEABILITAET: 1 A"});
  fenster.felder.iGrafik = 3;
  fenster.felder.bPolynom3 = 1;
  dlg.OnButtonOk();
  EXPECT_EQ(fenster.beendet, 1);
  EXPECT_EQ(dlg.iGrafik, 3);
  EXPECT_EQ(dlg.bPolynom3, 1);
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(OptionenTest, OkMitUngueltigerPermeabilitaetBleibtOffen) {
  Oeffnen({"PERMEABILITAET: 1 A"});
  fenster.felder.Permeabilitaet = "12,5";
  dlg.OnButtonOk();
  EXPECT_EQ(fenster.beendet, 0);
  EXPECT_EQ(fenster.fokusPermeabilitaet, 1);
  EXPECT_EQ(plattform.protokoll,
            (std::vector{Ok("Bitte als Permeabilität eine Zahl eingeben (mit Dezimalpunkt, z. B. 12.5).")}));
}

TEST_F(OptionenTest, OkFindetDieGewaehltePermeabilitaet) {
  Oeffnen({});
  dlg.OnTestdaten();
  fenster.felder.Permeabilitaet = "1";
  fenster.felder.bEinzelmessung = 1;
  fenster.felder.iGrafik = 4;
  dlg.OnEinzelmessung();
  EXPECT_EQ(dlg.bEinzelmessung, 1);
  dlg.OnButtonOk();
  EXPECT_EQ(fenster.beendet, 1);
  EXPECT_EQ(dlg.iGrafik, 0);
  EXPECT_EQ(dlg.PermAuswahl, 1.0f);
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(OptionenTest, OkVergleichtAlsFloat) {
  Oeffnen({"PERMEABILITAET: 3 A", "0 0", "ENDE", "PERMEABILITAET: 12.50 K2", "0 0", "ENDE"});
  fenster.felder.Permeabilitaet = "12.5";
  fenster.felder.bEinzelmessung = 1;
  dlg.OnEinzelmessung();
  dlg.OnButtonOk();
  EXPECT_EQ(fenster.beendet, 1);
}

TEST_F(OptionenTest, OkOhneTrefferSetztDieEinzelmessungZurueck) {
  Oeffnen({"PERMEABILITAET: 3 A", "0 0", "1 0.5", "ENDE"});
  fenster.felder.Permeabilitaet = "4";
  fenster.felder.bEinzelmessung = 1;
  fenster.felder.iTabelle = 2;
  dlg.OnEinzelmessung();
  fenster.felder.iTabelle = 2;
  dlg.OnTabelleFunktion();
  dlg.OnButtonOk();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("Die ausgewählte Permeabilität wurde nicht gefunden!")}));
  EXPECT_EQ(fenster.beendet, 0);
  EXPECT_EQ(dlg.bEinzelmessung, 0);
  EXPECT_EQ(dlg.iTabelle, 0);
  EXPECT_EQ(dlg.PermAuswahl, 0.0f);
  EXPECT_EQ(fenster.felder.bEinzelmessung, 0);
  EXPECT_EQ(fenster.felder.iTabelle, 0);
  EXPECT_EQ(fenster.felder.Permeabilitaet, "0");
}

TEST_F(OptionenTest, OkMitEinzelmessungOhneZeilen) {
  Oeffnen({});
  fenster.felder.Permeabilitaet = "4";
  fenster.felder.bEinzelmessung = 1;
  dlg.OnEinzelmessung();
  dlg.OnButtonOk();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("Es liegen keine Messwerte vor!")}));
  EXPECT_EQ(fenster.beendet, 0);
  EXPECT_EQ(dlg.bEinzelmessung, 0);
  EXPECT_EQ(fenster.felder.Permeabilitaet, "0");
}

TEST_F(OptionenTest, EinzelmessungVerlangtEinePermeabilitaet) {
  Oeffnen({"PERMEABILITAET: 3 A"});
  fenster.felder.Permeabilitaet = "0";
  fenster.felder.bEinzelmessung = 1;
  dlg.OnEinzelmessung();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("Die Permeabilität muss grösser Null sein!")}));
  EXPECT_EQ(dlg.bEinzelmessung, 0);
  EXPECT_EQ(fenster.felder.bEinzelmessung, 0);
  EXPECT_EQ(dlg.bNeuRechnen, 0);

  fenster.felder.Permeabilitaet = "3";
  fenster.felder.bEinzelmessung = 1;
  fenster.felder.iTabelle = 1;
  dlg.OnEinzelmessung();
  EXPECT_EQ(plattform.protokoll.size(), 1u);
  EXPECT_EQ(dlg.iTabelle, 0);
  EXPECT_EQ(fenster.felder.iTabelle, 0);
  EXPECT_EQ(dlg.bNeuRechnen, 1);
}

TEST_F(OptionenTest, PermeabilitaetNullMeldetBeiJedemVerlassen) {
  Oeffnen({"PERMEABILITAET: 3 A"});
  fenster.felder.Permeabilitaet = "0";
  fenster.felder.bEinzelmessung = 1;
  dlg.OnKillfocusPermeabilitaet();
  dlg.OnKillfocusPermeabilitaet();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("Permeabilität muß größer als Null sein!"),
                                              Ok("Permeabilität muß größer als Null sein!")}));
  EXPECT_EQ(fenster.felder.bEinzelmessung, 0);

  plattform.protokoll.clear();
  fenster.felder.Permeabilitaet = "5.5";
  dlg.OnKillfocusPermeabilitaet();
  EXPECT_TRUE(plattform.protokoll.empty());
  EXPECT_EQ(dlg.PermAuswahl, 5.5f);
}

const char* const kKeineZahl = "Bitte als Permeabilität eine Zahl eingeben (mit Dezimalpunkt, z. B. 12.5).";
const char* const kBereich = "Die Permeabilität muss zwischen 0 und 1000000 mD liegen.";

struct Eingabe {
  const char* name;
  const char* text;
  float wert;           // the value read
  const char* meldung;  // the message of a refused entry, "" when valid
};

const Eingabe kEingaben[] = {
    {"Dezimalpunkt", "12.5", 12.5f, ""},
    {"MitBlanks", "  7 ", 7.0f, ""},
    {"Null", "0", 0.0f, ""},
    {"Grenze", "1000000", 1000000.0f, ""},
    {"Exponent", "1e+006", 1000000.0f, ""},
    {"Klein", "0.00013", 0.00013f, ""},
    {"Dezimalkomma", "12,5", 0.0f, kKeineZahl},
    {"Wort", "abc", 0.0f, kKeineZahl},
    {"Leer", "", 0.0f, kKeineZahl},
    {"ZahlMitText", "12 mD", 0.0f, kKeineZahl},
    {"Unendlich", "inf", 0.0f, kKeineZahl},
    {"ZuGrossFuerFloat", "1e50", 0.0f, kKeineZahl},
    {"Negativ", "-1", 0.0f, kBereich},
    {"UeberDerGrenze", "1000001", 0.0f, kBereich},
};

class PermeabilitaetsfeldTest : public DialogTest, public ::testing::WithParamInterface<Eingabe> {};

TEST_P(PermeabilitaetsfeldTest, WirdGeprueft) {
  const Eingabe& e = GetParam();
  Oeffnen({"PERMEABILITAET: 3 A"});
  dlg.PermAuswahl = 42.0f;
  fenster.felder.Permeabilitaet = e.text;
  fenster.felder.iGrafik = 2;
  fenster.felder.iTabelle = 1;
  fenster.felder.bPolynom3 = 1;
  const bool gueltig = *e.meldung == '\0';
  EXPECT_EQ(dlg.UpdateData(true), gueltig);
  if (gueltig) {
    EXPECT_EQ(dlg.PermAuswahl, e.wert);
    EXPECT_TRUE(plattform.protokoll.empty());
    EXPECT_EQ(dlg.iGrafik, 2);
  } else {
    // The exchange stops at the field: it and the fields after it keep
    // their values, and the focus goes into it.
    EXPECT_EQ(plattform.protokoll, (std::vector{Ok(e.meldung)}));
    EXPECT_EQ(dlg.PermAuswahl, 42.0f);
    EXPECT_EQ(dlg.iGrafik, 0);
    EXPECT_EQ(dlg.iTabelle, 0);
    EXPECT_EQ(dlg.bPolynom3, 0);
    EXPECT_EQ(fenster.fokusPermeabilitaet, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Eingaben, PermeabilitaetsfeldTest, ::testing::ValuesIn(kEingaben),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PermeabilitaetText, KurzUndOhneVerlust) {
  EXPECT_EQ(Dateneingabe::PermeabilitaetText(0.0f), "0");
  EXPECT_EQ(Dateneingabe::PermeabilitaetText(12.5f), "12.5");
  EXPECT_EQ(Dateneingabe::PermeabilitaetText(125.3f), "125.3");
  EXPECT_EQ(Dateneingabe::PermeabilitaetText(1000000.0f), "1e+006");
  // Digits beyond the sixth survive showing and reading the field.
  for (const float wert : {1234.5678f, 0.00013f, 4143.0f, 2034.6f, 0.123456789f, 999999.9f}) {
    const std::string text = Dateneingabe::PermeabilitaetText(wert);
    float zurueck = -1.0f;
    std::string meldung;
    ASSERT_TRUE(Dateneingabe::PermeabilitaetLesen(text, zurueck, meldung)) << text;
    EXPECT_EQ(zurueck, wert) << text;
  }
}

TEST_F(OptionenTest, ZuLangeZeileBeendetDenAustausch) {
  Oeffnen({"PERMEABILITAET: 3 A"});
  fenster.felder.Zeile = std::string(79, 'x');
  fenster.felder.iGrafik = 2;
  EXPECT_TRUE(dlg.UpdateData(true));
  EXPECT_EQ(dlg.iGrafik, 2);
  // Characters, not bytes, count.
  fenster.felder.Zeile = std::string(78, 'x') + "ä";
  EXPECT_TRUE(dlg.UpdateData(true));
  fenster.felder.Zeile = std::string(80, 'x');
  fenster.felder.iGrafik = 4;
  EXPECT_FALSE(dlg.UpdateData(true));
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("Die Zeile darf höchstens 79 Zeichen lang sein.")}));
  EXPECT_EQ(dlg.Zeile, std::string(80, 'x'));
  EXPECT_EQ(dlg.iGrafik, 2);
}

TEST_F(OptionenTest, GrafikUndPolynomGeltenSofort) {
  // A later showing of the fields must not undo a click on them.
  Oeffnen({"PERMEABILITAET: 3 A", "0 0"});
  fenster.felder.iGrafik = 4;
  dlg.OnGrafik();
  fenster.felder.bPolynom3 = 1;
  dlg.OnPolynom3();
  Doppelklick(2);
  EXPECT_EQ(fenster.felder.iGrafik, 4);
  EXPECT_EQ(fenster.felder.bPolynom3, 1);
}

TEST_F(OptionenTest, DatenKommenUnveraendertZurueck) {
  EingabeDaten daten;
  daten.Eingabezeilen = {"PERMEABILITAET: 3 A", "0 0", "1 0.5", "2 0.7", "ENDE"};
  daten.bTestwerte = 1;
  daten.bPolynom3 = 1;
  daten.bEinzelmessung = 1;
  daten.PermAuswahl = 3.0f;
  daten.iGrafik = 4;
  daten.iTabelle = 2;
  daten.bNeuRechnen = 0;
  dlg.SetDaten(daten);
  dlg.OnInitDialog();
  EXPECT_EQ(fenster.felder.Permeabilitaet, "3");
  EXPECT_EQ(fenster.felder.iGrafik, 4);
  dlg.OnButtonOk();
  ASSERT_EQ(fenster.beendet, 1);
  const EingabeDaten zurueck = dlg.Daten();
  EXPECT_EQ(zurueck.Eingabezeilen, daten.Eingabezeilen);
  EXPECT_EQ(zurueck.bTestwerte, 1);
  EXPECT_EQ(zurueck.bPolynom3, 1);
  EXPECT_EQ(zurueck.bEinzelmessung, 1);
  EXPECT_EQ(zurueck.PermAuswahl, 3.0f);
  EXPECT_EQ(zurueck.iGrafik, 0);  // the lookup chose the Alfa chart
  EXPECT_EQ(zurueck.iTabelle, 2);
  EXPECT_EQ(zurueck.bNeuRechnen, 0);
}

TEST_F(OptionenTest, DateiEinlesenAbgebrochenAendertNichts) {
  Oeffnen({"PERMEABILITAET: 3 A"});
  fenster.datei.reset();
  dlg.FileOpen();
  ListeIst({"PERMEABILITAET: 3 A"});
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(OptionenTest, UnlesbareDateiBehaeltDieZeilen) {
  Oeffnen({"PERMEABILITAET: 3 A"});
  fenster.datei = "/nicht/vorhanden/messung.txt";
  dlg.FileOpen();
  ASSERT_EQ(plattform.protokoll.size(), 1u);
  EXPECT_EQ(plattform.protokoll[0].text.rfind("Die Datei /nicht/vorhanden/messung.txt kann nicht geöffnet werden: ", 0),
            0u);
  ListeIst({"PERMEABILITAET: 3 A"});
  EXPECT_EQ(dlg.Eingabezeilen, (std::vector<std::string>{"PERMEABILITAET: 3 A"}));
  EXPECT_EQ(dlg.bNeuRechnen, 0);
}

}  // namespace
