// The Thomeer analysis in the main window: its item under "&Auswertung"
// switches the text view to the Thomeer list and the chart view to the
// Thomeer chart, a double-click on a row chooses the chart's measurement.
#include "CAuswertungMenue.h"
#include "CGrafik.h"
#include "CKadrelApp.h"
#include "CKadrelView.h"
#include "CMainFrame.h"
#include "Befehlstexte.h"
#include "FrameFixture.h"
#include "ModalSkript.h"
#include "PdfSeiten.h"
#include "Thomeerkurven.h"

#include <QAction>
#include <QPrinter>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ThomeerAnsicht : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    thomeer = Punkt(QStringLiteral("Thomeer-Parameter"));
    ASSERT_NE(thomeer, nullptr);
  }

  // Runs the document on curves C, A (one system) and B (two systems); three
  // curves, so that the regression asks nothing.
  void Rechnen() {
    CKadrelDoc& doc = frame->GetDocument();
    doc.Eingabezeilen = Kurvenzeilen({{2.0, 0.5, 0.7}}, "C", 0.5);
    for (const auto& k :
         {Kurvenzeilen({{0.5, 0.3, 0.8}}, "A", 100.0), Kurvenzeilen({{0.3, 0.2, 0.5}, {5.0, 0.4, 0.35}}, "B", 2.0)}) {
      doc.Eingabezeilen.insert(doc.Eingabezeilen.end(), k.begin(), k.end());
    }
    doc.Berechnung();
  }

  QAction* thomeer = nullptr;
};

TEST_F(ThomeerAnsicht, ItemSwitchesListAndChartAndADoubleClickChoosesTheCurve) {
  Rechnen();
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  EXPECT_TRUE(thomeer->isCheckable());

  thomeer->trigger();
  const Textliste* liste = GezeigteListe();
  ASSERT_NE(liste, nullptr);
  ASSERT_EQ(liste->size(), 6u);
  EXPECT_EQ((*liste)[1], " PERMEABILITÄT    Pd1/bar     G1    Sinf1    Pd2/bar     G2    Sinf2   FEHLER      R2  KERN");
  EXPECT_EQ(liste->back().substr(liste->back().size() - 3), "  B");
  const Datendiagramm* d = GezeigtesDiagramm();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->titel, "Thomeer-Analyse");
  EXPECT_EQ(d->untertitel, "Kern: B  Permeabilität: 2 mD");
  EXPECT_EQ(d->ymarken.size(), 2u);
  EXPECT_EQ(frame->GrafikAnsicht()->GetDiagramm().Art(), Diagrammart::Daten);
  ASSERT_NE(frame->Auswertung()->Aktiv(), nullptr);
  EXPECT_EQ(frame->Auswertung()->Aktiv()->ausgabeMeldung,
            "Die Thomeer-Parameter wurden in die Datei aus.txt geschrieben!");

  // Header lines choose nothing; the row of A does.
  emit frame->TextAnsicht()->ZeileDoppelgeklickt(1);
  EXPECT_EQ(GezeigtesDiagramm()->untertitel, "Kern: B  Permeabilität: 2 mD");
  emit frame->TextAnsicht()->ZeileDoppelgeklickt(4);
  EXPECT_EQ(GezeigtesDiagramm()->untertitel, "Kern: A  Permeabilität: 100 mD");
  EXPECT_EQ(GezeigtesDiagramm()->ymarken.size(), 1u);

  thomeer->trigger();
  EXPECT_FALSE(thomeer->isChecked());
  EXPECT_EQ(GezeigteListe(), frame->GetDocument().GewaehlteListe());
  EXPECT_EQ(GezeigtesDiagramm(), nullptr);
}

// Printing follows what is shown: the three curves' details fill several
// pages, the Thomeer list of six lines one; the chart is one page either way.
TEST_F(ThomeerAnsicht, PrintingPrintsTheThomeerListAndChart) {
  Rechnen();
  frame->AnsichtenAktualisieren();
  const auto drucken = [this](const char* name) {
    const QString pdf = ordner.filePath(QString::fromUtf8(name));
    frame->Drucker().setOutputFormat(QPrinter::PdfFormat);
    frame->Drucker().setOutputFileName(pdf);
    ModalSkript skript({ModalSkript::Annehmen()});
    frame->Aktion(befehl::Id::kDrucken)->trigger();
    return PdfSeiten(pdf);
  };
  const int detail = drucken("detail.pdf");
  EXPECT_GT(detail, 1);
  thomeer->trigger();
  EXPECT_EQ(drucken("thomeer.pdf"), 1);
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  EXPECT_EQ(drucken("grafik.pdf"), 1);
  thomeer->trigger();
  frame->AnsichtWechseln(CMainFrame::kTextAnsicht);
  EXPECT_EQ(drucken("wieder.pdf"), detail);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
