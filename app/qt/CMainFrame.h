#pragma once

#include <array>
#include <map>

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>

#include "CPlattformQt.h"
#include "Dateiliste.h"
#include "KadrelDoc.h"

class CAuswertungMenue;
class CGrafik;
class CHilfeFenster;
class CKadrelView;
class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QStatusBar;
class QToolBar;

// The main window: menus, accelerators, toolbar and status bar around the
// document's two views, the text view and the chart view, of which one is
// shown at a time. It owns the document and carries out its life cycle: new,
// open, save, save as and the question to save before a modified document is
// given up.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // View ids of AnsichtWechseln.
  static constexpr int kTextAnsicht = 1;
  static constexpr int kGrafikAnsicht = 2;

  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  CKadrelDoc& GetDocument() { return doc_; }
  QWidget* GetActiveView() const;
  CKadrelView* TextAnsicht() const { return text_; }
  CGrafik* GrafikAnsicht() const { return grafik_; }
  // The menu "A&uswertung", where the analyses register their commands and views.
  CAuswertungMenue* Auswertung() const { return auswertung_; }
  // The action of a command id of the menus, toolbar and accelerators.
  QAction* Aktion(int id) const;
  // Creates the action of a command id with its text, the prompt and tooltip
  // of the string table and an icon of the resources, for the menus, toolbar
  // and accelerators.
  QAction* NeueAktion(int id, const QString& text, const QString& symbol = QString());
  // The menu of the menu bar with this title (as written, with its '&'), or null.
  QMenu* Menue(const QString& titel) const;
  QStringList ZuletztGeoeffnet() const;
  // The printer that printing, the preview and the printer setup share.
  QPrinter& Drucker() { return drucker_; }

  // Opens a file the way its kind asks: measurement lines ("Messdaten",
  // *.txt, or any file when `alsMessdaten`) as a new, unnamed document, any
  // other file as a document. Both open the data dialog. Reports a failure,
  // naming the file, and returns false.
  bool Oeffnen(const QString& pfad, bool alsMessdaten = false);
  // Opens a document file; its loading opens the data dialog. Reports a
  // failure, naming the file, and returns false.
  bool DateiLaden(const QString& pfad);
  // The name "Speichern unter" offers an unnamed document (a measurement
  // file's name with .kdr); forgotten once the document has a file.
  void SetNamensvorschlag(const QString& pfad) { namensvorschlag_ = pfad; }
  // Writes the document file in one piece: the old file stays intact until
  // the new one is complete. Reports a failure, naming the file.
  bool DateiSpeichern(const QString& pfad);
  // Asks whether a modified document should be saved first; false when the
  // user cancels or saving fails.
  bool maybeSave();

  // Shows the view with the id, creating the chart view the first time.
  void AnsichtWechseln(int id);
  // Redraws both views and the title after the document changed.
  void AnsichtenAktualisieren();

  // The context menu of the views, with the frame as its parent; the caller
  // deletes it.
  QMenu* Kontextmenue();

  // The help page shown by "Hilfe"; by default the one installed with the
  // program.
  void SetHilfedatei(const QString& pfad) { hilfedatei_ = pfad; }
  QString Hilfedatei() const;

 public slots:
  void OnDateiNeu();
  void OnOeffnen();
  bool OnSpeichern();
  bool OnSpeichernUnter();
  void OnDrucken();
  void OnSeitenansicht();
  void OnDruckereinrichtung();
  void OnDatenAendern();
  void OnErgebnisseAusgeben();
  void OnErgebnisseEinlesen();
  void OnGrafik();
  void OnText();
  void OnGrafiklupe();
  void OnHilfe();
  void OnAppAbout();

 signals:
  // The commands' enabled and checked states were brought up to date (after
  // a view switch or a change of the document); commands set up outside the
  // frame update theirs here.
  void BefehleAktualisiert();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createToolBar();
  void createStatusBar();
  void createAccelerators();
  void readSettings();
  void writeSettings() const;

  void BefehleAktualisieren();
  void TitelSetzen();
  void ZuletztMerken(const QString& pfad);
  void ZuletztVergessen(const QString& pfad);
  void ZuletztSpeichern() const;
  void ZuletztMenueAktualisieren();
  void OnZuletzt(int nummer);
  void Drucken(bool vorschau);
  bool NachSpeichernFragen();

  CPlattformQt plattform_;
  CKadrelDoc doc_;
  QStackedWidget* ansichten_ = nullptr;
  CKadrelView* text_ = nullptr;
  CGrafik* grafik_ = nullptr;
  QToolBar* Symbolleiste = nullptr;
  QStatusBar* Statusleiste = nullptr;
  CAuswertungMenue* auswertung_ = nullptr;
  std::map<int, QAction*> aktionen_;
  QAction* zuletztPlatzhalter_ = nullptr;
  std::array<QAction*, 4> zuletztAktionen_{};
  Dateiliste zuletzt_;
  QPrinter drucker_;
  QString hilfedatei_;
  QString namensvorschlag_;
  QPointer<CHilfeFenster> hilfe_;
};
