#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogTestbasis.h"
#include "Messungsauswahl.h"

namespace {

// Every header the OK lookup would find, with a permeability the field
// takes; other lines and faulty headers are passed over.
TEST(Messungsauswahl, KopfzeilenMitKernUndPermeabilitaet) {
  const Textliste zeilen = {"PERMEABILITAET: 0.00946 AD-258",
                            "   0.1110           0.00000",
                            "ENDE",
                            "PERMEABILITAET: 125.3 K17",
                            "PERMEABILITAET: 12",  // no label
                            "PERMEABILITAET: 0 NULL",
                            "PERMEABILITAET: -3 NEG",
                            "PERMEABILITAET: 2000000 ZUGROSS",
                            "PERMEABILITAET: 1e39 RIESIG",
                            "Permeabilitaet: 5 KLEIN",
                            "PERMEABILITAET: 3108.61 AD-205",
                            "PERMEABILITAET: 125.3 K17B"};
  const std::vector<Messungseintrag> m = MessungenAuflisten(zeilen);
  ASSERT_EQ(m.size(), 5u);
  const std::vector<std::string> texte = {m[0].text, m[1].text, m[2].text, m[3].text, m[4].text};
  EXPECT_EQ(texte, (std::vector<std::string>{"AD-258: 0.00946 mD", "K17: 125.3 mD", "12 mD", "AD-205: 3108.61 mD",
                                             "K17B: 125.3 mD"}));
  EXPECT_EQ(m[0].kern, "AD-258");
  EXPECT_EQ(m[0].perm, 0.00946f);
  EXPECT_EQ(m[2].kern, "");
  // The first of two headers with one permeability answers, as the lookup does.
  EXPECT_EQ(MessungFinden(m, 125.3f), 1);
  EXPECT_EQ(MessungFinden(m, 3108.61f), 3);
  EXPECT_EQ(MessungFinden(m, 3108.6f), -1);
  EXPECT_TRUE(MessungenAuflisten({}).empty());
}

using MessungWaehlenTest = DialogTest;

// Choosing an entry fills the field with the header's exact value; the OK
// lookup then finds that header.
TEST_F(MessungWaehlenTest, FuelltDasFeldMitDemWertDerKopfzeile) {
  Oeffnen({"PERMEABILITAET: 0.1108 AD-262", "0 0", "1 0.5", "ENDE", "PERMEABILITAET: 3.0369 AD-233", "0 0", "2 0.4",
           "ENDE"});
  ASSERT_EQ(dlg.Messungen().size(), 2u);
  dlg.OnMessungGewaehlt(1);
  EXPECT_EQ(dlg.PermAuswahl, 3.0369f);
  EXPECT_EQ(fenster.felder.Permeabilitaet, "3.0369");

  fenster.felder.bEinzelmessung = 1;
  dlg.OnEinzelmessung();
  dlg.OnButtonOk();
  EXPECT_EQ(fenster.beendet, 1);
  EXPECT_EQ(dlg.bEinzelmessung, 1);
  EXPECT_EQ(dlg.PermAuswahl, 3.0369f);
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(MessungWaehlenTest, FolgtDenZeilenDerListe) {
  Oeffnen({"PERMEABILITAET: 7 X", "0 0", "1 0.5", "ENDE"});
  EXPECT_EQ(dlg.Messungen().size(), 1u);
  dlg.OnTestdaten();
  ASSERT_EQ(dlg.Messungen().size(), 1u);
  EXPECT_EQ(dlg.Messungen()[0].text, "TEST: 1 mD");
  // An index the list does not hold changes nothing.
  dlg.OnMessungGewaehlt(3);
  dlg.OnMessungGewaehlt(-1);
  EXPECT_EQ(dlg.PermAuswahl, 0.0f);
  EXPECT_EQ(fenster.felder.Permeabilitaet, "0");
}

}  // namespace
