#include "CSaettigungshoehenDlg.h"

#include <string>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Modellguete.h"

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CSaettigungshoehenDlg::CSaettigungshoehenDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Sättigungshöhenmodell"));
  modell_ = new QComboBox(this);
  modell_->setObjectName(QStringLiteral("modell"));
  for (const ShfModell m : kAlleShfModelle) modell_->addItem(QString::fromUtf8(lagerstaette::Modellname(m)));
  typ_ = new QComboBox(this);
  typ_->setObjectName(QStringLiteral("gesteinstyp"));
  typ_->setEditable(true);
  SetGesteinstypen({});

  gesteine_ = new QTableWidget(0, 2, this);
  gesteine_->setObjectName(QStringLiteral("gesteine"));
  gesteine_->setHorizontalHeaderLabels({QStringLiteral("k (mD)"), QStringLiteral("φ (Anteil)")});
  gesteine_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  gesteine_->setMinimumHeight(180);
  dazu_ = new QPushButton(QStringLiteral("Zeile &hinzufügen"), this);
  weg_ = new QPushButton(QStringLiteral("Zeile &entfernen"), this);
  connect(dazu_, &QPushButton::clicked, this, [this] {
    const int zeile = gesteine_->rowCount();
    gesteine_->insertRow(zeile);
    gesteine_->setItem(zeile, 0, new QTableWidgetItem);
    gesteine_->setItem(zeile, 1, new QTableWidgetItem);
    gesteine_->setCurrentCell(zeile, 0);
    gesteine_->editItem(gesteine_->item(zeile, 0));
  });
  connect(weg_, &QPushButton::clicked, this, [this] {
    const int zeile = gesteine_->currentRow();
    if (zeile >= 0) gesteine_->removeRow(zeile);
  });
  auto* zeilenknoepfe = new QHBoxLayout;
  zeilenknoepfe->addWidget(dazu_);
  zeilenknoepfe->addWidget(weg_);
  zeilenknoepfe->addStretch();

  hoehe_ = new QLineEdit(this);
  hoehe_->setObjectName(QStringLiteral("hoeheMax"));
  auto* hoehe = new QHBoxLayout;
  hoehe->addWidget(hoehe_);
  hoehe->addWidget(new QLabel(QStringLiteral("m"), this));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Modell:"), modell_);
  form->addRow(QStringLiteral("Gesteins&typ (DRT) der Anpassung:"), typ_);
  // A label of a row that holds a layout needs its buddy set by hand.
  auto* hoeheText = new QLabel(QStringLiteral("&Größte Höhe:"), this);
  hoeheText->setBuddy(hoehe_);
  form->addRow(hoeheText, hoehe);
  auto* hinweis = new QLabel(QStringLiteral("Gesteine: Permeabilität in mD, Porosität als Anteil (0.213 für 21,3 %; "
                                            "Kadrel braucht keine). Dezimalzeichen \".\" oder \",\". J-Funktion und "
                                            "Thomeer werden über alle Messungen mit Porosität angepasst, oder nur "
                                            "über die eines Gesteinstyps. Die Wahl wird mit dem Dokument gespeichert "
                                            "und gilt für neue Dokumente weiter."),
                             this);
  hinweis->setWordWrap(true);
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &CSaettigungshoehenDlg::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &CSaettigungshoehenDlg::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(new QLabel(QStringLiteral("Gesteine (Legende \"k mD, φ\"):"), this));
  layout->addWidget(gesteine_);
  layout->addLayout(zeilenknoepfe);
  layout->addWidget(hinweis);
  layout->addWidget(knoepfe);
  SetWahl(lagerstaette::StandardWahl({}));
}

void CSaettigungshoehenDlg::SetGesteinstypen(const std::vector<int>& typen) {
  const QString text = typ_->currentText();
  typ_->clear();
  typ_->addItem(QStringLiteral("alle"));
  for (const int t : typen) typ_->addItem(QString::number(t));
  typ_->setEditText(text.isEmpty() ? QStringLiteral("alle") : text);
}

void CSaettigungshoehenDlg::SetWahl(const SaettigungshoehenWahl& w) {
  wahl_ = w;
  const lagerstaette::SaettigungshoehenTexte t = lagerstaette::Texte(w);
  modell_->setCurrentIndex(static_cast<int>(t.modell));
  typ_->setEditText(Text(t.gesteinstyp));
  gesteine_->setRowCount(0);
  for (const auto& [k, phi] : t.gesteine) {
    const int zeile = gesteine_->rowCount();
    gesteine_->insertRow(zeile);
    gesteine_->setItem(zeile, 0, new QTableWidgetItem(Text(k)));
    gesteine_->setItem(zeile, 1, new QTableWidgetItem(Text(phi)));
  }
  hoehe_->setText(Text(t.hoeheMax));
}

void CSaettigungshoehenDlg::Ablehnen(const std::string& fehler, const lagerstaette::WahlFeld& feld) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Kadrel"), Text(fehler), QMessageBox::Ok, this);
  box.exec();
  switch (feld.art) {
    case lagerstaette::WahlFeld::Gesteinstyp:
      typ_->setFocus();
      typ_->lineEdit()->selectAll();
      break;
    case lagerstaette::WahlFeld::Permeabilitaet:
    case lagerstaette::WahlFeld::Porositaet:
      gesteine_->setFocus();
      gesteine_->setCurrentCell(feld.zeile, feld.art == lagerstaette::WahlFeld::Permeabilitaet ? 0 : 1);
      break;
    case lagerstaette::WahlFeld::Gesteine:
      gesteine_->setFocus();
      break;
    case lagerstaette::WahlFeld::HoeheMax:
      hoehe_->setFocus();
      hoehe_->selectAll();
      break;
  }
}

void CSaettigungshoehenDlg::accept() {
  lagerstaette::SaettigungshoehenTexte t;
  t.modell = kAlleShfModelle[modell_->currentIndex()];
  t.gesteinstyp = typ_->currentText().toStdString();
  for (int zeile = 0; zeile < gesteine_->rowCount(); ++zeile) {
    const auto zelle = [&](int spalte) {
      const QTableWidgetItem* item = gesteine_->item(zeile, spalte);
      return item ? item->text().toStdString() : std::string();
    };
    t.gesteine.emplace_back(zelle(0), zelle(1));
  }
  t.hoeheMax = hoehe_->text().toStdString();
  std::string fehler;
  lagerstaette::WahlFeld feld;
  if (!lagerstaette::TexteLesen(t, wahl_, fehler, &feld)) {
    Ablehnen(fehler, feld);
    return;
  }
  QDialog::accept();
}
