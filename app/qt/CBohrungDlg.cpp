#include "CBohrungDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "BohrungStudie.h"
#include "Bohrungsauswertung.h"

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The curves but the depth, each as "MNEM (unit)", its index into the
// header's curves as the item's data.
void Fuellen(QComboBox* feld, const bohrung::Kopf& kopf, int vorschlag) {
  for (std::size_t i = 1; i < kopf.kurven.size(); ++i) {
    const bohrung::Kurve& k = kopf.kurven[i];
    std::string text = k.kuerzel;
    text += " (";
    text += k.einheit.empty() ? std::string("-") : k.einheit;
    text += ')';
    feld->addItem(Text(text), static_cast<int>(i));
  }
  feld->setCurrentIndex(feld->findData(vorschlag));
}

std::string Kuerzel(const QComboBox* feld, const bohrung::Kopf& kopf) {
  const int i = feld->currentData().isValid() ? feld->currentData().toInt() : -1;
  return i > 0 && static_cast<std::size_t>(i) < kopf.kurven.size() ? kopf.kurven[static_cast<std::size_t>(i)].kuerzel
                                                                   : std::string();
}

}  // namespace

CBohrungDlg::CBohrungDlg(const bohrung::Kopf& kopf, const std::string& pfad, QWidget* parent)
    : QDialog(parent), kopf_(kopf), pfad_(pfad) {
  setWindowTitle(QStringLiteral("Bohrung laden"));

  kurven_ = new QTableWidget(static_cast<int>(kopf_.kurven.size()), 3, this);
  kurven_->setObjectName(QStringLiteral("kurven"));
  kurven_->setHorizontalHeaderLabels(
      {QStringLiteral("Kurve"), QStringLiteral("Einheit"), QStringLiteral("Beschreibung")});
  kurven_->verticalHeader()->hide();
  kurven_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  kurven_->setSelectionMode(QAbstractItemView::NoSelection);
  for (int zeile = 0; zeile < kurven_->rowCount(); ++zeile) {
    const bohrung::Kurve& k = kopf_.kurven[static_cast<std::size_t>(zeile)];
    kurven_->setItem(zeile, 0, new QTableWidgetItem(Text(k.kuerzel)));
    kurven_->setItem(zeile, 1, new QTableWidgetItem(Text(k.einheit)));
    kurven_->setItem(zeile, 2, new QTableWidgetItem(Text(k.beschreibung)));
  }
  kurven_->resizeColumnsToContents();
  kurven_->horizontalHeader()->setStretchLastSection(true);
  kurven_->setMinimumHeight(150);

  porositaet_ = new QComboBox(this);
  porositaet_->setObjectName(QStringLiteral("porositaet"));
  Fuellen(porositaet_, kopf_, kopf_.vorschlagPorositaet);
  permeabilitaet_ = new QComboBox(this);
  permeabilitaet_->setObjectName(QStringLiteral("permeabilitaet"));
  Fuellen(permeabilitaet_, kopf_, kopf_.vorschlagPermeabilitaet);

  const QString einheit = Text(kopf_.Tiefeneinheitstext());
  fwlFeld_ = new QLineEdit(this);
  fwlFeld_->setObjectName(QStringLiteral("fwl"));
  auto* fwl = new QHBoxLayout;
  fwl->addWidget(fwlFeld_);
  fwl->addWidget(new QLabel(einheit, this));
  auto* fwlText = new QLabel(QStringLiteral("&FWL (freier Wasserspiegel, Tiefe):"), this);
  fwlText->setBuddy(fwlFeld_);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Porosität:"), porositaet_);
  form->addRow(QStringLiteral("P&ermeabilität:"), permeabilitaet_);
  form->addRow(fwlText, fwl);

  lueckenText_ = new QLabel(this);
  lueckenText_->setWordWrap(true);
  luecken_ = new QListWidget(this);
  luecken_->setObjectName(QStringLiteral("luecken"));
  luecken_->setMinimumHeight(110);

  const QString bohrung = kopf_.bohrung.empty() ? QString() : QStringLiteral(", Bohrung ") + Text(kopf_.bohrung);
  auto* datei = new QLabel(QStringLiteral("%1 (LAS %2%3), Tiefe in %4")
                               .arg(QFileInfo(Text(pfad_)).fileName(), Text(kopf_.version), bohrung, einheit),
                           this);
  datei->setWordWrap(true);

  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &CBohrungDlg::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &CBohrungDlg::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(datei);
  layout->addWidget(new QLabel(QStringLiteral("Kurven des Logs:"), this));
  layout->addWidget(kurven_);
  layout->addLayout(form);
  layout->addWidget(lueckenText_);
  layout->addWidget(luecken_);
  layout->addWidget(knoepfe);
  resize(620, 560);

  connect(porositaet_, &QComboBox::currentIndexChanged, this, &CBohrungDlg::Lesen);
  connect(permeabilitaet_, &QComboBox::currentIndexChanged, this, &CBohrungDlg::Lesen);
  Lesen();
}

CBohrungDlg::~CBohrungDlg() = default;

void CBohrungDlg::SetKurven(const bohrung::Kurvenwahl& wahl) {
  const auto setzen = [this](QComboBox* feld, const std::string& kuerzel) {
    for (int i = 0; i < feld->count(); ++i) {
      const auto k = static_cast<std::size_t>(feld->itemData(i).toInt());
      if (QString::compare(Text(kopf_.kurven[k].kuerzel), Text(kuerzel), Qt::CaseInsensitive) == 0) {
        feld->setCurrentIndex(i);
        return;
      }
    }
  };
  if (!wahl.porositaet.empty()) setzen(porositaet_, wahl.porositaet);
  if (!wahl.permeabilitaet.empty()) setzen(permeabilitaet_, wahl.permeabilitaet);
}

void CBohrungDlg::SetFwl(const QString& text) { fwlFeld_->setText(text); }

void CBohrungDlg::Lesen() {
  const bohrung::Kurvenwahl wahl{Kuerzel(porositaet_, kopf_), Kuerzel(permeabilitaet_, kopf_)};
  auto b = std::make_unique<bohrung::Bohrung>();
  luecken_->clear();
  lesefehler_.clear();
  // An empty choice would let the reader take its preset; with none chosen
  // here, none is meant.
  const bool gewaehlt = !wahl.porositaet.empty() && !wahl.permeabilitaet.empty();
  if (!gewaehlt || !bohrung::LasLesenDatei(pfad_, wahl, *b, lesefehler_)) {
    if (!gewaehlt) lesefehler_ = "Bitte eine Porositäts- und eine Permeabilitätskurve wählen.";
    bohrung_.reset();
    lueckenText_->setText(QStringLiteral("Das Log wird so nicht gelesen:"));
    luecken_->addItem(Text(lesefehler_));
    return;
  }
  const std::vector<bohrung::Luecke> luecken = bohrung::Luecken(b->grund);
  lueckenText_->setText(luecken.empty()
                            ? QStringLiteral("Alle %1 Zeilen haben Porosität und Permeabilität.").arg(b->Zeilen())
                            : QStringLiteral("Zeilen ohne Sw (von %1):").arg(b->Zeilen()));
  for (const bohrung::Luecke& l : luecken) luecken_->addItem(Text(bohrung::Lueckentext(*b, l)));
  bohrung_ = std::move(b);
}

void CBohrungDlg::Melden(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Kadrel"), Text(text), QMessageBox::Ok, this);
  box.exec();
}

void CBohrungDlg::accept() {
  if (!bohrung_) {
    Melden(lesefehler_);
    porositaet_->setFocus();
    return;
  }
  std::string fehler;
  if (!bohrung::FwlLesen(fwlFeld_->text().toStdString(), kopf_, fwl_, fehler)) {
    Melden(fehler);
    fwlFeld_->setFocus();
    fwlFeld_->selectAll();
    return;
  }
  QDialog::accept();
}
