// The menu "A&uswertung" in the main window: its place, the switching of the
// views' list and chart, at most one checked view, the double-click and
// "Ergebnisse ausgeben" of the shown list.
#include "CAuswertungMenue.h"

#include "Befehlstexte.h"
#include "CGrafik.h"
#include "CKadrelApp.h"
#include "CKadrelView.h"
#include "CMainFrame.h"
#include "FrameFixture.h"
#include "ModalSkript.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using befehl::Id;

// A test analysis: a fixed list and a small chart, and the lines it was
// told were double-clicked.
struct Testauswertung {
  Textliste liste;
  Datendiagramm diagramm;
  std::vector<int> geklickt;

  explicit Testauswertung(const std::string& name) {
    liste = {" " + name + " Sättigung", " " + name + " Zeile 2", " " + name + " Zeile 3"};
    diagramm.titel = name;
    diagramm.y = {Achsenart::Logarithmisch, "Pc", false, 0, 0};
    diagramm.reihen = {{Reihenart::Sterne, {}, {0.1, 0.9}, {0.5, 50}}};
  }

  Auswertungsansicht Ansicht(bool mitKlick = true) {
    Auswertungsansicht a;
    a.liste = [this] { return &liste; };
    a.diagramm = [this] { return &diagramm; };
    if (mitKlick) a.doppelklick = [this](int index) { geklickt.push_back(index); };
    a.ausgabeMeldung = diagramm.titel + " ist in die Datei aus.txt geschrieben!";
    return a;
  }
};

class Auswertung : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    frame->GetDocument().Detailergebnisse = {" Detail 1", " Detail 2"};
    befehl_ = frame->Auswertung()->BefehlHinzufuegen(QStringLiteral("Lagerstättenbedingungen..."));
    a_ = frame->Auswertung()->AnsichtHinzufuegen(QStringLiteral("Thomeer-Parameter"), eins.Ansicht());
    b_ = frame->Auswertung()->AnsichtHinzufuegen(QStringLiteral("Porenradien"), zwei.Ansicht(false));
  }

  Testauswertung eins{"Eins"};
  Testauswertung zwei{"Zwei"};
  QAction* befehl_ = nullptr;
  QAction* a_ = nullptr;
  QAction* b_ = nullptr;
};

TEST_F(Auswertung, MenueNachAnsichtVorHilfe) {
  QStringList titel;
  for (const QAction* a : frame->menuBar()->actions()) titel << a->text();
  EXPECT_EQ(titel, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("&Ansicht"),
                                QStringLiteral("A&uswertung"), QStringLiteral("&?")}));
  QStringList punkte;
  for (const QAction* a : frame->menuBar()->actions()[3]->menu()->actions()) {
    punkte << (a->isSeparator() ? QStringLiteral("-") : a->text());
  }
  // The frame's own analyses come first; the test's items join the commands
  // before the separator and the views after it. Each gets the first free
  // mnemonic of its menu, a word's initial where one is free.
  EXPECT_EQ(punkte,
            (QStringList{QStringLiteral("&Lagerstättenbedingungen..."), QStringLiteral("Kurven &wählen..."),
                         QStringLiteral("Sätt&igungshöhenmodell..."), QStringLiteral("L&agerstättenbedingungen..."),
                         QStringLiteral("-"), QStringLiteral("&Thomeer-Parameter"), QStringLiteral("&Sättigungshöhe"),
                         QStringLiteral("&Porenradien"), QStringLiteral("P&etrophysik"),
                         QStringLiteral("Petrophysik-&Grafik"), QStringLiteral("&Kapillardruckkurven"),
                         QStringLiteral("&Modellgüte"), QStringLiteral("&Bohrung"),
                         QStringLiteral("T&homeer-Parameter"), QStringLiteral("P&orenradien")}));
  EXPECT_FALSE(befehl_->isCheckable());
  EXPECT_TRUE(a_->isCheckable());
  EXPECT_FALSE(a_->isChecked());
  EXPECT_EQ(frame->Auswertung()->Aktiv(), nullptr);
}

TEST_F(Auswertung, AnhakenZeigtListeUndDiagrammAbhakenDieDerOptionen) {
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  EXPECT_EQ(GezeigteListe(), &frame->GetDocument().Detailergebnisse);
  EXPECT_EQ(GezeigtesDiagramm(), nullptr);

  a_->trigger();
  EXPECT_TRUE(a_->isChecked());
  EXPECT_EQ(GezeigteListe(), &eins.liste);
  EXPECT_EQ(GezeigtesDiagramm(), &eins.diagramm);
  EXPECT_EQ(frame->GrafikAnsicht()->GetDiagramm().Art(), Diagrammart::Daten);

  a_->trigger();
  EXPECT_FALSE(a_->isChecked());
  EXPECT_EQ(frame->Auswertung()->Aktiv(), nullptr);
  EXPECT_EQ(GezeigteListe(), &frame->GetDocument().Detailergebnisse);
  EXPECT_EQ(GezeigtesDiagramm(), nullptr);
  EXPECT_NE(frame->GrafikAnsicht()->GetDiagramm().Art(), Diagrammart::Daten);
}

// The chart view is created on first use; it shows the checked analysis'
// chart even when that was checked before.
TEST_F(Auswertung, SpaeterErstellteGrafikansichtZeigtDieAuswertung) {
  b_->trigger();
  ASSERT_EQ(frame->GrafikAnsicht(), nullptr);
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  EXPECT_EQ(GezeigtesDiagramm(), &zwei.diagramm);
}

TEST_F(Auswertung, HoechstensEineAngehakt) {
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  a_->trigger();
  b_->trigger();
  EXPECT_FALSE(a_->isChecked());
  EXPECT_TRUE(b_->isChecked());
  ASSERT_NE(frame->Auswertung()->Aktiv(), nullptr);
  EXPECT_EQ(frame->Auswertung()->Aktiv()->ausgabeMeldung, "Zwei ist in die Datei aus.txt geschrieben!");
  EXPECT_EQ(GezeigteListe(), &zwei.liste);
  EXPECT_EQ(GezeigtesDiagramm(), &zwei.diagramm);
  b_->trigger();
  EXPECT_FALSE(a_->isChecked() || b_->isChecked());
  EXPECT_EQ(GezeigteListe(), &frame->GetDocument().Detailergebnisse);
}

TEST_F(Auswertung, DoppelklickGehtAnDieAngehakteAuswertung) {
  emit frame->TextAnsicht()->ZeileDoppelgeklickt(1);  // nothing checked: nobody is told
  a_->trigger();
  emit frame->TextAnsicht()->ZeileDoppelgeklickt(2);
  b_->trigger();  // an analysis without a handler ignores the click
  emit frame->TextAnsicht()->ZeileDoppelgeklickt(0);
  EXPECT_EQ(eins.geklickt, std::vector<int>{2});
}

// "Ergebnisse ausgeben" writes the list shown: the analysis' list with its
// message while checked, the evaluation's list after unchecking.
TEST_F(Auswertung, ErgebnisseAusgebenSchreibtDieGezeigteListe) {
  const QString vorher = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(ordner.path()));
  a_->trigger();
  ModalSkript skript({ModalSkript::Abbrechen(), ModalSkript::Abbrechen()});
  frame->Aktion(Id::kErgebnisseAusgeben)->trigger();
  QFile datei(QStringLiteral("aus.txt"));
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  const QByteArray auswertung = datei.readAll();
  datei.close();
  a_->trigger();
  frame->Aktion(Id::kErgebnisseAusgeben)->trigger();
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  const QByteArray detail = datei.readAll();
  QDir::setCurrent(vorher);

  // The untitled document's empty name line, then the lines in Windows-1252.
  EXPECT_EQ(auswertung, QByteArray("\n Eins S\xe4ttigung\n Eins Zeile 2\n Eins Zeile 3\n"));
  EXPECT_EQ(detail, QByteArray("\n Detail 1\n Detail 2\n"));
  EXPECT_EQ(skript.meldungen,
            (QStringList{QStringLiteral("Eins ist in die Datei aus.txt geschrieben!"),
                         QStringLiteral("Die Detailergebnisse sind in die Datei aus.txt geschrieben!")}));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
