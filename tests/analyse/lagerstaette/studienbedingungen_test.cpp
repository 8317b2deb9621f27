// The conditions kept in a document's study block: the keys and texts, the
// round trip through the document's bytes, the lines of others kept, and
// what is not taken.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "DokumentFixture.h"
#include "Studienbedingungen.h"

namespace {

using lagerstaette::StudieLesen;
using lagerstaette::StudieSchreiben;

const Studienbedingungen kBeispiel{{470.5, 130, 25, 20, 1.1, 0.75}, 0.35};

TEST(Studienbedingungen, SchluesselUndKuerzesteZahltexte) {
  Textliste s;
  StudieSchreiben(s, kBeispiel);
  EXPECT_EQ(s, (Textliste{"Lagerstaettenbedingungen.SigmaLabor=470.5", "Lagerstaettenbedingungen.ThetaLabor=130",
                          "Lagerstaettenbedingungen.SigmaLagerstaette=25",
                          "Lagerstaettenbedingungen.ThetaLagerstaette=20", "Lagerstaettenbedingungen.RhoWasser=1.1",
                          "Lagerstaettenbedingungen.RhoKW=0.75", "Lagerstaettenbedingungen.Schliessdruck=0.35"}));
  EXPECT_EQ(StudieLesen(s), kBeispiel);
}

TEST(Studienbedingungen, AndereZeilenBleibenEigeneWerdenErsetzt) {
  Textliste s{"Modell=j", "Lagerstaettenbedingungen.RhoKW=0.9", "Hoehe=200", "Lagerstaettenbedingungen.RhoKW=0.1"};
  StudieSchreiben(s, kBeispiel);
  // The first line of a key takes the value where it stands, a repeated one goes.
  EXPECT_EQ(s[0], "Modell=j");
  EXPECT_EQ(s[1], "Lagerstaettenbedingungen.RhoKW=0.75");
  EXPECT_EQ(s[2], "Hoehe=200");
  EXPECT_EQ(s.size(), 9u);
  EXPECT_EQ(StudieLesen(s), kBeispiel);

  // Without a closure pressure its line goes.
  Studienbedingungen ohne = kBeispiel;
  ohne.schliessdruck.reset();
  StudieSchreiben(s, ohne);
  EXPECT_EQ(s.size(), 8u);
  EXPECT_EQ(StudieLesen(s), ohne);
}

TEST(Studienbedingungen, NichtGenommen) {
  Textliste voll;
  StudieSchreiben(voll, kBeispiel);
  EXPECT_EQ(StudieLesen({}), std::nullopt);
  EXPECT_EQ(StudieLesen({"Modell=j"}), std::nullopt);
  struct Fall {
    const char* name;
    std::size_t zeile;
    const char* text;
  };
  for (const Fall& f : {Fall{"fehlt", 0, ""}, Fall{"keine Zahl", 1, "Lagerstaettenbedingungen.ThetaLabor=abc"},
                        Fall{"Komma", 4, "Lagerstaettenbedingungen.RhoWasser=1,1"},
                        Fall{"Winkel 90", 3, "Lagerstaettenbedingungen.ThetaLagerstaette=90"},
                        Fall{"kg/m3", 5, "Lagerstaettenbedingungen.RhoKW=800"},
                        Fall{"Schliessdruck 0", 6, "Lagerstaettenbedingungen.Schliessdruck=0"},
                        Fall{"Schliessdruck leer", 6, "Lagerstaettenbedingungen.Schliessdruck="}}) {
    Textliste s = voll;
    s[f.zeile] = f.text;
    EXPECT_EQ(StudieLesen(s), std::nullopt) << f.name;
  }
}

class StudieImDokument : public DokumentFixture {};

TEST_F(StudieImDokument, UeberDieBytesDesDokumentsUndZurueck) {
  doc.Eingabezeilen = {"PERMEABILITAET: 1 A", "0.1 0", "1 0.5", "10 0.9", "ENDE"};
  std::string ohne;
  std::string fehler;
  ASSERT_TRUE(doc.DokumentSpeichern(ohne, fehler)) << fehler;

  StudieSchreiben(doc.Studie, kBeispiel);
  std::string mit;
  ASSERT_TRUE(doc.DokumentSpeichern(mit, fehler)) << fehler;
  // The block follows the lines' bytes, which stay as they were.
  EXPECT_EQ(mit.substr(0, ohne.size()), ohne);
  EXPECT_GT(mit.size(), ohne.size());

  plattform.dialog = [](EingabeDaten&) { return false; };
  doc.Studie.clear();
  ASSERT_TRUE(doc.DokumentLaden(mit, fehler)) << fehler;
  EXPECT_EQ(StudieLesen(doc.Studie), kBeispiel);
  // And without: no conditions, the bytes as before.
  ASSERT_TRUE(doc.DokumentLaden(ohne, fehler)) << fehler;
  EXPECT_EQ(StudieLesen(doc.Studie), std::nullopt);
  std::string wieder;
  ASSERT_TRUE(doc.DokumentSpeichern(wieder, fehler)) << fehler;
  EXPECT_EQ(wieder, ohne);
}

}  // namespace
