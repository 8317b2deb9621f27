// The laboratory table's fifth role, the porosity, and the reasons the
// reader gives for the separator, decimal mark and units it uses.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Kopfzusatz.h"
#include "Labortabelle.h"

namespace labor {
void PrintTo(const Problem& p, std::ostream* os) { *os << "{" << p.zeile << ", \"" << p.grund << "\"}"; }
}  // namespace labor

namespace {

using labor::Porositaetseinheit;
using labor::Problem;
using Zeilen = std::vector<std::string>;

const Zeilen kWerte = {"   0.1000          0.00000 ", "   1.0000          0.40000 ", "   5.0000          0.70000 ",
                       "ENDE"};

// Three rows of sample A with these porosity cells, under this column name.
std::string TabelleA(const std::string& spalte, const std::string& a, const std::string& b, const std::string& c) {
  return "Sample;Perm;" + spalte + ";Pc;SHg\nA;2;" + a + ";0,1;0\nA;2;" + b + ";1;0,4\nA;2;" + c + ";5;0,7\n";
}

struct Fall {
  const char* name;
  std::string tabelle;
  std::optional<Porositaetseinheit> einheit;  // chosen; unset: from the column's name
  std::string kopf;                           // the header written
  std::optional<float> porositaet;
  std::vector<Problem> probleme;
};

void PrintTo(const Fall& f, std::ostream* os) { *os << f.name; }

class Porositaet : public ::testing::TestWithParam<Fall> {};

TEST_P(Porositaet, StehtAufDerKopfzeileOderWirdGemeldet) {
  const Fall& f = GetParam();
  labor::Vorgaben v;
  v.porositaet = f.einheit;
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren(f.tabelle, v, e, fehler)) << fehler;
  ASSERT_EQ(e.messungen.size(), 1u);
  EXPECT_EQ(e.spalten[labor::kPorositaet], 2);
  Zeilen zeilen = {f.kopf};
  zeilen.insert(zeilen.end(), kWerte.begin(), kWerte.end());
  EXPECT_EQ(e.zeilen, zeilen);
  EXPECT_EQ(e.messungen[0].porositaet, f.porositaet);
  EXPECT_EQ(e.probleme, f.probleme);
  // The header reads back with the same porosity, as the line check takes it.
  const Kopfzusatz z = kopfzeile::Lesen(e.zeilen[0]);
  EXPECT_EQ(z.Fehler, "");
  EXPECT_EQ(z.Porositaet, f.porositaet);
}

const char* const kOhne = "; die Probe bleibt ohne Porosität";

INSTANTIATE_TEST_SUITE_P(
    Labortabelle, Porositaet,
    ::testing::Values(
        Fall{"Anteil",
             TabelleA("Porosity (frac)", "0,213", "0,213", "0,213"),
             std::nullopt,
             "PERMEABILITAET: 2 A POROSITAET: 0.213",
             0.213f,
             {}},
        // 21.3 % is the float nearest 0.213, written as such.
        Fall{"ProzentImNamen",
             TabelleA("Phi (%)", "21,3", "21,3", "21,3"),
             std::nullopt,
             "PERMEABILITAET: 2 A POROSITAET: 0.213",
             0.213f,
             {}},
        Fall{"ProzentGewaehlt",
             TabelleA("Por", "21,3", "21,3", "21,3"),
             Porositaetseinheit::Prozent,
             "PERMEABILITAET: 2 A POROSITAET: 0.213",
             0.213f,
             {}},
        // More digits than a float holds: written so that it reads back as the same float.
        Fall{"AlleStellen",
             TabelleA("Porosität", "0,123456789", "0,123456789", "0,123456789"),
             std::nullopt,
             "PERMEABILITAET: 2 A POROSITAET: 0.12345679",
             0.123456789f,
             {}},
        // Given on the first row only, as the label often is.
        Fall{"NurInDerErstenZeile",
             TabelleA("Porosity v/v", "0,2", "", ""),
             std::nullopt,
             "PERMEABILITAET: 2 A POROSITAET: 0.2",
             0.2f,
             {}},
        Fall{"OhneWerte", TabelleA("Poro", "", "", ""), std::nullopt, "PERMEABILITAET: 2 A", std::nullopt, {}},
        // Percent read as a fraction: every row is outside, one note at the first.
        Fall{"ProzentAlsAnteil",
             TabelleA("Porosität", "21,3", "21,3", "21,3"),
             std::nullopt,
             "PERMEABILITAET: 2 A",
             std::nullopt,
             {{2, std::string("Porosität 21.3 liegt nicht zwischen 0 und 1 (in Prozent angegeben?)") + kOhne +
                      " (3 Zeilen, bis Zeile 4)"}}},
        Fall{"HundertProzent",
             TabelleA("Phi [%]", "100", "100", "100"),
             std::nullopt,
             "PERMEABILITAET: 2 A",
             std::nullopt,
             {{2, std::string("Porosität 1 liegt nicht zwischen 0 und 1") + kOhne + " (3 Zeilen, bis Zeile 4)"}}},
        Fall{"NullAnteil",
             TabelleA("Porosity", "0", "0,2", "0,2"),
             std::nullopt,
             "PERMEABILITAET: 2 A",
             std::nullopt,
             {{2, std::string("Porosität 0 liegt nicht zwischen 0 und 1") + kOhne}}},
        // Rows that disagree: the sample keeps no porosity.
        Fall{"Abweichend",
             TabelleA("Porosity", "0,2", "0,25", "0,3"),
             std::nullopt,
             "PERMEABILITAET: 2 A",
             std::nullopt,
             {{3, std::string("Porosität 0.25 weicht von 0.2 der Probe A ab") + kOhne + " (2 Zeilen, bis Zeile 4)"}}},
        Fall{"KeineZahl",
             TabelleA("Porosity", "0,2", "n/a", "0,2"),
             std::nullopt,
             "PERMEABILITAET: 2 A",
             std::nullopt,
             {{3, std::string("Porosität „n/a“ ist keine Zahl") + kOhne}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Each sample has its own porosity; a problem costs only its own sample.
TEST(LabortabellePorositaet, JeProbe) {
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(
      labor::Importieren("Sample,Perm,Pc,SHg,Porosity (%)\n"
                         "A,1,0.5,0,23.883\nA,1,2,0.3,23.883\nA,1,8,0.6,23.883\n"
                         "B,10,0.2,0,18\nB,10,1,0.35,19\nB,10,5,0.65,18\n"
                         "C,100,0.1,0,9.5\nC,100,0.5,0.4,9.5\nC,100,3,0.75,9.5\n",
                         {}, e, fehler))
      << fehler;
  EXPECT_EQ(e.spalten, (std::array<int, labor::kRollen>{0, 1, 2, 3, 4}));
  EXPECT_EQ(e.zeilen[0], "PERMEABILITAET: 1 A POROSITAET: 0.23883");
  EXPECT_EQ(e.zeilen[5], "PERMEABILITAET: 10 B");
  EXPECT_EQ(e.zeilen[10], "PERMEABILITAET: 100 C POROSITAET: 0.095");
  ASSERT_EQ(e.messungen.size(), 3u);
  EXPECT_EQ(e.messungen[0].porositaet, 0.23883f);
  EXPECT_EQ(e.messungen[1].porositaet, std::nullopt);
  EXPECT_EQ(e.messungen[2].porositaet, 0.095f);
  EXPECT_EQ(e.probleme,
            (std::vector<Problem>{{6, std::string("Porosität 0.19 weicht von 0.18 der Probe B ab") + kOhne}}));
  EXPECT_EQ(e.messungen[1].probleme, e.probleme);
}

// A sample left out keeps its porosity notes beside the reason it goes.
TEST(LabortabellePorositaet, AusgelasseneProbe) {
  labor::Ergebnis e;
  std::string fehler;
  EXPECT_FALSE(labor::Importieren("Sample,Perm,Pc,SHg,Phi\nA,1,0.5,0,30\nA,1,2,0.3,30\n", {}, e, fehler));
  EXPECT_EQ(e.probleme,
            (std::vector<Problem>{{2, std::string("Porosität 30 liegt nicht zwischen 0 und 1 (in Prozent angegeben?)") +
                                          kOhne + " (2 Zeilen, bis Zeile 3)"},
                                  {2, "Probe A ausgelassen (2 Zeilen): nur 2 Messpunkte, mindestens 3 nötig"}}));
}

// A label that is one of the header's keywords would take the place of the label.
TEST(LabortabellePorositaet, KernDerEinSchluesselwortIst) {
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren("Kern;Perm;Por;Pc;SHg\nPOROSITAET:;2;0,2;0,1;0\n;;;1;0,4\n;;;5;0,7\n", {}, e, fehler))
      << fehler;
  EXPECT_EQ(e.zeilen[0], "PERMEABILITAET: 2 POROSITAET:_ POROSITAET: 0.2");
  EXPECT_EQ(e.probleme,
            (std::vector<Problem>{
                {2, "Kern „POROSITAET:“ heißt „POROSITAET:_“: POROSITAET: steht in der Kopfzeile nach dem Kern"}}));
  EXPECT_EQ(kopfzeile::Lesen(e.zeilen[0]).Porositaet, 0.2f);
}

TEST(LabortabellePorositaet, VorschlagNurAusGanzenWoertern) {
  struct Zeile {
    const char* name;
    bool porositaet;
  };
  const Zeile namen[] = {
      {"Porosity", true},     {"POROSITÄT (%)", true}, {"Porositat", true},
      {"phi", true},          {"\xCF\x86", true},      {"\xCE\xA6 [v/v]", true},
      {"Por", true},          {"Poro", true},          {"He-Porosity (frac)", true},
      {"Phi%", true},         {"Core porosity", true}, {"Pore throat", false},
      {"Porenradius", false}, {"Porosimeter", false},  {"Porenvolumen (%)", false},
      {"Phil", false},        {"Pc (psia)", false},
  };
  for (const Zeile& z : namen) {
    const auto spalten = labor::SpaltenVorschlagen({"Sample", "Perm", "Pc", "SHg", z.name});
    EXPECT_EQ(spalten[labor::kPorositaet], z.porositaet ? 4 : -1) << z.name;
  }
  // A column taken by another role is not taken again.
  EXPECT_EQ(labor::SpaltenVorschlagen({"Por", "Perm", "Pc", "SHg"}, {-1, -1, -1, -1, -1})[labor::kPorositaet], 0);
  EXPECT_EQ(labor::SpaltenVorschlagen({"Por", "Perm", "Pc", "SHg"}, {0, -1, -1, -1, -1})[labor::kPorositaet], -1);
}

struct Einheitfall {
  const char* spalte;
  std::optional<Porositaetseinheit> gewaehlt;
  Porositaetseinheit einheit;
  std::string herkunft;
};

TEST(LabortabellePorositaet, EinheitAusDemNamenOderGewaehlt) {
  const Einheitfall faelle[] = {
      {"Porosity (%)", std::nullopt, Porositaetseinheit::Prozent, "Prozent (aus dem Spaltennamen „Porosity (%)“)"},
      {"Phi %", std::nullopt, Porositaetseinheit::Prozent, "Prozent (aus dem Spaltennamen „Phi %“)"},
      {"Por%", std::nullopt, Porositaetseinheit::Prozent, "Prozent (aus dem Spaltennamen „Por%“)"},
      {"PHI (p.u.)", std::nullopt, Porositaetseinheit::Prozent, "Prozent (aus dem Spaltennamen „PHI (p.u.)“)"},
      {"Porosity (frac)", std::nullopt, Porositaetseinheit::Anteil, "Anteil (aus dem Spaltennamen „Porosity (frac)“)"},
      {"Porosity v/v", std::nullopt, Porositaetseinheit::Anteil, "Anteil (aus dem Spaltennamen „Porosity v/v“)"},
      {"Phi (dec)", std::nullopt, Porositaetseinheit::Anteil, "Anteil (aus dem Spaltennamen „Phi (dec)“)"},
      {"Porosität", std::nullopt, Porositaetseinheit::Anteil, "Anteil (Vorgabe)"},
      {"Porosität", Porositaetseinheit::Prozent, Porositaetseinheit::Prozent, "Prozent (gewählt)"},
      {"Porosity (frac)", Porositaetseinheit::Prozent, Porositaetseinheit::Prozent,
       "Prozent (gewählt; der Spaltenname „Porosity (frac)“ nennt Anteil)"},
      // A unit the name gives wrongly does not matter once one is chosen.
      {"Porosity (mD)", Porositaetseinheit::Anteil, Porositaetseinheit::Anteil, "Anteil (gewählt)"},
  };
  for (const Einheitfall& f : faelle) {
    labor::Vorgaben v;
    v.porositaet = f.gewaehlt;
    labor::Ergebnis e;
    std::string fehler;
    ASSERT_TRUE(labor::Importieren(TabelleA(f.spalte, "", "", ""), v, e, fehler)) << f.spalte << ": " << fehler;
    EXPECT_EQ(e.porositaet, f.einheit) << f.spalte;
    EXPECT_EQ(e.porositaetHerkunft, f.herkunft) << f.spalte;
  }
  labor::Ergebnis e;
  std::string fehler;
  EXPECT_FALSE(labor::Importieren(TabelleA("Porosity (mD)", "0,2", "0,2", "0,2"), {}, e, fehler));
  EXPECT_EQ(fehler, "Die Einheit der Spalte „Porosity (mD)“ ist unbekannt; bitte die Porositätseinheit wählen.");
  // Without a porosity column its unit plays no part.
  labor::Vorgaben ohne;
  ohne.spalten[labor::kPorositaet] = labor::kKeineSpalte;
  ASSERT_TRUE(labor::Importieren(TabelleA("Porosity (mD)", "0,2", "0,2", "0,2"), ohne, e, fehler)) << fehler;
  EXPECT_EQ(e.zeilen[0], "PERMEABILITAET: 2 A");
  EXPECT_EQ(e.porositaetHerkunft, "");
}

// Why the table is read as it is: the texts the dialog shows beside its choices.
TEST(LabortabelleHerkunft, TrennerUndDezimalzeichen) {
  struct Lesefall {
    const char* name;
    std::string tabelle;
    char trenner;
    char dezimal;
    std::string trennerHerkunft;
    std::string dezimalHerkunft;
  };
  const std::string semikolon = "Probe;Perm;Druck;SHg\nA;1,5;0,1;0\nA;1,5;1;0,4\nA;1,5;5;0,7\n";
  const Lesefall faelle[] = {
      {"Erkannt", semikolon, 0, 0, "erkannt: Semikolon", "erkannt: Komma (6 Zahlen mit Komma, 0 mit Punkt)"},
      {"GleichGewaehlt", semikolon, ';', ',', "erkannt: Semikolon", "erkannt: Komma (6 Zahlen mit Komma, 0 mit Punkt)"},
      {"AndersGewaehlt", semikolon, ';', '.', "erkannt: Semikolon",
       "gewählt; erkannt: Komma (6 Zahlen mit Komma, 0 mit Punkt)"},
      {"TrennerGewaehlt", "Probe;Perm;Druck;SHg\nA;1;2;0,5\n", ',', 0, "gewählt; erkannt: Semikolon",
       "erkannt: Punkt, da Komma die Spalten trennt"},
      {"KeinTrennerErkannt", "Druck\n1\n2\n", ';', 0, "gewählt; kein Trennzeichen erkannt",
       "Vorgabe: Punkt (keine Zahl mit Dezimalzeichen)"},
      {"KommaTrennt", "Kern,Perm,Pc,SHg\nA,1.5,0.1,0\nA,1.5,1,0.4\n", 0, 0, "erkannt: Komma",
       "erkannt: Punkt, da Komma die Spalten trennt"},
      {"Tabulator", "Kern\tPerm\tPc\tSHg\nA\t1.5\t0.1\t0\nA\t1.5\t1\t0.4\n", 0, 0, "erkannt: Tabulator",
       "erkannt: Punkt (4 Zahlen mit Punkt, 0 mit Komma)"},
      {"GanzeZahlen", "Kern;Perm;Pc;SHg\nA;1;1;0\nA;1;2;1\n", 0, 0, "erkannt: Semikolon",
       "Vorgabe: Punkt (keine Zahl mit Dezimalzeichen)"},
  };
  for (const Lesefall& f : faelle) {
    labor::Rohtabelle t;
    std::string fehler;
    ASSERT_TRUE(labor::TabelleZerlegen(f.tabelle, f.trenner, f.dezimal, t, fehler)) << f.name << fehler;
    EXPECT_EQ(t.trennerHerkunft, f.trennerHerkunft) << f.name;
    EXPECT_EQ(t.dezimalHerkunft, f.dezimalHerkunft) << f.name;
  }
}

// A long column name is shown as a note shows a cell: 40 characters, then "…".
TEST(LabortabelleHerkunft, LangerSpaltennameGekuerzt) {
  const std::string name = "Druck " + std::string(60, 'x') + " (psia)";
  labor::Vorgaben v;
  v.spalten[labor::kDruck] = 2;
  labor::Ergebnis e;
  std::string fehler;
  ASSERT_TRUE(labor::Importieren("Kern;Perm;" + name + ";SHg\nA;1;1;0\nA;1;2;0,5\nA;1;3;0,6\n", v, e, fehler))
      << fehler;
  EXPECT_EQ(e.druckHerkunft, "psi (aus dem Spaltennamen „Druck " + std::string(34, 'x') + "…“)");
}

TEST(LabortabelleHerkunft, DruckUndSaettigung) {
  struct Einheitfall {
    const char* name;
    std::string kopf;
    std::optional<labor::Druckeinheit> druck;
    std::optional<labor::Saettigungseinheit> saettigung;
    std::string druckHerkunft;
    std::string saettigungHerkunft;
  };
  const Einheitfall faelle[] = {
      {"AusDenNamen", "Kern;Perm;Druck (psia);SHg [%]", std::nullopt, std::nullopt,
       "psi (aus dem Spaltennamen „Druck (psia)“)", "Prozent (aus dem Spaltennamen „SHg [%]“)"},
      {"Vorgaben", "Kern;Perm;Pc;SHg", std::nullopt, std::nullopt, "bar (Vorgabe)", "Anteil (Vorgabe)"},
      {"Gewaehlt", "Kern;Perm;Druck kPa;Sättigung (frac)", labor::Druckeinheit::MPa, labor::Saettigungseinheit::Anteil,
       "MPa (gewählt; der Spaltenname „Druck kPa“ nennt kPa)", "Anteil (gewählt)"},
      {"GewaehltOhneEinheitImNamen", "Kern;Perm;Pc;SHg", labor::Druckeinheit::Psi, labor::Saettigungseinheit::Prozent,
       "psi (gewählt)", "Prozent (gewählt)"},
  };
  for (const Einheitfall& f : faelle) {
    labor::Vorgaben v;
    v.druck = f.druck;
    v.saettigung = f.saettigung;
    labor::Ergebnis e;
    std::string fehler;
    ASSERT_TRUE(labor::Importieren(f.kopf + "\nA;1;1;0\nA;1;2;0,5\nA;1;3;0,6\n", v, e, fehler)) << f.name << fehler;
    EXPECT_EQ(e.druckHerkunft, f.druckHerkunft) << f.name;
    EXPECT_EQ(e.saettigungHerkunft, f.saettigungHerkunft) << f.name;
  }
}

}  // namespace
