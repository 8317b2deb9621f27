// The petrophysics of a document's run: the Thomeer fit it takes, when it
// recomputes, and the closure correction it shares with Thomeer and the pore
// radii; the lists of a document without closure pressure stay as they were.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DokumentFixture.h"
#include "Lagerstaettenauswertung.h"
#include "Petrophysikauswertung.h"
#include "ThomeerBericht.h"
#include "Thomeerkurven.h"
#include "Toleranz.h"

namespace {

// A: one known system (Pd 0.5 bar, G 0.3, S∞ 0.8) at 100 mD with φ 0.25;
// B: another at 1 mD without porosity.
std::vector<std::string> ZweiMessungen(const std::string& zusatzA = " POROSITAET: 0.25") {
  std::vector<std::string> z = Kurvenzeilen({{0.5, 0.3, 0.8}}, "A", 100.0);
  z[0] += zusatzA;
  const auto b = Kurvenzeilen({{2.0, 0.5, 0.6}}, "B", 1.0);
  z.insert(z.end(), b.begin(), b.end());
  return z;
}

class Petrophysiklauf : public DokumentFixture {};

TEST_F(Petrophysiklauf, NimmtDieThomeeranpassungUndRechnetNurWennNoetig) {
  Auswerten(ZweiMessungen());
  Korrekturauswertung korrektur(doc);
  ThomeerAuswertung thomeer(korrektur);
  Petrophysikauswertung p(korrektur, thomeer);
  const Petrophysik& e = p.Ergebnis();
  ASSERT_EQ(e.messungen.size(), 2u);
  EXPECT_EQ(thomeer.Anpassungen(), 1);
  const Petrophysikwerte& a = e.messungen[0];
  // The fit returns the system it was made from (to the 4 and 5 decimals of
  // the lines): k = 3.8068·0.3^−1.3334·(25·0.8/(0.5·14.5037738))² = 150.1 mD.
  const ThomeerSystem soll{0.5, 0.3, 0.8};
  EXPECT_TRUE(Nahe(*a.KThomeer, petrophysik::ThomeerPermeabilitaet(0.25, soll), 1e-2)) << *a.KThomeer;
  EXPECT_TRUE(Nahe(*a.Bvinf, 20.0, 1e-3)) << *a.Bvinf;
  EXPECT_TRUE(Nahe(*a.Porenhalsmodus, petrophysik::Porenhalsmodus(Lagerstaettenbedingungen{}, soll), 1e-2));
  EXPECT_EQ(a.DRT, 12);
  EXPECT_FALSE(e.messungen[1].RQI);
  EXPECT_TRUE(e.messungen[1].Porenhalsmodus);

  // Asked again: nothing recomputed.
  const Textliste* liste = &p.Liste();
  p.Diagramm();
  EXPECT_EQ(&p.Liste(), liste);
  EXPECT_EQ(thomeer.Anpassungen(), 1);

  // Other laboratory conditions: recomputed, without another fit.
  Lagerstaettenbedingungen b;
  b.SigmaLabor = 240;
  p.SetBedingungen(b);
  EXPECT_TRUE(Nahe(*p.Ergebnis().messungen[0].Porenhalsmodus, *a.Porenhalsmodus / 2, 1e-12));
  EXPECT_EQ(thomeer.Anpassungen(), 1);

  // The chart follows the choice.
  EXPECT_EQ(p.Diagramm().titel, "Porosität–Permeabilität");
  p.SetGrafik(Petrophysikgrafik::JFunktion);
  EXPECT_EQ(p.Diagramm().titel, "J-Funktion");

  // A closure pressure for all: the curves change, Thomeer refits.
  korrektur.SetSchliessdruck(0.2);
  EXPECT_TRUE(p.Ergebnis().messungen[0].korrektur.korrigiert);
  EXPECT_EQ(thomeer.Anpassungen(), 2);
  EXPECT_EQ(p.Diagramm().titel, "J-Funktion");
}

TEST_F(Petrophysiklauf, OhneSchliessdruckBleibenDieListenWieSieWaren) {
  Auswerten(ZweiMessungen());
  ThomeerAuswertung thomeer(doc);
  EXPECT_EQ(thomeer.Liste(), ThomeerListe(ThomeerAnpassen(doc.Messkurven)));
  Lagerstaettenauswertung l(doc);
  Porenradien p = lagerstaette::PorenradienBerechnen(korrektur::Korrigieren(doc.Messkurven, std::nullopt), {});
  Porenradien q;
  for (const Messkurve& m : doc.Messkurven) q.kurven.push_back(lagerstaette::PorenradienKurve(m, {}));
  EXPECT_EQ(l.PorenradienListe(), lagerstaette::PorenradienListe(q));
  EXPECT_EQ(lagerstaette::PorenradienListe(p), lagerstaette::PorenradienListe(q));
}

TEST_F(Petrophysiklauf, DieListenNennenDieKorrektur) {
  // A's closure pressure on its header: 0.4 bar, a measured point (0.1·2²).
  Auswerten(ZweiMessungen(" SCHLIESSDRUCK: 0.4 POROSITAET: 0.25"));
  ThomeerAuswertung thomeer(doc);
  const Textliste& t = thomeer.Liste();
  const auto zeile =
      std::find_if(t.begin(), t.end(), [](const std::string& z) { return z.rfind("   A: 0.4 bar", 0) == 0; });
  ASSERT_NE(zeile, t.end());
  EXPECT_EQ(*zeile, "   A: 0.4 bar (Kopfzeile), S(Hg) um 0.00000 vermindert, 3 Punkte weggelassen");
  EXPECT_EQ(*(zeile - 2), "   Schließdruckkorrektur: die Hg-Sättigung beim Schließdruck ist abgezogen,");
  EXPECT_EQ(thomeer.Kurven().kurven[0].Pc.front(), 0.4f);
  thomeer.KernWaehlen("A");
  EXPECT_EQ(thomeer.Diagramm().untertitel, "Kern: A  Permeabilität: 100 mD  Schließdruck: 0.4 bar");

  Lagerstaettenauswertung l(doc);
  const Textliste& r = l.PorenradienListe();
  const auto kern = std::find(r.begin(), r.end(), "   Kern:A");
  ASSERT_NE(kern, r.end());
  EXPECT_EQ(*(kern + 2),
            "   Schließdruckkorrektur: 0.4 bar (Kopfzeile), S(Hg) um 0.00000 vermindert, 3 Punkte weggelassen");

  Petrophysikauswertung p(doc);
  const Textliste& pl = p.Liste();
  EXPECT_NE(std::find(pl.begin(), pl.end(), *zeile), pl.end());
}

}  // namespace
