#pragma once

#include <deque>
#include <functional>
#include <string>

#include <QObject>
#include <QString>

#include "Datendiagramm.h"
#include "Textliste.h"

class CKadrelView;
class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

// What an analysis shows while its item of the menu "A&uswertung" is checked.
struct Auswertungsansicht {
  std::function<const Textliste*()> liste;         // list the text view shows while checked
  std::function<const Datendiagramm*()> diagramm;  // chart the chart view shows while checked
  std::function<void(int index)> doppelklick;      // double-click on a line of that list (may be empty)
  std::string ausgabeMeldung;                      // message after "Ergebnisse ausgeben" wrote it
};

// The menu "A&uswertung" (Alt+U: Alt+A opens "&Ansicht") of the analyses
// beside the evaluation: plain commands first, then the check items of the
// analyses' views, of which at most one is checked (clicking the checked one
// unchecks it). While one is checked the text view shows its list and the
// chart view its chart; unchecking returns to the list and chart of the
// display options. The menu joins the menu bar with its first item, so an
// empty one is never shown. An item whose text has no mnemonic gets the
// first free one (MnemonikErgaenzen).
class CAuswertungMenue : public QObject {
  Q_OBJECT

 public:
  // `vor` is the menu bar entry the menu goes in front of; `aktualisieren`
  // repaints both views (the main frame's AnsichtenAktualisieren).
  CAuswertungMenue(QMenuBar* leiste, QAction* vor, CKadrelView* text, std::function<void()> aktualisieren,
                   QObject* eltern);

  QAction* BefehlHinzufuegen(const QString& text);  // a plain item, e.g. "Lagerstättenbedingungen..."
  QAction* AnsichtHinzufuegen(const QString& text,
                              Auswertungsansicht ansicht);  // check item; at most one checked
  const Auswertungsansicht* Aktiv() const;                  // the checked one, or null
  void AnsichtenAktualisieren();                            // repaint both views after a change of its data

  // The source for the chart view: the checked view's chart, else null (the
  // chart of the display options).
  std::function<const Datendiagramm*()> Datenquelle() const;
  QMenu* Menue() const { return menue_; }

 private:
  struct Eintrag {
    QAction* aktion;
    Auswertungsansicht ansicht;
  };

  void Einfuegen();
  void Umgeschaltet();
  void Doppelklick(int index);

  QMenuBar* leiste_;
  QAction* vor_;
  CKadrelView* text_;
  std::function<void()> aktualisieren_;
  QMenu* menue_;
  QAction* trenner_;
  QActionGroup* gruppe_;
  bool eingefuegt_ = false;
  bool befehle_ = false;
  // A deque keeps the views where they are while more are added, so that
  // the pointer Aktiv() hands out stays valid.
  std::deque<Eintrag> ansichten_;
};
