#include "KapillardruckkurvenAnsicht.h"

#include <memory>

#include <QAction>

#include "CAuswertungMenue.h"
#include "CMainFrame.h"
#include "Kapillardruckkurven.h"
#include "KapillardruckkurvenDlg.h"
#include "Kurvenauswertung.h"

void KapillardruckkurvenAnsichtEinrichten(CMainFrame& frame) {
  // Owned by the menu's functions, which live as long as the frame and its document.
  auto kurven = std::make_shared<Kurvenauswertung>(frame.GetDocument());
  CAuswertungMenue* menue = frame.Auswertung();

  Auswertungsansicht ansicht;
  ansicht.liste = [kurven] { return &kurven->Liste(); };
  ansicht.diagramm = [kurven] { return &kurven->Diagramm(); };
  ansicht.ausgabeMeldung = kKapillardruckkurvenAusgegeben;
  QAction* zeigen = menue->AnsichtHinzufuegen(QStringLiteral("Kapillardruckkurven"), std::move(ansicht));
  zeigen->setStatusTip(
      QStringLiteral("Zeigt die gemessenen Kurven aller oder der gewählten Messungen in einer Grafik"));

  QAction* waehlen = menue->BefehlHinzufuegen(QStringLiteral("Kurven wählen..."));
  waehlen->setStatusTip(QStringLiteral("Wählt die Messungen und die x-Achse der Grafik Kapillardruckkurven"));
  QObject::connect(waehlen, &QAction::triggered, &frame, [&frame, menue, kurven, zeigen] {
    KapillardruckkurvenDlg dlg(&frame);
    dlg.SetAuswahl(kurven->Kurven(), kurven->Auswahl());
    if (dlg.exec() != QDialog::Accepted) return;
    kurven->SetAuswahl(dlg.Auswahl());
    // The choice is made to be seen: the chart's item comes on.
    if (zeigen->isChecked()) {
      menue->AnsichtenAktualisieren();
    } else {
      zeigen->trigger();
    }
  });
}
