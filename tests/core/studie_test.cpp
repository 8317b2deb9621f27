// The study block a document may carry after its input lines.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Archiv.h"
#include "DokumentFixture.h"

namespace {

using Liste = std::vector<std::string>;

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (const int c : b) s += static_cast<char>(c);
  return s;
}

class Studie : public DokumentFixture {
 protected:
  std::string Speichern() {
    std::string bytes, fehler;
    EXPECT_TRUE(doc.DokumentSpeichern(bytes, fehler)) << fehler;
    return bytes;
  }
  void Laden(const std::string& bytes) {
    plattform.dialog = [](EingabeDaten&) { return false; };
    std::string fehler;
    ASSERT_TRUE(doc.DokumentLaden(bytes, fehler)) << fehler;
  }
};

TEST_F(Studie, ADocumentWithoutStudyKeepsItsBytes) {
  doc.Eingabezeilen = {"a", "bc"};
  EXPECT_EQ(Speichern(), Bytes({0x02, 0x00, 0x01, 0x61, 0x02, 0x62, 0x63}));
}

TEST_F(Studie, TheBlockFollowsTheLinesAsSixteenBitStrings) {
  doc.Eingabezeilen = {"a"};
  doc.Studie = {"k=v"};
  // The lines as before, then a list of two: the marker and the setting,
  // each as 0xFF 0xFFFE, its length in characters and UTF-16LE.
  std::string erwartet = Bytes({0x01, 0x00, 0x01, 0x61, 0x02, 0x00, 0xFF, 0xFE, 0xFF, 15});
  for (const char c : std::string(Archiv::kStudienkennung)) erwartet += std::string{c, '\0'};
  erwartet += Bytes({0xFF, 0xFE, 0xFF, 3, 'k', 0, '=', 0, 'v', 0});
  EXPECT_EQ(Speichern(), erwartet);
}

TEST_F(Studie, RoundTripKeepsAnyTextAndTheLines) {
  const Liste zeilen = {"PERMEABILITAET: 10 K1", "0.1 0", "0.5 0.2", "2.0 0.6", "ENDE"};
  const Liste studie = {"Bohrung=/daten/Bohrung Łódź 𝔸.las", "FWL=1234.5", "", "Gestein=1,0.2"};
  doc.Eingabezeilen = zeilen;
  doc.Studie = studie;
  const std::string bytes = Speichern();

  // An older reader takes the input lines alone and never sees the block.
  Archiv alt = Archiv::ZumLaden(bytes);
  Textliste gelesen;
  ASSERT_TRUE(alt.ListeLesen(gelesen));
  EXPECT_EQ(gelesen, zeilen);

  doc.OnDateiNeu();
  EXPECT_TRUE(doc.Studie.empty());
  Laden(bytes);
  EXPECT_EQ(doc.Eingabezeilen, zeilen);
  EXPECT_EQ(doc.Studie, studie);
  EXPECT_EQ(Speichern(), bytes);
}

TEST_F(Studie, TrailingBytesThatAreNoStudyAreIgnoredAsBefore) {
  const std::string linien = Bytes({0x01, 0x00, 0x01, 0x61});
  struct Fall {
    const char* name;
    std::string rest;
  };
  const Fall faelle[] = {
      {"garbage", "xyz"},
      {"huge count", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})},
      {"other list", Bytes({0x01, 0x00, 0x01, 'q'})},
      {"truncated marker", Bytes({0x02, 0x00, 0x05, 'K', 'A'})},
      {"empty list", Bytes({0x00, 0x00})},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    doc.Studie = {"alt=1"};
    Laden(linien + f.rest);
    EXPECT_EQ(doc.Eingabezeilen, Liste{"a"});
    EXPECT_TRUE(doc.Studie.empty());
  }
}

TEST_F(Studie, ReadingTheLinesToTheFirstBlankStillFindsTheBlock) {
  doc.Eingabezeilen = {"a", "", "b"};
  doc.Studie = {"x=1"};
  const std::string bytes = Speichern();
  Archiv ar = Archiv::ZumLaden(bytes);
  Textliste zeilen;
  ASSERT_TRUE(ar.ListeLesen(zeilen, true));
  EXPECT_EQ(zeilen, (Liste{"a", ""}));
  EXPECT_EQ(ar.StudieLesen(), Liste{"x=1"});
}

}  // namespace
