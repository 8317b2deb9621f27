#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakePlattform.h"
#include "KadrelDoc.h"
#include "Kurvenzeilen.h"

namespace {

// One straight-line block: the table lines are K, log10(K), given and
// computed value in the widths "%11g  %11g  %12g  %13g".
std::vector<std::string> Block(const std::string& funktion, const std::vector<std::string>& tabelle) {
  std::vector<std::string> b{
      "", "   Errechnete Funktion:", funktion, "", "         K       log10(K)      Ygegeben     Yerrechnet", "", ""};
  b.insert(b.end(), tabelle.begin(), tabelle.end());
  b.push_back("");
  b.push_back("     Mittlerer Fehler:0.000000 ");
  return b;
}

TEST(Funktionsausgabe, DreiGenaueKurvenZeileFuerZeile) {
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  ParameterlisteSetzen(doc, DreiGenaueKurven());
  ASSERT_EQ(doc.OnParameter(), 0);

  std::vector<std::string> soll;
  // Alfa: the name line stands alone; three curves give a single term.
  auto alfa = Block("   Alfa = 4 ", {"        0.1           -1             3              3",
                                     "          1            0             4              4",
                                     "         10            1             5              5"});
  alfa.insert(alfa.begin() + 3, " +1*log10(K)");
  soll.insert(soll.end(), alfa.begin(), alfa.end());
  // The logarithmic passes list their values in their own units.
  const auto beta =
      Block("   log10(Beta) = -1  -1*log10(K)", {"        0.1           -1             1              1",
                                                 "          1            0           0.1            0.1",
                                                 "         10            1          0.01           0.01"});
  soll.insert(soll.end(), beta.begin(), beta.end());
  const auto sperr =
      Block("   log10(Pcsperr) = 0  -1*log10(K)", {"        0.1           -1            10             10",
                                                   "          1            0             1              1",
                                                   "         10            1           0.1            0.1"});
  soll.insert(soll.end(), sperr.begin(), sperr.end());
  const auto minSw =
      Block("   log10(MinSw) = -3  -1*log10(K)", {"        0.1           -1          0.01           0.01",
                                                  "          1            0         0.001          0.001",
                                                  "         10            1        0.0001         0.0001"});
  soll.insert(soll.end(), minSw.begin(), minSw.end());
  soll.push_back("    Max.Kapillardruck(Hg):   150.000 bar");

  EXPECT_EQ(doc.Parameterfunktionen, soll);
}

TEST(Funktionsausgabe, AbDreiKoeffizientenTraegtJederTermDenExponenten) {
  FakePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.kmax = 0;
  doc.iKoeff = 3;
  double A[8][9] = {{1, 0, 0, 2.5}, {0, 1, 0, -0.5}, {0, 0, 1, 0.25}};
  doc.Funktionsausgabe(A, 0, 10.0f);
  ASSERT_GE(doc.Parameterfunktionen.size(), 4u);
  EXPECT_EQ(doc.Parameterfunktionen[2], "   Alfa = 2.5 ");
  EXPECT_EQ(doc.Parameterfunktionen[3], " -0.5*log10(K)^1 +0.25*log10(K)^2");
  EXPECT_EQ(doc.C[2], 0.25f);
  EXPECT_EQ(doc.C_[0][2], 0.25f);
  EXPECT_EQ(doc.C[3], 0.0f);
}

}  // namespace
