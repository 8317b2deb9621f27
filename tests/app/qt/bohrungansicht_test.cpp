// The well in the main window: the example log loaded through "Datei →
// Bohrung laden..." with its dialog played, the FWL refusal, the view
// "Bohrung" and its refresh when the model changes, the log saved as LAS and
// read back, the well kept with the document (and a missing log reported
// once), a refused log loading nothing, a document without a well left as it
// was.
#include "Auswertungsgrundlage.h"
#include "BohrungAnsicht.h"
#include "BohrungStudie.h"
#include "CAuswertungMenue.h"
#include "CBohrungDlg.h"
#include "CKadrelApp.h"
#include <QApplication>
#include "CMainFrame.h"
#include "FrameFixture.h"
#include "LasLesen.h"
#include "ModalSkript.h"
#include "SaettigungshoehenWahl.h"
#include "Textdatei.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTest>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const QString kBeispiel = QStringLiteral(KADREL_SOURCE_DIR "/tests/data/bohrung-beispiel.las");
const char* kFwlKeineZahl =
    "Im Feld \"FWL (M)\" steht keine Zahl!\nErlaubt: die Tiefe des freien Wasserspiegels in M, der Tiefeneinheit "
    "des Logs.";

// Chooses `pfad` in the file dialog of a command.
ModalSkript::Schritt DateiWaehlen(const QString& pfad) {
  return [pfad](QWidget* w) {
    auto* dlg = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dlg, nullptr) << w->metaObject()->className();
    dlg->setDirectory(QFileInfo(pfad).absolutePath());
    auto* name = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(QFileInfo(pfad).fileName());
    QTest::keyClick(name, Qt::Key_Return);
  };
}

ModalSkript::Schritt ImBohrungsdialog(std::function<void(CBohrungDlg*)> tun) {
  return [tun](QWidget* w) {
    auto* dlg = qobject_cast<CBohrungDlg*>(w);
    ASSERT_NE(dlg, nullptr) << w->metaObject()->className();
    tun(dlg);
  };
}

bool Gleich(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

class Bohrungsansicht : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    // The first 40 real curves with porosity, for the models.
    std::string bytes;
    std::string fehler;
    ASSERT_TRUE(text::DateiLesen(KADREL_ARAB_D_POROSITAET, bytes, fehler)) << fehler;
    int messungen = 0;
    Textliste teil;
    for (const std::string& z : text::ZeilenAusBytes(bytes)) {
      if (z.rfind("PERMEABILITAET:", 0) == 0 && ++messungen > 40) break;
      teil.push_back(z);
    }
    CKadrelDoc& doc = frame->GetDocument();
    doc.Eingabezeilen = teil;
    doc.Berechnung();
    frame->AnsichtenAktualisieren();
  }

  QString Pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }

  QAction* Dateipunkt(const QString& text) const {
    for (QAction* a : frame->Menue(QStringLiteral("&Datei"))->actions()) {
      if (QString(a->text()).remove(QLatin1Char('&')) == text) return a;
    }
    return nullptr;
  }

  // Loads the example log through the menu with FWL 2140 m.
  void BeispielLaden() {
    ModalSkript skript({DateiWaehlen(kBeispiel), ImBohrungsdialog([](CBohrungDlg* dlg) {
                          dlg->FwlFeld()->setText(QStringLiteral("2140"));
                          dlg->accept();
                        })});
    Dateipunkt(QStringLiteral("Bohrung laden..."))->trigger();
    EXPECT_TRUE(skript.Fertig());
    EXPECT_TRUE(skript.meldungen.isEmpty()) << skript.meldungen.join(QLatin1Char('|')).toStdString();
  }

  bool ListeEnthaelt(const std::string& teil) const {
    const Textliste* l = GezeigteListe();
    return l &&
           std::any_of(l->begin(), l->end(), [&](const std::string& z) { return z.find(teil) != std::string::npos; });
  }
};

TEST_F(Bohrungsansicht, LadenUeberDasMenueMitDialogUndFwlVerweigerung) {
  QAction* speichern = Dateipunkt(QStringLiteral("Bohrung speichern als LAS..."));
  ASSERT_NE(speichern, nullptr);
  EXPECT_FALSE(speichern->isEnabled());
  QAction* ansicht = Punkt(QStringLiteral("Bohrung"));
  ASSERT_NE(ansicht, nullptr);
  ansicht->trigger();
  ASSERT_NE(GezeigteListe(), nullptr);
  EXPECT_EQ(*GezeigteListe(), Textliste{"Keine Bohrung geladen: Datei → Bohrung laden..."});

  QStringList luecken;
  ModalSkript skript({DateiWaehlen(kBeispiel), ImBohrungsdialog([&luecken](CBohrungDlg* dlg) {
                        // The curves as read, the preset curves, the rows without Sw.
                        ASSERT_EQ(dlg->KurvenFeld()->rowCount(), 4);
                        EXPECT_EQ(dlg->KurvenFeld()->item(2, 0)->text(), QStringLiteral("PHIT"));
                        EXPECT_EQ(dlg->KurvenFeld()->item(2, 1)->text(), QStringLiteral("V/V"));
                        EXPECT_EQ(dlg->KurvenFeld()->item(2, 2)->text(), QStringLiteral("TOTAL POROSITY"));
                        EXPECT_EQ(dlg->PorositaetFeld()->currentText(), QStringLiteral("PHIT (V/V)"));
                        EXPECT_EQ(dlg->PermeabilitaetFeld()->currentText(), QStringLiteral("PERM (MD)"));
                        for (int i = 0; i < dlg->LueckenFeld()->count(); ++i)
                          luecken << dlg->LueckenFeld()->item(i)->text();
                        // GR as the porosity: its unit is none the reader takes; the list says why.
                        dlg->PorositaetFeld()->setCurrentIndex(0);
                        EXPECT_EQ(dlg->Bohrung(), nullptr);
                        ASSERT_EQ(dlg->LueckenFeld()->count(), 1);
                        EXPECT_FALSE(dlg->Lesefehler().empty());
                        EXPECT_EQ(dlg->LueckenFeld()->item(0)->text(), QString::fromStdString(dlg->Lesefehler()));
                        dlg->PorositaetFeld()->setCurrentIndex(1);
                        dlg->FwlFeld()->setText(QStringLiteral("2140 m"));
                        dlg->accept();
                      }),
                      ModalSkript::Abbrechen(), ImBohrungsdialog([](CBohrungDlg* dlg) {
                        EXPECT_TRUE(dlg->isVisible());
                        EXPECT_EQ(dlg->focusWidget(), dlg->FwlFeld());
                        dlg->FwlFeld()->setText(QStringLiteral("2140,0"));
                        dlg->accept();
                      })});
  Dateipunkt(QStringLiteral("Bohrung laden..."))->trigger();
  EXPECT_TRUE(skript.Fertig());
  EXPECT_EQ(skript.meldungen, QStringList{QString::fromUtf8(kFwlKeineZahl)});

  // The example's NULL values, as the reader gives them.
  bohrung::Bohrung b;
  std::string fehler;
  ASSERT_TRUE(bohrung::LasLesenDatei(kBeispiel.toStdString(), {}, b, fehler)) << fehler;
  QStringList erwartet;
  for (const bohrung::Luecke& l : bohrung::Luecken(b.grund))
    erwartet << QString::fromStdString(bohrung::Lueckentext(b, l));
  EXPECT_FALSE(erwartet.isEmpty());
  EXPECT_EQ(luecken, erwartet);

  // Loaded: the document is modified and names the well; the view shows it.
  const bohrung::Bohrung* geladen = GeladeneBohrung(*frame);
  ASSERT_NE(geladen, nullptr);
  EXPECT_EQ(geladen->Zeilen(), 302u);
  EXPECT_TRUE(frame->GetDocument().IsModified());
  bohrung::Bohrungsstudie s;
  ASSERT_TRUE(bohrung::StudieLesen(frame->GetDocument().Studie, s, fehler)) << fehler;
  EXPECT_EQ(s, (bohrung::Bohrungsstudie{kBeispiel.toStdString(), 2140.0, "M", "PHIT", "PERM"}));
  EXPECT_TRUE(speichern->isEnabled());
  EXPECT_TRUE(ansicht->isChecked());
  const Textliste* liste = GezeigteListe();
  ASSERT_NE(liste, nullptr);
  EXPECT_GT(liste->size(), 302u);
  EXPECT_TRUE(ListeEnthaelt("2140"));
  EXPECT_TRUE(ListeEnthaelt("Kadrel"));
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  const Datendiagramm* d = GezeigtesDiagramm();
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(d->reihen.empty());
  EXPECT_FALSE(d->querlinien.empty());
}

TEST_F(Bohrungsansicht, FolgtDemModellUndSpeichertAlsLas) {
  BeispielLaden();
  const bohrung::Auswertung* a = BohrungAuswertung(*frame);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->modell, "Kadrel");
  EXPECT_EQ(a->fwl, 2140.0);

  // Another model in force: evaluated again at the next look.
  SaettigungshoehenWahl w;
  w.modell = ShfModell::JFunktion;
  w.gesteine = {{1.0, 0.2}};
  ASSERT_TRUE(AuswertungsgrundlageVon(*frame)->WahlAendern(w));
  frame->Auswertung()->AnsichtenAktualisieren();
  EXPECT_TRUE(ListeEnthaelt("J-Funktion"));
  a = BohrungAuswertung(*frame);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->modell, "J-Funktion");
  std::size_t mitSw = 0;
  for (std::size_t i = 0; i < a->sw.size(); ++i) mitSw += std::isnan(a->sw[i]) ? 0 : 1;
  EXPECT_GT(mitSw, 250u);

  // Saved through the menu and read back: every input curve unchanged, SW and HAFWL added.
  const QString aus = Pfad("aus.las");
  {
    ModalSkript skript({DateiWaehlen(aus)});
    Dateipunkt(QStringLiteral("Bohrung speichern als LAS..."))->trigger();
    EXPECT_TRUE(skript.Fertig());
    EXPECT_TRUE(skript.meldungen.isEmpty());
  }
  const bohrung::Bohrung* ein = GeladeneBohrung(*frame);
  bohrung::Bohrung zurueck;
  std::string fehler;
  ASSERT_TRUE(bohrung::LasLesenDatei(aus.toStdString(), {}, zurueck, fehler)) << fehler;
  ASSERT_EQ(zurueck.kopf.kurven.size(), 6u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(zurueck.kopf.kurven[i].kuerzel, ein->kopf.kurven[i].kuerzel);
    EXPECT_EQ(zurueck.kopf.kurven[i].einheit, ein->kopf.kurven[i].einheit);
  }
  EXPECT_EQ(zurueck.kopf.kurven[4].kuerzel, "SW");
  EXPECT_EQ(zurueck.kopf.kurven[4].einheit, "V/V");
  EXPECT_EQ(zurueck.kopf.kurven[5].kuerzel, "HAFWL");
  EXPECT_EQ(zurueck.kopf.kurven[5].einheit, "M");
  ASSERT_EQ(zurueck.Zeilen(), ein->Zeilen());
  for (std::size_t i = 0; i < ein->Zeilen(); ++i) {
    EXPECT_TRUE(Gleich(zurueck.tiefe[i], ein->tiefe[i])) << i;
    EXPECT_TRUE(Gleich(zurueck.phi[i], ein->phi[i])) << i;
    EXPECT_TRUE(Gleich(zurueck.k[i], ein->k[i])) << i;
  }
  // SW read as a "porosity" gives the evaluation's values back where they lie inside (0, 1).
  bohrung::Bohrung sw;
  ASSERT_TRUE(bohrung::LasLesenDatei(aus.toStdString(), {"SW", "PERM"}, sw, fehler)) << fehler;
  for (std::size_t i = 0; i < a->sw.size(); ++i) {
    if (a->sw[i] > 0.0 && a->sw[i] < 1.0) {
      EXPECT_NEAR(sw.phi[i], a->sw[i], 5e-5) << i;
    }
  }

  // A failed save is reported with its reason.
  ModalSkript skript({ModalSkript::Abbrechen()});
  EXPECT_FALSE(BohrungSpeichernAlsLas(*frame, Pfad("fehlt/aus.las")));
  ASSERT_EQ(skript.meldungen.size(), 1);
  EXPECT_TRUE(skript.meldungen[0].startsWith(
      QStringLiteral("Die Datei %1 kann nicht gespeichert werden").arg(Pfad("fehlt/aus.las"))));
}

TEST_F(Bohrungsansicht, MitDemDokumentGespeichertUndWiederGeladen) {
  const QString las = Pfad("bohrung.las");
  ASSERT_TRUE(QFile::copy(kBeispiel, las));
  {
    ModalSkript skript({DateiWaehlen(las), ImBohrungsdialog([](CBohrungDlg* dlg) {
                          dlg->FwlFeld()->setText(QStringLiteral("2100.5"));
                          dlg->accept();
                        })});
    Dateipunkt(QStringLiteral("Bohrung laden..."))->trigger();
    EXPECT_TRUE(skript.Fertig());
  }
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("studie.kdr")));
  {
    ModalSkript neu({ModalSkript::Abbrechen()});  // the data dialog of File New
    frame->OnDateiNeu();
  }
  EXPECT_EQ(GeladeneBohrung(*frame), nullptr);
  EXPECT_FALSE(Dateipunkt(QStringLiteral("Bohrung speichern als LAS..."))->isEnabled());
  {
    ModalSkript skript({ModalSkript::Annehmen()});
    ASSERT_TRUE(frame->DateiLaden(Pfad("studie.kdr")));
    EXPECT_TRUE(skript.meldungen.isEmpty());
  }
  EXPECT_FALSE(frame->GetDocument().IsModified());
  ASSERT_NE(GeladeneBohrung(*frame), nullptr);
  EXPECT_EQ(GeladeneBohrung(*frame)->Zeilen(), 302u);
  ASSERT_NE(BohrungAuswertung(*frame), nullptr);
  EXPECT_EQ(BohrungAuswertung(*frame)->fwl, 2100.5);
  EXPECT_TRUE(Dateipunkt(QStringLiteral("Bohrung speichern als LAS..."))->isEnabled());

  // The log gone: reported once, the document still opens, without a well.
  ASSERT_TRUE(QFile::remove(las));
  {
    ModalSkript neu({ModalSkript::Abbrechen()});
    frame->OnDateiNeu();
  }
  {
    ModalSkript skript({ModalSkript::Annehmen(), ModalSkript::Abbrechen()});
    ASSERT_TRUE(frame->DateiLaden(Pfad("studie.kdr")));
    frame->AnsichtenAktualisieren();
    ASSERT_EQ(skript.meldungen.size(), 1);
    EXPECT_TRUE(skript.meldungen[0].startsWith(QStringLiteral("Die Bohrung der Studie wird nicht geladen.\n")));
    EXPECT_TRUE(skript.meldungen[0].contains(las));
  }
  EXPECT_EQ(GeladeneBohrung(*frame), nullptr);
  EXPECT_TRUE(bohrung::StudieEnthaelt(frame->GetDocument().Studie));
  EXPECT_FALSE(frame->GetDocument().IsModified());
}

TEST_F(Bohrungsansicht, VerweigertesLogLaedtNichts) {
  std::string bytes;
  std::string fehler;
  ASSERT_TRUE(text::DateiLesen(kBeispiel.toStdString(), bytes, fehler)) << fehler;
  struct Fall {
    const char* name;
    const char* alt;
    const char* neu;
  };
  for (const Fall& f : {Fall{"wrap.las", " WRAP.   NO ", " WRAP.   YES "},
                        Fall{"zeile.las", " 2000.5    118.8   0.0277      0.022", " 2000.5    118.8   0.0277"}}) {
    std::string log = bytes;
    log.replace(log.find(f.alt), std::string(f.alt).size(), f.neu);
    const QString pfad = Pfad(f.name);
    ASSERT_TRUE(text::DateiSchreiben(pfad.toStdString(), log, fehler)) << fehler;
    bohrung::Bohrung b;
    std::string erwartet;
    ASSERT_FALSE(bohrung::LasLesenDatei(pfad.toStdString(), {}, b, erwartet));
    ModalSkript skript({ModalSkript::Abbrechen()});
    EXPECT_FALSE(BohrungLaden(*frame, pfad)) << f.name;
    EXPECT_EQ(skript.meldungen, QStringList{QString::fromStdString(erwartet)}) << f.name;
    EXPECT_EQ(GeladeneBohrung(*frame), nullptr);
    EXPECT_FALSE(frame->GetDocument().IsModified());
    EXPECT_TRUE(frame->GetDocument().Studie.empty());
  }
}

TEST_F(Bohrungsansicht, DokumentOhneBohrungBleibtByteGleich) {
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("ohne.kdr")));
  std::string vorher;
  std::string fehler;
  ASSERT_TRUE(text::DateiLesen(Pfad("ohne.kdr").toStdString(), vorher, fehler));
  Punkt(QStringLiteral("Bohrung"))->trigger();
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  ASSERT_NE(GezeigtesDiagramm(), nullptr);
  EXPECT_TRUE(GezeigtesDiagramm()->reihen.empty());
  EXPECT_FALSE(frame->GetDocument().IsModified());
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("ohne.kdr")));
  std::string nachher;
  ASSERT_TRUE(text::DateiLesen(Pfad("ohne.kdr").toStdString(), nachher, fehler));
  EXPECT_EQ(nachher, vorher);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
