// The chart "Kapillardruckkurven" in the main window: its check item and
// the command "Kurven wählen..." under "A&uswertung", the choice dialog, the
// legend of the real curves; and "Druckachse logarithmisch" in "&Ansicht".
#include "CAuswertungMenue.h"
#include "CGrafik.h"
#include "CKadrelApp.h"
#include "CKadrelView.h"
#include "CMainFrame.h"
#include "FrameFixture.h"
#include "Kapillardruckkurven.h"
#include "KapillardruckkurvenDlg.h"
#include "MnemonikPruefung.h"
#include "ModalSkript.h"
#include "Textdatei.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// The lines of the first `anzahl` curves of the Arab-D set.
Textliste ArabD(int anzahl) {
  std::string bytes, fehler;
  EXPECT_TRUE(text::DateiLesen(KADREL_ARAB_D, bytes, fehler)) << fehler;
  Textliste zeilen;
  int kurven = 0;
  for (const std::string& z : text::ZeilenAusBytes(bytes)) {
    if (kurven == anzahl) break;
    zeilen.push_back(z);
    if (z.rfind("ENDE", 0) == 0) ++kurven;
  }
  return zeilen;
}

class Kapillardruckkurven : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    zeigen = Punkt(QStringLiteral("Kapillardruckkurven"));
    waehlen = Punkt(QStringLiteral("Kurven wählen..."));
    ASSERT_NE(zeigen, nullptr);
    ASSERT_NE(waehlen, nullptr);
  }

  void Rechnen(int anzahl) {
    CKadrelDoc& doc = frame->GetDocument();
    doc.Eingabezeilen = ArabD(anzahl);
    Laufen();
    ASSERT_EQ(doc.Messkurven.size(), static_cast<std::size_t>(anzahl));
  }
  void Laufen() {
    // The family of a few curves may not be computed: the run says so.
    ModalSkript skript({ModalSkript::Abbrechen(), ModalSkript::Abbrechen(), ModalSkript::Abbrechen()});
    frame->GetDocument().Berechnung();
  }

  // Opens "Kurven wählen..." and hands the dialog to `schritt` (which
  // closes it).
  void Auswahl(const std::function<void(KapillardruckkurvenDlg&)>& schritt) {
    ModalSkript skript({[&schritt](QWidget* w) {
      auto* dlg = qobject_cast<KapillardruckkurvenDlg*>(w);
      ASSERT_NE(dlg, nullptr);
      schritt(*dlg);
    }});
    waehlen->trigger();
    EXPECT_TRUE(skript.Fertig());
  }

  static int Angekreuzt(const KapillardruckkurvenDlg& dlg) {
    int n = 0;
    for (int i = 0; i < dlg.Liste()->count(); ++i) n += dlg.Liste()->item(i)->checkState() == Qt::Checked ? 1 : 0;
    return n;
  }

  QAction* zeigen = nullptr;
  QAction* waehlen = nullptr;
};

TEST_F(Kapillardruckkurven, PunktZeigtDiagrammUndListeAllerKurven) {
  Rechnen(5);
  EXPECT_TRUE(zeigen->isCheckable());
  EXPECT_FALSE(waehlen->isCheckable());
  EXPECT_EQ(zeigen->text(), QStringLiteral("&Kapillardruckkurven"));
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  zeigen->trigger();
  const Datendiagramm* d = GezeigtesDiagramm();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->titel, "Kapillardruckkurven");
  EXPECT_EQ(d->untertitel, "Messwerte aller 5 Messungen");
  ASSERT_EQ(d->legende.size(), 5u);
  EXPECT_EQ(d->legende[0].text, "AD-001");
  EXPECT_EQ(frame->GrafikAnsicht()->GetDiagramm().YAchse().Art(), Achsenart::Logarithmisch);
  const Textliste* liste = GezeigteListe();
  ASSERT_NE(liste, nullptr);
  EXPECT_EQ((*liste)[3], kKapillardruckkurvenKopf);
  EXPECT_EQ(liste->size(), 5u + 5u);
  EXPECT_EQ(frame->Auswertung()->Aktiv()->ausgabeMeldung,
            "Die Kapillardruckkurven wurden in die Datei aus.txt geschrieben!");
  zeigen->trigger();
  EXPECT_EQ(GezeigtesDiagramm(), nullptr);
}

// The dialog lists every measurement checked; "Keine" and "Alle" clear and
// set every box; OK takes the boxes and the x axis and shows the chart.
TEST_F(Kapillardruckkurven, DialogMitKontrollkaestchenAlleUndKeine) {
  Rechnen(5);
  Auswahl([](KapillardruckkurvenDlg& dlg) {
    EXPECT_TRUE(mnemoniken::DialogPruefen(&dlg).isEmpty()) << mnemoniken::DialogPruefen(&dlg).join(u';').toStdString();
    ASSERT_EQ(dlg.Liste()->count(), 5);
    EXPECT_EQ(dlg.Liste()->item(1)->text(), QStringLiteral("AD-003   2034.6 mD"));
    EXPECT_TRUE(dlg.Liste()->item(0)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_EQ(Angekreuzt(dlg), 5);
    EXPECT_EQ(dlg.Anzahltext(), QStringLiteral("5 von 5 gewählt"));
    EXPECT_TRUE(dlg.HgKnopf()->isChecked());
    dlg.KeineKnopf()->click();
    EXPECT_EQ(Angekreuzt(dlg), 0);
    EXPECT_EQ(dlg.Anzahltext(), QStringLiteral("0 von 5 gewählt"));
    dlg.AlleKnopf()->click();
    EXPECT_EQ(Angekreuzt(dlg), 5);
    dlg.Liste()->item(0)->setCheckState(Qt::Unchecked);
    dlg.Liste()->item(3)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(dlg.Anzahltext(), QStringLiteral("3 von 5 gewählt"));
    dlg.SwKnopf()->click();
    // Return presses OK, not the buttons beside the list.
    QTest::keyClick(dlg.Liste(), Qt::Key_Return);
  });
  EXPECT_TRUE(zeigen->isChecked());
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  const Datendiagramm* d = GezeigtesDiagramm();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->untertitel, "Messwerte von 3 der 5 Messungen");
  EXPECT_EQ(d->x.text, "Wassersättigung Sw (-)");
  ASSERT_EQ(d->legende.size(), 3u);
  EXPECT_EQ(d->legende[0].text, "AD-003");

  // The choice stands while the run does: the dialog shows it again, and
  // Cancel changes nothing.
  Auswahl([](KapillardruckkurvenDlg& dlg) {
    EXPECT_EQ(Angekreuzt(dlg), 3);
    EXPECT_EQ(dlg.Liste()->item(0)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(dlg.SwKnopf()->isChecked());
    dlg.KeineKnopf()->click();
    dlg.reject();
  });
  EXPECT_EQ(GezeigtesDiagramm()->legende.size(), 3u);

  // A new run chooses every curve again; the x axis stays.
  Laufen();
  EXPECT_EQ(GezeigtesDiagramm()->legende.size(), 5u);
  EXPECT_EQ(GezeigtesDiagramm()->x.text, "Wassersättigung Sw (-)");
}

// The first 20 curves of the Arab-D set: twelve in colour with their labels
// in the legend, eight grey with the note, the legend in several rows.
TEST_F(Kapillardruckkurven, ZwanzigKurvenZwoelfInDerLegendeDerRestGrau) {
  Rechnen(20);
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  zeigen->trigger();
  const Datendiagramm* d = GezeigtesDiagramm();
  ASSERT_NE(d, nullptr);
  ASSERT_EQ(d->legende.size(), 13u);
  EXPECT_EQ(d->legende.back().text, "+ 8 weitere Kurven");
  EXPECT_EQ(d->legende.back().stift, kurven::kGrau);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(d->legende[static_cast<std::size_t>(i)].stift, kurven::kStifte[i]);
  ASSERT_EQ(d->reihen.size(), 20u);
  const Diagramm& diagramm = frame->GrafikAnsicht()->GetDiagramm();
  // Eight grey curves beneath twelve coloured ones, every point of each on the
  // chart (all pressures above 0); the axis holds them all.
  ASSERT_EQ(diagramm.Reihenpunkte().size(), 20u);
  for (std::size_t r = 0; r < 20; ++r) {
    ASSERT_EQ(diagramm.Reihenpunkte()[r].size(), 1u) << r;
    EXPECT_EQ(diagramm.Reihenpunkte()[r][0].size(), d->reihen[r].y.size()) << r;
  }
  EXPECT_LE(diagramm.YAchse().Min(), 0.1);
  EXPECT_GE(diagramm.YAchse().Max(), 1000.0);
}

// "Druckachse logarithmisch": in "&Ansicht", off by default, switches the
// chart view's curve chart and is remembered for the next start.
TEST_F(Kapillardruckkurven, DruckachseLogarithmischImAnsichtMenue) {
  QAction* log = nullptr;
  for (QAction* a : frame->Menue(QStringLiteral("&Ansicht"))->actions()) {
    if (QString(a->text()).remove(QLatin1Char('&')) == QStringLiteral("Druckachse logarithmisch")) log = a;
  }
  ASSERT_NE(log, nullptr);
  EXPECT_EQ(log->text(), QStringLiteral("&Druckachse logarithmisch"));
  EXPECT_TRUE(log->isCheckable());
  EXPECT_FALSE(log->isChecked());
  EXPECT_TRUE(mnemoniken::MenuePruefen(frame->menuBar()).isEmpty());

  // Chosen before the chart view exists: the view takes it when it comes.
  log->trigger();
  EXPECT_TRUE(QSettings().value(QStringLiteral("Grafik/DruckachseLogarithmisch")).toBool());
  Rechnen(3);
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  CGrafik* grafik = frame->GrafikAnsicht();
  EXPECT_TRUE(grafik->DruckLogarithmisch());
  grafik->viewport()->grab();
  EXPECT_TRUE(grafik->GetDiagramm().KurveLogarithmisch());
  log->trigger();
  EXPECT_FALSE(grafik->DruckLogarithmisch());
  EXPECT_FALSE(QSettings().value(QStringLiteral("Grafik/DruckachseLogarithmisch")).toBool());

  log->trigger();
  frame.reset();
  frame = std::make_unique<CMainFrame>();
  bool an = false;
  for (QAction* a : frame->Menue(QStringLiteral("&Ansicht"))->actions()) {
    if (a->text() == QStringLiteral("&Druckachse logarithmisch")) an = a->isChecked();
  }
  EXPECT_TRUE(an);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
