#include "Befehlstexte.h"

#include <gtest/gtest.h>

namespace {

struct Text {
  int id;
  const char* aufforderung;
  const char* tooltip;
};

class BefehlstexteTest : public ::testing::TestWithParam<Text> {};

TEST_P(BefehlstexteTest, AufforderungUndTooltip) {
  const Text& t = GetParam();
  EXPECT_EQ(befehl::Aufforderung(t.id), t.aufforderung);
  EXPECT_EQ(befehl::Tooltip(t.id), t.tooltip);
}

INSTANTIATE_TEST_SUITE_P(
    Zeichenketten, BefehlstexteTest,
    ::testing::Values(
        Text{32772, "Eingabedatei einlesen bzw. ändern", "Daten änden"},
        Text{32773, "Ergebnisse als grafik anzeigen", "Grafik"}, Text{32774, "Ergebnisse als text anzeigen", "Text"},
        Text{32775, "Hilf anzeigen", ""}, Text{32781, "Ergnisse in AUS.TXT Datei speichern", ""},
        Text{32782, "Ergebnisse einlesen", ""}, Text{32783, "Grafik Lupe", "Grafik Lupe"},
        Text{57600, "Erstellt ein neues Dokument.", "Neu"}, Text{57601, "Öffnet ein bestehendes Dokument.", "Öffnen"},
        Text{57603, "Speichert das aktive Dokument.", "Speichern"},
        Text{57604, "Speichert das aktive Dokument unter neuem Namen.", "Speichern unter"},
        Text{57606, "Ändert den Drucker und die Druckoptionen.", "Druckereinrichtung"},
        Text{57607, "Druckt das aktive Dokument.", "Drucken"}, Text{57609, "Zeigt ganze Seiten an.", "Seitenansicht"},
        Text{57616, "Öffnet dieses Dokument.", ""}, Text{57619, "Öffnet dieses Dokument.", ""},
        Text{57665, "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.", "Beenden"},
        Text{59392, "Blendet die Symbolleiste ein oder aus.", "Symbolleiste ein-/ausschalten"},
        Text{59393, "Blendet die Statusleiste ein oder aus.", "Statusleiste ein-/ausschalten"},
        Text{61445, "Beendet die Seitenansicht.", "Seitenansicht beenden"}, Text{57620, "", ""}, Text{57635, "", ""},
        // The commands added to the classic set: copy and the fitted chart.
        Text{57634, "Kopiert die gezeigte Liste (oder ihre markierten Zeilen) oder die Grafik in die Zwischenablage.",
             "Kopieren"},
        Text{32784, "Zeigt die Grafik so groß, wie das Fenster sie fasst.", "An Fenster anpassen"}));

}  // namespace
