#include "CLagerstaettenDlg.h"

#include <string>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "Schliessdruckkorrektur.h"

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
  schliessdruckFeld_ = new QLineEdit(this);
  schliessdruckFeld_->setObjectName(QStringLiteral("schliessdruck"));
  schliessdruckFeld_->setPlaceholderText(QStringLiteral("keiner"));
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(schliessdruckFeld_);
  zeile->addWidget(new QLabel(QStringLiteral("bar"), this));
  form->addRow(QString::fromUtf8(korrektur::kSchliessdruckFeld) + QStringLiteral(":"), zeile);
  auto* hinweis = new QLabel(QStringLiteral("Dezimalzeichen \".\" oder \",\". Ein Schließdruck in der Kopfzeile "
                                            "einer Messung (SCHLIESSDRUCK:) geht vor; leer: keine Korrektur. "
                                            "Die Werte werden mit dem Dokument gespeichert und gelten für neue "
                                            "Dokumente weiter."),
                             this);
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

void CLagerstaettenDlg::SetSchliessdruck(const std::optional<double>& w) {
  schliessdruck_ = w;
  schliessdruckFeld_->setText(QString::fromStdString(korrektur::SchliessdruckText(w)));
}

void CLagerstaettenDlg::Ablehnen(const std::string& fehler, QLineEdit* feld) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Kadrel"), QString::fromStdString(fehler), QMessageBox::Ok,
                  this);
  box.exec();
  feld->setFocus();
  feld->selectAll();
}

void CLagerstaettenDlg::accept() {
  lagerstaette::Feldtexte texte;
  for (int feld = 0; feld < lagerstaette::kFelder; ++feld) {
    texte[static_cast<std::size_t>(feld)] = Feld(feld)->text().toStdString();
  }
  std::string fehler;
  int falsch = 0;
  // Both are taken only when both can be read.
  Lagerstaettenbedingungen b = bedingungen_;
  if (!lagerstaette::FelderLesen(texte, b, fehler, &falsch)) {
    Ablehnen(fehler, Feld(falsch));
    return;
  }
  std::optional<double> schliessdruck;
  if (!korrektur::SchliessdruckLesen(schliessdruckFeld_->text().toStdString(), schliessdruck, fehler)) {
    Ablehnen(fehler, schliessdruckFeld_);
    return;
  }
  bedingungen_ = b;
  schliessdruck_ = schliessdruck;
  QDialog::accept();
}
