#include "CLabordatenDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString Utf8(const std::string& s) { return QString::fromStdString(s); }

// Rows of the table shown as read.
constexpr int kVorschauzeilen = 8;
// Problems listed in the box; the rest are counted.
constexpr int kMaxProblemzeilen = 500;

const QString kAbschnitt = QStringLiteral("Labordaten/");

QString ProblemText(const labor::Problem& p) { return QStringLiteral("Zeile %1: %2").arg(p.zeile).arg(Utf8(p.grund)); }

QTableWidget* NeueTabelle(QWidget* eltern) {
  auto* t = new QTableWidget(eltern);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::NoSelection);
  t->horizontalHeader()->setStretchLastSection(true);
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
  return t;
}

void Zelle(QTableWidget* t, int zeile, int spalte, const QString& text) {
  t->setItem(zeile, spalte, new QTableWidgetItem(text));
}

// A label beside a choice that tells why the reader took its value.
QLabel* NeueHerkunft(QWidget* eltern) {
  auto* l = new QLabel(eltern);
  l->setWordWrap(true);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

// Columns of the measurements' table.
enum Messspalte { kMessKern, kMessPerm, kMessPorositaet, kMessPunkte, kMessProbleme, kMessspalten };

}  // namespace

CLabordatenDlg::CLabordatenDlg(std::string bytes, const QString& name, QWidget* parent)
    : QDialog(parent), bytes_(std::move(bytes)), standardKern_(name.section(QLatin1Char('.'), 0, 0).toStdString()) {
  setWindowTitle(QStringLiteral("Labordaten importieren - %1").arg(name));
  if (standardKern_.empty()) standardKern_ = "PROBE";

  auto* lesen = new QGroupBox(QStringLiteral("Lesen"), this);
  trenner_ = new QComboBox(lesen);
  trenner_->addItem(QStringLiteral("Komma"), int{','});
  trenner_->addItem(QStringLiteral("Semikolon"), int{';'});
  trenner_->addItem(QStringLiteral("Tabulator"), int{'\t'});
  dezimal_ = new QComboBox(lesen);
  dezimal_->addItem(QStringLiteral("Punkt (1.5)"), int{'.'});
  dezimal_->addItem(QStringLiteral("Komma (1,5)"), int{','});
  trennerHerkunft_ = NeueHerkunft(lesen);
  dezimalHerkunft_ = NeueHerkunft(lesen);
  auto* lesenRaster = new QGridLayout(lesen);
  lesenRaster->addWidget(new QLabel(QStringLiteral("Trennzeichen:"), lesen), 0, 0);
  lesenRaster->addWidget(trenner_, 0, 1);
  lesenRaster->addWidget(trennerHerkunft_, 1, 1);
  lesenRaster->addWidget(new QLabel(QStringLiteral("Dezimalzeichen:"), lesen), 2, 0);
  lesenRaster->addWidget(dezimal_, 2, 1);
  lesenRaster->addWidget(dezimalHerkunft_, 3, 1);
  lesenRaster->setRowStretch(4, 1);

  auto* zuordnung = new QGroupBox(QStringLiteral("Spalten"), this);
  auto* zuordnungRaster = new QGridLayout(zuordnung);
  const QString beschriftung[labor::kRollen] = {QStringLiteral("Kern:"), QStringLiteral("Permeabilität (mD):"),
                                                QStringLiteral("Druck:"), QStringLiteral("Sättigung:"),
                                                QStringLiteral("Porosität:")};
  for (int rolle = 0; rolle < labor::kRollen; ++rolle) {
    auto* combo = new QComboBox(zuordnung);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    spalten_[static_cast<std::size_t>(rolle)] = combo;
    zuordnungRaster->addWidget(new QLabel(beschriftung[rolle], zuordnung), rolle, 0);
    zuordnungRaster->addWidget(combo, rolle, 1);
  }

  auto* einheiten = new QGroupBox(QStringLiteral("Einheiten und Übernahme"), this);
  druck_ = new QComboBox(einheiten);
  druck_->addItem(QStringLiteral("aus dem Spaltennamen (sonst bar)"), -1);
  for (const auto e :
       {labor::Druckeinheit::Psi, labor::Druckeinheit::Bar, labor::Druckeinheit::KPa, labor::Druckeinheit::MPa}) {
    druck_->addItem(Utf8(labor::Einheitname(e)), static_cast<int>(e));
  }
  saettigung_ = new QComboBox(einheiten);
  saettigung_->addItem(QStringLiteral("aus dem Spaltennamen (sonst Anteil)"), -1);
  saettigung_->addItem(QStringLiteral("Anteil (0 bis 1)"), static_cast<int>(labor::Saettigungseinheit::Anteil));
  saettigung_->addItem(QStringLiteral("Prozent des Porenvolumens"),
                       static_cast<int>(labor::Saettigungseinheit::Prozent));
  porositaet_ = new QComboBox(einheiten);
  porositaet_->addItem(QStringLiteral("aus dem Spaltennamen (sonst Anteil)"), -1);
  porositaet_->addItem(QStringLiteral("Anteil (0 bis 1)"), static_cast<int>(labor::Porositaetseinheit::Anteil));
  porositaet_->addItem(QStringLiteral("Prozent (0 bis 100)"), static_cast<int>(labor::Porositaetseinheit::Prozent));
  druckHerkunft_ = NeueHerkunft(einheiten);
  saettigungHerkunft_ = NeueHerkunft(einheiten);
  porositaetHerkunft_ = NeueHerkunft(einheiten);
  nullpunkt_ = new QCheckBox(QStringLiteral("Fehlenden Nullpunkt (Sättigung 0) beim ersten Druck einfügen"), einheiten);
  anhaengen_ = new QRadioButton(QStringLiteral("an die Eingabezeilen anhängen"), einheiten);
  ersetzen_ = new QRadioButton(QStringLiteral("die Eingabezeilen ersetzen"), einheiten);
  anhaengen_->setChecked(true);
  auto* einheitenRaster = new QGridLayout(einheiten);
  einheitenRaster->addWidget(new QLabel(QStringLiteral("Druck:"), einheiten), 0, 0);
  einheitenRaster->addWidget(druck_, 0, 1);
  einheitenRaster->addWidget(druckHerkunft_, 0, 2);
  einheitenRaster->addWidget(new QLabel(QStringLiteral("Sättigung:"), einheiten), 1, 0);
  einheitenRaster->addWidget(saettigung_, 1, 1);
  einheitenRaster->addWidget(saettigungHerkunft_, 1, 2);
  einheitenRaster->addWidget(new QLabel(QStringLiteral("Porosität:"), einheiten), 2, 0);
  einheitenRaster->addWidget(porositaet_, 2, 1);
  einheitenRaster->addWidget(porositaetHerkunft_, 2, 2);
  einheitenRaster->setColumnStretch(2, 1);
  einheitenRaster->addWidget(nullpunkt_, 3, 0, 1, 3);
  einheitenRaster->addWidget(anhaengen_, 4, 0, 1, 3);
  einheitenRaster->addWidget(ersetzen_, 5, 0, 1, 3);

  vorschau_ = NeueTabelle(this);
  messungen_ = NeueTabelle(this);
  messungen_->setColumnCount(kMessspalten);
  messungen_->setHorizontalHeaderLabels({QStringLiteral("Kern"), QStringLiteral("Permeabilität (mD)"),
                                         QStringLiteral("Porosität (Anteil)"), QStringLiteral("Punkte"),
                                         QStringLiteral("Probleme")});
  probleme_ = new QPlainTextEdit(this);
  probleme_->setReadOnly(true);
  probleme_->setMaximumBlockCount(kMaxProblemzeilen + 1);
  meldung_ = new QLabel(this);
  meldung_->setWordWrap(true);

  knoepfe_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(knoepfe_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* oben = new QHBoxLayout;
  oben->addWidget(lesen, 1);
  oben->addWidget(zuordnung);
  oben->addWidget(einheiten, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(oben);
  layout->addWidget(new QLabel(QStringLiteral("Die ersten Zeilen der Tabelle, wie sie gelesen werden:"), this));
  layout->addWidget(vorschau_, 2);
  layout->addWidget(new QLabel(QStringLiteral("Messungen, die entstehen:"), this));
  layout->addWidget(messungen_, 2);
  layout->addWidget(new QLabel(QStringLiteral("Zeilen, die nicht übernommen werden, und Hinweise:"), this));
  layout->addWidget(probleme_, 1);
  layout->addWidget(meldung_);
  layout->addWidget(knoepfe_);
  resize(1100, 720);

  EinstellungenLesen();
  fuellen_ = true;
  labor::Rohtabelle erkannt;
  std::string fehler;
  if (labor::TabelleZerlegen(bytes_, 0, 0, erkannt, fehler)) {
    trenner_->setCurrentIndex(trenner_->findData(int{erkannt.trenner}));
    dezimal_->setCurrentIndex(dezimal_->findData(int{erkannt.dezimal}));
  }
  fuellen_ = false;
  Zerlegen();

  connect(trenner_, &QComboBox::currentIndexChanged, this, [this] {
    if (fuellen_) return;
    // A new separator may change how the numbers look as well.
    fuellen_ = true;
    labor::Rohtabelle erkannt;
    std::string fehler;
    if (labor::TabelleZerlegen(bytes_, static_cast<char>(trenner_->currentData().toInt()), 0, erkannt, fehler)) {
      dezimal_->setCurrentIndex(dezimal_->findData(int{erkannt.dezimal}));
    }
    fuellen_ = false;
    Zerlegen();
  });
  connect(dezimal_, &QComboBox::currentIndexChanged, this, [this] {
    if (!fuellen_) Zerlegen();
  });
  for (QComboBox* combo : spalten_) {
    connect(combo, &QComboBox::currentIndexChanged, this, [this] {
      if (!fuellen_) Auswerten();
    });
  }
  for (QComboBox* combo : {druck_, saettigung_, porositaet_}) {
    connect(combo, &QComboBox::currentIndexChanged, this, [this] { Auswerten(); });
  }
  connect(nullpunkt_, &QCheckBox::toggled, this, [this] { Auswerten(); });
}

bool CLabordatenDlg::Anhaengen() const { return anhaengen_->isChecked(); }

void CLabordatenDlg::EinstellungenLesen() {
  QSettings s;
  for (int rolle = 0; rolle < labor::kRollen; ++rolle) {
    gemerkt_[static_cast<std::size_t>(rolle)] = s.value(kAbschnitt + QStringLiteral("Spalte%1").arg(rolle)).toString();
  }
  druck_->setCurrentIndex(std::max(0, druck_->findData(s.value(kAbschnitt + QStringLiteral("Druckeinheit"), -1))));
  saettigung_->setCurrentIndex(
      std::max(0, saettigung_->findData(s.value(kAbschnitt + QStringLiteral("Saettigungseinheit"), -1))));
  porositaet_->setCurrentIndex(
      std::max(0, porositaet_->findData(s.value(kAbschnitt + QStringLiteral("Porositaetseinheit"), -1))));
  nullpunkt_->setChecked(s.value(kAbschnitt + QStringLiteral("Nullpunkt"), false).toBool());
  (s.value(kAbschnitt + QStringLiteral("Ersetzen"), false).toBool() ? ersetzen_ : anhaengen_)->setChecked(true);
}

void CLabordatenDlg::EinstellungenSchreiben() const {
  QSettings s;
  for (int rolle = 0; rolle < labor::kRollen; ++rolle) {
    const int spalte = ergebnis_.spalten[static_cast<std::size_t>(rolle)];
    const QString name = spalte >= 0 && static_cast<std::size_t>(spalte) < tabelle_.kopf.size()
                             ? Utf8(tabelle_.kopf[static_cast<std::size_t>(spalte)])
                             : QString();
    s.setValue(kAbschnitt + QStringLiteral("Spalte%1").arg(rolle), name);
  }
  s.setValue(kAbschnitt + QStringLiteral("Druckeinheit"), druck_->currentData());
  s.setValue(kAbschnitt + QStringLiteral("Saettigungseinheit"), saettigung_->currentData());
  s.setValue(kAbschnitt + QStringLiteral("Porositaetseinheit"), porositaet_->currentData());
  s.setValue(kAbschnitt + QStringLiteral("Nullpunkt"), nullpunkt_->isChecked());
  s.setValue(kAbschnitt + QStringLiteral("Ersetzen"), ersetzen_->isChecked());
}

void CLabordatenDlg::accept() {
  if (!fehler_.isEmpty()) return;
  EinstellungenSchreiben();
  QDialog::accept();
}

labor::Vorgaben CLabordatenDlg::Vorgaben() const {
  labor::Vorgaben v;
  v.trenner = tabelle_.trenner;
  v.dezimal = tabelle_.dezimal;
  for (int rolle = 0; rolle < labor::kRollen; ++rolle) {
    const QVariant spalte = spalten_[static_cast<std::size_t>(rolle)]->currentData();
    v.spalten[static_cast<std::size_t>(rolle)] = spalte.isValid() ? spalte.toInt() : labor::kKeineSpalte;
  }
  if (const int d = druck_->currentData().toInt(); d >= 0) v.druck = static_cast<labor::Druckeinheit>(d);
  if (const int s = saettigung_->currentData().toInt(); s >= 0) {
    v.saettigung = static_cast<labor::Saettigungseinheit>(s);
  }
  if (const int p = porositaet_->currentData().toInt(); p >= 0) {
    v.porositaet = static_cast<labor::Porositaetseinheit>(p);
  }
  v.nullpunktEinfuegen = nullpunkt_->isChecked();
  v.standardKern = standardKern_;
  return v;
}

void CLabordatenDlg::Zerlegen() {
  std::string fehler;
  const char trenner = static_cast<char>(trenner_->currentData().toInt());
  const char dezimal = static_cast<char>(dezimal_->currentData().toInt());
  if (!labor::TabelleZerlegen(bytes_, trenner, dezimal, tabelle_, fehler)) tabelle_ = labor::Rohtabelle{};
  trennerHerkunft_->setText(Utf8(tabelle_.trennerHerkunft));
  dezimalHerkunft_->setText(Utf8(tabelle_.dezimalHerkunft));
  SpaltenFuellen();
  vorschau_->clear();
  vorschau_->setColumnCount(static_cast<int>(tabelle_.kopf.size()));
  QStringList kopf;
  for (const auto& k : tabelle_.kopf) kopf << Utf8(k);
  vorschau_->setHorizontalHeaderLabels(kopf);
  const int zeilen = std::min<int>(kVorschauzeilen, static_cast<int>(tabelle_.ersteZeilen.size()));
  vorschau_->setRowCount(zeilen);
  QStringList nummern;
  for (int i = 0; i < zeilen; ++i) {
    const auto& z = tabelle_.ersteZeilen[static_cast<std::size_t>(i)];
    nummern << QString::number(z.nummer);
    for (std::size_t j = 0; j < z.zellen.size() && j < tabelle_.kopf.size(); ++j) {
      Zelle(vorschau_, i, static_cast<int>(j), Utf8(z.zellen[j]));
    }
  }
  vorschau_->setVerticalHeaderLabels(nummern);
  for (int spalte = 0; spalte + 1 < vorschau_->columnCount(); ++spalte) vorschau_->resizeColumnToContents(spalte);
  if (!fehler.empty()) {
    fehler_ = Utf8(fehler);
    ergebnis_ = labor::Ergebnis{};
    EinheitenHerkunftZeigen();
    messungen_->setRowCount(0);
    probleme_->clear();
    meldung_->setText(fehler_);
    knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(false);
    return;
  }
  Auswerten();
}

void CLabordatenDlg::SpaltenFuellen() {
  fuellen_ = true;
  std::array<int, labor::kRollen> fest{-1, -1, -1, -1, -1};
  for (int rolle = 0; rolle < labor::kRollen; ++rolle) {
    const QString& name = gemerkt_[static_cast<std::size_t>(rolle)];
    if (!name.isEmpty()) fest[static_cast<std::size_t>(rolle)] = labor::SpalteFinden(tabelle_, name.toStdString());
    // A remembered column must not stand twice when the new table names two alike.
    for (int andere = 0; andere < rolle; ++andere) {
      if (fest[static_cast<std::size_t>(andere)] == fest[static_cast<std::size_t>(rolle)]) {
        fest[static_cast<std::size_t>(rolle)] = -1;
      }
    }
  }
  const auto vorschlag = labor::SpaltenVorschlagen(tabelle_.kopf, fest);
  for (int rolle = 0; rolle < labor::kRollen; ++rolle) {
    QComboBox* combo = spalten_[static_cast<std::size_t>(rolle)];
    combo->clear();
    combo->addItem(QStringLiteral("(keine)"));
    for (std::size_t j = 0; j < tabelle_.kopf.size(); ++j) {
      combo->addItem(QStringLiteral("%1: %2").arg(j + 1).arg(Utf8(tabelle_.kopf[j])), static_cast<int>(j));
    }
    combo->setCurrentIndex(vorschlag[static_cast<std::size_t>(rolle)] + 1);
  }
  fuellen_ = false;
}

void CLabordatenDlg::Auswerten() {
  if (tabelle_.kopf.empty()) return;
  std::string fehler;
  fehler_ = labor::TabelleAuswerten(tabelle_, Vorgaben(), ergebnis_, fehler) ? QString() : Utf8(fehler);
  EinheitenHerkunftZeigen();

  messungen_->setRowCount(static_cast<int>(ergebnis_.messungen.size()));
  for (std::size_t i = 0; i < ergebnis_.messungen.size(); ++i) {
    const labor::Messung& m = ergebnis_.messungen[i];
    const int zeile = static_cast<int>(i);
    Zelle(messungen_, zeile, kMessKern, Utf8(m.kern));
    Zelle(messungen_, zeile, kMessPerm, QString::number(static_cast<double>(m.perm), 'g', 6));
    Zelle(messungen_, zeile, kMessPorositaet,
          m.porositaet ? QString::number(static_cast<double>(*m.porositaet), 'g', 6) : QString());
    Zelle(messungen_, zeile, kMessPunkte, QString::number(m.punkte));
    Zelle(messungen_, zeile, kMessProbleme,
          m.probleme.empty() ? QString()
                             : QStringLiteral("%1: %2").arg(m.probleme.size()).arg(ProblemText(m.probleme.front())));
  }
  for (int spalte = 0; spalte < kMessProbleme; ++spalte) messungen_->resizeColumnToContents(spalte);
  QStringList texte;
  for (std::size_t i = 0; i < ergebnis_.probleme.size() && i < kMaxProblemzeilen; ++i) {
    texte << ProblemText(ergebnis_.probleme[i]);
  }
  if (ergebnis_.probleme.size() > kMaxProblemzeilen) {
    texte << QStringLiteral("... und %1 weitere").arg(ergebnis_.probleme.size() - kMaxProblemzeilen);
  }
  probleme_->setPlainText(texte.join(QLatin1Char('\n')));
  const auto anzahl = [](std::size_t n, const char* eins, const char* mehr) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? eins : mehr));
  };
  const QString stand = QStringLiteral("%1, %2; %3 zu nicht übernommenen Zeilen.")
                            .arg(anzahl(ergebnis_.messungen.size(), "Messung", "Messungen"),
                                 anzahl(ergebnis_.zeilen.size(), "Eingabezeile", "Eingabezeilen"),
                                 anzahl(ergebnis_.probleme.size(), "Hinweis", "Hinweise"));
  meldung_->setText(fehler_.isEmpty() ? stand : fehler_);
  knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(fehler_.isEmpty());
}

void CLabordatenDlg::EinheitenHerkunftZeigen() {
  druckHerkunft_->setText(Utf8(ergebnis_.druckHerkunft));
  saettigungHerkunft_->setText(Utf8(ergebnis_.saettigungHerkunft));
  porositaetHerkunft_->setText(Utf8(ergebnis_.porositaetHerkunft));
}
