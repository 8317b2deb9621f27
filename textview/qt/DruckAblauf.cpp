#include "DruckAblauf.h"

#include <QAbstractPrintDialog>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

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

void Seitenansicht(QWidget* eltern, QPrinter& drucker, const Seitenmaler& maler) {
  QPrintPreviewDialog vorschau(&drucker, eltern);
  vorschau.setWindowTitle(QStringLiteral("Seitenansicht"));
  QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                   [&maler](QPrinter* seiten) { maler(*seiten); });
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
