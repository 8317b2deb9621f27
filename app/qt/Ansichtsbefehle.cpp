#include "Ansichtsbefehle.h"

#include "Befehlstexte.h"
#include "CGrafik.h"
#include "CMainFrame.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QSettings>

#include <memory>

namespace {

const QString kSchluessel = QStringLiteral("Grafik/AnFensterAnpassen");

}  // namespace

void AnsichtsbefehleEinrichten(CMainFrame& frame) {
  QAction* anpassen = frame.NeueAktion(befehl::kAnFensterAnpassen, QStringLiteral("An &Fenster anpassen"));
  anpassen->setCheckable(true);
  anpassen->setEnabled(false);
  if (QMenu* ansicht = frame.Menue(QStringLiteral("&Ansicht"))) {
    ansicht->addSeparator();
    ansicht->addAction(anpassen);
  }

  QObject::connect(anpassen, &QAction::triggered, &frame, [&frame](bool an) {
    CGrafik* grafik = frame.GrafikAnsicht();
    if (!grafik || frame.GetActiveView() != grafik) return;
    grafik->SetAnFensterAnpassen(an);
    // Fitting ends the magnifier: its button loses the check mark.
    if (QAction* lupe = frame.Aktion(befehl::kGrafiklupe)) lupe->setChecked(grafik->Grafiklupe());
    QSettings().setValue(kSchluessel, an);
  });
  // The chart view is created at its first showing: it takes the remembered
  // choice then. Afterwards the check mark follows the view, which the
  // magnifier may have switched back.
  auto eingerichtet = std::make_shared<QPointer<CGrafik>>();
  QObject::connect(&frame, &CMainFrame::BefehleAktualisiert, anpassen, [&frame, anpassen, eingerichtet] {
    CGrafik* grafik = frame.GrafikAnsicht();
    if (grafik && *eingerichtet != grafik) {
      *eingerichtet = grafik;
      grafik->SetAnFensterAnpassen(QSettings().value(kSchluessel, false).toBool());
    }
    const bool aktiv = grafik && frame.GetActiveView() == grafik;
    anpassen->setEnabled(aktiv);
    anpassen->setChecked(aktiv && grafik->AnFensterAnpassen());
  });
}
