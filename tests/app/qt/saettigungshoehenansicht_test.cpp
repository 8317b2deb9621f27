// The choice of the saturation-height model in the main window: the dialog's
// refusals and what it accepts, the list and chart following the choice, the
// view "Modellgüte", the choice kept with the document and in the settings,
// and a document without a choice left as it was.
#include "Auswertungsgrundlage.h"
#include "CKadrelApp.h"
#include "CMainFrame.h"
#include "CSaettigungshoehenDlg.h"
#include "FrameFixture.h"
#include "ModalSkript.h"
#include "SaettigungshoehenAnsicht.h"
#include "SaettigungshoehenWahl.h"
#include "Textdatei.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>

namespace {

void Zelle(CSaettigungshoehenDlg& dlg, int zeile, int spalte, const char* text) {
  dlg.GesteineFeld()->item(zeile, spalte)->setText(QString::fromUtf8(text));
}

// ------------------------------------------------------------------ dialog

struct Verweigerung {
  const char* name;
  std::function<void(CSaettigungshoehenDlg&)> eingeben;
  const char* meldung;
  std::function<bool(CSaettigungshoehenDlg&)> fokus;  // whether the cursor stands on the field
};

bool ZelleGewaehlt(CSaettigungshoehenDlg& dlg, int zeile, int spalte) {
  return dlg.focusWidget() == dlg.GesteineFeld() && dlg.GesteineFeld()->currentRow() == zeile &&
         dlg.GesteineFeld()->currentColumn() == spalte;
}

class DialogVerweigert : public ::testing::TestWithParam<Verweigerung> {};

TEST_P(DialogVerweigert, MeldungUndBleibtOffenAufDemFeld) {
  const auto& f = GetParam();
  CSaettigungshoehenDlg dlg;
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  dlg.activateWindow();
  const SaettigungshoehenWahl vorher = dlg.Wahl();
  f.eingeben(dlg);
  ModalSkript skript({ModalSkript::Abbrechen()});
  dlg.accept();
  EXPECT_EQ(skript.meldungen, QStringList{QString::fromUtf8(f.meldung)});
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_NE(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.Wahl(), vorher);
  EXPECT_TRUE(f.fokus(dlg));
}

INSTANTIATE_TEST_SUITE_P(
    Felder, DialogVerweigert,
    ::testing::Values(
        Verweigerung{"PermeabilitaetNull", [](auto& d) { Zelle(d, 1, 0, "0"); },
                     "Der Wert im Feld \"Permeabilität (Gestein 2)\" ist nicht erlaubt!\nErlaubt: größer 0 bis 1000000 "
                     "mD.",
                     [](auto& d) { return ZelleGewaehlt(d, 1, 0); }},
        Verweigerung{"PorositaetInProzent", [](auto& d) { Zelle(d, 0, 1, "21,3"); },
                     "Der Wert im Feld \"Porosität (Gestein 1)\" ist nicht erlaubt!\nErlaubt: ein Anteil größer 0 und "
                     "kleiner 1, z. B. 0.213 für 21,3 % (in Prozent eingegeben?).",
                     [](auto& d) { return ZelleGewaehlt(d, 0, 1); }},
        Verweigerung{"JOhnePorositaet", [](auto& d) { d.ModellFeld()->setCurrentIndex(1); },
                     "Im Feld \"Porosität (Gestein 1)\" fehlt die Porosität!\nDas Modell J-Funktion braucht sie: ein "
                     "Anteil größer 0 und kleiner 1, z. B. 0.213 für 21,3 %.",
                     [](auto& d) { return ZelleGewaehlt(d, 0, 1); }},
        Verweigerung{"HoeheKeineZahl", [](auto& d) { d.HoeheFeld()->setText(QStringLiteral("200 m")); },
                     "Im Feld \"Größte Höhe\" steht keine Zahl!\nErlaubt: größer 0 bis 10000 m.",
                     [](auto& d) { return d.focusWidget() == d.HoeheFeld() && d.HoeheFeld()->hasSelectedText(); }},
        Verweigerung{"TypZuGross", [](auto& d) { d.GesteinstypFeld()->setEditText(QStringLiteral("41")); },
                     "Der Wert im Feld \"Gesteinstyp\" ist nicht erlaubt!\nErlaubt: alle oder eine ganze Zahl von -20 "
                     "bis 40.",
                     [](auto& d) {
                       return d.focusWidget() == d.GesteinstypFeld() ||
                              d.focusWidget() == d.GesteinstypFeld()->lineEdit();
                     }},
        Verweigerung{"KeinGestein",
                     [](auto& d) {
                       for (int i = 0; i < 5; ++i) {
                         d.GesteineFeld()->setCurrentCell(0, 0);
                         d.ZeileWeg()->click();
                       }
                     },
                     "Die Tabelle der Gesteine hat 0 Zeilen!\nErlaubt: 1 bis 50 Gesteine.",
                     [](auto& d) { return d.focusWidget() == d.GesteineFeld(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Saettigungshoehendialog, ZeigtDieWahlUndNimmtKommazahlen) {
  CSaettigungshoehenDlg dlg;
  // A new dialog shows the default: Kadrel at the five family permeabilities, 200 m.
  EXPECT_EQ(dlg.ModellFeld()->currentText(), QStringLiteral("Kadrel"));
  EXPECT_EQ(dlg.GesteinstypFeld()->currentText(), QStringLiteral("alle"));
  ASSERT_EQ(dlg.GesteineFeld()->rowCount(), 5);
  EXPECT_EQ(dlg.GesteineFeld()->item(0, 0)->text(), QStringLiteral("0.01"));
  EXPECT_EQ(dlg.GesteineFeld()->item(4, 0)->text(), QStringLiteral("100"));
  EXPECT_EQ(dlg.HoeheFeld()->text(), QStringLiteral("200"));

  dlg.SetGesteinstypen({6, 8, 12});
  ASSERT_EQ(dlg.GesteinstypFeld()->count(), 4);
  EXPECT_EQ(dlg.GesteinstypFeld()->itemText(2), QStringLiteral("8"));
  dlg.ModellFeld()->setCurrentIndex(2);
  dlg.GesteinstypFeld()->setCurrentIndex(2);
  for (int i = 0; i < 4; ++i) {
    dlg.GesteineFeld()->setCurrentCell(0, 0);
    dlg.ZeileWeg()->click();
  }
  Zelle(dlg, 0, 0, "12,5");
  Zelle(dlg, 0, 1, "0,18");
  dlg.ZeileDazu()->click();
  ASSERT_EQ(dlg.GesteineFeld()->rowCount(), 2);
  Zelle(dlg, 1, 0, "400");
  dlg.HoeheFeld()->setText(QStringLiteral("75,5"));
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  SaettigungshoehenWahl erwartet;
  erwartet.modell = ShfModell::Thomeer;
  erwartet.gesteinstyp = 8;
  erwartet.gesteine = {{12.5, 0.18}, {400.0, std::nullopt}};
  erwartet.hoeheMax = 75.5;
  EXPECT_EQ(dlg.Wahl(), erwartet);

  // Shown again, it reads back to the same choice; Cancel keeps it.
  CSaettigungshoehenDlg zweiter;
  zweiter.SetWahl(erwartet);
  EXPECT_EQ(zweiter.ModellFeld()->currentText(), QStringLiteral("Thomeer"));
  EXPECT_EQ(zweiter.GesteinstypFeld()->currentText(), QStringLiteral("8"));
  EXPECT_EQ(zweiter.GesteineFeld()->item(1, 1)->text(), QString());
  EXPECT_EQ(zweiter.HoeheFeld()->text(), QStringLiteral("75.5"));
  zweiter.HoeheFeld()->setText(QStringLiteral("1"));
  zweiter.reject();
  EXPECT_EQ(zweiter.Wahl(), erwartet);
  CSaettigungshoehenDlg dritter;
  dritter.SetWahl(erwartet);
  dritter.accept();
  EXPECT_EQ(dritter.Wahl(), erwartet);
}

// ------------------------------------------------------------- main window

class Saettigungshoehenansicht : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    Rechnen();
  }

  // The first 40 real curves with porosity.
  void Rechnen() {
    std::string bytes;
    std::string fehler;
    ASSERT_TRUE(text::DateiLesen(KADREL_ARAB_D_POROSITAET, bytes, fehler)) << fehler;
    Textliste zeilen = text::ZeilenAusBytes(bytes);
    int messungen = 0;
    Textliste teil;
    for (const std::string& z : zeilen) {
      if (z.rfind("PERMEABILITAET:", 0) == 0 && ++messungen > 40) break;
      teil.push_back(z);
    }
    CKadrelDoc& doc = frame->GetDocument();
    doc.Eingabezeilen = teil;
    doc.Berechnung();
    frame->AnsichtenAktualisieren();
  }

  QString Pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }

  // Opens the dialog through the menu and plays `schritt` in it.
  void Dialog(std::function<void(CSaettigungshoehenDlg*)> schritt, std::deque<ModalSkript::Schritt> danach = {}) {
    std::deque<ModalSkript::Schritt> schritte{[schritt](QWidget* w) {
      auto* dlg = qobject_cast<CSaettigungshoehenDlg*>(w);
      ASSERT_NE(dlg, nullptr);
      schritt(dlg);
    }};
    for (auto& s : danach) schritte.push_back(std::move(s));
    ModalSkript skript(std::move(schritte));
    Punkt(QStringLiteral("Sättigungshöhenmodell..."))->trigger();
    EXPECT_TRUE(skript.Fertig());
    meldungen = skript.meldungen;
  }

  QStringList meldungen;
};

SaettigungshoehenWahl JWahl() {
  SaettigungshoehenWahl w;
  w.modell = ShfModell::JFunktion;
  w.gesteine = {{1.0, 0.2}, {100.0, 0.25}};
  w.hoeheMax = 100.0;
  return w;
}

void JEingeben(CSaettigungshoehenDlg* dlg) {
  dlg->ModellFeld()->setCurrentIndex(1);
  for (int i = 0; i < 3; ++i) {
    dlg->GesteineFeld()->setCurrentCell(0, 0);
    dlg->ZeileWeg()->click();
  }
  Zelle(*dlg, 0, 0, "1");
  Zelle(*dlg, 0, 1, "0.2");
  Zelle(*dlg, 1, 0, "100");
  Zelle(*dlg, 1, 1, "0.25");
  dlg->HoeheFeld()->setText(QStringLiteral("100"));
  dlg->accept();
}

TEST_F(Saettigungshoehenansicht, WahlGiltFuerListeDiagrammDokumentUndEinstellungen) {
  QAction* hoehe = Punkt(QStringLiteral("Sättigungshöhe"));
  ASSERT_NE(hoehe, nullptr);
  hoehe->trigger();
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  ASSERT_NE(GezeigtesDiagramm(), nullptr);
  EXPECT_EQ(GezeigtesDiagramm()->reihen.size(), 5u);
  EXPECT_FALSE(frame->GetDocument().IsModified());

  // The default shows the median porosity of the measurements; OK without a
  // change changes nothing.
  Dialog([](CSaettigungshoehenDlg* dlg) {
    EXPECT_FALSE(dlg->GesteineFeld()->item(0, 1)->text().isEmpty());
    EXPECT_GT(dlg->GesteinstypFeld()->count(), 1);
    dlg->accept();
  });
  EXPECT_FALSE(frame->GetDocument().IsModified());
  EXPECT_TRUE(frame->GetDocument().Studie.empty());
  EXPECT_EQ(SaettigungshoehenwahlLaden(), std::nullopt);

  // A refusal keeps the dialog open; the corrected choice is taken.
  Dialog(
      [](CSaettigungshoehenDlg* dlg) {
        dlg->HoeheFeld()->setText(QStringLiteral("0"));
        dlg->accept();
      },
      {ModalSkript::Abbrechen(), [](QWidget* w) { JEingeben(qobject_cast<CSaettigungshoehenDlg*>(w)); }});
  EXPECT_EQ(meldungen,
            QStringList{QStringLiteral("Der Wert im Feld \"Größte Höhe\" ist nicht erlaubt!\nErlaubt: größer 0 bis "
                                       "10000 m.")});
  EXPECT_TRUE(frame->GetDocument().IsModified());
  SaettigungshoehenWahl w;
  std::string fehler;
  ASSERT_TRUE(lagerstaette::StudieLesen(frame->GetDocument().Studie, w, fehler)) << fehler;
  EXPECT_EQ(w, JWahl());
  EXPECT_EQ(SaettigungshoehenwahlLaden(), JWahl());

  // The chart follows: one curve per rock, legend "k mD, φ", heights 0 … 100 m.
  const Datendiagramm* d = GezeigtesDiagramm();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->reihen.size(), 2u);
  ASSERT_EQ(d->legende.size(), 2u);
  EXPECT_EQ(d->legende[0].text, "1 mD, 0.2");
  EXPECT_EQ(d->legende[1].text, "100 mD, 0.25");
  EXPECT_EQ(d->y.min, 0.0);
  EXPECT_EQ(d->y.max, 100.0);
  const Textliste* liste = GezeigteListe();
  ASSERT_NE(liste, nullptr);
  EXPECT_TRUE(std::any_of(liste->begin(), liste->end(),
                          [](const std::string& z) { return z.find("J-Funktion") != std::string::npos; }));

  // The view "Modellgüte": the 1:1 line and the three models.
  QAction* guete = Punkt(QStringLiteral("Modellgüte"));
  ASSERT_NE(guete, nullptr);
  guete->trigger();
  ASSERT_NE(GezeigtesDiagramm(), nullptr);
  EXPECT_EQ(GezeigtesDiagramm()->titel, "Modellgüte");
  EXPECT_EQ(GezeigtesDiagramm()->legende.size(), 4u);
  EXPECT_FALSE(hoehe->isChecked());

  // Saved and opened again, the document brings its choice.
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("wahl.kdr")));
  {
    ModalSkript neu({ModalSkript::Abbrechen()});  // the data dialog of File New
    frame->OnDateiNeu();
  }
  EXPECT_TRUE(frame->GetDocument().Studie.empty());
  // A new document takes the user's last choice from the settings.
  EXPECT_EQ(AuswertungsgrundlageVon(*frame)->Wahl(), JWahl());
  SaettigungshoehenwahlSpeichern(lagerstaette::StandardWahl({}));
  {
    ModalSkript skript({ModalSkript::Annehmen()});
    ASSERT_TRUE(frame->DateiLaden(Pfad("wahl.kdr")));
  }
  EXPECT_FALSE(frame->GetDocument().IsModified());
  EXPECT_EQ(AuswertungsgrundlageVon(*frame)->Wahl(), JWahl());
  Dialog([](CSaettigungshoehenDlg* dlg) {
    EXPECT_EQ(dlg->ModellFeld()->currentText(), QStringLiteral("J-Funktion"));
    EXPECT_EQ(dlg->GesteineFeld()->rowCount(), 2);
    EXPECT_EQ(dlg->HoeheFeld()->text(), QStringLiteral("100"));
    dlg->reject();
  });
}

TEST_F(Saettigungshoehenansicht, DokumentOhneWahlBleibtByteGleich) {
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("ohne.kdr")));
  std::string vorher;
  std::string fehler;
  ASSERT_TRUE(text::DateiLesen(Pfad("ohne.kdr").toStdString(), vorher, fehler));
  {
    ModalSkript skript({ModalSkript::Annehmen()});
    ASSERT_TRUE(frame->DateiLaden(Pfad("ohne.kdr")));
  }
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  for (const char* p : {"Sättigungshöhe", "Modellgüte"}) {
    Punkt(QString::fromUtf8(p))->trigger();
    GezeigteListe();
    GezeigtesDiagramm();
  }
  Dialog([](CSaettigungshoehenDlg* dlg) { dlg->accept(); });
  EXPECT_FALSE(frame->GetDocument().IsModified());
  EXPECT_TRUE(frame->GetDocument().Studie.empty());
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("ohne.kdr")));
  std::string nachher;
  ASSERT_TRUE(text::DateiLesen(Pfad("ohne.kdr").toStdString(), nachher, fehler));
  EXPECT_EQ(nachher, vorher);
}

TEST(Saettigungshoeheneinstellungen, UnerlaubteWahlGiltNicht) {
  QTemporaryDir ordner;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.filePath(QStringLiteral("einstellungen")));
  QSettings().clear();
  EXPECT_EQ(SaettigungshoehenwahlLaden(), std::nullopt);
  QSettings().setValue(QStringLiteral("Saettigungshoehenmodell/Wahl"),
                       QStringList{QStringLiteral("SHF-Modell=J-Funktion"), QStringLiteral("SHF-Gestein-mD-Anteil=1")});
  EXPECT_EQ(SaettigungshoehenwahlLaden(), std::nullopt);
  SaettigungshoehenwahlSpeichern(JWahl());
  EXPECT_EQ(SaettigungshoehenwahlLaden(), JWahl());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
