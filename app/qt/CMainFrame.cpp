#include "CMainFrame.h"

#include "Archiv.h"
#include "Befehlstexte.h"
#include "BohrungAnsicht.h"
#include "Ansichtsbefehle.h"
#include "CAboutDlg.h"
#include "CAuswertungMenue.h"
#include "CGrafik.h"
#include "CHilfeFenster.h"
#include "CKadrelView.h"
#include "DruckAblauf.h"
#include "Druckachsenbefehl.h"
#include "KapillardruckkurvenAnsicht.h"
#include "Kopierbefehl.h"
#include "LagerstaettenAnsicht.h"
#include "SaettigungshoehenAnsicht.h"
#include "MessdatenOeffnen.h"
#include "Textdatei.h"
#include "Tabellenbefehle.h"
#include "ThomeerAnsicht.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>

#include <memory>

namespace {

const QString kAnwendung = QStringLiteral("Kadrel");
const QString kFilter = QStringLiteral("Dateityp Kadrel (*.kdr)");
const QString kMessdatenFilter = QStringLiteral("Messdaten (*.txt)");
const QString kHilfeName = QStringLiteral("kadrel-hilfe.html");

QString Utf8(const std::string& s) { return QString::fromStdString(s); }

// The settings sections, named as the classic program's registry keys.
const QString kZuletztAbschnitt = QStringLiteral("Recent File List");
QString ZuletztSchluessel(int i) { return kZuletztAbschnitt + QStringLiteral("/File%1").arg(i + 1); }

}  // namespace

// Keeps the icons compiled into the library linked in.
static void SymboleEinbinden() { Q_INIT_RESOURCE(kadrel); }

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent),
      plattform_(this, [this] { AnsichtenAktualisieren(); }),
      doc_(plattform_),
      zuletzt_(befehl::kLetzteDateien),
      drucker_(QPrinter::HighResolution) {
  SymboleEinbinden();
  setWindowIcon(QIcon(QStringLiteral(":/symbole/kadrel.svg")));

  ansichten_ = new QStackedWidget(this);
  text_ = new CKadrelView(doc_, ansichten_);
  ansichten_->addWidget(text_);
  setCentralWidget(ansichten_);

  createActions();
  createMenus();
  ThomeerAnsichtEinrichten(*this);
  LagerstaettenAnsichtEinrichten(*this);
  PetrophysikAnsichtEinrichten(*this);
  KapillardruckkurvenAnsichtEinrichten(*this);
  SaettigungshoehenAnsichtEinrichten(*this);
  TabellenbefehleEinrichten(*this);
  BohrungAnsichtEinrichten(*this);
  AnsichtsbefehleEinrichten(*this);
  DruckachsenbefehlEinrichten(*this);
  KopierbefehlEinrichten(*this);
  createToolBar();
  createStatusBar();
  createAccelerators();
  readSettings();

  setAcceptDrops(true);
  doc_.OnNewDocument();
  text_->OnInitialUpdate();
  // The keys (arrows, pages, Ctrl+Home/End) go to the view shown.
  text_->setFocus();
  BefehleAktualisieren();
  TitelSetzen();
}

CMainFrame::~CMainFrame() = default;

QWidget* CMainFrame::GetActiveView() const { return ansichten_->currentWidget(); }

QAction* CMainFrame::Aktion(int id) const {
  const auto it = aktionen_.find(id);
  return it == aktionen_.end() ? nullptr : it->second;
}

QMenu* CMainFrame::Menue(const QString& titel) const {
  for (QAction* a : menuBar()->actions()) {
    if (a->menu() && a->text() == titel) return a->menu();
  }
  return nullptr;
}

QAction* CMainFrame::NeueAktion(int id, const QString& text, const QString& symbol) {
  auto* aktion = new QAction(text, this);
  if (!symbol.isEmpty()) aktion->setIcon(QIcon(QStringLiteral(":/symbole/%1.svg").arg(symbol)));
  aktion->setStatusTip(Utf8(befehl::Aufforderung(id)));
  const QString tipp = Utf8(befehl::Tooltip(id));
  if (!tipp.isEmpty()) aktion->setToolTip(tipp);
  aktion->setData(id);
  aktionen_[id] = aktion;
  return aktion;
}

void CMainFrame::createActions() {
  connect(NeueAktion(befehl::kDateiNeu, QStringLiteral("&Neu\tStrg+N"), QStringLiteral("neu")), &QAction::triggered,
          this, &CMainFrame::OnDateiNeu);
  connect(NeueAktion(befehl::kOeffnen, QStringLiteral("Ö&ffnen...\tStrg+O"), QStringLiteral("oeffnen")),
          &QAction::triggered, this, &CMainFrame::OnOeffnen);
  connect(NeueAktion(befehl::kSpeichern, QStringLiteral("S&peichern\tStrg+S"), QStringLiteral("speichern")),
          &QAction::triggered, this, &CMainFrame::OnSpeichern);
  connect(NeueAktion(befehl::kSpeichernUnter, QStringLiteral("Speichern &unter...")), &QAction::triggered, this,
          &CMainFrame::OnSpeichernUnter);
  connect(NeueAktion(befehl::kDrucken, QStringLiteral("&Drucken...\tStrg+P"), QStringLiteral("drucken")),
          &QAction::triggered, this, &CMainFrame::OnDrucken);
  connect(NeueAktion(befehl::kSeitenansicht, QStringLiteral("Sei&tenansicht")), &QAction::triggered, this,
          &CMainFrame::OnSeitenansicht);
  connect(NeueAktion(befehl::kDruckereinrichtung, QStringLiteral("Drucker&einrichtung...")), &QAction::triggered, this,
          &CMainFrame::OnDruckereinrichtung);
  connect(NeueAktion(befehl::kBeenden, QStringLiteral("&Beenden")), &QAction::triggered, this, &QWidget::close);

  connect(NeueAktion(befehl::kDatenAendern, QStringLiteral("&Daten Ändern"), QStringLiteral("daten")),
          &QAction::triggered, this, &CMainFrame::OnDatenAendern);
  connect(NeueAktion(befehl::kErgebnisseAusgeben, QStringLiteral("Ergebnisse &ausgeben")), &QAction::triggered, this,
          &CMainFrame::OnErgebnisseAusgeben);
  connect(NeueAktion(befehl::kErgebnisseEinlesen, QStringLiteral("Ergebnisse &einlesen")), &QAction::triggered, this,
          &CMainFrame::OnErgebnisseEinlesen);

  QAction* symbolleiste = NeueAktion(befehl::kSymbolleiste, QStringLiteral("&Symbolleiste"));
  symbolleiste->setCheckable(true);
  symbolleiste->setChecked(true);
  QAction* statusleiste = NeueAktion(befehl::kStatusleiste, QStringLiteral("S&tatusleiste"));
  statusleiste->setCheckable(true);
  statusleiste->setChecked(true);
  connect(NeueAktion(befehl::kGrafik, QStringLiteral("&Grafik"), QStringLiteral("grafik")), &QAction::triggered, this,
          &CMainFrame::OnGrafik);
  connect(NeueAktion(befehl::kText, QStringLiteral("T&ext"), QStringLiteral("text")), &QAction::triggered, this,
          &CMainFrame::OnText);
  QAction* lupe = NeueAktion(befehl::kGrafiklupe, QStringLiteral("Grafik Lupe"), QStringLiteral("lupe"));
  lupe->setCheckable(true);
  connect(lupe, &QAction::triggered, this, &CMainFrame::OnGrafiklupe);

  connect(NeueAktion(befehl::kInfo, QStringLiteral("Inf&o über Kadrel..."), QStringLiteral("info")),
          &QAction::triggered, this, &CMainFrame::OnAppAbout);
  connect(NeueAktion(befehl::kHilfe, QStringLiteral("&Hilfe")), &QAction::triggered, this, &CMainFrame::OnHilfe);

  zuletztPlatzhalter_ = NeueAktion(befehl::kLetzteDatei, QStringLiteral("Let&zte Datei"));
  zuletztPlatzhalter_->setEnabled(false);
  for (int i = 0; i < befehl::kLetzteDateien; ++i) {
    auto* aktion = new QAction(this);
    aktion->setStatusTip(Utf8(befehl::Aufforderung(befehl::kLetzteDatei + i)));
    aktion->setVisible(false);
    connect(aktion, &QAction::triggered, this, [this, i] { OnZuletzt(i); });
    zuletztAktionen_[static_cast<std::size_t>(i)] = aktion;
  }
}

void CMainFrame::createMenus() {
  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  for (int id : {befehl::kDateiNeu, befehl::kOeffnen, befehl::kSpeichern, befehl::kSpeichernUnter}) {
    datei->addAction(Aktion(id));
  }
  datei->addSeparator();
  for (int id : {befehl::kDrucken, befehl::kSeitenansicht, befehl::kDruckereinrichtung}) datei->addAction(Aktion(id));
  datei->addSeparator();
  datei->addAction(zuletztPlatzhalter_);
  for (QAction* aktion : zuletztAktionen_) datei->addAction(aktion);
  datei->addSeparator();
  datei->addAction(Aktion(befehl::kBeenden));

  QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  for (int id : {befehl::kDatenAendern, befehl::kErgebnisseAusgeben, befehl::kErgebnisseEinlesen}) {
    bearbeiten->addAction(Aktion(id));
  }

  QMenu* ansicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
  for (int id : {befehl::kSymbolleiste, befehl::kStatusleiste, befehl::kGrafik, befehl::kText}) {
    ansicht->addAction(Aktion(id));
  }

  QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&?"));
  hilfe->addAction(Aktion(befehl::kInfo));
  hilfe->addAction(Aktion(befehl::kHilfe));

  auswertung_ = new CAuswertungMenue(
      menuBar(), hilfe->menuAction(), text_, [this] { AnsichtenAktualisieren(); }, this);
}

void CMainFrame::createToolBar() {
  Symbolleiste = addToolBar(QStringLiteral("Symbolleiste"));
  Symbolleiste->setObjectName(QStringLiteral("Symbolleiste"));
  Symbolleiste->setIconSize(QSize(16, 16));
  for (int id : {befehl::kDateiNeu, befehl::kOeffnen, befehl::kSpeichern, befehl::kDatenAendern, befehl::kGrafik,
                 befehl::kText, befehl::kGrafiklupe, befehl::kDrucken, befehl::kInfo}) {
    Symbolleiste->addAction(Aktion(id));
  }
  QAction* schalter = Aktion(befehl::kSymbolleiste);
  connect(schalter, &QAction::toggled, Symbolleiste, &QWidget::setVisible);
  connect(Symbolleiste, &QToolBar::visibilityChanged, schalter, [this, schalter](bool sichtbar) {
    // Minimising the window hides the bar too; only a real change counts.
    if (!isMinimized()) schalter->setChecked(sichtbar);
  });
}

void CMainFrame::createStatusBar() {
  Statusleiste = statusBar();
  // The key-lock panes: their state is not known portably, so they stay grey.
  for (const QString& anzeige : {QStringLiteral("UF"), QStringLiteral("NUM"), QStringLiteral("RF")}) {
    auto* feld = new QLabel(anzeige, Statusleiste);
    feld->setObjectName(anzeige);
    feld->setFrameShape(QFrame::Panel);
    feld->setFrameShadow(QFrame::Sunken);
    feld->setAlignment(Qt::AlignCenter);
    feld->setMinimumWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 12);
    feld->setEnabled(false);
    Statusleiste->addPermanentWidget(feld);
  }
  // The message pane falls back to "Bereit" whenever a prompt goes away.
  connect(Statusleiste, &QStatusBar::messageChanged, this, [this](const QString& text) {
    if (text.isEmpty()) Statusleiste->showMessage(QStringLiteral("Bereit"));
  });
  Statusleiste->showMessage(QStringLiteral("Bereit"));
  QAction* schalter = Aktion(befehl::kStatusleiste);
  connect(schalter, &QAction::toggled, Statusleiste, &QWidget::setVisible);
}

void CMainFrame::createAccelerators() {
  struct Kuerzel {
    QKeySequence tasten;
    int id;
  };
  const Kuerzel tabelle[] = {
      {QKeySequence(Qt::Key_F1), befehl::kHilfe},
      {QKeySequence(Qt::Key_F2), befehl::kDatenAendern},
      {QKeySequence(Qt::Key_F3), befehl::kGrafik},
      {QKeySequence(Qt::Key_F4), befehl::kText},
      {QKeySequence(Qt::CTRL | Qt::Key_N), befehl::kDateiNeu},
      {QKeySequence(Qt::CTRL | Qt::Key_O), befehl::kOeffnen},
      {QKeySequence(Qt::CTRL | Qt::Key_S), befehl::kSpeichern},
      {QKeySequence(Qt::CTRL | Qt::Key_P), befehl::kDrucken},
      {QKeySequence(Qt::CTRL | Qt::Key_C), befehl::kKopieren},
      {QKeySequence(Qt::CTRL | Qt::Key_Insert), befehl::kKopieren},
      {QKeySequence(Qt::CTRL | Qt::Key_X), befehl::kAusschneiden},
      {QKeySequence(Qt::SHIFT | Qt::Key_Delete), befehl::kAusschneiden},
      {QKeySequence(Qt::CTRL | Qt::Key_V), befehl::kEinfuegen},
      {QKeySequence(Qt::SHIFT | Qt::Key_Insert), befehl::kEinfuegen},
      {QKeySequence(Qt::CTRL | Qt::Key_Z), befehl::kRueckgaengig},
      {QKeySequence(Qt::ALT | Qt::Key_Backspace), befehl::kRueckgaengig},
      {QKeySequence(Qt::Key_F6), befehl::kNaechsterBereich},
      {QKeySequence(Qt::SHIFT | Qt::Key_F6), befehl::kVorigerBereich},
  };
  // Accelerators live apart from the menu items, so that the menus show
  // exactly their own texts; a key does nothing while its command is disabled.
  for (const Kuerzel& k : tabelle) {
    auto* taste = new QAction(this);
    taste->setShortcut(k.tasten);
    taste->setShortcutContext(Qt::WindowShortcut);
    QAction* ziel = Aktion(k.id);
    if (ziel) {
      connect(taste, &QAction::triggered, ziel, [ziel] {
        if (ziel->isEnabled()) ziel->trigger();
      });
    } else {
      taste->setEnabled(false);  // copy, cut, paste, undo, panes: nothing handles them
    }
    addAction(taste);
  }
}

void CMainFrame::readSettings() {
  QSettings einstellungen;
  // Settings that cannot be read are reported; the window starts with its defaults.
  const QFileInfo datei(einstellungen.fileName());
  QString grund;
  if (datei.isDir()) {
    grund = QStringLiteral("Is a directory");
  } else if (datei.exists() && !datei.isReadable()) {
    grund = QStringLiteral("Permission denied");
  } else if (einstellungen.status() == QSettings::AccessError) {
    grund = QStringLiteral("kein Zugriff");
  } else if (einstellungen.status() == QSettings::FormatError) {
    grund = QStringLiteral("ungültiges Format");
  }
  if (!grund.isEmpty()) {
    plattform_.Meldung(QStringLiteral("Die Einstellungen %1 können nicht gelesen werden: %2")
                           .arg(einstellungen.fileName(), grund)
                           .toStdString());
  }
  const QByteArray geometrie = einstellungen.value(QStringLiteral("Fenster/Geometrie")).toByteArray();
  if (geometrie.isEmpty() || !restoreGeometry(geometrie)) resize(900, 650);
  Aktion(befehl::kSymbolleiste)
      ->setChecked(einstellungen.value(QStringLiteral("Symbolleiste/Sichtbar"), true).toBool());
  Aktion(befehl::kStatusleiste)
      ->setChecked(einstellungen.value(QStringLiteral("Statusleiste/Sichtbar"), true).toBool());
  Symbolleiste->setVisible(Aktion(befehl::kSymbolleiste)->isChecked());
  Statusleiste->setVisible(Aktion(befehl::kStatusleiste)->isChecked());
  std::vector<std::string> pfade;
  for (int i = 0; i < befehl::kLetzteDateien; ++i) {
    pfade.push_back(einstellungen.value(ZuletztSchluessel(i)).toString().toStdString());
  }
  zuletzt_.Setzen(pfade);
  ZuletztMenueAktualisieren();
}

void CMainFrame::writeSettings() const {
  QSettings einstellungen;
  einstellungen.setValue(QStringLiteral("Fenster/Geometrie"), saveGeometry());
  einstellungen.setValue(QStringLiteral("Symbolleiste/Sichtbar"), Aktion(befehl::kSymbolleiste)->isChecked());
  einstellungen.setValue(QStringLiteral("Statusleiste/Sichtbar"), Aktion(befehl::kStatusleiste)->isChecked());
  ZuletztSpeichern();
}

QStringList CMainFrame::ZuletztGeoeffnet() const {
  QStringList liste;
  for (const auto& pfad : zuletzt_.Eintraege()) liste << Utf8(pfad);
  return liste;
}

void CMainFrame::ZuletztMerken(const QString& pfad) {
  zuletzt_.Hinzufuegen(QFileInfo(pfad).absoluteFilePath().toStdString());
  ZuletztSpeichern();
  ZuletztMenueAktualisieren();
}

void CMainFrame::ZuletztVergessen(const QString& pfad) {
  zuletzt_.Entfernen(QFileInfo(pfad).absoluteFilePath().toStdString());
  ZuletztSpeichern();
  ZuletztMenueAktualisieren();
}

void CMainFrame::ZuletztSpeichern() const {
  QSettings einstellungen;
  const auto& eintraege = zuletzt_.Eintraege();
  for (int i = 0; i < befehl::kLetzteDateien; ++i) {
    if (i < static_cast<int>(eintraege.size())) {
      einstellungen.setValue(ZuletztSchluessel(i), Utf8(eintraege[static_cast<std::size_t>(i)]));
    } else {
      einstellungen.remove(ZuletztSchluessel(i));
    }
  }
}

void CMainFrame::ZuletztMenueAktualisieren() {
  const auto& eintraege = zuletzt_.Eintraege();
  for (int i = 0; i < befehl::kLetzteDateien; ++i) {
    QAction* aktion = zuletztAktionen_[static_cast<std::size_t>(i)];
    const bool belegt = i < static_cast<int>(eintraege.size());
    aktion->setVisible(belegt);
    if (belegt) {
      const QString pfad = QDir::toNativeSeparators(Utf8(eintraege[static_cast<std::size_t>(i)]));
      // A literal '&' in a path must not become a mnemonic.
      aktion->setText(
          QStringLiteral("&%1 %2").arg(i + 1).arg(QString(pfad).replace(QLatin1Char('&'), QStringLiteral("&&"))));
      aktion->setData(Utf8(eintraege[static_cast<std::size_t>(i)]));
    }
  }
  zuletztPlatzhalter_->setVisible(eintraege.empty());
}

void CMainFrame::OnZuletzt(int nummer) {
  const QString pfad = zuletztAktionen_[static_cast<std::size_t>(nummer)]->data().toString();
  if (pfad.isEmpty()) return;
  // A file that is gone is reported (and forgotten) without asking to save
  // a document that stays open anyway.
  if (QFileInfo::exists(pfad) && !maybeSave()) return;
  Oeffnen(pfad);
}

void CMainFrame::BefehleAktualisieren() {
  const bool textAktiv = GetActiveView() == text_;
  Aktion(befehl::kGrafik)->setEnabled(textAktiv);
  Aktion(befehl::kText)->setEnabled(!textAktiv);
  QAction* lupe = Aktion(befehl::kGrafiklupe);
  lupe->setEnabled(!textAktiv);
  lupe->setChecked(!textAktiv && grafik_ && grafik_->Grafiklupe());
  emit BefehleAktualisiert();
}

void CMainFrame::TitelSetzen() {
  const std::string& pfad = doc_.GetPathName();
  const QString name = pfad.empty() ? QStringLiteral("Unbenannt") : QFileInfo(Utf8(pfad)).fileName();
  setWindowTitle(QStringLiteral("%1[*] - %2").arg(name, kAnwendung));
  setWindowModified(doc_.IsModified());
}

void CMainFrame::AnsichtenAktualisieren() {
  text_->OnUpdate();
  if (grafik_) grafik_->viewport()->update();
  BefehleAktualisieren();
  TitelSetzen();
}

void CMainFrame::AnsichtWechseln(int id) {
  QWidget* neu = nullptr;
  if (id == kTextAnsicht) {
    neu = text_;
  } else if (id == kGrafikAnsicht) {
    if (!grafik_) {
      grafik_ = new CGrafik(doc_, ansichten_);
      grafik_->setFrameShape(QFrame::StyledPanel);
      grafik_->SetDatenquelle(auswertung_->Datenquelle());
      ansichten_->addWidget(grafik_);
      grafik_->OnInitialUpdate();
    }
    neu = grafik_;
  }
  if (!neu || neu == GetActiveView()) return;
  ansichten_->setCurrentWidget(neu);
  neu->setFocus();
  BefehleAktualisieren();
}

void CMainFrame::OnGrafik() { AnsichtWechseln(kGrafikAnsicht); }

void CMainFrame::OnText() { AnsichtWechseln(kTextAnsicht); }

void CMainFrame::OnGrafiklupe() {
  if (grafik_ && GetActiveView() == grafik_) grafik_->OnGrafiklupe();
  BefehleAktualisieren();
}

bool CMainFrame::NachSpeichernFragen() {
  const std::string& pfad = doc_.GetPathName();
  const QString name = pfad.empty() ? QStringLiteral("Unbenannt") : QFileInfo(Utf8(pfad)).fileName();
  QMessageBox box(QMessageBox::Warning, kAnwendung, QStringLiteral("Änderungen in %1 speichern?").arg(name),
                  QMessageBox::NoButton, this);
  box.setTextFormat(Qt::PlainText);
  QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
  QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
  QPushButton* abbrechen = box.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
  box.setDefaultButton(ja);
  box.setEscapeButton(abbrechen);
  box.exec();
  if (box.clickedButton() == nein) return true;
  if (box.clickedButton() == ja) return OnSpeichern();
  return false;
}

bool CMainFrame::maybeSave() {
  if (!doc_.IsModified()) return true;
  return NachSpeichernFragen();
}

void CMainFrame::OnDateiNeu() {
  if (!maybeSave()) return;
  // A new document has no file yet: saving it must not overwrite the file
  // that was open before.
  doc_.SetPathName("");
  doc_.SetModifiedFlag(false);
  namensvorschlag_.clear();
  TitelSetzen();
  doc_.OnDateiNeu();
  AnsichtenAktualisieren();
}

void CMainFrame::OnOeffnen() {
  const QString start = doc_.GetPathName().empty() ? QString() : QFileInfo(Utf8(doc_.GetPathName())).absolutePath();
  QString filter;
  const QString pfad = QFileDialog::getOpenFileName(this, QStringLiteral("Öffnen"), start,
                                                    kFilter + QStringLiteral(";;") + kMessdatenFilter, &filter);
  // Only a chosen file gives the document up: a cancelled choice asks nothing.
  if (pfad.isEmpty() || !maybeSave()) return;
  Oeffnen(pfad, filter == kMessdatenFilter);
}

bool CMainFrame::Oeffnen(const QString& pfad, bool alsMessdaten) {
  // A file that is gone is reported and forgotten alike for both kinds.
  const bool messdaten =
      alsMessdaten || QFileInfo(pfad).suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0;
  if (!messdaten || !QFile::exists(pfad)) return DateiLaden(pfad);
  if (!MessdatenLaden(*this, pfad)) return false;
  ZuletztMerken(pfad);
  return true;
}

bool CMainFrame::OnSpeichern() {
  if (doc_.GetPathName().empty()) return OnSpeichernUnter();
  return DateiSpeichern(Utf8(doc_.GetPathName()));
}

bool CMainFrame::OnSpeichernUnter() {
  const std::string& bisher = doc_.GetPathName();
  // An untitled document is offered beside the most recent file, or at home.
  const QString ordner =
      zuletzt_.Eintraege().empty() ? QDir::homePath() : QFileInfo(Utf8(zuletzt_.Eintraege().front())).absolutePath();
  QString vorschlag = bisher.empty() ? QDir(ordner).filePath(QStringLiteral("Unbenannt.kdr")) : Utf8(bisher);
  if (bisher.empty() && !namensvorschlag_.isEmpty()) vorschlag = namensvorschlag_;
  QString pfad = QFileDialog::getSaveFileName(this, QStringLiteral("Speichern unter"), vorschlag, kFilter);
  if (pfad.isEmpty()) return false;
  if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".kdr");
  return DateiSpeichern(pfad);
}

bool CMainFrame::DateiLaden(const QString& pfad) {
  if (!QFile::exists(pfad)) {
    plattform_.Meldung(QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(pfad).toStdString());
    ZuletztVergessen(pfad);
    return false;
  }
  // The core's reader: a folder, a device or a read error gives its reason,
  // and the size bound holds as in the batch program.
  std::string inhalt;
  std::string lesefehler;
  if (!text::DateiLesen(QFile::encodeName(pfad).toStdString(), inhalt, lesefehler)) {
    plattform_.Meldung(lesefehler);
    return false;
  }
  const std::string_view bytes(inhalt);

  // The lines as stored: edits made in the data dialog while the file opens
  // must count as changes, or leaving the program would drop them unasked.
  Textliste gespeichert;
  Archiv::ZumLaden(bytes).ListeLesen(gespeichert);

  std::string fehler;
  if (!doc_.DokumentLaden(bytes, fehler)) {
    plattform_.Meldung(
        QStringLiteral("Die Datei %1 ist kein gültiges Kadrel-Dokument.\n%2").arg(pfad, Utf8(fehler)).toStdString());
    return false;
  }
  doc_.SetPathName(QFileInfo(pfad).absoluteFilePath().toStdString());
  namensvorschlag_.clear();
  if (doc_.Eingabezeilen != gespeichert) doc_.SetModifiedFlag(true);
  ZuletztMerken(pfad);
  AnsichtenAktualisieren();
  return true;
}

bool CMainFrame::DateiSpeichern(const QString& pfad) {
  // A measurement text file is never replaced by a document.
  if (QFileInfo(pfad).suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0) {
    plattform_.Meldung(QStringLiteral("Die Datei %1 ist eine Textdatei (*.txt) und wird nicht durch ein "
                                      "Kadrel-Dokument ersetzt; bitte einen Namen mit .kdr wählen.")
                           .arg(pfad)
                           .toStdString());
    return false;
  }
  std::string bytes;
  std::string fehler;
  if (!doc_.DokumentSpeichern(bytes, fehler)) {
    plattform_.Meldung(
        QStringLiteral("Die Datei %1 kann nicht gespeichert werden.\n%2").arg(pfad, Utf8(fehler)).toStdString());
    return false;
  }
  // The shared safe save: links are followed, devices and write-protected
  // files refused, the old file stays intact on failure.
  if (!text::DateiSchreiben(QFile::encodeName(pfad).toStdString(), bytes, fehler)) {
    plattform_.Meldung(QStringLiteral("Die Datei %1 kann nicht gespeichert werden; "
                                      "eine bisherige Datei dieses Namens bleibt unverändert.\n%2")
                           .arg(pfad, Utf8(fehler))
                           .toStdString());
    return false;
  }
  doc_.SetPathName(QFileInfo(pfad).absoluteFilePath().toStdString());
  doc_.SetModifiedFlag(false);
  namensvorschlag_.clear();
  ZuletztMerken(pfad);
  TitelSetzen();
  return true;
}

void CMainFrame::Drucken(bool vorschau) {
  druck::Seitenmaler maler = [this](QPrinter& seiten) { return text_->Drucken(seiten); };
  if (grafik_ && GetActiveView() == grafik_) {
    maler = [this](QPrinter& seiten) {
      grafik_->Drucken(seiten);
      return seiten.printerState() != QPrinter::Error;
    };
  }
  if (vorschau) {
    druck::Seitenansicht(this, drucker_, maler, Utf8(befehl::Aufforderung(befehl::kSeitenansichtBeenden)),
                         Utf8(befehl::Tooltip(befehl::kSeitenansichtBeenden)));
  } else {
    druck::MitDialogDrucken(this, drucker_, maler);
  }
}

void CMainFrame::OnDrucken() { Drucken(false); }

void CMainFrame::OnSeitenansicht() { Drucken(true); }

void CMainFrame::OnDruckereinrichtung() {
  QPageSetupDialog einrichtung(&drucker_, this);
  einrichtung.setWindowTitle(QStringLiteral("Druckereinrichtung"));
  einrichtung.exec();
}

void CMainFrame::OnDatenAendern() {
  doc_.OnDatenAendern();
  TitelSetzen();
}

void CMainFrame::OnErgebnisseAusgeben() {
  // An analysis that shows a list of its own has that list written.
  const Auswertungsansicht* auswertung = auswertung_->Aktiv();
  if (auswertung && auswertung->liste) {
    const Textliste* liste = auswertung->liste();
    doc_.ListeAusgeben(liste ? *liste : Textliste(), auswertung->ausgabeMeldung);
    return;
  }
  doc_.OnErgebnisseAusgeben();
}

void CMainFrame::OnErgebnisseEinlesen() {
  doc_.OnErgebnisseEinlesen();
  AnsichtenAktualisieren();
}

QString CMainFrame::Hilfedatei() const {
  if (!hilfedatei_.isEmpty()) return hilfedatei_;
  const QString programm = QCoreApplication::applicationDirPath();
  const QStringList orte = {programm + QStringLiteral("/share/kadrel/"),
                            programm + QStringLiteral("/../share/kadrel/")};
  for (const QString& ort : orte) {
    if (QFileInfo::exists(ort + kHilfeName)) return QDir::cleanPath(ort + kHilfeName);
  }
  return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("kadrel/") + kHilfeName);
}

void CMainFrame::OnHilfe() {
  if (!hilfe_) hilfe_ = new CHilfeFenster(this);
  const QString datei = Hilfedatei();
  if (datei.isEmpty() || !hilfe_->Zeigen(datei)) plattform_.Meldung("Onlinehilfe nicht gefunden!");
}

void CMainFrame::OnAppAbout() {
  CAboutDlg info(this);
  info.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (maybeSave()) {
    writeSettings();
    event->accept();
  } else {
    event->ignore();
  }
}

QMenu* CMainFrame::Kontextmenue() {
  struct Eintrag {
    const char16_t* text;
    int id;
  };
  static const Eintrag eintraege[] = {
      {u"&Daten ändern", befehl::kDatenAendern},
      {u"Datei &neu", befehl::kDateiNeu},
      {u"Datei Ö&ffnen", befehl::kOeffnen},
      {u"Datei speichern &unter", befehl::kSpeichernUnter},
      {u"&Grafik", befehl::kGrafik},
      {u"&Text", befehl::kText},
      {nullptr, 0},
      {u"&Kopieren", befehl::kKopieren},
  };
  auto* menue = new QMenu(QStringLiteral("Kontextmenü"), this);
  for (const Eintrag& e : eintraege) {
    QAction* ziel = e.text ? Aktion(e.id) : nullptr;
    if (!ziel) {
      menue->addSeparator();
      continue;
    }
    QAction* punkt = menue->addAction(QString::fromUtf16(e.text));
    punkt->setStatusTip(ziel->statusTip());
    punkt->setEnabled(ziel->isEnabled());
    connect(punkt, &QAction::triggered, ziel, &QAction::trigger);
  }
  return menue;
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menue(Kontextmenue());
  menue->exec(event->globalPos());
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  const auto urls = event->mimeData()->urls();
  if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const auto urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  activateWindow();
  const QString pfad = urls.first().toLocalFile();
  if (QFileInfo::exists(pfad) && !maybeSave()) return;
  Oeffnen(pfad);
}
