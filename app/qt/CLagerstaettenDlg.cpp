#include "CLagerstaettenDlg.h"

#include <string>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kEinheiten[lagerstaette::kFelder] = {"mN/m", "Grad", "mN/m", "Grad", "g/cm³", "g/cm³"};
constexpr const char* kZeichen[lagerstaette::kFelder] = {"σ_L", "θ_L", "σ_R", "θ_R", "ρ_W", "ρ_KW"};

}  // namespace

CLagerstaettenDlg::CLagerstaettenDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Lagerstättenbedingungen"));
  auto* form = new QFormLayout;
  for (int feld = 0; feld < lagerstaette::kFelder; ++feld) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("feld%1").arg(feld));
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(edit);
    zeile->addWidget(new QLabel(QString::fromUtf8(kEinheiten[feld]), this));
    const QString name = QStringLiteral("%1 %2:").arg(QString::fromUtf8(lagerstaette::Feldname(feld)),
                                                      QString::fromUtf8(kZeichen[feld]));
    form->addRow(name, zeile);
    felder_[static_cast<std::size_t>(feld)] = edit;
  }
  auto* hinweis =
      new QLabel(QStringLiteral("Dezimalzeichen \".\" oder \",\"; die Werte gelten für alle Dokumente."), this);
  hinweis->setWordWrap(true);
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &CLagerstaettenDlg::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &CLagerstaettenDlg::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(hinweis);
  layout->addWidget(knoepfe);
  SetBedingungen({});
}

void CLagerstaettenDlg::SetBedingungen(const Lagerstaettenbedingungen& b) {
  bedingungen_ = b;
  const lagerstaette::Feldtexte texte = lagerstaette::FelderTexte(b);
  for (int feld = 0; feld < lagerstaette::kFelder; ++feld) {
    Feld(feld)->setText(QString::fromStdString(texte[static_cast<std::size_t>(feld)]));
  }
}

void CLagerstaettenDlg::accept() {
  lagerstaette::Feldtexte texte;
  for (int feld = 0; feld < lagerstaette::kFelder; ++feld) {
    texte[static_cast<std::size_t>(feld)] = Feld(feld)->text().toStdString();
  }
  std::string fehler;
  int falsch = 0;
  if (!lagerstaette::FelderLesen(texte, bedingungen_, fehler, &falsch)) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kadrel"), QString::fromStdString(fehler), QMessageBox::Ok,
                    this);
    box.exec();
    Feld(falsch)->setFocus();
    Feld(falsch)->selectAll();
    return;
  }
  QDialog::accept();
}
