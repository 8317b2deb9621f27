#include "Kopierbefehl.h"

#include "Befehlstexte.h"
#include "CGrafik.h"
#include "CKadrelView.h"
#include "CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

void Kopieren(CMainFrame& frame) {
  QClipboard* ablage = QApplication::clipboard();
  if (CGrafik* grafik = frame.GrafikAnsicht(); grafik && frame.GetActiveView() == grafik) {
    ablage->setMimeData(grafik->Zwischenablage());
    return;
  }
  ablage->setText(frame.TextAnsicht()->KopierText());
}

void KopierbefehlEinrichten(CMainFrame& frame) {
  QAction* kopieren = frame.NeueAktion(befehl::kKopieren, QStringLiteral("&Kopieren\tStrg+C"));
  if (QMenu* bearbeiten = frame.Menue(QStringLiteral("&Bearbeiten"))) {
    QAction* erste = bearbeiten->actions().value(0);
    bearbeiten->insertAction(erste, kopieren);
    bearbeiten->insertSeparator(erste);
  }
  QObject::connect(kopieren, &QAction::triggered, &frame, [&frame] { Kopieren(frame); });
}
