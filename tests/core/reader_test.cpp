#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DokumentFixture.h"

namespace {

using Liste = std::vector<std::string>;

class Leser : public DokumentFixture {};

TEST_F(Leser, LiestEineVollstaendigeMessung) {
  Zeilen({"PERMEABILITAET: 125.3 K17", "0.05 0.0", "0.30 0.0", "0.80 0.21", "4.00 0.63", "20.0 0.84", "ENDE",
          "PERMEABILITAET: 3 K18"});
  EXPECT_EQ(doc.MessungLesen(), 2);
  EXPECT_EQ(doc.iStart, 7);
  EXPECT_EQ(doc.Maxwerte, 5);
  EXPECT_EQ(doc.Perm, 125.3f);
  EXPECT_EQ(doc.Kern, "K17");
  EXPECT_EQ(doc.PcSperrdruck, 0.30f);
  EXPECT_EQ(doc.Pc[4], 20.0f);
  EXPECT_EQ(doc.Shg[3], 0.63f);
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(Leser, IgnoriertZeilenDieKeineKopfOderEndzeilenSind) {
  // Wrong case, a dot, a missing blank, a non-number, a number after ENDE:
  // all these lines are skipped and the block goes on.
  Zeilen({"PERMEABILITAET: 12 Kern A", "Messreihe 7", "0.1 0", "Ende", "0.5 0.2", "ENDE.", "PERMEABILITAET:12 K1",
          "PERMEABILITAET: abc", "ENDE 5", "1.5 0.3 Bemerkung", "ENDE xyz"});
  EXPECT_EQ(doc.MessungLesen(), 2);
  EXPECT_EQ(doc.Kern, "Kern");
  EXPECT_EQ(doc.Perm, 12.0f);
  EXPECT_EQ(doc.Maxwerte, 3);
  EXPECT_EQ(doc.Pc[2], 1.5f);
  EXPECT_EQ(doc.Shg[2], 0.3f);
  EXPECT_EQ(doc.iStart, 11);
}

TEST_F(Leser, SperrdruckIstDerLetzteNullpunkt) {
  Zeilen({"PERMEABILITAET: 1 A", "0.1 0", "0.4 0", "0.7 0", "1.0 0.2", "2.0 0.5", "ENDE"});
  EXPECT_EQ(doc.MessungLesen(), 2);
  EXPECT_EQ(doc.PcSperrdruck, 0.7f);
  EXPECT_EQ(doc.Maxwerte, 5);
}

TEST_F(Leser, KopfzeileOhneKernUndBlockOhneKopf) {
  Zeilen({"PERMEABILITAET: 12", "0.1 0", "0.4 0.2", "0.7 0.3", "ENDE", "0.2 0", "0.5 0.2", "0.9 0.3", "ENDE"});
  EXPECT_EQ(doc.MessungLesen(), 2);
  EXPECT_EQ(doc.Kern, "");
  EXPECT_EQ(doc.Perm, 12.0f);
  // The second block has no header: it keeps permeability and label.
  EXPECT_EQ(doc.MessungLesen(), 2);
  EXPECT_EQ(doc.Perm, 12.0f);
  EXPECT_EQ(doc.PcSperrdruck, 0.2f);
}

TEST_F(Leser, GleicheSaettigungenSindErlaubt) {
  Zeilen({"PERMEABILITAET: 1 A", "0.1 0", "0.4 0.2", "0.7 0.2", "0.9 0.5", "ENDE"});
  EXPECT_EQ(doc.MessungLesen(), 2);
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(Leser, EinzelmessungWaehltDieGleicheFloatPermeabilitaet) {
  Zeilen({"PERMEABILITAET: 3 K1", "0.1 0", "0.4 0.2", "0.7 0.3", "ENDE", "PERMEABILITAET: 12.50 K2", "0.2 0", "0.5 0.2",
          "0.9 0.3", "ENDE"});
  doc.bEinzelmessung = 1;
  doc.PermAuswahl = 12.5f;
  EXPECT_EQ(doc.MessungLesen(), 2);
  EXPECT_EQ(doc.Kern, "K2");
  EXPECT_EQ(plattform.Texte(), Liste{"Die Messung mit der Permeabilität:12.500000 wurde gewählt"});
}

TEST_F(Leser, EinzelmessungOhneTrefferLiestDieErsteMessung) {
  Zeilen({"PERMEABILITAET: 3 K1", "0.1 0", "0.4 0.2", "0.7 0.3", "ENDE"});
  doc.bEinzelmessung = 1;
  doc.PermAuswahl = 7.0f;
  EXPECT_EQ(doc.MessungLesen(), 2);
  EXPECT_EQ(doc.Kern, "K1");
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(Leser, HundertWerteEndenOhneMeldungVorDerEndzeile) {
  Liste z{"PERMEABILITAET: 1 A"};
  for (int i = 0; i < 100; ++i) z.push_back(std::to_string(i + 1) + " " + std::to_string(i / 100.0));
  z.push_back("kaputt 1,5");  // never examined
  z.push_back("ENDE");
  Zeilen(z);
  EXPECT_EQ(doc.MessungLesen(), 0);
  EXPECT_EQ(doc.Maxwerte, 0);
  EXPECT_EQ(doc.Shg[99], 0.99f);
  EXPECT_EQ(doc.iStart, 102);  // the index after the last line examined, plus 1
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(Leser, OhneEndzeileIstDieMessungUnvollstaendig) {
  Zeilen({"PERMEABILITAET: 1 A", "0.1 0", "0.4 0.2", "0.7 0.3"});
  EXPECT_EQ(doc.MessungLesen(), 0);
  EXPECT_EQ(doc.iStart, 5);
  EXPECT_EQ(doc.Maxwerte, 0);
  EXPECT_TRUE(plattform.protokoll.empty());
}

struct Fehlerfall {
  const char* name;
  Liste zeilen;
  const char* meldung;
  Liste detail;  // lines appended to the detail report
};

class LeserFehler : public DokumentFixture, public ::testing::WithParamInterface<Fehlerfall> {};

TEST_P(LeserFehler, MeldetGenauEinmalUndGibtEinsZurueck) {
  const auto& f = GetParam();
  Zeilen(f.zeilen);
  EXPECT_EQ(doc.MessungLesen(), 1);
  ASSERT_EQ(plattform.protokoll.size(), 1u);
  EXPECT_EQ(plattform.protokoll[0].art, "ok");
  EXPECT_EQ(plattform.protokoll[0].text, f.meldung);
  EXPECT_EQ(doc.Detailergebnisse, f.detail);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LeserFehler,
    ::testing::Values(
        Fehlerfall{
            "ErsteZeileWortOhneZahl", {"Messreihe A", "0.1 0"}, "ABBRUCH Fehler in der 1.Zeile\nMessreihe A", {}},
        Fehlerfall{"ErsteZeileEnde", {"ENDE"}, "ABBRUCH Fehler in der 1.Zeile\nENDE", {}},
        Fehlerfall{"ErsteSaettigungNichtNull",
                   {"PERMEABILITAET: 1 A", "0.1 0.0001"},
                   "ABBRUCH!Der 1.Sättigungswert ist nicht NULL",
                   {}},
        Fehlerfall{"SaettigungFaellt",
                   {"PERMEABILITAET: 1 A", "0.1 0", "0.2 0.3", "0.3 0.2"},
                   "ABBRUCH!Die Sättigungen steigen nicht an!",
                   {}},
        Fehlerfall{"WenigerAlsDreiWerte",
                   {"PERMEABILITAET: 1 A", "0.1 0", "0.2 0.3", "ENDE"},
                   "ABBRUCH!Die Kapillardruckmessung hat weniger als 3 Messwerte!",
                   {"", " ABBRUCH!", " Die Kapillardruckmessung hat weniger als 3 Messwerte!"}},
        Fehlerfall{"KopfzeileNachDenWerten",
                   {"0.1 0", "0.2 0.3", "0.3 0.4", "PERMEABILITAET: 1 A", "ENDE"},
                   "ABBRUCH!Keine Werte zwischen Kopfzeile und ENDE-Zeile",
                   {}},
        Fehlerfall{
            "LeerzeileImBlock", {"PERMEABILITAET: 1 A", "0.1 0", "   ", "0.3 0.4"}, "ABBRUCH in der 3.Zeile\n   ", {}},
        Fehlerfall{"Dezimalkomma", {"PERMEABILITAET: 1 A", "0.1 0", "1,5 0,3"}, "ABBRUCH in der 3.Zeile\n1,5 0,3", {}},
        Fehlerfall{"EineZahlAllein", {"PERMEABILITAET: 1 A", "0.5"}, "ABBRUCH in der 2.Zeile\n0.5", {}},
        // Numbers a float cannot hold stop the run instead of hiding the line.
        Fehlerfall{"PermeabilitaetZuGross",
                   {"PERMEABILITAET: 1e39 B", "0.1 0"},
                   "ABBRUCH in der 1.Zeile\nPERMEABILITAET: 1e39 B",
                   {}},
        Fehlerfall{
            "DruckZuGross", {"PERMEABILITAET: 1 A", "0.1 0", "1e39 0.6"}, "ABBRUCH in der 3.Zeile\n1e39 0.6", {}},
        Fehlerfall{
            "SaettigungZuGross", {"PERMEABILITAET: 1 A", "0.1 -3.5e38"}, "ABBRUCH in der 2.Zeile\n0.1 -3.5e38", {}},
        Fehlerfall{"NanZeile", {"PERMEABILITAET: 1 A", "0.1 0", "nan 0.6"}, "ABBRUCH in der 3.Zeile\nnan 0.6", {}},
        Fehlerfall{
            "InfZeile", {"PERMEABILITAET: 1 A", "0.1 0", "-Infinity 0.6"}, "ABBRUCH in der 3.Zeile\n-Infinity 0.6", {}},
        Fehlerfall{"InfInDerErstenZeile", {"inf 0", "0.1 0"}, "ABBRUCH in der 1.Zeile\ninf 0", {}},
        Fehlerfall{"EndeMitRiesenzahl",
                   {"PERMEABILITAET: 1 A", "0.1 0", "0.4 0.2", "0.7 0.3", "ENDE 1e400"},
                   "ABBRUCH in der 5.Zeile\nENDE 1e400",
                   {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Leser, LeerzeileNachDerLetztenMessungStopptDenNaechstenAufruf) {
  Zeilen({"PERMEABILITAET: 1 A", "0.1 0", "0.4 0.2", "0.7 0.3", "ENDE", ""});
  EXPECT_EQ(doc.MessungLesen(), 2);
  EXPECT_EQ(doc.MessungLesen(), 1);
  EXPECT_EQ(plattform.Texte(), Liste{"ABBRUCH in der 6.Zeile\n"});
}

TEST_F(Leser, WinzigeZahlenSindNullWieImmerSieGeschriebenSind) {
  const std::string langeNull = "0." + std::string(330, '0') + "1";
  Zeilen({"PERMEABILITAET: 1 A", "0.1 " + langeNull, "0.4 1e-400", "0.7 1e-40", "0.9 0.3", "ENDE", "Info 12 x"});
  EXPECT_EQ(doc.MessungLesen(), 2);
  EXPECT_TRUE(plattform.protokoll.empty());
  EXPECT_EQ(doc.Maxwerte, 4);
  EXPECT_EQ(doc.Shg[0], 0.0f);
  EXPECT_EQ(doc.Shg[1], 0.0f);
  EXPECT_EQ(doc.Shg[2], 1e-40f);  // the nearest subnormal
  // A word that merely begins like "inf" stays a word: the line is ignored.
  EXPECT_EQ(doc.MessungLesen(), 0);
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(Leser, GespeichertePunkteBleibenNachEinemFehler) {
  Zeilen({"PERMEABILITAET: 1 A", "0.1 0", "0.4 0.2", "0.7 0.1"});
  EXPECT_EQ(doc.MessungLesen(), 1);
  EXPECT_EQ(doc.Shg[1], 0.2f);
  EXPECT_EQ(doc.Pc[1], 0.4f);
}

}  // namespace
