#include "KapillardruckkurvenDlg.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "TextFormat.h"

KapillardruckkurvenDlg::KapillardruckkurvenDlg(QWidget* parent)
    : QDialog(parent),
      liste_(new QListWidget(this)),
      anzahl_(new QLabel(this)),
      alle_(new QPushButton(QStringLiteral("&Alle"), this)),
      keine_(new QPushButton(QStringLiteral("&Keine"), this)),
      hg_(new QRadioButton(QStringLiteral("&Hg-Sättigung"), this)),
      sw_(new QRadioButton(QStringLiteral("&Wassersättigung Sw"), this)) {
  setWindowTitle(QStringLiteral("Kapillardruckkurven"));
  liste_->setObjectName(QStringLiteral("messungen"));
  auto* titel = new QLabel(QStringLiteral("&Messungen:"), this);
  titel->setBuddy(liste_);
  alle_->setObjectName(QStringLiteral("alle"));
  keine_->setObjectName(QStringLiteral("keine"));
  // Return in the list closes the dialog with OK, not with these.
  for (QPushButton* k : {alle_, keine_}) k->setAutoDefault(false);
  connect(alle_, &QPushButton::clicked, this, [this] { AlleSetzen(true); });
  connect(keine_, &QPushButton::clicked, this, [this] { AlleSetzen(false); });
  connect(liste_, &QListWidget::itemChanged, this, [this] { AnzahlZeigen(); });

  auto* achse = new QGroupBox(QStringLiteral("x-Achse"), this);
  auto* achsenLayout = new QHBoxLayout(achse);
  achsenLayout->addWidget(hg_);
  achsenLayout->addWidget(sw_);
  hg_->setChecked(true);

  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = knoepfe->button(QDialogButtonBox::Ok);
  ok->setText(QStringLiteral("&OK"));
  ok->setDefault(true);
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("A&bbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* wahl = new QHBoxLayout;
  wahl->addWidget(anzahl_, 1);
  wahl->addWidget(alle_);
  wahl->addWidget(keine_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(titel);
  layout->addWidget(liste_, 1);
  layout->addLayout(wahl);
  layout->addWidget(achse);
  layout->addWidget(knoepfe);
  // Reading order.
  setTabOrder(liste_, alle_);
  setTabOrder(alle_, keine_);
  setTabOrder(keine_, hg_);
  setTabOrder(hg_, sw_);
  setTabOrder(sw_, ok);
  setTabOrder(ok, knoepfe->button(QDialogButtonBox::Cancel));
  resize(380, 460);
  AnzahlZeigen();
}

void KapillardruckkurvenDlg::SetAuswahl(const std::vector<Messkurve>& kurven, const Kurvenauswahl& auswahl) {
  const QSignalBlocker still(liste_);
  liste_->clear();
  for (std::size_t i = 0; i < kurven.size(); ++i) {
    const std::string text = text::Format("%s   %g mD", kurven[i].Kern, kurven[i].Perm);
    auto* eintrag = new QListWidgetItem(QString::fromStdString(text), liste_);
    eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    eintrag->setCheckState(auswahl.Gewaehlt(i) ? Qt::Checked : Qt::Unchecked);
  }
  if (liste_->count() > 0) liste_->setCurrentRow(0);
  (auswahl.x == Saettigungsachse::Hg ? hg_ : sw_)->setChecked(true);
  AnzahlZeigen();
}

Kurvenauswahl KapillardruckkurvenDlg::Auswahl() const {
  Kurvenauswahl a;
  for (int i = 0; i < liste_->count(); ++i) a.gewaehlt.push_back(liste_->item(i)->checkState() == Qt::Checked);
  a.x = sw_->isChecked() ? Saettigungsachse::Wasser : Saettigungsachse::Hg;
  return a;
}

QString KapillardruckkurvenDlg::Anzahltext() const { return anzahl_->text(); }

void KapillardruckkurvenDlg::AlleSetzen(bool an) {
  {
    const QSignalBlocker still(liste_);
    for (int i = 0; i < liste_->count(); ++i) liste_->item(i)->setCheckState(an ? Qt::Checked : Qt::Unchecked);
  }
  // The items were changed silently: the view and the count catch up.
  liste_->viewport()->update();
  AnzahlZeigen();
}

void KapillardruckkurvenDlg::AnzahlZeigen() {
  anzahl_->setText(QStringLiteral("%1 von %2 gewählt").arg(Auswahl().Anzahl()).arg(liste_->count()));
}
