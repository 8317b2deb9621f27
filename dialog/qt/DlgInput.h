#pragma once

#include "Dateneingabe.h"
#include "DialogFelder.h"
#include "EingabeDaten.h"
#include "EingabeFenster.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <optional>
#include <string>

class Plattform;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;
class ZeichensatzPruefer;

// The data dialog ("Dialogfeld zur Dateneingabe und Datenänderung"), laid
// out from its template in dialog units. It only shows and collects: every
// rule lives in Dateneingabe. The line edit commits each time it loses the
// focus and when Return is pressed in it (leaving it afterwards, unchanged,
// commits nothing more); the commit runs queued, after the focus change, and
// never nested. Return closes nothing: in the permeability field it checks
// the value as leaving does, in the list it takes the line into the edit as
// a double-click does, on a button it presses that button. Tab walks every
// control in reading order: the buttons of the top row, then the columns
// from left to right, each from top to bottom. Beside the permeability field
// a drop-down offers the measurements of the lines (label and permeability)
// and fills the field.
class DlgInput : public QDialog, private EingabeFenster {
  Q_OBJECT

 public:
  explicit DlgInput(Plattform& plattform, QWidget* parent = nullptr);

  // Takes a copy of the document's lines and options; call before exec().
  void SetDaten(const EingabeDaten& daten);
  // Returns the lines and options as the dialog left them.
  EingabeDaten Daten() const;

  void done(int ergebnis) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* objekt, QEvent* event) override;

 private:
  enum class Feld { Zeile, Permeabilitaet };
  // A field the focus left (or Return committed), with the controls as they
  // were at that moment.
  struct Verlassen {
    Feld feld;
    DialogFelder felder;
    bool perReturn = false;
  };

  // EingabeFenster.
  DialogFelder FelderAbfragen() override;
  void FelderAnzeigen(const DialogFelder& felder) override;
  void ListeEinfuegen(int index, const std::string& zeile) override;
  void ListeErsetzen(int index, const std::string& zeile) override;
  void ListeLoeschen(int index) override;
  void ListeLeeren() override;
  void ListeAuswaehlen(int index) override;
  int ListenAuswahl() override;
  void FokusWeiter() override;
  void FokusAufPermeabilitaet() override;
  std::optional<std::string> DateiWaehlen() override;
  void DialogBeenden() override;

  void SteuerelementeAnlegen();
  void SignaleVerbinden();
  // Converts a rectangle in dialog units to pixels of the dialog's font.
  QRect Pixel(int x, int y, int breite, int hoehe) const;
  DialogFelder FelderJetzt() const;
  // Runs the commits of the fields the focus has left, in order.
  void AnstehendeAusfuehren();
  // Runs a click's handler after the pending commits; a click during which
  // a commit has shown a box is dropped, as the box took the press.
  template <typename Handler>
  void Bedienen(Handler handler);
  // Queues the commit of a field; `perReturn` when Return asked for it.
  void Festschreiben(Feld feld, bool perReturn);
  // The drop-down of the measurements: refilled from the lines (once per
  // round of events, however many lines changed), and showing the entry of
  // the field's permeability.
  void MessungenVormerken();
  void MessungenFuellen();
  void MessungAbgleichen();

  Dateneingabe logik_;
  std::deque<Verlassen> anstehend_;
  std::optional<DialogFelder> schnappschuss_;
  // While set, list changes are collected here instead of in the list box.
  std::optional<QStringList> sammlung_;
  bool imHandler_ = false;
  bool beendet_ = false;
  bool messungenVorgemerkt_ = false;
  // The text a field held after Return committed it: leaving it unchanged
  // commits it no second time.
  std::optional<QString> zeileBestaetigt_;
  std::optional<QString> permBestaetigt_;
  int basisX_ = 0;
  int basisY_ = 0;

  QCheckBox* einzelmessung_ = nullptr;
  QLineEdit* permeabilitaet_ = nullptr;
  QComboBox* messung_ = nullptr;
  QListView* liste_ = nullptr;
  QStringListModel* modell_ = nullptr;
  QLineEdit* zeile_ = nullptr;
  ZeichensatzPruefer* pruefer_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* abbrechen_ = nullptr;
  QPushButton* testdaten_ = nullptr;
  QPushButton* dateiEinlesen_ = nullptr;
  QButtonGroup* grafik_ = nullptr;
  QButtonGroup* tabelle_ = nullptr;
  QButtonGroup* modus_ = nullptr;
  QCheckBox* polynom3_ = nullptr;
  QLabel* hinweis_ = nullptr;
};
