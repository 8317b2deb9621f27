#include "Dateiliste.h"

#include <gtest/gtest.h>

namespace {

using Pfade = std::vector<std::string>;

TEST(Dateiliste, NeuesteZuerstHoechstensVier) {
  Dateiliste liste(4);
  for (const char* p : {"/a.kdr", "/b.kdr", "/c.kdr", "/d.kdr", "/e.kdr"}) liste.Hinzufuegen(p);
  EXPECT_EQ(liste.Eintraege(), (Pfade{"/e.kdr", "/d.kdr", "/c.kdr", "/b.kdr"}));
}

TEST(Dateiliste, ErneutGeoeffnetRuecktNachOben) {
  Dateiliste liste(4);
  for (const char* p : {"/a.kdr", "/b.kdr", "/c.kdr", "/b.kdr"}) liste.Hinzufuegen(p);
  EXPECT_EQ(liste.Eintraege(), (Pfade{"/b.kdr", "/c.kdr", "/a.kdr"}));
}

TEST(Dateiliste, EntfernenUndLeererPfad) {
  Dateiliste liste(4);
  liste.Hinzufuegen("/a.kdr");
  liste.Hinzufuegen("");
  liste.Hinzufuegen("/b.kdr");
  liste.Entfernen("/a.kdr");
  liste.Entfernen("/gibt-es-nicht.kdr");
  EXPECT_EQ(liste.Eintraege(), (Pfade{"/b.kdr"}));
}

// Stored entries may have gaps or repeats (edited by hand); they are tidied.
TEST(Dateiliste, GespeicherteEintraegeWerdenBereinigt) {
  Dateiliste liste(4);
  liste.Setzen({"", "/a.kdr", "/a.kdr", "/b.kdr", "", "/c.kdr", "/d.kdr", "/e.kdr"});
  EXPECT_EQ(liste.Eintraege(), (Pfade{"/a.kdr", "/b.kdr", "/c.kdr", "/d.kdr"}));
}

TEST(Dateiliste, GroesseNullMerktNichts) {
  Dateiliste liste(0);
  liste.Hinzufuegen("/a.kdr");
  EXPECT_TRUE(liste.Eintraege().empty());
}

}  // namespace
