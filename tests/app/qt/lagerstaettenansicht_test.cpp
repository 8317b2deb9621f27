// The reservoir analyses in the main window: the menu's items, switching the
// views, the double-click choosing the pore-radius chart's curve, the
// dialog and the settings, and "Ergebnisse ausgeben" of the shown list.
#include "LagerstaettenAnsicht.h"

#include "Befehlstexte.h"
#include "CAuswertungMenue.h"
#include "CGrafik.h"
#include "CKadrelApp.h"
#include "CKadrelView.h"
#include "CLagerstaettenDlg.h"
#include "CMainFrame.h"
#include "FrameFixture.h"
#include "ModalSkript.h"
#include "Textdatei.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using befehl::Id;

bool Enthaelt(const Textliste* liste, const std::string& zeile) {
  return liste && std::find(liste->begin(), liste->end(), zeile) != liste->end();
}

class Lagerstaettenansicht : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    std::string bytes;
    std::string fehler;
    ASSERT_TRUE(text::DateiLesen(KADREL_SOURCE_DIR "/examples/beispiel.txt", bytes, fehler)) << fehler;
    CKadrelDoc& doc = frame->GetDocument();
    doc.Eingabezeilen = text::ZeilenAusBytes(bytes);
    doc.Berechnung();
    frame->AnsichtenAktualisieren();
  }
};

TEST_F(Lagerstaettenansicht, PunkteSchaltenListeUndDiagramm) {
  QAction* hoehe = Punkt(QStringLiteral("Sättigungshöhe"));
  QAction* poren = Punkt(QStringLiteral("Porenradien"));
  ASSERT_TRUE(hoehe && poren && Punkt(QStringLiteral("Lagerstättenbedingungen...")));
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);

  hoehe->trigger();
  ASSERT_NE(GezeigteListe(), nullptr);
  EXPECT_EQ(GezeigteListe()->at(1), "   SÄTTIGUNGSHÖHE ÜBER DEM FREIEN WASSERSPIEGEL");
  ASSERT_NE(GezeigtesDiagramm(), nullptr);
  EXPECT_EQ(GezeigtesDiagramm()->titel, "Sättigungshöhe");
  EXPECT_EQ(GezeigtesDiagramm()->reihen.size(), 5u);

  poren->trigger();
  EXPECT_FALSE(hoehe->isChecked());
  EXPECT_EQ(GezeigteListe()->at(1), "   PORENRADIEN DER KAPILLARDRUCKKURVEN");
  // By default the chart shows the last curve of the input.
  EXPECT_EQ(GezeigtesDiagramm()->untertitel, "Kern AD-205   K = 3108.61 mD");

  // A double-click on a line of the first curve's block chooses that curve.
  const Textliste& liste = *GezeigteListe();
  const auto kern = std::find(liste.begin(), liste.end(), "   Kern:AD-258");
  ASSERT_NE(kern, liste.end());
  emit frame->TextAnsicht()->ZeileDoppelgeklickt(static_cast<int>(kern - liste.begin()) + 12);
  EXPECT_EQ(GezeigtesDiagramm()->untertitel, "Kern AD-258   K = 0.00946 mD");

  poren->trigger();
  EXPECT_EQ(frame->Auswertung()->Aktiv(), nullptr);
  EXPECT_EQ(GezeigteListe(), &frame->GetDocument().Detailergebnisse);
  EXPECT_EQ(GezeigtesDiagramm(), nullptr);
}

TEST_F(Lagerstaettenansicht, ErgebnisseAusgebenSchreibtDieGezeigteListe) {
  const QString vorher = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(ordner.path()));
  ModalSkript skript({ModalSkript::Abbrechen(), ModalSkript::Abbrechen()});
  Punkt(QStringLiteral("Sättigungshöhe"))->trigger();
  frame->Aktion(Id::kErgebnisseAusgeben)->trigger();
  QFile datei(QStringLiteral("aus.txt"));
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  const QByteArray hoehe = datei.readAll();
  datei.close();
  Punkt(QStringLiteral("Porenradien"))->trigger();
  frame->Aktion(Id::kErgebnisseAusgeben)->trigger();
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  const QByteArray poren = datei.readAll();
  QDir::setCurrent(vorher);
  EXPECT_EQ(skript.meldungen,
            (QStringList{QStringLiteral("Die Sättigungshöhe wurde in die Datei aus.txt geschrieben!"),
                         QStringLiteral("Die Porenradien wurden in die Datei aus.txt geschrieben!")}));
  // Windows-1252: Ä = C4, Ö = D6, ³ = B3, µ = B5.
  EXPECT_TRUE(hoehe.startsWith("\n\n   S\xc4TTIGUNGSH\xd6HE"));
  EXPECT_TRUE(hoehe.contains("(g/cm\xb3):"));
  EXPECT_TRUE(poren.contains("\n   Kern:AD-205\n"));
  EXPECT_TRUE(poren.contains("(\xb5m)"));
}

TEST_F(Lagerstaettenansicht, DialogAendertBedingungenUndEinstellungen) {
  Punkt(QStringLiteral("Sättigungshöhe"))->trigger();
  EXPECT_TRUE(Enthaelt(GezeigteListe(), "   Umrechnungsfaktor F                   (-):  0.0706572"));

  // Cancel changes nothing.
  {
    ModalSkript skript({[](QWidget* w) {
      auto* dlg = qobject_cast<CLagerstaettenDlg*>(w);
      ASSERT_NE(dlg, nullptr);
      dlg->Feld(2)->setText(QStringLiteral("72"));
      dlg->reject();
    }});
    Punkt(QStringLiteral("Lagerstättenbedingungen..."))->trigger();
    EXPECT_TRUE(skript.Fertig());
  }
  EXPECT_TRUE(Enthaelt(GezeigteListe(), "   Umrechnungsfaktor F                   (-):  0.0706572"));
  EXPECT_FALSE(QSettings().contains(QStringLiteral("Lagerstaettenbedingungen/SigmaLagerstaette")));

  // A refused field keeps the dialog open; the corrected values are taken.
  {
    ModalSkript skript({[](QWidget* w) {
                          auto* dlg = qobject_cast<CLagerstaettenDlg*>(w);
                          ASSERT_NE(dlg, nullptr);
                          dlg->Feld(2)->setText(QStringLiteral("72"));
                          dlg->Feld(3)->setText(QStringLiteral("90"));
                          dlg->accept();
                        },
                        ModalSkript::Abbrechen(),
                        [](QWidget* w) {
                          auto* dlg = qobject_cast<CLagerstaettenDlg*>(w);
                          ASSERT_NE(dlg, nullptr);
                          dlg->Feld(3)->setText(QStringLiteral("0"));
                          dlg->Feld(5)->setText(QStringLiteral("0,2"));
                          dlg->accept();
                        }});
    Punkt(QStringLiteral("Lagerstättenbedingungen..."))->trigger();
    EXPECT_EQ(skript.meldungen, QStringList{QStringLiteral("Der Wert im Feld \"Randwinkel Lagerstätte\" ist nicht "
                                                           "erlaubt!\nErlaubt: 0 bis 180 Grad, außer 90 Grad.")});
    EXPECT_TRUE(skript.Fertig());
  }
  // 72 / (480·|cos 140°|) = 0.195811.
  EXPECT_TRUE(Enthaelt(GezeigteListe(), "   Umrechnungsfaktor F                   (-):   0.195811"));
  EXPECT_EQ(LagerstaettenbedingungenLaden(), (Lagerstaettenbedingungen{480, 140, 72, 0, 1.05, 0.2}));

  // A new window starts with the kept conditions.
  CMainFrame zweites;
  for (QAction* a : zweites.Auswertung()->Menue()->actions()) {
    if (QString(a->text()).remove(QLatin1Char('&')) == QStringLiteral("Sättigungshöhe")) a->trigger();
  }
  EXPECT_TRUE(Enthaelt(zweites.TextAnsicht()->Liste(), "   Dichte Kohlenwasserstoff          (g/cm³):        0.2"));
}

TEST(Lagerstaetteneinstellungen, UnerlaubteWerteGebenDieVorgaben) {
  QTemporaryDir ordner;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.filePath(QStringLiteral("einstellungen")));
  QSettings().clear();
  EXPECT_EQ(LagerstaettenbedingungenLaden(), Lagerstaettenbedingungen{});
  QSettings().setValue(QStringLiteral("Lagerstaettenbedingungen/ThetaLabor"), 90.0);
  EXPECT_EQ(LagerstaettenbedingungenLaden(), Lagerstaettenbedingungen{});
  LagerstaettenbedingungenSpeichern({100, 120, 20, 10, 1.1, 0.9});
  EXPECT_EQ(LagerstaettenbedingungenLaden(), (Lagerstaettenbedingungen{100, 120, 20, 10, 1.1, 0.9}));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
