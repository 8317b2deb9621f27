#include "DlgInput.h"

#include "ZeichensatzPruefer.h"
#include "ZeilenDelegate.h"
#include "ZeilenModell.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStringListModel>

#include <algorithm>
#include <vector>

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string S(const QString& s) { return s.toUtf8().toStdString(); }

// Rounds like the old platform's MulDiv.
int MulDiv(int wert, int faktor, int teiler) { return (wert * faktor + teiler / 2) / teiler; }

// Checks the radio with the given id; -1 (or an unknown id) checks none.
void RadioSetzen(QButtonGroup* gruppe, int id) {
  if (QAbstractButton* knopf = gruppe->button(id)) {
    knopf->setChecked(true);
    return;
  }
  gruppe->setExclusive(false);
  for (QAbstractButton* k : gruppe->buttons()) k->setChecked(false);
  gruppe->setExclusive(true);
}

}  // namespace

DlgInput::DlgInput(Plattform& plattform, QWidget* parent) : QDialog(parent), logik_(plattform, *this) {
  setWindowTitle(QStringLiteral("Dialogfeld zur Dateneingabe und Datenänderung"));
  setObjectName(QStringLiteral("DlgInput"));
  SteuerelementeAnlegen();
  SignaleVerbinden();
}

void DlgInput::SetDaten(const EingabeDaten& daten) { logik_.SetDaten(daten); }

EingabeDaten DlgInput::Daten() const { return logik_.Daten(); }

QRect DlgInput::Pixel(int x, int y, int breite, int hoehe) const {
  return QRect(MulDiv(x, basisX_, 4), MulDiv(y, basisY_, 8), MulDiv(breite, basisX_, 4), MulDiv(hoehe, basisY_, 8));
}

void DlgInput::SteuerelementeAnlegen() {
  // The template's 8-point sans-serif face, in the metrics of Arial; its
  // average character width and its height make the dialog units.
  QFont schrift;
  schrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  schrift.setStyleHint(QFont::SansSerif);
  schrift.setPointSize(8);
  setFont(schrift);
  const QFontMetrics fm(schrift);
  const int buchstaben = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  basisX_ = (buchstaben / 26 + 1) / 2;
  basisY_ = fm.height();
  setFixedSize(Pixel(0, 0, 361, 175).size());

  // Group boxes first, so that they lie below the radios they frame. Their
  // frame starts half a line below the top, where the old platform drew it.
  for (const QRect& r : {Pixel(134, 110, 83, 58), Pixel(272, 37, 82, 60), Pixel(258, 107, 96, 47)}) {
    auto* rahmen = new QGroupBox(this);
    rahmen->setGeometry(r.adjusted(0, basisY_ / 2, 0, 0));
    rahmen->setFocusPolicy(Qt::NoFocus);
  }

  const auto beschriftung = [this](const QString& text, QRect r) {
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(r);
    return label;
  };
  const auto knopf = [this](const QString& text, QRect r, const char* name) {
    auto* k = new QPushButton(text, this);
    k->setGeometry(r);
    // No button is the default, so that Return closes nothing; keyPressEvent
    // lets it press the button that has the focus.
    k->setAutoDefault(false);
    k->setDefault(false);
    k->setObjectName(QLatin1String(name));
    return k;
  };
  const auto radio = [this](QButtonGroup* gruppe, int id, const QString& text, QRect r, const char* name) {
    auto* k = new QRadioButton(text, this);
    k->setGeometry(r);
    k->setObjectName(QLatin1String(name));
    gruppe->addButton(k, id);
    return k;
  };

  // Controls in template order; the tab order follows the reading order
  // below.
  einzelmessung_ = new QCheckBox(QStringLiteral("&Einzelmessung auswählen"), this);
  einzelmessung_->setGeometry(Pixel(137, 73, 97, 10));
  einzelmessung_->setObjectName(QStringLiteral("einzelmessung"));

  permeabilitaet_ = new QLineEdit(this);
  permeabilitaet_->setGeometry(Pixel(137, 57, 70, 14));
  permeabilitaet_->setObjectName(QStringLiteral("permeabilitaet"));

  modell_ = new ZeilenModell(this);
  liste_ = new QListView(this);
  liste_->setGeometry(Pixel(7, 44, 116, 124));
  liste_->setObjectName(QStringLiteral("liste"));
  liste_->setModel(modell_);
  liste_->setItemDelegate(new ZeilenDelegate(liste_));
  liste_->setUniformItemSizes(true);
  liste_->setSelectionMode(QAbstractItemView::SingleSelection);
  liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // A line wider than the box scrolls; the box keeps its size.
  liste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  liste_->setTextElideMode(Qt::ElideNone);

  zeile_ = new QLineEdit(this);
  zeile_->setGeometry(Pixel(7, 28, 115, 14));
  zeile_->setObjectName(QStringLiteral("zeile"));
  zeile_->setMaxLength(Dateneingabe::kMaxZeile);
  // A character the document file cannot hold never enters the line; the
  // status line says why, as the save would.
  pruefer_ = new ZeichensatzPruefer([this](const std::string& grund) { hinweis_->setText(Q(grund)); }, zeile_);
  zeile_->setValidator(pruefer_);
  connect(zeile_, &QLineEdit::textChanged, pruefer_, &ZeichensatzPruefer::Merken);

  ok_ = knopf(QStringLiteral("&OK"), Pixel(304, 7, 50, 14), "ok");
  abbrechen_ = knopf(QStringLiteral("&Abbrechen"), Pixel(254, 7, 50, 14), "abbrechen");
  testdaten_ = knopf(QStringLiteral("&Testdaten"), Pixel(203, 7, 50, 14), "testdaten");
  dateiEinlesen_ = knopf(QStringLiteral("&Datei einlesen"), Pixel(149, 7, 54, 14), "dateiEinlesen");

  grafik_ = new QButtonGroup(this);
  radio(grafik_, 0, QStringLiteral("Alfa-&Werten"), Pixel(283, 44, 65, 10), "grafikAlfa");
  radio(grafik_, 1, QStringLiteral("&Beta-Werten"), Pixel(283, 54, 56, 10), "grafikBeta");
  radio(grafik_, 2, QStringLiteral("&Sperrdruck"), Pixel(283, 64, 51, 10), "grafikSperrdruck");
  radio(grafik_, 3, QStringLiteral("&Min.Sättigung"), Pixel(283, 74, 59, 10), "grafikMinSaettigung");
  radio(grafik_, 4, QStringLiteral("&Gesamtgrafik"), Pixel(283, 84, 57, 10), "grafikGesamt");

  tabelle_ = new QButtonGroup(this);
  radio(tabelle_, 0, QStringLiteral("&Kapillardrücke Detail"), Pixel(261, 118, 85, 10), "tabelleDetail");
  radio(tabelle_, 1, QStringLiteral("&Normierungsparameter"), Pixel(261, 129, 86, 10), "tabelleNormierung");
  radio(tabelle_, 2, QStringLiteral("&Parameterfunktion"), Pixel(262, 140, 86, 10), "tabelleFunktion");

  modus_ = new QButtonGroup(this);
  radio(modus_, Dateneingabe::kAendern, QStringLiteral("Zeile ände&rn"), Pixel(143, 119, 55, 10), "zeileAendern");
  radio(modus_, Dateneingabe::kAnhaengen, QStringLiteral("Zeile an&hängen"), Pixel(143, 130, 65, 10), "zeileAnhaengen");
  radio(modus_, Dateneingabe::kEinfuegen, QStringLiteral("Zeile ein&fügen"), Pixel(143, 140, 61, 10), "zeileEinfuegen");
  radio(modus_, Dateneingabe::kLoeschen, QStringLiteral("Zeile &löschen"), Pixel(143, 151, 58, 10), "zeileLoeschen");

  // The measurements of the lines, above the permeability field they fill.
  messung_ = new QComboBox(this);
  messung_->setGeometry(Pixel(137, 31, 130, 13));
  messung_->setObjectName(QStringLiteral("messung"));
  messung_->setPlaceholderText(QStringLiteral("Messung wählen"));
  messung_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  beschriftung(QStringLiteral("Mess&ung"), Pixel(139, 22, 70, 8))->setBuddy(messung_);

  beschriftung(QStringLiteral("Permeab&ilitaet in mD"), Pixel(139, 47, 70, 8))->setBuddy(permeabilitaet_);
  beschriftung(QStringLiteral("Kapillardruck       Hg-Sättigung"), Pixel(7, 18, 112, 8));
  hinweis_ = beschriftung(QString(), Pixel(7, 7, 140, 8));
  hinweis_->setObjectName(QStringLiteral("hinweis"));
  beschriftung(QStringLiteral("Grafik anzeigen mit"), Pixel(281, 31, 61, 8));

  polynom3_ = new QCheckBox(QStringLiteral("Polynomgrad für Alfawerte auf &3"), this);
  polynom3_->setGeometry(Pixel(137, 87, 116, 10));
  polynom3_->setObjectName(QStringLiteral("polynom3"));

  beschriftung(QStringLiteral("Tabelle anzeigen mit"), Pixel(275, 100, 66, 8));

  // Check boxes, radios and captions are at least as wide as their text:
  // this style's indicators take more room than the template allowed for.
  for (QWidget* w : findChildren<QWidget*>()) {
    if (w == hinweis_ || !(qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w))) continue;
    if (qobject_cast<QPushButton*>(w)) continue;
    w->resize(std::max(w->width(), w->sizeHint().width()), w->height());
  }

  // Reading order: the top row of buttons from left to right, then the
  // columns from left to right, each from top to bottom.
  std::vector<QWidget*> folge = {dateiEinlesen_, testdaten_,      abbrechen_,     ok_,      zeile_, liste_,
                                 messung_,       permeabilitaet_, einzelmessung_, polynom3_};
  for (QButtonGroup* gruppe : {modus_, grafik_, tabelle_}) {
    for (QAbstractButton* k : gruppe->buttons()) folge.push_back(k);
  }
  for (std::size_t i = 1; i < folge.size(); ++i) setTabOrder(folge[i - 1], folge[i]);

  zeile_->installEventFilter(this);
  permeabilitaet_->installEventFilter(this);
  liste_->installEventFilter(this);
  for (QButtonGroup* gruppe : {modus_, grafik_, tabelle_}) {
    for (QAbstractButton* k : gruppe->buttons()) k->installEventFilter(this);
  }
}

void DlgInput::SignaleVerbinden() {
  connect(liste_, &QListView::doubleClicked, this,
          [this](const QModelIndex&) { Bedienen([this] { logik_.OnDblclkListe(); }); });
  connect(ok_, &QPushButton::clicked, this, [this] { Bedienen([this] { logik_.OnButtonOk(); }); });
  connect(abbrechen_, &QPushButton::clicked, this, [this] { Bedienen([this] { reject(); }); });
  connect(testdaten_, &QPushButton::clicked, this, [this] { Bedienen([this] { logik_.OnTestdaten(); }); });
  connect(dateiEinlesen_, &QPushButton::clicked, this, [this] {
    Bedienen([this] {
      // The import adds line after line between its questions; the list box
      // takes them all at once at the end instead of laying itself out
      // anew at every question. The collection starts from what the box
      // shows, so an import that empties nothing (a cancelled file dialog,
      // a file that cannot be read) leaves the box as it was.
      sammlung_.emplace(modell_->stringList());
      logik_.FileOpen();
      modell_->setStringList(*sammlung_);
      sammlung_.reset();
    });
  });
  connect(einzelmessung_, &QCheckBox::clicked, this, [this] { Bedienen([this] { logik_.OnEinzelmessung(); }); });
  connect(messung_, &QComboBox::activated, this,
          [this](int index) { Bedienen([this, index] { logik_.OnMessungGewaehlt(index); }); });
  connect(permeabilitaet_, &QLineEdit::textChanged, this, &DlgInput::MessungAbgleichen);
  for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
    connect(modell_, signal, this, &DlgInput::MessungenVormerken);
  }
  connect(modell_, &QAbstractItemModel::dataChanged, this, &DlgInput::MessungenVormerken);
  connect(modell_, &QAbstractItemModel::modelReset, this, &DlgInput::MessungenVormerken);
  // A field typed in again is no longer the one Return committed.
  connect(zeile_, &QLineEdit::textEdited, this, [this] { zeileBestaetigt_.reset(); });
  connect(permeabilitaet_, &QLineEdit::textEdited, this, [this] { permBestaetigt_.reset(); });
  connect(polynom3_, &QCheckBox::clicked, this, [this] { Bedienen([this] { logik_.OnPolynom3(); }); });
  connect(grafik_, &QButtonGroup::idClicked, this, [this](int) { Bedienen([this] { logik_.OnGrafik(); }); });
  connect(tabelle_, &QButtonGroup::idClicked, this, [this](int id) {
    Bedienen([this, id] {
      if (id == 0) logik_.OnTabelleDetail();
      if (id == 1) logik_.OnTabelleNormierung();
      if (id == 2) logik_.OnTabelleFunktion();
    });
  });
  connect(modus_, &QButtonGroup::idClicked, this, [this](int id) {
    Bedienen([this, id] {
      if (id == Dateneingabe::kAendern) logik_.OnZeileAendern();
      if (id == Dateneingabe::kAnhaengen) logik_.OnZeileAnhaengen();
      if (id == Dateneingabe::kEinfuegen) logik_.OnZeileEinfuegen();
      if (id == Dateneingabe::kLoeschen) logik_.OnZeileLoeschen();
    });
  });
}

void DlgInput::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    beendet_ = false;
    anstehend_.clear();
    zeileBestaetigt_.reset();
    permBestaetigt_.reset();
    logik_.OnInitDialog();
    MessungenFuellen();
    // The lines are what the dialog is about: the keys start in the list.
    liste_->setFocus(Qt::OtherFocusReason);
  }
  QDialog::showEvent(event);
}

namespace {

bool IstReturn(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* taste = static_cast<const QKeyEvent*>(event);
  return (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) &&
         (taste->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

void DlgInput::keyPressEvent(QKeyEvent* event) {
  // Enter closes nothing: only the OK button ends the dialog with OK. A
  // button that has the focus is pressed, as Space presses it.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    if (auto* knopf = qobject_cast<QPushButton*>(focusWidget()); knopf && knopf->isEnabled()) knopf->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool DlgInput::eventFilter(QObject* objekt, QEvent* event) {
  if (IstReturn(event) && (objekt == zeile_ || objekt == permeabilitaet_)) {
    // Return commits the field as leaving it does; the dialog stays.
    if (!imHandler_ && !beendet_) Festschreiben(objekt == zeile_ ? Feld::Zeile : Feld::Permeabilitaet, true);
    return true;
  }
  if (IstReturn(event) && objekt == liste_) {
    // Return on a line takes it into the edit, as a double-click does.
    Bedienen([this] { logik_.OnDblclkListe(); });
    return true;
  }
  if (event->type() == QEvent::FocusIn) {
    // Tab into a group of radios lands on its checked one, as the arrows
    // then move from there.
    const auto grund = static_cast<QFocusEvent*>(event)->reason();
    auto* knopf = qobject_cast<QAbstractButton*>(objekt);
    QButtonGroup* gruppe = knopf ? knopf->group() : nullptr;
    if (gruppe && (grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason) && gruppe->checkedButton() &&
        gruppe->checkedButton() != knopf) {
      QAbstractButton* ziel = gruppe->checkedButton();
      QMetaObject::invokeMethod(
          ziel, [ziel, grund] { ziel->setFocus(grund); }, Qt::QueuedConnection);
    }
  }
  if (event->type() == QEvent::FocusOut && (objekt == zeile_ || objekt == permeabilitaet_)) {
    const auto grund = static_cast<QFocusEvent*>(event)->reason();
    // A box of our own, another window or the edit's own context menu
    // take the focus without leaving the field; changes of the focus that
    // a handler makes itself commit nothing either.
    if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason && !imHandler_ && !beendet_) {
      const Feld feld = objekt == zeile_ ? Feld::Zeile : Feld::Permeabilitaet;
      std::optional<QString>& bestaetigt = feld == Feld::Zeile ? zeileBestaetigt_ : permBestaetigt_;
      const QString jetzt = static_cast<QLineEdit*>(objekt)->text();
      // What Return committed just now is not committed again.
      const bool schonFest = bestaetigt && *bestaetigt == jetzt;
      bestaetigt.reset();
      if (!schonFest) Festschreiben(feld, false);
    }
  }
  return QDialog::eventFilter(objekt, event);
}

void DlgInput::Festschreiben(Feld feld, bool perReturn) {
  anstehend_.push_back({feld, FelderJetzt(), perReturn});
  QMetaObject::invokeMethod(this, &DlgInput::AnstehendeAusfuehren, Qt::QueuedConnection);
}

void DlgInput::AnstehendeAusfuehren() {
  while (!anstehend_.empty() && !imHandler_ && !beendet_) {
    const Verlassen verlassen = anstehend_.front();
    anstehend_.pop_front();
    imHandler_ = true;
    schnappschuss_ = verlassen.felder;
    if (verlassen.feld == Feld::Zeile) {
      logik_.OnKillfocusZeile();
    } else {
      logik_.OnKillfocusPermeabilitaet();
    }
    schnappschuss_.reset();
    imHandler_ = false;
    if (verlassen.perReturn && !beendet_) {
      if (verlassen.feld == Feld::Zeile) {
        zeileBestaetigt_ = zeile_->text();
      } else {
        permBestaetigt_ = permeabilitaet_->text();
      }
    }
  }
}

void DlgInput::MessungenVormerken() {
  if (messungenVorgemerkt_) return;
  messungenVorgemerkt_ = true;
  QMetaObject::invokeMethod(this, &DlgInput::MessungenFuellen, Qt::QueuedConnection);
}

void DlgInput::MessungenFuellen() {
  messungenVorgemerkt_ = false;
  QStringList texte;
  for (const Messungseintrag& m : logik_.Messungen()) texte << Q(m.text);
  QStringList bisher;
  for (int i = 0; i < messung_->count(); ++i) bisher << messung_->itemText(i);
  if (texte != bisher) {
    messung_->clear();
    messung_->addItems(texte);
  }
  MessungAbgleichen();
}

void DlgInput::MessungAbgleichen() {
  // The entry of the permeability the field holds, none for another value.
  float wert = 0.0f;
  std::string meldung;
  int index = -1;
  if (Dateneingabe::PermeabilitaetLesen(S(permeabilitaet_->text()), wert, meldung)) {
    index = MessungFinden(logik_.Messungen(), wert);
  }
  if (index >= messung_->count()) index = -1;  // the lines changed; the refill comes
  messung_->setCurrentIndex(index);
}

template <typename Handler>
void DlgInput::Bedienen(Handler handler) {
  if (imHandler_ || beendet_) return;
  const int boxen = logik_.BoxenGezeigt();
  AnstehendeAusfuehren();
  if (beendet_) return;
  if (logik_.BoxenGezeigt() != boxen) {
    logik_.UpdateData(false);
    return;
  }
  imHandler_ = true;
  handler();
  imHandler_ = false;
}

void DlgInput::done(int ergebnis) {
  beendet_ = true;
  anstehend_.clear();
  QDialog::done(ergebnis);
}

DialogFelder DlgInput::FelderJetzt() const {
  DialogFelder f;
  f.Hinweis = S(hinweis_->text());
  f.Option = modus_->checkedId();
  f.Zeile = S(zeile_->text());
  f.bEinzelmessung = einzelmessung_->isChecked() ? 1 : 0;
  f.Permeabilitaet = S(permeabilitaet_->text());
  f.iGrafik = grafik_->checkedId();
  f.iTabelle = tabelle_->checkedId();
  f.bPolynom3 = polynom3_->isChecked() ? 1 : 0;
  return f;
}

DialogFelder DlgInput::FelderAbfragen() {
  // A commit reads the fields as they were when the focus left the edit.
  if (schnappschuss_) {
    const DialogFelder f = *schnappschuss_;
    schnappschuss_.reset();
    return f;
  }
  return FelderJetzt();
}

void DlgInput::FelderAnzeigen(const DialogFelder& f) {
  hinweis_->setText(Q(f.Hinweis));
  RadioSetzen(modus_, f.Option);
  // A longer line taken from the list is shown whole; typing stays within
  // the limit.
  const QString zeile = Q(f.Zeile);
  zeile_->setMaxLength(std::max(static_cast<int>(Dateneingabe::kMaxZeile), static_cast<int>(zeile.size())));
  if (zeile_->text() != zeile) {
    pruefer_->Merken(zeile);
    zeile_->setText(zeile);
  }
  einzelmessung_->setChecked(f.bEinzelmessung != 0);
  const QString perm = Q(f.Permeabilitaet);
  if (permeabilitaet_->text() != perm) permeabilitaet_->setText(perm);
  RadioSetzen(grafik_, f.iGrafik);
  RadioSetzen(tabelle_, f.iTabelle);
  polynom3_->setChecked(f.bPolynom3 != 0);
}

void DlgInput::ListeEinfuegen(int index, const std::string& zeile) {
  if (sammlung_) {
    sammlung_->insert(index, Q(zeile));
    return;
  }
  modell_->insertRows(index, 1);
  modell_->setData(modell_->index(index), Q(zeile));
}

void DlgInput::ListeErsetzen(int index, const std::string& zeile) {
  if (sammlung_) {
    (*sammlung_)[index] = Q(zeile);
    return;
  }
  modell_->setData(modell_->index(index), Q(zeile));
}

void DlgInput::ListeLoeschen(int index) {
  if (sammlung_) {
    sammlung_->removeAt(index);
    return;
  }
  modell_->removeRows(index, 1);
}

void DlgInput::ListeLeeren() {
  if (sammlung_) sammlung_->clear();
  modell_->setStringList(QStringList());
}

void DlgInput::ListeAuswaehlen(int index) {
  if (index < 0 || index >= modell_->rowCount()) {
    liste_->selectionModel()->clear();
    return;
  }
  const QModelIndex i = modell_->index(index);
  liste_->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
  liste_->scrollTo(i);
}

int DlgInput::ListenAuswahl() {
  const QModelIndexList gewaehlt = liste_->selectionModel()->selectedIndexes();
  return gewaehlt.isEmpty() ? -1 : gewaehlt.first().row();
}

void DlgInput::FokusWeiter() {
  // The edit follows the list: from there the line taken goes into it.
  if (focusWidget() == liste_) {
    zeile_->setFocus(Qt::TabFocusReason);
    return;
  }
  focusNextChild();
}

void DlgInput::FokusAufPermeabilitaet() {
  permeabilitaet_->setFocus(Qt::OtherFocusReason);
  permeabilitaet_->selectAll();
}

std::optional<std::string> DlgInput::DateiWaehlen() {
  QFileDialog dialog(this, QStringLiteral("Öffnen"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  // "*.*" meant every file where names had to have a dot; here it would
  // hide the files without one, so every file is matched by "*".
  dialog.setNameFilter(QStringLiteral("Alle Dateien (*)"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return S(dialog.selectedFiles().constFirst());
}

void DlgInput::DialogBeenden() { accept(); }
