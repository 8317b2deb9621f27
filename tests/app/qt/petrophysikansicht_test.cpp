// The petrophysics in the main window: its check item and the chart choice
// with their mnemonics, the list and the three charts, aus.txt and CSV; the
// closure pressure field of the conditions dialog; the conditions kept with
// the document and restored on opening it, a document without them unchanged.
#include "Auswertungsgrundlage.h"
#include "Befehlstexte.h"
#include "CAuswertungMenue.h"
#include "CGrafik.h"
#include "CKadrelApp.h"
#include "CKadrelView.h"
#include "CLagerstaettenDlg.h"
#include "CMainFrame.h"
#include "FrameFixture.h"
#include "LagerstaettenAnsicht.h"
#include "ModalSkript.h"
#include "Studienbedingungen.h"
#include "Tabellenbefehle.h"
#include "Textdatei.h"
#include "Thomeerkurven.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using befehl::Id;

bool Enthaelt(const Textliste* liste, const std::string& zeile) {
  return liste && std::find(liste->begin(), liste->end(), zeile) != liste->end();
}

// The mnemonic letters of a menu's items; each must be unique.
void MnemonicsEindeutig(QMenu* menue) {
  QSet<QChar> gesehen;
  for (const QAction* a : menue->actions()) {
    const QString t = a->text();
    const qsizetype i = t.indexOf(QLatin1Char('&'));
    if (i < 0 || i + 1 >= t.size()) continue;
    const QChar c = t.at(i + 1).toLower();
    EXPECT_FALSE(gesehen.contains(c)) << t.toStdString();
    gesehen.insert(c);
  }
}

class Petrophysikansicht : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    petro = Punkt(QStringLiteral("Petrophysik"));
    ASSERT_NE(petro, nullptr);
    for (QAction* a : frame->Auswertung()->Menue()->actions()) {
      if (a->menu() && a->text() == QStringLiteral("Petrophysik-&Grafik")) grafik = a->menu();
    }
    ASSERT_NE(grafik, nullptr);
  }

  // Three curves (so that the regression asks nothing), A with porosity.
  Textliste Zeilen() const {
    Textliste z = Kurvenzeilen({{0.5, 0.3, 0.8}}, "A", 100.0);
    z[0] += " POROSITAET: 0.25";
    for (const auto& k : {Kurvenzeilen({{2.0, 0.5, 0.7}}, "C", 0.5), Kurvenzeilen({{1.0, 0.4, 0.6}}, "B", 2.0)}) {
      z.insert(z.end(), k.begin(), k.end());
    }
    return z;
  }

  void Rechnen() {
    frame->GetDocument().Eingabezeilen = Zeilen();
    frame->GetDocument().Berechnung();
    frame->AnsichtenAktualisieren();
  }

  QAction* Grafikpunkt(const QString& text) const {
    for (QAction* a : grafik->actions()) {
      if (a->text() == text) return a;
    }
    return nullptr;
  }

  QString Pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }

  // Opens the conditions dialog and lets `schritt` work on it.
  void Dialog(const std::function<void(CLagerstaettenDlg*)>& schritt, std::deque<ModalSkript::Schritt> weitere = {}) {
    weitere.push_front([schritt](QWidget* w) {
      auto* dlg = qobject_cast<CLagerstaettenDlg*>(w);
      ASSERT_NE(dlg, nullptr);
      schritt(dlg);
    });
    ModalSkript skript(std::move(weitere));
    Punkt(QStringLiteral("Lagerstättenbedingungen..."))->trigger();
    meldungen = skript.meldungen;
    EXPECT_TRUE(skript.Fertig());
  }

  QAction* petro = nullptr;
  QMenu* grafik = nullptr;
  QStringList meldungen;
};

TEST_F(Petrophysikansicht, PunkteMitEindeutigenMnemonics) {
  EXPECT_TRUE(petro->isCheckable());
  QStringList texte;
  for (const QAction* a : grafik->actions()) {
    texte << a->text();
    EXPECT_TRUE(a->isCheckable());
  }
  EXPECT_EQ(texte, (QStringList{QStringLiteral("&Porosität–Permeabilität"), QStringLiteral("&J-Funktion"),
                                QStringLiteral("&Thomeer-Permeabilität")}));
  EXPECT_TRUE(grafik->actions()[0]->isChecked());
  MnemonicsEindeutig(frame->Auswertung()->Menue());
  MnemonicsEindeutig(grafik);
}

TEST_F(Petrophysikansicht, ListeUndDieGewaehlteGrafik) {
  Rechnen();
  frame->AnsichtWechseln(CMainFrame::kGrafikAnsicht);
  petro->trigger();
  ASSERT_NE(GezeigteListe(), nullptr);
  EXPECT_EQ(GezeigteListe()->at(1), "   PETROPHYSIK DER MESSUNGEN");
  EXPECT_TRUE(Enthaelt(GezeigteListe(), "   Ohne Porosität: C, B"));
  ASSERT_NE(GezeigtesDiagramm(), nullptr);
  EXPECT_EQ(GezeigtesDiagramm()->titel, "Porosität–Permeabilität");

  Grafikpunkt(QStringLiteral("&J-Funktion"))->trigger();
  EXPECT_EQ(GezeigtesDiagramm()->titel, "J-Funktion");
  EXPECT_FALSE(grafik->actions()[0]->isChecked());

  // Unchecked, a chart item checks the petrophysics again and shows the chart.
  petro->trigger();
  EXPECT_FALSE(petro->isChecked());
  frame->AnsichtWechseln(CMainFrame::kTextAnsicht);
  Grafikpunkt(QStringLiteral("&Thomeer-Permeabilität"))->trigger();
  EXPECT_TRUE(petro->isChecked());
  EXPECT_EQ(frame->GetActiveView(), frame->GrafikAnsicht());
  EXPECT_EQ(GezeigtesDiagramm()->titel, "Thomeer-Permeabilität");
  EXPECT_EQ(GezeigtesDiagramm()->untertitel, "1 Messung mit Porosität und Thomeer-Anpassung");
}

TEST_F(Petrophysikansicht, ErgebnisseAusgebenUndCsv) {
  Rechnen();
  const QString vorher = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(ordner.path()));
  ModalSkript skript({ModalSkript::Abbrechen()});
  petro->trigger();
  frame->Aktion(Id::kErgebnisseAusgeben)->trigger();
  QFile datei(QStringLiteral("aus.txt"));
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  const QByteArray aus = datei.readAll();
  QDir::setCurrent(vorher);
  EXPECT_EQ(skript.meldungen, QStringList{QStringLiteral("Die Petrophysik wurde in die Datei aus.txt geschrieben!")});
  EXPECT_TRUE(aus.contains("\n   PETROPHYSIK DER MESSUNGEN\n"));

  ASSERT_TRUE(ErgebnisseAlsCsv(*frame, Pfad("e.csv"), false));
  QFile csv(Pfad("e.csv"));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  const QByteArray text = csv.readAll();
  EXPECT_TRUE(text.contains("\r\nPetrophysik\r\nKern,Permeabilit\xc3\xa4t (mD),"));
  EXPECT_FALSE(
      text.contains("Schlie\xc3\x9f"
                    "druckkorrektur"));
}

TEST_F(Petrophysikansicht, SchliessdruckImDialogUndInDerStudie) {
  Rechnen();
  Punkt(QStringLiteral("Thomeer-Parameter"))->trigger();
  const std::string hinweis = "   A: 0.4 bar (für alle Messungen), S(Hg) um 0.00000 vermindert, 3 Punkte weggelassen";
  EXPECT_FALSE(Enthaelt(GezeigteListe(), hinweis));
  EXPECT_FALSE(frame->GetDocument().IsModified());

  // A closure pressure that is no number is refused, the dialog stays on it.
  Dialog(
      [](CLagerstaettenDlg* dlg) {
        EXPECT_EQ(dlg->SchliessdruckFeld()->text(), QString());
        dlg->SchliessdruckFeld()->setText(QStringLiteral("0,4 bar"));
        dlg->accept();
      },
      {ModalSkript::Abbrechen(), [](QWidget* w) {
         auto* dlg = qobject_cast<CLagerstaettenDlg*>(w);
         ASSERT_NE(dlg, nullptr);
         EXPECT_EQ(dlg->focusWidget(), dlg->SchliessdruckFeld());
         dlg->SchliessdruckFeld()->setText(QStringLiteral("0,4"));
         dlg->accept();
       }});
  EXPECT_EQ(meldungen, QStringList{QStringLiteral("Im Feld \"Schließdruck für alle Messungen\" steht keine Zahl!\n"
                                                  "Erlaubt: eine Zahl größer 0 (bar), oder leer für keinen.")});
  // Taken: the lists say so, the document keeps it and is modified, the
  // settings keep it for new documents.
  EXPECT_TRUE(Enthaelt(GezeigteListe(), hinweis));
  EXPECT_TRUE(frame->GetDocument().IsModified());
  EXPECT_TRUE(frame->isWindowModified());
  const auto studie = lagerstaette::StudieLesen(frame->GetDocument().Studie);
  ASSERT_TRUE(studie.has_value());
  EXPECT_EQ(studie->schliessdruck, 0.4);
  EXPECT_EQ(StudienvorgabeLaden().schliessdruck, 0.4);

  // OK without a change changes nothing.
  frame->GetDocument().SetModifiedFlag(false);
  Dialog([](CLagerstaettenDlg* dlg) {
    EXPECT_EQ(dlg->SchliessdruckFeld()->text(), QStringLiteral("0.4"));
    dlg->accept();
  });
  EXPECT_FALSE(frame->GetDocument().IsModified());

  // Emptied: no correction, the document's line goes.
  Dialog([](CLagerstaettenDlg* dlg) {
    dlg->SchliessdruckFeld()->clear();
    dlg->accept();
  });
  EXPECT_FALSE(Enthaelt(GezeigteListe(), hinweis));
  EXPECT_EQ(lagerstaette::StudieLesen(frame->GetDocument().Studie)->schliessdruck, std::nullopt);
}

TEST_F(Petrophysikansicht, OeffnenStelltDieBedingungenDesDokumentsWiederHer) {
  // A document that keeps σ_L 240 mN/m, θ_L 180° and a closure pressure of 0.4 bar.
  CKadrelDoc& doc = frame->GetDocument();
  doc.Eingabezeilen = Zeilen();
  lagerstaette::StudieSchreiben(doc.Studie, {{240, 180, 30, 30, 1.05, 0.8}, 0.4});
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("studie.kdr")));
  {
    ModalSkript neu({ModalSkript::Abbrechen()});  // the data dialog of File New
    frame->OnDateiNeu();
  }
  EXPECT_TRUE(doc.Studie.empty());

  {
    ModalSkript skript({ModalSkript::Annehmen()});  // the data dialog runs the document
    ASSERT_TRUE(frame->DateiLaden(Pfad("studie.kdr")));
  }
  EXPECT_FALSE(doc.IsModified());
  Punkt(QStringLiteral("Porenradien"))->trigger();
  EXPECT_TRUE(Enthaelt(GezeigteListe(), "   Grenzflächenspannung Labor (mN/m): 240"));
  Dialog([](CLagerstaettenDlg* dlg) {
    EXPECT_EQ(dlg->Feld(0)->text(), QStringLiteral("240"));
    EXPECT_EQ(dlg->Feld(1)->text(), QStringLiteral("180"));
    EXPECT_EQ(dlg->SchliessdruckFeld()->text(), QStringLiteral("0.4"));
    dlg->reject();
  });

  // A new document has the user's last choice (the settings), not the document's.
  {
    ModalSkript neu({ModalSkript::Abbrechen()});
    frame->OnDateiNeu();
  }
  Dialog([](CLagerstaettenDlg* dlg) {
    EXPECT_EQ(dlg->Feld(0)->text(), QStringLiteral("480"));
    EXPECT_EQ(dlg->SchliessdruckFeld()->text(), QString());
    dlg->reject();
  });
}

TEST_F(Petrophysikansicht, DokumentOhneBedingungenBleibtByteGleich) {
  CKadrelDoc& doc = frame->GetDocument();
  doc.Eingabezeilen = Zeilen();
  ASSERT_TRUE(frame->DateiSpeichern(Pfad("ohne.kdr")));
  std::string vorher;
  std::string fehler;
  ASSERT_TRUE(text::DateiLesen(Pfad("ohne.kdr").toStdString(), vorher, fehler));
  {
    ModalSkript skript({ModalSkript::Annehmen()});
    ASSERT_TRUE(frame->DateiLaden(Pfad("ohne.kdr")));
  }
  // Every analysis shown, the dialog confirmed unchanged.
  for (const char* p : {"Thomeer-Parameter", "Porenradien", "Sättigungshöhe", "Petrophysik"}) {
    Punkt(QString::fromUtf8(p))->trigger();
    GezeigteListe();
  }
  Dialog([](CLagerstaettenDlg* dlg) { dlg->accept(); });
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(doc.Studie.empty());
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
