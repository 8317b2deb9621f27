// The porosity and closure pressure a header line may carry after the label.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DokumentFixture.h"
#include "Kopfzusatz.h"

namespace {

struct Fall {
  const char* name;
  const char* zeile;
  std::optional<float> porositaet;
  std::optional<float> schliessdruck;
  const char* fehler;  // "" for none
};

class KopfzusatzLesen : public ::testing::TestWithParam<Fall> {};

TEST_P(KopfzusatzLesen, TakesTheAddedWordsOrNamesWhy) {
  const Fall& f = GetParam();
  const Kopfzusatz z = kopfzeile::Lesen(f.zeile);
  EXPECT_EQ(z.Porositaet, f.porositaet);
  EXPECT_EQ(z.Schliessdruck, f.schliessdruck);
  EXPECT_EQ(z.Fehler, f.fehler);
}

const Fall kFaelle[] = {
    {"Plain", "PERMEABILITAET: 125.3 K17", std::nullopt, std::nullopt, ""},
    {"Porosity", "PERMEABILITAET: 125.3 K17 POROSITAET: 0.213", 0.213f, std::nullopt, ""},
    {"ClosureFirst", "PERMEABILITAET: 125.3 K17 SCHLIESSDRUCK: 0.35 POROSITAET: 0.2", 0.2f, 0.35f, ""},
    {"BothAndComment", "PERMEABILITAET: 1 K POROSITAET: 0.1 Bemerkung SCHLIESSDRUCK: 2e-1", 0.1f, 0.2f, ""},
    {"OtherWordsIgnored", "PERMEABILITAET: 12 Kern A", std::nullopt, std::nullopt, ""},
    {"Percent", "PERMEABILITAET: 125.3 K17 POROSITAET: 21.3", std::nullopt, std::nullopt, kPorositaetAnteil},
    {"One", "PERMEABILITAET: 125.3 K17 POROSITAET: 1", std::nullopt, std::nullopt, kPorositaetAnteil},
    {"Zero", "PERMEABILITAET: 125.3 K17 POROSITAET: 0", std::nullopt, std::nullopt, kPorositaetAnteil},
    {"DecimalComma", "PERMEABILITAET: 125.3 K17 POROSITAET: 0,2", std::nullopt, std::nullopt, kPorositaetAnteil},
    {"Missing", "PERMEABILITAET: 125.3 K17 POROSITAET:", std::nullopt, std::nullopt, kPorositaetAnteil},
    {"Overflow", "PERMEABILITAET: 125.3 K17 POROSITAET: 1e39", std::nullopt, std::nullopt, kPorositaetAnteil},
    {"ClosureZero", "PERMEABILITAET: 1 K SCHLIESSDRUCK: 0", std::nullopt, std::nullopt, kSchliessdruckPositiv},
    {"ClosureWord", "PERMEABILITAET: 1 K SCHLIESSDRUCK: x POROSITAET: 0.3", 0.3f, std::nullopt, kSchliessdruckPositiv},
    {"Twice", "PERMEABILITAET: 1 K POROSITAET: 0.2 POROSITAET: 0.3", 0.2f, std::nullopt, kKopfzusatzDoppelt},
    {"NoLabel", "PERMEABILITAET: 125.3 POROSITAET: 0.213", std::nullopt, std::nullopt, kKopfzusatzOhneKern},
    {"NoLabelClosure", "PERMEABILITAET: 125.3 SCHLIESSDRUCK: 0.3", std::nullopt, std::nullopt, kKopfzusatzOhneKern},
    {"KeywordsAreCaseSensitive", "PERMEABILITAET: 1 K porositaet: 0.2", std::nullopt, std::nullopt, ""},
    // The label is what the reader takes: it may follow the number directly.
    {"LabelAfterNumber", "PERMEABILITAET: 12K POROSITAET: 0.3", 0.3f, std::nullopt, ""},
    {"KeywordAfterNumber", "PERMEABILITAET: 12POROSITAET: 0.2 POROSITAET: 0.3", std::nullopt, std::nullopt,
     kKopfzusatzOhneKern},
};

INSTANTIATE_TEST_SUITE_P(Kopfzeilen, KopfzusatzLesen, ::testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

using KopfzusatzLauf = DokumentFixture;

std::vector<std::string> Messungen(const std::string& zusatzA, const std::string& zusatzB) {
  return {"PERMEABILITAET: 10 A" + zusatzA, "0.1 0", "0.5 0",   "1.0 0.3", "4.0 0.6", "ENDE",
          "PERMEABILITAET: 1 B" + zusatzB,  "0.2 0", "2.0 0.2", "8.0 0.5", "ENDE"};
}

TEST_F(KopfzusatzLauf, TheEvaluationIsTheSameWithAndWithoutTheAddedWords) {
  Auswerten(Messungen("", ""));
  const Textliste detail = doc.Detailergebnisse;
  const Textliste parameter = doc.Parameterliste;
  const Textliste funktionen = doc.Parameterfunktionen;

  Auswerten(Messungen(" POROSITAET: 0.25 SCHLIESSDRUCK: 0.35", " POROSITAET: 21"));
  EXPECT_EQ(doc.Detailergebnisse, detail);
  EXPECT_EQ(doc.Parameterliste, parameter);
  EXPECT_EQ(doc.Parameterfunktionen, funktionen);
  ASSERT_EQ(doc.Messkurven.size(), 2u);
  EXPECT_EQ(doc.Messkurven[0].Zusatz.Porositaet, 0.25f);
  EXPECT_EQ(doc.Messkurven[0].Zusatz.Schliessdruck, 0.35f);
  // A faulty porosity is kept as the reason, never as a value.
  EXPECT_EQ(doc.Messkurven[1].Zusatz.Porositaet, std::nullopt);
  EXPECT_EQ(doc.Messkurven[1].Zusatz.Fehler, kPorositaetAnteil);
}

TEST_F(KopfzusatzLauf, ABlockWithoutHeaderKeepsThePreviousHeadersWords) {
  // The reader keeps permeability and label of the previous block; the
  // porosity belongs to them.
  Auswerten(
      {"PERMEABILITAET: 10 A POROSITAET: 0.2", "0.1 0", "1 0.3", "4 0.6", "ENDE", "0.1 0", "1 0.2", "5 0.5", "ENDE"});
  ASSERT_EQ(doc.Messkurven.size(), 2u);
  EXPECT_EQ(doc.Messkurven[1].Kern, "A");
  EXPECT_EQ(doc.Messkurven[1].Zusatz.Porositaet, 0.2f);
}

}  // namespace
