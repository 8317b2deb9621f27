#include "CPlattformQt.h"

#include "DlgInput.h"
#include "EingabeDaten.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString kTitel = QStringLiteral("Kadrel");

}  // namespace

class CPlattformQt::PfeilWaehrendBox {
 public:
  explicit PfeilWaehrendBox(bool warten) : warten_(warten) {
    if (warten_) QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
  }
  ~PfeilWaehrendBox() {
    if (warten_) QApplication::restoreOverrideCursor();
  }
  PfeilWaehrendBox(const PfeilWaehrendBox&) = delete;
  PfeilWaehrendBox& operator=(const PfeilWaehrendBox&) = delete;

 private:
  bool warten_;
};

CPlattformQt::CPlattformQt(QWidget* fenster, std::function<void()> ansichtenAktualisieren)
    : fenster_(fenster), ansichtenAktualisieren_(std::move(ansichtenAktualisieren)) {}

CPlattformQt::~CPlattformQt() {
  while (warteTiefe_ > 0) WarteCursor(false);
}

void CPlattformQt::Meldung(const std::string& text) {
  const PfeilWaehrendBox pfeil(warteTiefe_ > 0);
  QMessageBox box(QMessageBox::Warning, kTitel, QString::fromStdString(text), QMessageBox::Ok, fenster_);
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("&OK"));
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}

bool CPlattformQt::Frage(const std::string& text) {
  const PfeilWaehrendBox pfeil(warteTiefe_ > 0);
  QMessageBox box(QMessageBox::Question, kTitel, QString::fromStdString(text), QMessageBox::NoButton, fenster_);
  box.setTextFormat(Qt::PlainText);
  QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
  box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
  box.setDefaultButton(ja);
  box.exec();
  return box.clickedButton() == ja;
}

void CPlattformQt::WarteCursor(bool an) {
  if (an) {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++warteTiefe_;
  } else if (warteTiefe_ > 0) {
    QApplication::restoreOverrideCursor();
    --warteTiefe_;
  }
}

void CPlattformQt::AnsichtenAktualisieren() {
  if (ansichtenAktualisieren_) ansichtenAktualisieren_();
}

bool CPlattformQt::DatenDialog(EingabeDaten& daten) {
  const PfeilWaehrendBox pfeil(warteTiefe_ > 0);
  DlgInput dialog(*this, fenster_);
  dialog.SetDaten(daten);
  if (dialog.exec() != QDialog::Accepted) return false;
  daten = dialog.Daten();
  return true;
}
