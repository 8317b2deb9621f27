#include "Druckachsenbefehl.h"

#include "CGrafik.h"
#include "CMainFrame.h"
#include "Mnemoniken.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QSettings>

#include <memory>

namespace {

const QString kSchluessel = QStringLiteral("Grafik/DruckachseLogarithmisch");

}  // namespace

void DruckachsenbefehlEinrichten(CMainFrame& frame) {
  auto* druckachse = new QAction(QStringLiteral("Druckachse logarithmisch"), &frame);
  druckachse->setObjectName(QStringLiteral("DruckachseLogarithmisch"));
  druckachse->setCheckable(true);
  druckachse->setChecked(QSettings().value(kSchluessel, false).toBool());
  druckachse->setStatusTip(
      QStringLiteral("Zeichnet den Druck der Kapillardruckkurve einer Messung auf einer logarithmischen Achse"));
  if (QMenu* ansicht = frame.Menue(QStringLiteral("&Ansicht"))) {
    ansicht->addAction(druckachse);
    MnemonikErgaenzen(ansicht, druckachse);
  }

  QObject::connect(druckachse, &QAction::toggled, &frame, [&frame](bool an) {
    if (CGrafik* grafik = frame.GrafikAnsicht()) grafik->SetDruckLogarithmisch(an);
    QSettings().setValue(kSchluessel, an);
  });
  // The chart view is created at its first showing: it takes the choice then.
  auto eingerichtet = std::make_shared<QPointer<CGrafik>>();
  QObject::connect(&frame, &CMainFrame::BefehleAktualisiert, druckachse, [&frame, druckachse, eingerichtet] {
    CGrafik* grafik = frame.GrafikAnsicht();
    if (!grafik || *eingerichtet == grafik) return;
    *eingerichtet = grafik;
    grafik->SetDruckLogarithmisch(druckachse->isChecked());
  });
}
