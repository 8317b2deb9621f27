#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Archiv.h"
#include "DokumentFixture.h"
#include "Lagerstaettenauswertung.h"
#include "ThomeerAuswertung.h"
#include "Thomeerkurven.h"

namespace {

// Three measurements: A and B fitted, C with one wetted point only.
std::vector<std::string> DreiMessungen() {
  std::vector<std::string> z = Kurvenzeilen({{0.5, 0.3, 0.8}}, "A", 100.0);
  const auto b = Kurvenzeilen({{2.0, 0.5, 0.6}}, "B", 1.0);
  z.insert(z.end(), b.begin(), b.end());
  z.insert(z.end(), {"PERMEABILITAET: 0.01 C", "1 0", "2 0", "4 0.5", "ENDE"});
  return z;
}

class Thomeerergebnisse : public DokumentFixture {
 protected:
  ThomeerAuswertung thomeer{doc};
};

// Nothing is fitted by the run itself; the first request fits, later ones
// reuse the result until the next run.
TEST_F(Thomeerergebnisse, FitsOnTheFirstRequestAfterARunOnly) {
  Auswerten(DreiMessungen());
  EXPECT_EQ(thomeer.Anpassungen(), 0);
  EXPECT_EQ(thomeer.Liste().size(), 6u);
  EXPECT_EQ(thomeer.Anpassungen(), 1);
  thomeer.Ergebnisse();
  thomeer.Diagramm();
  thomeer.Liste();
  EXPECT_EQ(thomeer.Anpassungen(), 1);

  Auswerten(Kurvenzeilen({{0.5, 0.3, 0.8}}, "D"));
  EXPECT_EQ(thomeer.Anpassungen(), 1);
  ASSERT_EQ(thomeer.Ergebnisse().size(), 1u);
  EXPECT_EQ(thomeer.Ergebnisse()[0].Kern, "D");
  EXPECT_EQ(thomeer.Anpassungen(), 2);
}

TEST_F(Thomeerergebnisse, TheChartShowsTheLastFittedMeasurementUntilARowIsChosen) {
  Auswerten(DreiMessungen());
  // C, the last one, has no fit: B is shown.
  EXPECT_EQ(thomeer.Gewaehlt(), 1);
  EXPECT_EQ(thomeer.Diagramm().untertitel, "Kern: B  Permeabilität: 1 mD");

  struct Fall {
    const char* name;
    int zeile;
    bool gewaehlt;
    int kurve;
  };
  const Fall faelle[] = {
      {"erste_zeile", 3, true, 0},  {"letzte_zeile", 5, true, 2},      {"leere_kopfzeile", 0, false, 2},
      {"spaltenkopf", 1, false, 2}, {"hinter_der_liste", 6, false, 2}, {"negativ", -1, false, 2},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(thomeer.ZeileWaehlen(f.zeile), f.gewaehlt);
    EXPECT_EQ(thomeer.Gewaehlt(), f.kurve);
  }
  EXPECT_EQ(thomeer.Diagramm().untertitel, "Kern: C  Permeabilität: 0.01 mD");
  EXPECT_EQ(thomeer.Diagramm().info, "Weniger als 3 Messwerte über dem Sperrdruck!");

  EXPECT_TRUE(thomeer.KernWaehlen("A"));
  EXPECT_EQ(thomeer.Diagramm().untertitel, "Kern: A  Permeabilität: 100 mD");
  EXPECT_FALSE(thomeer.KernWaehlen("X"));
  EXPECT_EQ(thomeer.Gewaehlt(), 0);

  // A new run forgets the choice.
  Auswerten(DreiMessungen());
  EXPECT_EQ(thomeer.Gewaehlt(), 1);
}

TEST_F(Thomeerergebnisse, WithoutAnyMeasurementTheChartSaysSo) {
  EXPECT_EQ(thomeer.Gewaehlt(), -1);
  const Datendiagramm& d = thomeer.Diagramm();
  EXPECT_EQ(d.titel, "Thomeer-Analyse");
  EXPECT_EQ(d.untertitel, "Keine Messung ausgewertet");
  EXPECT_TRUE(d.reihen.empty());
  EXPECT_EQ(d.y.art, Achsenart::Logarithmisch);
  EXPECT_EQ(thomeer.Liste().size(), 3u);
}

// A document loaded while its data dialog is cancelled has no results yet:
// the analyses show nothing of the document before it.
TEST_F(Thomeerergebnisse, ALoadedDocumentShowsNoResultsOfThePreviousOne) {
  Auswerten(DreiMessungen());
  Lagerstaettenauswertung lager(doc);
  ASSERT_EQ(thomeer.Ergebnisse().size(), 3u);
  ASSERT_EQ(lager.PorenradienErgebnis().kurven.size(), 3u);

  Archiv ar = Archiv::ZumSpeichern();
  ASSERT_TRUE(ar.ListeSchreiben(Kurvenzeilen({{1.0, 0.4, 0.9}}, "NEU")));
  const std::string bytes(ar.Bytes());
  plattform.dialog = [](EingabeDaten&) { return false; };
  std::string fehler;
  ASSERT_TRUE(doc.DokumentLaden(bytes, fehler)) << fehler;
  EXPECT_TRUE(thomeer.Ergebnisse().empty());
  EXPECT_EQ(thomeer.Liste().size(), 3u);  // the header lines only
  EXPECT_EQ(thomeer.Diagramm().untertitel, "Keine Messung ausgewertet");
  EXPECT_TRUE(lager.PorenradienErgebnis().kurven.empty());
  EXPECT_TRUE(lager.SaettigungshoeheErgebnis().kurven.empty());
}

}  // namespace
