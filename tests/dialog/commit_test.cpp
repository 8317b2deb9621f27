#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogTestbasis.h"

namespace {

const char* const kBitte = "Bitte Zeile durch Doppelklick ausgewählen!";
const char* const kNichtGeaendert = "\nDie Zeile kann nicht geändert werden";
const char* const kNichtAngefuegt = "\nDie Zeile kann nicht angefügt werden!";
const char* const kDoppelklick = "Die Zeile ist durch Doppelklick auszuwählen";

// Line 4 lies between the saturations 0.2 and 0.4.
const std::vector<std::string> kMessung = {
    "PERMEABILITAET: 125.3 K17", "0.05 0.0", "0.30 0.2", "0.80 0.3", "4.00 0.4", "20.0 0.84", "ENDE"};

class CommitTest : public DialogTest {
 protected:
  // A refused commit leaves the lines and the flag alone and asks for a
  // new double-click.
  void AbgelehntPruefen(const std::vector<std::string>& vorher) {
    ListeIst(vorher);
    EXPECT_EQ(dlg.Eingabezeilen, vorher);
    EXPECT_EQ(dlg.iZeile, -1);
    EXPECT_EQ(fenster.felder.Hinweis, kBitte);
    EXPECT_EQ(dlg.bNeuRechnen, 0);
  }
};

TEST_F(CommitTest, OeffnenFuelltDieListeImAenderungsmodus) {
  Oeffnen(kMessung);
  ListeIst(kMessung);
  EXPECT_EQ(dlg.Option, Dateneingabe::kAendern);
  EXPECT_EQ(fenster.felder.Option, Dateneingabe::kAendern);
  EXPECT_EQ(dlg.iZeile, -1);
  EXPECT_EQ(dlg.iAnzahl, 7);
  EXPECT_EQ(fenster.felder.Hinweis, "");
}

TEST_F(CommitTest, DoppelklickWaehltDieZeileUndGibtDemEditDenFokus) {
  Oeffnen(kMessung);
  Doppelklick(4);
  EXPECT_EQ(dlg.iZeile, 3);
  EXPECT_EQ(fenster.felder.Zeile, "0.80 0.3");
  EXPECT_EQ(fenster.felder.Hinweis, "4.Zeile ausgewählt");
  EXPECT_EQ(fenster.fokusWeiter, 1);
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(CommitTest, AendernFormatiertDieWertezeileUmUndFragt) {
  Oeffnen(kMessung);
  Doppelklick(4);
  Tippen("1.5 0.3");
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Frage("Soll diese Zeile geändert werden?\n      1.5        0.3")}));
  EXPECT_EQ(fenster.felder.Zeile, "      1.5        0.3");
  auto erwartet = kMessung;
  erwartet[3] = "      1.5        0.3";
  ListeIst(erwartet);
  EXPECT_EQ(dlg.Eingabezeilen, erwartet);
  EXPECT_EQ(fenster.felder.Hinweis, "4.Zeile wurde geändert");
  EXPECT_EQ(dlg.iZeile, 3);
  EXPECT_EQ(dlg.bNeuRechnen, 1);

  // Leaving the edit again asks once more and writes the same text.
  Verlassen();
  ASSERT_EQ(plattform.protokoll.size(), 2u);
  EXPECT_EQ(plattform.protokoll[1], Frage("Soll diese Zeile geändert werden?\n      1.5        0.3"));
  ListeIst(erwartet);
}

TEST_F(CommitTest, NeinZurFrageLehntAb) {
  Oeffnen(kMessung);
  Doppelklick(4);
  Tippen("1.5 0.3");
  plattform.antworten = {false};
  Verlassen();
  EXPECT_EQ(plattform.protokoll.size(), 1u);
  AbgelehntPruefen(kMessung);
  // The mode stays; the edit keeps the reformatted text.
  EXPECT_EQ(fenster.felder.Option, Dateneingabe::kAendern);
}

TEST_F(CommitTest, FehlerhafteZeileZeigtNurIhreMeldung) {
  Oeffnen(kMessung);
  Doppelklick(4);
  Tippen("1.5 0.3 Bemerkung");
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("Falsche Daten")}));
  AbgelehntPruefen(kMessung);
}

// The header of the data file with porosity: changing its porosity is a
// change like any other; typed in percent it is refused with the reason.
TEST_F(CommitTest, KopfzeileMitPorositaetAendern) {
  Oeffnen(kMessung);
  Doppelklick(1);
  Tippen("PERMEABILITAET: 125.3 K17 POROSITAET: 21.3");
  Verlassen();
  EXPECT_EQ(plattform.protokoll,
            (std::vector{Ok("Die Porosität ist als Anteil zwischen 0 und 1 anzugeben (z. B. POROSITAET: 0.213 für "
                            "21,3 %).")}));
  AbgelehntPruefen(kMessung);

  plattform.protokoll.clear();
  Doppelklick(1);
  Tippen("PERMEABILITAET: 125.3 K17 POROSITAET: 0.213 SCHLIESSDRUCK: 0.35");
  Verlassen();
  EXPECT_EQ(plattform.protokoll,
            (std::vector{Frage("Soll diese Zeile geändert werden?\n"
                               "PERMEABILITAET: 125.3 K17 POROSITAET: 0.213 SCHLIESSDRUCK: 0.35")}));
  EXPECT_EQ(dlg.Eingabezeilen[0], "PERMEABILITAET: 125.3 K17 POROSITAET: 0.213 SCHLIESSDRUCK: 0.35");
  EXPECT_EQ(dlg.bNeuRechnen, 1);
}

// A faulty header next to the committed line shows its reason first, as any
// faulty neighbour does; as no header it then counts for nothing.
TEST_F(CommitTest, NachbarkopfMitPorositaetOhneKern) {
  std::vector<std::string> liste = kMessung;
  liste[0] = "PERMEABILITAET: 125.3 POROSITAET: 0.2";
  Oeffnen(liste);
  Doppelklick(2);
  Tippen("0.05 0");
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("Vor POROSITAET: und SCHLIESSDRUCK: muss die Kernbezeichnung stehen:\n"
                                                 "PERMEABILITAET: Zahl Kernbezeichnung POROSITAET: Anteil"),
                                              Frage("Soll diese Zeile geändert werden?\n     0.05          0")}));
}

// Sequence rules in change mode: the committed line, the list, the line
// number changed, and the box that refuses it ("" = accepted).
struct Folge {
  const char* name;
  std::vector<std::string> liste;
  int nummer;
  const char* zeile;
  const char* meldung;
};

const std::vector<std::string> kNurKopf = {"PERMEABILITAET: 125.3 K17"};
const std::vector<std::string> kKopfWerte = {"PERMEABILITAET: 125.3 K17", "0.05 0", "1 0.5"};

const Folge kFolgen[] = {
    // In a list holding only a header line: an end line is assumed before
    // it and a value line after it.
    {"NurKopfzeileWirdWertezeile", kNurKopf, 1, "5 0", "Die Werte folgen auf die Endezeile! "},
    {"NurKopfzeileBleibtKopfzeile", kNurKopf, 1, "PERMEABILITAET: 7 K", ""},
    // With a value line of saturation 0 after it, test 7 has the last word.
    {"ErsteZeileVorNullsaettigung", kKopfWerte, 1, "5 0", "Sättigung steigt nicht an"},
    {"GleicheSaettigungWieDavor", kMessung, 3, "0.30 0", "Sättigung steigt nicht an"},
    {"GleicheSaettigungWieDanach", kMessung, 3, "0.30 0.3", "Sättigung steigt nicht an"},
    {"SaettigungFaellt", kMessung, 4, "0.80 0.1", "Sättigung steigt nicht an"},
    {"ErsterWertNichtNull", kMessung, 2, "0.05 0.01", "Die Sättigung ist nicht NULL!"},
    {"KopfzeileNachWerten", kMessung, 4, "PERMEABILITAET: 5 X", "Die Kopfzeile folgt auf die Werte! "},
    {"KopfzeileVorKopfzeile",
     {"PERMEABILITAET: 1 A", "PERMEABILITAET: 2 B", "0 0", "ENDE"},
     1,
     "PERMEABILITAET: 3 C",
     "Die Kopfzeile folgt auf die Kopfzeile"},
    {"EndezeileNachKopfzeile",
     {"PERMEABILITAET: 1 A", "0 0", "ENDE"},
     2,
     "ENDE",
     "Die Endezeile folgt auf die Kopfzeile! "},
    // The next line is a value line: end line before values.
    {"EndezeileVorWerten", kMessung, 4, "ENDE", "Die Werte folgen auf die Endezeile! "},
    // The last line is never examined as the following line, so ENDE
    // before ENDE passes in the second-to-last line.
    {"EndezeileVorLetzterEndezeile", kMessung, 6, "ENDE", ""},
    {"WertVorLetzterZeileUngeprueft", kMessung, 6, "99 0.9", ""},
    // A value line directly before a header line meets the header's
    // sentinel.
    {"WertVorKopfzeile",
     {"PERMEABILITAET: 1 A", "0 0", "1 0.5", "PERMEABILITAET: 2 B", "0 0", "ENDE"},
     3,
     "1 0.6",
     "Sättigung steigt nicht an"},
    {"EndezeileNachEndezeile",
     {"PERMEABILITAET: 1 A", "0 0", "1 0.5", "2 0.7", "ENDE", "ENDE", "x"},
     6,
     "ENDE",
     "Die Endezeile folgt auf die Endezeile! "},
    // A value line directly after an end line meets the end line's
    // sentinel: test 7 decides over test 2.
    {"WertNachEndezeile",
     {"PERMEABILITAET: 1 A", "0 0", "1 0.5", "ENDE", "PERMEABILITAET: 2 B", "0 0"},
     5,
     "3 0",
     "Sättigung steigt nicht an"},
};

class FolgeTest : public CommitTest, public ::testing::WithParamInterface<Folge> {};

TEST_P(FolgeTest, ImAenderungsmodus) {
  const Folge& f = GetParam();
  Oeffnen(f.liste);
  Doppelklick(f.nummer);
  Tippen(f.zeile);
  Verlassen();
  if (*f.meldung) {
    EXPECT_EQ(plattform.protokoll, (std::vector{Ok(std::string(f.meldung) + kNichtGeaendert)}));
    AbgelehntPruefen(f.liste);
  } else {
    ASSERT_EQ(plattform.protokoll.size(), 1u);
    EXPECT_EQ(plattform.protokoll[0].art, "yesno");
    EXPECT_EQ(dlg.bNeuRechnen, 1);
    EXPECT_EQ(dlg.Liste[static_cast<std::size_t>(f.nummer - 1)], fenster.felder.Zeile);
  }
}

INSTANTIATE_TEST_SUITE_P(Zeilen, FolgeTest, ::testing::ValuesIn(kFolgen),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommitTest, FehlerhafteNachbarnMeldenSichVorDerFrage) {
  // A loaded document may hold lines the editor would refuse.
  const std::vector<std::string> liste = {"PERMEABILITAET: 1 A", "0 0", "1,5 0,3", "2 0.8", "3 0.9", "ENDE"};
  Oeffnen(liste);
  Doppelklick(4);
  Tippen("2 0.7");
  Verlassen();
  // The faulty line before is of no type, so only the line after counts.
  EXPECT_EQ(plattform.protokoll,
            (std::vector{Ok("Falsche Daten"), Frage("Soll diese Zeile geändert werden?\n        2        0.7")}));
  EXPECT_EQ(dlg.Liste[3], "        2        0.7");
}

TEST_F(CommitTest, OhneAuswahlMeldenNurAnhaengenUndEinfuegen) {
  struct Fall {
    int option;
    std::vector<FakePlattform::Eintrag> erwartet;
  };
  const Fall faelle[] = {
      {Dateneingabe::kAendern, {}},
      {Dateneingabe::kEinfuegen, {Ok(std::string(kDoppelklick) + kNichtAngefuegt)}},
      {Dateneingabe::kLoeschen, {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.option);
    plattform.protokoll.clear();
    Oeffnen(kMessung);
    Modus(f.option);
    Tippen("1.5 0.3");
    Verlassen();
    EXPECT_EQ(plattform.protokoll, f.erwartet);
    AbgelehntPruefen(kMessung);
    EXPECT_EQ(fenster.felder.Option, f.option);
  }
}

TEST_F(CommitTest, AnhaengenBrauchtKeinenDoppelklick) {
  const std::vector<std::string> liste = {"PERMEABILITAET: 1 A", "0 0", "1 0.5", "2 0.8"};
  Oeffnen(liste);
  Modus(Dateneingabe::kAnhaengen);
  EXPECT_EQ(dlg.iZeile, 3);
  EXPECT_EQ(fenster.auswahl, 3);

  Tippen("5 0.7");
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok(std::string("Sättigung steigt nicht an") + kNichtAngefuegt)}));
  AbgelehntPruefen(liste);
  // The radio handler selected the last line again, but the commit stays
  // refused until the radio is clicked again or a line double-clicked.
  EXPECT_EQ(fenster.auswahl, 3);
  Tippen("ENDE");
  Verlassen();
  EXPECT_EQ(plattform.protokoll.back(), Ok(std::string(kDoppelklick) + kNichtAngefuegt));

  plattform.protokoll.clear();
  Modus(Dateneingabe::kAnhaengen);
  Tippen("ENDE");
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Frage("Soll diese Zeile angehängt werden?\nENDE")}));
  auto erwartet = liste;
  erwartet.push_back("ENDE");
  ListeIst(erwartet);
  EXPECT_EQ(dlg.Eingabezeilen, erwartet);
  EXPECT_EQ(dlg.iZeile, 4);
  EXPECT_EQ(fenster.auswahl, 4);
  EXPECT_EQ(fenster.felder.Zeile, "ENDE");
  EXPECT_EQ(fenster.felder.Hinweis, "5.Zeile ausgewählt");
  EXPECT_EQ(fenster.fokusWeiter, 1);
  EXPECT_EQ(dlg.bNeuRechnen, 1);

  // Committing the appended line again meets itself and is refused.
  Verlassen();
  EXPECT_EQ(plattform.protokoll.back(), Ok(std::string("Die Endezeile folgt auf die Endezeile! ") + kNichtAngefuegt));
  ListeIst(erwartet);
}

TEST_F(CommitTest, ZahlAusserhalbDesFloatBereichsNenntDieZeile) {
  const std::vector<std::string> liste = {"PERMEABILITAET: 1 A", "0 0", "1 0.5", "2 0.8"};
  Oeffnen(liste);
  Modus(Dateneingabe::kAnhaengen);
  Tippen("1e39 0.9");
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("ABBRUCH in der 5.Zeile\n1e39 0.9")}));
  AbgelehntPruefen(liste);

  plattform.protokoll.clear();
  Modus(Dateneingabe::kAendern);
  Doppelklick(3);
  Tippen("nan 0.5");
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("ABBRUCH in der 3.Zeile\nnan 0.5")}));
  AbgelehntPruefen(liste);
}

TEST_F(CommitTest, AnhaengenFormatiertWertezeilen) {
  Oeffnen({"PERMEABILITAET: 1 A", "0 0", "1 0.5"});
  Modus(Dateneingabe::kAnhaengen);
  Tippen("4 0.9");
  Verlassen();
  EXPECT_EQ(dlg.Liste.back(), "        4        0.9");
  EXPECT_EQ(fenster.felder.Hinweis, "4.Zeile ausgewählt");
}

TEST_F(CommitTest, AnhaengenInLeererListeMeldetFehlendeAuswahl) {
  Oeffnen({});
  Modus(Dateneingabe::kAnhaengen);
  EXPECT_EQ(dlg.iZeile, -1);
  Tippen("PERMEABILITAET: 1 A");
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok(std::string(kDoppelklick) + kNichtAngefuegt)}));
  AbgelehntPruefen({});
}

TEST_F(CommitTest, EinfuegenVorDerMarkiertenZeile) {
  const std::vector<std::string> liste = {"PERMEABILITAET: 1 A", "0 0", "3 0.5", "ENDE"};
  Oeffnen(liste);
  Doppelklick(3);
  Modus(Dateneingabe::kEinfuegen);
  Tippen("2 0.2");
  Verlassen();
  EXPECT_EQ(plattform.protokoll,
            (std::vector{Frage("Soll die Folgezeile vor der markarkierten eingefügt werden?\n        2        0.2")}));
  const std::vector<std::string> erwartet = {"PERMEABILITAET: 1 A", "0 0", "        2        0.2", "3 0.5", "ENDE"};
  ListeIst(erwartet);
  EXPECT_EQ(dlg.Eingabezeilen, erwartet);
  EXPECT_EQ(fenster.felder.Hinweis, "3.Zeile eingefügt");
  EXPECT_EQ(dlg.iZeile, 2);
  EXPECT_EQ(dlg.bNeuRechnen, 1);

  // Leaving again offers the same text before the inserted line, where it
  // meets its own saturation.
  Verlassen();
  EXPECT_EQ(plattform.protokoll.back(), Ok(std::string("Sättigung steigt nicht an") + kNichtAngefuegt));
}

TEST_F(CommitTest, EinfuegenVorEinerKopfzeileAmAnfangWirdAbgelehnt) {
  struct Fall {
    const char* zeile;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"PERMEABILITAET: 5 B", "Die Kopfzeile folgt auf die Kopfzeile"},
      {"ENDE", "Die Endezeile folgt auf die Endezeile! "},
      {"1 0", "Sättigung steigt nicht an"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.zeile);
    plattform.protokoll.clear();
    Oeffnen(kMessung);
    Doppelklick(1);
    Modus(Dateneingabe::kEinfuegen);
    Tippen(f.zeile);
    Verlassen();
    EXPECT_EQ(plattform.protokoll, (std::vector{Ok(std::string(f.meldung) + kNichtAngefuegt)}));
    AbgelehntPruefen(kMessung);
  }
}

TEST_F(CommitTest, LoeschenOhneFolgepruefung) {
  Oeffnen(kMessung);
  Doppelklick(3);
  Modus(Dateneingabe::kLoeschen);
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Frage("Soll diese Zeile wirklich gelöscht werden?\n0.30 0.2")}));
  auto erwartet = kMessung;
  erwartet.erase(erwartet.begin() + 2);
  ListeIst(erwartet);
  EXPECT_EQ(dlg.Eingabezeilen, erwartet);
  EXPECT_EQ(fenster.felder.Hinweis, "3.Zeile gelöscht");
  EXPECT_EQ(dlg.bNeuRechnen, 1);
}

TEST_F(CommitTest, NachDemLoeschenLoeschtErneutesVerlassenNichts) {
  Oeffnen(kMessung);
  Doppelklick(3);
  Modus(Dateneingabe::kLoeschen);
  Verlassen();
  auto erwartet = kMessung;
  erwartet.erase(erwartet.begin() + 2);
  ListeIst(erwartet);
  // Nothing is selected any more and the edit is empty: the line that took
  // the deleted one's place is safe.
  EXPECT_EQ(dlg.iZeile, -1);
  EXPECT_EQ(fenster.auswahl, -1);
  EXPECT_EQ(fenster.felder.Zeile, "");
  Verlassen();
  Verlassen();
  EXPECT_EQ(plattform.protokoll.size(), 1u);
  ListeIst(erwartet);
  EXPECT_EQ(fenster.felder.Hinweis, kBitte);

  // A new double-click deletes exactly the line its question names.
  Doppelklick(3);
  Verlassen();
  EXPECT_EQ(plattform.protokoll.back(), Frage("Soll diese Zeile wirklich gelöscht werden?\n0.80 0.3"));
  erwartet.erase(erwartet.begin() + 2);
  ListeIst(erwartet);
}

TEST_F(CommitTest, LoeschenFragtMitDerZeileDieGeht) {
  Oeffnen(kMessung);
  Doppelklick(3);
  Modus(Dateneingabe::kLoeschen);
  Tippen("7 0.9");
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Frage("Soll diese Zeile wirklich gelöscht werden?\n0.30 0.2")}));
  EXPECT_EQ(dlg.Liste.size(), kMessung.size() - 1);
  EXPECT_EQ(dlg.Liste[2], "0.80 0.3");
}

TEST_F(CommitTest, LoeschenMitFehlerhafterZeileLoeschtNichts) {
  Oeffnen(kMessung);
  Doppelklick(3);
  Modus(Dateneingabe::kLoeschen);
  Tippen("ende");
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("Die Schlusszeile muss ENDE lauten!")}));
  AbgelehntPruefen(kMessung);
}

TEST_F(CommitTest, NeinZumLoeschenBehaeltDieZeile) {
  Oeffnen(kMessung);
  Doppelklick(3);
  Modus(Dateneingabe::kLoeschen);
  plattform.antworten = {false};
  Verlassen();
  AbgelehntPruefen(kMessung);
}

TEST_F(CommitTest, AuswahlAusserhalbDerListeZaehltAlsKeine) {
  // The test data keep the selection's index, which may now lie outside
  // the shorter list.
  std::vector<std::string> lang(30, "0 0");
  lang.front() = "PERMEABILITAET: 1 A";
  Oeffnen(lang);
  Doppelklick(28);
  dlg.OnTestdaten();
  EXPECT_EQ(dlg.iZeile, 27);
  Modus(Dateneingabe::kLoeschen);
  Verlassen();
  EXPECT_TRUE(plattform.protokoll.empty());
  EXPECT_EQ(dlg.Liste.size(), 22u);
  EXPECT_EQ(fenster.felder.Hinweis, kBitte);
}

TEST_F(CommitTest, ZuLangeZeileMeldetUndDerCommitGehtWeiter) {
  Oeffnen(kMessung);
  Doppelklick(4);
  Tippen("1.5 0.3" + std::string(80, ' '));
  Verlassen();
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("Die Zeile darf höchstens 79 Zeichen lang sein."),
                                              Frage("Soll diese Zeile geändert werden?\n      1.5        0.3")}));
}

}  // namespace
