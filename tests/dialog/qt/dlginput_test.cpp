#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "DlgInput.h"
#include "EingabeDaten.h"
#include "MnemonikPruefung.h"
#include "Plattform.h"

namespace {

// A platform that shows real message boxes and records their texts. With
// no window manager to do it, it gives the activation back to the window
// the box came from once the box is closed.
class BoxPlattform : public Plattform {
 public:
  struct Eintrag {
    std::string art;
    std::string text;
    bool operator==(const Eintrag&) const = default;
  };

  void Meldung(const std::string& text) override {
    protokoll.push_back({"ok", text});
    QWidget* fenster = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Kadrel"), QString::fromUtf8(text), QMessageBox::Ok,
                    fenster);
    box.exec();
    Reaktivieren(fenster);
  }
  bool Frage(const std::string& text) override {
    protokoll.push_back({"yesno", text});
    QWidget* fenster = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kadrel"), QString::fromUtf8(text),
                    QMessageBox::Yes | QMessageBox::No, fenster);
    const bool ja = box.exec() == QMessageBox::Yes;
    Reaktivieren(fenster);
    return ja;
  }
  void WarteCursor(bool) override {}
  void AnsichtenAktualisieren() override {}
  bool DatenDialog(EingabeDaten&) override { return false; }

  std::vector<Eintrag> protokoll;

 private:
  static void Reaktivieren(QWidget* fenster) {
    if (fenster != nullptr && fenster->isVisible()) QApplication::setActiveWindow(fenster);
  }
};

void PrintTo(const BoxPlattform::Eintrag& e, std::ostream* os) { *os << e.art << ": \"" << e.text << '"'; }

}  // namespace

// Readable failure messages for the controls' names and texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

BoxPlattform::Eintrag Ok(const std::string& t) { return {"ok", t}; }
BoxPlattform::Eintrag Frage(const std::string& t) { return {"yesno", t}; }

// Answers the modal boxes as they come: questions from a queue (Yes when
// it runs dry), messages with OK, the open-file dialog with a file name.
class Antworter {
 public:
  Antworter() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Pruefen(); });
    timer_.start();
  }

  std::deque<bool> antworten;
  std::string datei;
  // Cancels the open-file dialog instead of choosing `datei`.
  bool dateiAbbrechen = false;
  QString dateiFilter;

 private:
  void Pruefen() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      if (QAbstractButton* ja = box->button(QMessageBox::Yes)) {
        const bool antwort = antworten.empty() ? true : antworten.front();
        if (!antworten.empty()) antworten.pop_front();
        (antwort ? ja : box->button(QMessageBox::No))->click();
      } else {
        box->button(QMessageBox::Ok)->click();
      }
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      dateiFilter = dialog->nameFilters().join(QStringLiteral(";"));
      if (dateiAbbrechen) {
        dialog->reject();
        return;
      }
      dialog->selectFile(QString::fromStdString(datei));
      static_cast<QDialog*>(dialog)->accept();
    }
  }

  QTimer timer_;
};

// Processes events until the condition holds or five seconds have passed.
bool Warten(const std::function<bool()>& bedingung) {
  QElapsedTimer uhr;
  uhr.start();
  while (!bedingung()) {
    if (uhr.elapsed() > 5000) return false;
    QTest::qWait(10);
  }
  return true;
}

// Lets queued work run (and boxes be answered) for a moment.
void Ruhe() { QTest::qWait(100); }

const std::vector<std::string> kMessung = {
    "PERMEABILITAET: 125.3 K17", "0.05 0.0", "0.30 0.2", "0.80 0.3", "4.00 0.4", "20.0 0.84", "ENDE"};

class DlgInputTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "dialog-dlginput";
      static char* argv[] = {name, nullptr};
      new QApplication(argc, argv);
    }
  }

  void Oeffnen(const std::vector<std::string>& zeilen) {
    EingabeDaten daten;
    daten.Eingabezeilen = zeilen;
    dlg.SetDaten(daten);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  }

  template <typename T>
  T* Kind(const char* name) {
    T* w = dlg.findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QLineEdit* Zeile() { return Kind<QLineEdit>("zeile"); }
  QListView* Liste() { return Kind<QListView>("liste"); }
  QString Hinweis() { return Kind<QLabel>("hinweis")->text(); }
  std::vector<std::string> Zeilen() {
    std::vector<std::string> z;
    QAbstractItemModel* m = Liste()->model();
    for (int i = 0; i < m->rowCount(); ++i) z.push_back(m->index(i, 0).data().toString().toStdString());
    return z;
  }

  void Doppelklick(int nummer) {
    QListView* liste = Liste();
    // On the visible start of the item: a wide item reaches past the box.
    const QRect r = liste->visualRect(liste->model()->index(nummer - 1, 0));
    const QPoint ort(std::max(r.left(), 0) + 10, r.center().y());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, ort);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, ort);
  }
  // A click as a user makes it: the press, whatever the press sets off, then
  // the release.
  void Klick(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
    Ruhe();
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->rect().center());
    Ruhe();
  }
  void Tippen(const QString& text) {
    Zeile()->selectAll();
    QTest::keyClicks(Zeile(), text);
  }

  BoxPlattform plattform;
  Antworter antworter;
  DlgInput dlg{plattform};
};

TEST_F(DlgInputTest, VorlageUndMnemoniken) {
  Oeffnen(kMessung);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Dialogfeld zur Dateneingabe und Datenänderung"));
  EXPECT_EQ(Zeilen(), kMessung);
  EXPECT_EQ(Zeile()->maxLength(), 79);
  EXPECT_TRUE(Kind<QRadioButton>("zeileAendern")->isChecked());
  EXPECT_FALSE(Kind<QPushButton>("ok")->isDefault());
  // The controls stand where the template puts them, relative to each
  // other: edit above the list, buttons in a row from right to left.
  EXPECT_LT(Zeile()->geometry().bottom(), Liste()->geometry().top());
  EXPECT_LT(Kind<QPushButton>("abbrechen")->geometry().right(), Kind<QPushButton>("ok")->geometry().left());
  EXPECT_LT(Kind<QPushButton>("dateiEinlesen")->geometry().right(), Kind<QPushButton>("testdaten")->geometry().left());

  // Every button has a letter of its own; the two field captions lead to
  // their fields.
  const QStringList probleme = mnemoniken::DialogPruefen(&dlg);
  EXPECT_TRUE(probleme.isEmpty()) << probleme.join(QStringLiteral("; ")).toStdString();
  EXPECT_EQ(Kind<QPushButton>("ok")->text(), QStringLiteral("&OK"));
  EXPECT_EQ(Kind<QRadioButton>("zeileAendern")->text(), QStringLiteral("Zeile ände&rn"));

  // The keys start in the list.
  EXPECT_EQ(QApplication::focusWidget(), Liste());
}

// Tab walks every control in reading order: the buttons of the top row from
// left to right, then the columns from left to right, each from top to
// bottom. A group of radios is one stop, at its checked radio; the arrows
// move within it. Shift+Tab walks back.
TEST_F(DlgInputTest, TabulatorInLeserichtung) {
  EingabeDaten daten;
  daten.Eingabezeilen = kMessung;
  daten.iGrafik = 2;
  daten.iTabelle = 1;
  daten.PermAuswahl = 12.5f;  // leaving 0 would ask each time
  dlg.SetDaten(daten);
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));

  const std::vector<QString> leserichtung = {QStringLiteral("dateiEinlesen"),
                                             QStringLiteral("testdaten"),
                                             QStringLiteral("abbrechen"),
                                             QStringLiteral("ok"),
                                             QStringLiteral("zeile"),
                                             QStringLiteral("liste"),
                                             QStringLiteral("messung"),
                                             QStringLiteral("permeabilitaet"),
                                             QStringLiteral("einzelmessung"),
                                             QStringLiteral("polynom3"),
                                             QStringLiteral("zeileAendern"),
                                             QStringLiteral("grafikSperrdruck"),
                                             QStringLiteral("tabelleNormierung")};
  Kind<QPushButton>("dateiEinlesen")->setFocus(Qt::OtherFocusReason);
  std::vector<QString> vor;
  for (std::size_t i = 0; i <= leserichtung.size(); ++i) {
    vor.push_back(QApplication::focusWidget()->objectName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Ruhe();
  }
  std::vector<QString> soll = leserichtung;
  soll.push_back(QStringLiteral("dateiEinlesen"));  // round again
  EXPECT_EQ(vor, soll);

  std::vector<QString> zurueck;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    Ruhe();
    zurueck.push_back(QApplication::focusWidget()->objectName());
  }
  EXPECT_EQ(zurueck, (std::vector<QString>{QStringLiteral("dateiEinlesen"), QStringLiteral("tabelleNormierung"),
                                           QStringLiteral("grafikSperrdruck"), QStringLiteral("zeileAendern")}));
  // Within a group the arrows move and choose.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  Ruhe();
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("zeileAnhaengen"));
  EXPECT_TRUE(Kind<QRadioButton>("zeileAnhaengen")->isChecked());
  // Leaving the edit without a selection committed nothing and said so.
  EXPECT_TRUE(plattform.protokoll.empty());
  EXPECT_EQ(Hinweis(), QStringLiteral("Bitte Zeile durch Doppelklick ausgewählen!"));
}

// Return in the line edit commits the line as leaving it does, and closes
// nothing; leaving it afterwards, unchanged, asks no second time.
TEST_F(DlgInputTest, ReturnInDerZeileBestaetigtSie) {
  Oeffnen(kMessung);
  Doppelklick(4);
  ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == Zeile(); }));
  Tippen(QStringLiteral("0.9 0.35"));
  antworter.antworten = {true};
  QTest::keyClick(Zeile(), Qt::Key_Return);
  ASSERT_TRUE(Warten([&] { return Hinweis() == QStringLiteral("4.Zeile wurde geändert"); }));
  Ruhe();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), Zeile());
  EXPECT_EQ(plattform.protokoll, (std::vector{Frage("Soll diese Zeile geändert werden?\n      0.9       0.35")}));
  EXPECT_EQ(Zeilen()[3], "      0.9       0.35");

  QTest::keyClick(Zeile(), Qt::Key_Tab);
  Ruhe();
  EXPECT_EQ(plattform.protokoll.size(), 1u);

  // Typed again, Return again: committed again; Enter of the keypad alike.
  QTest::mouseClick(Zeile(), Qt::LeftButton);
  Tippen(QStringLiteral("0.9 0.36"));
  antworter.antworten = {false};
  QTest::keyClick(Zeile(), Qt::Key_Enter, Qt::KeypadModifier);
  ASSERT_TRUE(Warten([&] { return plattform.protokoll.size() == 2; }));
  EXPECT_EQ(plattform.protokoll[1], Frage("Soll diese Zeile geändert werden?\n      0.9       0.36"));
  EXPECT_EQ(Hinweis(), QStringLiteral("Bitte Zeile durch Doppelklick ausgewählen!"));
  EXPECT_TRUE(dlg.isVisible());
}

// Return in the permeability field checks it as leaving does, once.
TEST_F(DlgInputTest, ReturnImPermeabilitaetsfeld) {
  Oeffnen(kMessung);
  auto* perm = Kind<QLineEdit>("permeabilitaet");
  perm->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(perm, Qt::Key_Return);
  ASSERT_TRUE(Warten([&] { return plattform.protokoll.size() == 1; }));
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok("Permeabilität muß größer als Null sein!")}));
  QTest::keyClick(perm, Qt::Key_Tab);
  Ruhe();
  EXPECT_EQ(plattform.protokoll.size(), 1u);
  EXPECT_TRUE(dlg.isVisible());

  perm->setFocus(Qt::MouseFocusReason);
  perm->selectAll();
  QTest::keyClicks(perm, QStringLiteral("125.3"));
  QTest::keyClick(perm, Qt::Key_Return);
  Ruhe();
  EXPECT_EQ(plattform.protokoll.size(), 1u);
  EXPECT_EQ(dlg.Daten().PermAuswahl, 125.3f);
  EXPECT_TRUE(dlg.isVisible());
}

// Return on a line of the list takes it into the edit, as a double-click.
TEST_F(DlgInputTest, ReturnInDerListeWaehltDieZeile) {
  Oeffnen(kMessung);
  ASSERT_EQ(QApplication::focusWidget(), Liste());
  QTest::keyClick(Liste(), Qt::Key_Home);
  QTest::keyClick(Liste(), Qt::Key_Down);
  QTest::keyClick(Liste(), Qt::Key_Down);
  QTest::keyClick(Liste(), Qt::Key_Return);
  ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == Zeile(); }));
  EXPECT_EQ(Hinweis(), QStringLiteral("3.Zeile ausgewählt"));
  EXPECT_EQ(Zeile()->text(), QStringLiteral("0.30 0.2"));
  EXPECT_TRUE(plattform.protokoll.empty());
}

// Return presses the button that has the focus and no other; Esc cancels.
TEST_F(DlgInputTest, ReturnDruecktDenKnopfMitFokus) {
  Oeffnen(kMessung);
  Doppelklick(2);
  ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == Zeile(); }));
  // Return on a check box or a radio closes nothing.
  for (const char* name : {"einzelmessung", "grafikBeta"}) {
    QWidget* w = Kind<QWidget>(name);
    w->setFocus(Qt::TabFocusReason);
    Ruhe();
    QTest::keyClick(w, Qt::Key_Return);
    Ruhe();
    EXPECT_TRUE(dlg.isVisible()) << name;
  }
  EXPECT_FALSE(Kind<QPushButton>("ok")->isDefault());
  Kind<QPushButton>("testdaten")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Kind<QPushButton>("testdaten"), Qt::Key_Return);
  Ruhe();
  EXPECT_EQ(Zeilen().size(), 22u);
  EXPECT_TRUE(dlg.isVisible());

  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(DlgInputTest, ReturnAufOkSchliesstMitOk) {
  Oeffnen(kMessung);
  Kind<QPushButton>("ok")->setFocus(Qt::TabFocusReason);
  Ruhe();
  QTest::keyClick(Kind<QPushButton>("ok"), Qt::Key_Return);
  ASSERT_TRUE(Warten([&] { return !dlg.isVisible(); }));
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

// The drop-down of the measurements: label and permeability of every header;
// choosing one fills the field with the header's value, the field's value
// shows its entry, and the list follows the lines.
TEST_F(DlgInputTest, MessungAusDerAuswahlFuelltDasFeld) {
  Oeffnen({"PERMEABILITAET: 0.00946 AD-258", "0.1110 0.0", "28.4174 0.05911", "ENDE", "PERMEABILITAET: 3108.61 AD-205",
           "0.1110 0.0", "0.2220 0.30", "ENDE"});
  auto* auswahl = Kind<QComboBox>("messung");
  auto* perm = Kind<QLineEdit>("permeabilitaet");
  ASSERT_EQ(auswahl->count(), 2);
  EXPECT_EQ(auswahl->itemText(0), QStringLiteral("AD-258: 0.00946 mD"));
  EXPECT_EQ(auswahl->itemText(1), QStringLiteral("AD-205: 3108.61 mD"));
  EXPECT_EQ(auswahl->currentIndex(), -1);  // the field holds 0

  auswahl->setFocus(Qt::TabFocusReason);
  QTest::keyClick(auswahl, Qt::Key_Down);
  QTest::keyClick(auswahl, Qt::Key_Down);
  Ruhe();
  EXPECT_EQ(perm->text(), QStringLiteral("3108.61"));
  EXPECT_EQ(auswahl->currentIndex(), 1);
  EXPECT_EQ(dlg.Daten().PermAuswahl, 3108.61f);

  // The typed field stays: another value shows no entry, the value of a
  // header shows its entry.
  perm->setFocus(Qt::MouseFocusReason);
  perm->selectAll();
  QTest::keyClicks(perm, QStringLiteral("7"));
  EXPECT_EQ(auswahl->currentIndex(), -1);
  perm->selectAll();
  QTest::keyClicks(perm, QStringLiteral("0.00946"));
  EXPECT_EQ(auswahl->currentIndex(), 0);

  // The single measurement with the chosen entry: OK finds its header.
  Klick(Kind<QCheckBox>("einzelmessung"));
  Klick(Kind<QPushButton>("ok"));
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.Daten().bEinzelmessung, 1);
  EXPECT_EQ(dlg.Daten().PermAuswahl, 0.00946f);
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(DlgInputTest, MessungsauswahlFolgtDenZeilen) {
  Oeffnen({});
  auto* auswahl = Kind<QComboBox>("messung");
  EXPECT_EQ(auswahl->count(), 0);
  Klick(Kind<QPushButton>("testdaten"));
  ASSERT_TRUE(Warten([&] { return auswahl->count() == 1; }));
  EXPECT_EQ(auswahl->itemText(0), QStringLiteral("TEST: 1 mD"));
}

TEST_F(DlgInputTest, PermeabilitaetWirdGeprueft) {
  Oeffnen(kMessung);
  auto* perm = Kind<QLineEdit>("permeabilitaet");
  EXPECT_EQ(perm->text(), QStringLiteral("0"));
  perm->setFocus(Qt::MouseFocusReason);
  perm->selectAll();
  QTest::keyClicks(perm, QStringLiteral("12,5"));
  QTest::keyClick(perm, Qt::Key_Tab);
  // The refused entry leaves the previous value 0, which the handler then
  // reports too; the focus goes back into the field.
  ASSERT_TRUE(Warten([&] { return plattform.protokoll.size() == 2; }));
  Ruhe();
  EXPECT_EQ(plattform.protokoll,
            (std::vector{Ok("Bitte als Permeabilität eine Zahl eingeben (mit Dezimalpunkt, z. B. 12.5)."),
                         Ok("Permeabilität muß größer als Null sein!")}));
  EXPECT_TRUE(Warten([&] { return QApplication::focusWidget() == perm; }));
  EXPECT_EQ(perm->text(), QStringLiteral("0"));

  perm->selectAll();
  QTest::keyClicks(perm, QStringLiteral("1000001"));
  QTest::keyClick(perm, Qt::Key_Tab);
  ASSERT_TRUE(Warten([&] { return plattform.protokoll.size() == 4; }));
  EXPECT_EQ(plattform.protokoll[2], Ok("Die Permeabilität muss zwischen 0 und 1000000 mD liegen."));

  perm->selectAll();
  QTest::keyClicks(perm, QStringLiteral("12.5"));
  QTest::keyClick(perm, Qt::Key_Tab);
  Ruhe();
  EXPECT_EQ(plattform.protokoll.size(), 4u);
  EXPECT_EQ(dlg.Daten().PermAuswahl, 12.5f);
}

TEST_F(DlgInputTest, TestdatenUndEinzelmessung) {
  Oeffnen({});
  Klick(Kind<QPushButton>("testdaten"));
  ASSERT_EQ(Zeilen().size(), 22u);
  EXPECT_EQ(Zeilen()[1], "   3.1900         0.00000");
  EXPECT_EQ(Zeilen()[20], " 155.0000         0.79000");
  EXPECT_TRUE(plattform.protokoll.empty());

  auto* perm = Kind<QLineEdit>("permeabilitaet");
  perm->setFocus(Qt::MouseFocusReason);
  perm->selectAll();
  QTest::keyClicks(perm, QStringLiteral("1"));
  Klick(Kind<QCheckBox>("einzelmessung"));
  EXPECT_TRUE(Kind<QCheckBox>("einzelmessung")->isChecked());
  EXPECT_TRUE(Kind<QRadioButton>("tabelleDetail")->isChecked());
  Klick(Kind<QRadioButton>("grafikGesamt"));
  Klick(Kind<QPushButton>("ok"));
  EXPECT_FALSE(dlg.isVisible());
  const EingabeDaten daten = dlg.Daten();
  EXPECT_EQ(daten.bEinzelmessung, 1);
  EXPECT_EQ(daten.PermAuswahl, 1.0f);
  EXPECT_EQ(daten.iGrafik, 0);
  EXPECT_EQ(daten.bTestwerte, 1);
  EXPECT_EQ(daten.Eingabezeilen.size(), 22u);
  EXPECT_TRUE(plattform.protokoll.empty());
}

TEST_F(DlgInputTest, DateiEinlesen) {
  const std::filesystem::path pfad = std::filesystem::temp_directory_path() / "kadrel-dlginput-beispiel.txt";
  {
    std::ofstream datei(pfad, std::ios::binary);
    datei << "PERMEABILITAET: 125.3 K17\n0.05 0.0\n0.30 0.0\n0.80 0.21\n4.00 0.63\nENDE\n";
  }
  Oeffnen({"alt"});
  antworter.datei = pfad.string();
  Klick(Kind<QPushButton>("dateiEinlesen"));
  ASSERT_TRUE(Warten([&] { return Hinweis() == QStringLiteral("6 Zeilen wurden eingelesen"); }));
  EXPECT_EQ(antworter.dateiFilter, QStringLiteral("Alle Dateien (*)"));
  EXPECT_EQ(plattform.protokoll, (std::vector{Ok(pfad.string() + " wird geöffnet"),
                                              Frage("Zeile PERMEABILITAET: 125.3 K17 \nals Titelzeile verwenden?"),
                                              Frage("Zeile ENDE \nals Schlusszeile ansehen?")}));
  ASSERT_EQ(Zeilen().size(), 6u);
  EXPECT_EQ(Zeilen()[1], "   0.0500          0.00000 ");
  std::filesystem::remove(pfad);
}

// Every way through "Datei einlesen" ends with the list box showing exactly
// the working lines the dialog hands back.
struct EinlesenFall {
  const char* name;
  // File content; null: the file dialog is cancelled; "" with `fehlt`: the
  // chosen file does not exist.
  const char* inhalt;
  bool fehlt;
  std::vector<std::string> zeilen;  // the lines afterwards
  std::size_t boxen;                // messages and questions shown
  const char* hinweis;
};

class DateiEinlesenWege : public DlgInputTest, public ::testing::WithParamInterface<EinlesenFall> {};

TEST_P(DateiEinlesenWege, ListeZeigtDieArbeitszeilen) {
  const EinlesenFall& f = GetParam();
  const std::filesystem::path pfad =
      std::filesystem::temp_directory_path() / (std::string("kadrel-dlginput-") + f.name + ".txt");
  std::filesystem::remove(pfad);
  if (f.inhalt != nullptr && !f.fehlt) std::ofstream(pfad, std::ios::binary) << f.inhalt;
  antworter.datei = pfad.string();
  antworter.dateiAbbrechen = f.inhalt == nullptr;
  Oeffnen(kMessung);

  Klick(Kind<QPushButton>("dateiEinlesen"));
  ASSERT_TRUE(Warten([&] { return QApplication::activeModalWidget() == nullptr; }));
  Ruhe();
  EXPECT_EQ(Zeilen(), f.zeilen);
  EXPECT_EQ(dlg.Daten().Eingabezeilen, f.zeilen);
  EXPECT_EQ(plattform.protokoll.size(), f.boxen);
  EXPECT_EQ(Hinweis(), QString::fromUtf8(f.hinweis));
  if (f.fehlt) {
    ASSERT_FALSE(plattform.protokoll.empty());
    EXPECT_EQ(plattform.protokoll[0].text.rfind("Die Datei " + pfad.string() + " kann nicht geöffnet werden", 0), 0u)
        << plattform.protokoll[0].text;
  }

  // A line appended afterwards joins the lines the user sees.
  Klick(Kind<QRadioButton>("zeileAnhaengen"));
  QTest::mouseClick(Zeile(), Qt::LeftButton);
  Tippen(QStringLiteral("PERMEABILITAET: 9 Z"));
  QTest::keyClick(Zeile(), Qt::Key_Tab);
  Ruhe();
  ASSERT_TRUE(Warten([&] { return QApplication::activeModalWidget() == nullptr; }));
  Ruhe();
  EXPECT_EQ(Zeilen(), dlg.Daten().Eingabezeilen);
  std::filesystem::remove(pfad);
}

INSTANTIATE_TEST_SUITE_P(
    Wege, DateiEinlesenWege,
    ::testing::Values(EinlesenFall{"Abgebrochen", nullptr, false, kMessung, 0, ""},
                      EinlesenFall{"NichtZuOeffnen", "", true, kMessung, 1, ""},
                      EinlesenFall{"DurchMeldungBeendet",
                                   "PERMEABILITAET: 125.3 K17\n0.05 0.1\n",
                                   false,
                                   {"PERMEABILITAET: 125.3 K17"},
                                   3,
                                   "1 Zeilen wurden eingelesen"},
                      EinlesenFall{
                          "Vollstaendig",
                          "PERMEABILITAET: 125.3 K17\n0.05 0.0\n0.30 0.0\n0.80 0.21\n4.00 0.63\nENDE\n",
                          false,
                          {"PERMEABILITAET: 125.3 K17", "   0.0500          0.00000 ", "   0.3000          0.00000 ",
                           "   0.8000          0.21000 ", "   4.0000          0.63000 ", "ENDE"},
                          3,
                          "6 Zeilen wurden eingelesen"}),
    [](const auto& info) { return std::string(info.param.name); });

// The line edit refuses, as typed or pasted, a character the document file
// cannot hold, and says why in the status line in the words of the save.
struct ZeichenFall {
  const char* name;
  std::vector<std::string> zeilen;
  const char* eingabe;
  bool einfuegen;  // pasted with Ctrl+V instead of typed
  const char* danach;
  const char* hinweis;
};

class ZeichenDerDatei : public DlgInputTest, public ::testing::WithParamInterface<ZeichenFall> {};

TEST_P(ZeichenDerDatei, NurSpeicherbareZeichen) {
  const ZeichenFall& f = GetParam();
  Oeffnen(f.zeilen);
  Doppelklick(1);
  ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == Zeile(); }));
  QTest::keyClick(Zeile(), Qt::Key_End);
  if (f.einfuegen) {
    QApplication::clipboard()->setText(QString::fromUtf8(f.eingabe));
    QTest::keyClick(Zeile(), Qt::Key_V, Qt::ControlModifier);
  } else {
    // Key events carrying the characters, as a keyboard layout sends them.
    for (const QChar c : QString::fromUtf8(f.eingabe)) {
      QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(Zeile(), &druck);
      QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(Zeile(), &los);
    }
  }
  EXPECT_EQ(Zeile()->text(), QString::fromUtf8(f.danach));
  EXPECT_EQ(Hinweis(), QString::fromUtf8(f.hinweis));
  EXPECT_TRUE(plattform.protokoll.empty());
  dlg.reject();
}

const char* const kOmegaAn26 =
    "Das Zeichen \"\u03c9\" (U+03C9) an der Stelle 26 ist im Zeichensatz Windows-1252 nicht darstellbar";

INSTANTIATE_TEST_SUITE_P(
    Eingaben, ZeichenDerDatei,
    ::testing::Values(
        ZeichenFall{"GetipptesOmega", kMessung, "\u03c9", false, "PERMEABILITAET: 125.3 K17", kOmegaAn26},
        ZeichenFall{"EingefuegtesOmega", kMessung, " Kern \u03c9", true, "PERMEABILITAET: 125.3 K17",
                    "Das Zeichen \"\u03c9\" (U+03C9) an der Stelle 32 ist im Zeichensatz Windows-1252 nicht "
                    "darstellbar"},
        ZeichenFall{"EingefuegtesEmoji", kMessung, "\U0001F600", true, "PERMEABILITAET: 125.3 K17",
                    "Das Zeichen \"\U0001F600\" (U+1F600) an der Stelle 26 ist im Zeichensatz Windows-1252 nicht "
                    "darstellbar"},
        ZeichenFall{"Windows1252Zeichen", kMessung, " \u00c4\u20ac\u2026", false,
                    "PERMEABILITAET: 125.3 K17 \u00c4\u20ac\u2026", "1.Zeile ausgew\u00e4hlt"},
        // A line that came into the list with such a character (from a UTF-8
        // import) can still be mended; only a new one is refused.
        ZeichenFall{"VorhandenesZeichenBleibtBearbeitbar",
                    {"PERMEABILITAET: 1 A\u03c9", "0 0", "1 0.5", "2 0.8", "ENDE"},
                    "x",
                    false,
                    "PERMEABILITAET: 1 A\u03c9x",
                    "1.Zeile ausgew\u00e4hlt"}),
    [](const auto& info) { return std::string(info.param.name); });

// A line wider than the list box can be scrolled into view and shows whole
// as its tooltip; the box keeps the size and place of the template.
TEST_F(DlgInputTest, BreiteZeileRolltUndZeigtTooltip) {
  const std::vector<std::string> kurz = {"PERMEABILITAET: 1 A", "0 0", "1 0.5", "2 0.8", "ENDE"};
  Oeffnen(kurz);
  DlgInput vorlage{plattform};
  EXPECT_EQ(Liste()->geometry(), vorlage.findChild<QListView*>(QStringLiteral("liste"))->geometry());
  QScrollBar* quer = Liste()->horizontalScrollBar();
  EXPECT_EQ(quer->maximum(), 0);

  // The first line becomes one wider than the box.
  const QString lang = QStringLiteral("PERMEABILITAET: 0.00946 AD-258-Kernstrecke-Nord");
  Doppelklick(1);
  ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == Zeile(); }));
  Tippen(lang);
  QTest::keyClick(Zeile(), Qt::Key_Tab);
  ASSERT_TRUE(Warten([&] { return Hinweis() == QStringLiteral("1.Zeile wurde ge\u00e4ndert"); }));
  Ruhe();
  ASSERT_EQ(Zeilen().front(), lang.toStdString());
  const int textBreite = Liste()->fontMetrics().horizontalAdvance(lang);
  ASSERT_GT(textBreite, Liste()->viewport()->width());
  EXPECT_GT(quer->maximum(), 0);
  EXPECT_TRUE(quer->isVisible());
  quer->setValue(quer->maximum());
  const QRect ort = Liste()->visualRect(Liste()->model()->index(0, 0));
  EXPECT_LE(ort.left() + textBreite, Liste()->viewport()->width());

  for (int i = 0; i < Liste()->model()->rowCount(); ++i) {
    const QModelIndex index = Liste()->model()->index(i, 0);
    EXPECT_EQ(index.data(Qt::ToolTipRole).toString(), index.data(Qt::DisplayRole).toString());
  }
  EXPECT_EQ(Liste()->model()->index(0, 0).data(Qt::ToolTipRole).toString(), lang);
  EXPECT_EQ(Liste()->geometry(), vorlage.findChild<QListView*>(QStringLiteral("liste"))->geometry());
}

TEST_F(DlgInputTest, LangeZeileWirdGanzGezeigt) {
  const std::string lang = "1.5 0.3 " + std::string(90, 'x');
  Oeffnen({"PERMEABILITAET: 1 A", "0 0", lang, "ENDE"});
  Doppelklick(3);
  ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == Zeile(); }));
  EXPECT_EQ(Zeile()->text().toStdString(), lang);
}

}  // namespace
