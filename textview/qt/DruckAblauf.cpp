#include "DruckAblauf.h"

#include <QAbstractPrintDialog>
#include <QAction>
#include <QEvent>
#include <QFontMetricsF>
#include <QLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace druck {

bool MitDialogDrucken(QWidget* eltern, QPrinter& drucker, const Seitenmaler& maler) {
  QPrintDialog dialog(&drucker, eltern);
  dialog.setWindowTitle(QStringLiteral("Drucken"));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (maler(drucker)) return true;
  const QString datei = drucker.outputFileName();
  const QString text = datei.isEmpty() ? QStringLiteral("Der Drucker kann nicht geöffnet werden.")
                                       : QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(datei);
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Kadrel"), text, QMessageBox::Ok, eltern);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  return false;
}

namespace {

// Shows the prompts of the preview's buttons in its own status line: a
// dialog passes them to no other window.
class Aufforderungen : public QObject {
 public:
  Aufforderungen(QStatusBar* leiste, QObject* eltern) : QObject(eltern), leiste_(leiste) {}

  bool eventFilter(QObject* objekt, QEvent* event) override {
    if (event->type() == QEvent::StatusTip) {
      leiste_->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
      return true;
    }
    return QObject::eventFilter(objekt, event);
  }

 private:
  QStatusBar* leiste_;
};

}  // namespace

void Seitenansicht(QWidget* eltern, QPrinter& drucker, const Seitenmaler& maler, const QString& beendenAufforderung,
                   const QString& beendenTipp) {
  QPrintPreviewDialog vorschau(&drucker, eltern);
  vorschau.setWindowTitle(QStringLiteral("Seitenansicht"));
  QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                   [&maler](QPrinter* seiten) { maler(*seiten); });

  if (auto* leiste = vorschau.findChild<QToolBar*>()) {
    leiste->addSeparator();
    QAction* beenden = leiste->addAction(vorschau.style()->standardIcon(QStyle::SP_DialogCloseButton),
                                         beendenTipp.isEmpty() ? QStringLiteral("Schließen") : beendenTipp);
    beenden->setObjectName(QStringLiteral("seitenansichtBeenden"));
    beenden->setStatusTip(beendenAufforderung);
    QObject::connect(beenden, &QAction::triggered, &vorschau, &QDialog::reject);
  }
  if (auto* anordnung = vorschau.layout()) {
    auto* status = new QStatusBar(&vorschau);
    status->setSizeGripEnabled(false);
    anordnung->addWidget(status);
    vorschau.installEventFilter(new Aufforderungen(status, &vorschau));
  }
  vorschau.exec();
}

QFont SchriftMitZeilenhoehe(const QString& familie, int gewicht, double zeilenhoehe, QPaintDevice* geraet) {
  QFont schrift(familie);
  schrift.setStyleHint(QFont::TypeWriter);
  schrift.setFixedPitch(true);
  schrift.setWeight(static_cast<QFont::Weight>(gewicht));
  const int versuch = std::max(1, static_cast<int>(std::lround(zeilenhoehe)));
  schrift.setPixelSize(versuch);
  const double hoehe = QFontMetricsF(schrift, geraet).height();
  if (hoehe > 0.0) schrift.setPixelSize(std::max(1, static_cast<int>(std::floor(versuch * zeilenhoehe / hoehe))));
  return schrift;
}

}  // namespace druck
