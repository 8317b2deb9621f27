#include "ThomeerAnsicht.h"

#include <memory>

#include "ThomeerTabellen.h"
#include "CAuswertungMenue.h"
#include "CMainFrame.h"
#include "Tabellenbefehle.h"
#include "ThomeerAuswertung.h"
#include "ThomeerBericht.h"

void ThomeerAnsichtEinrichten(CMainFrame& frame) {
  // The results live as long as the menu keeps the view's functions; they
  // are fitted when the list or the chart is first shown after a run.
  auto thomeer = std::make_shared<ThomeerAuswertung>(frame.GetDocument());
  CAuswertungMenue* menue = frame.Auswertung();
  Auswertungsansicht ansicht;
  ansicht.liste = [thomeer] { return &thomeer->Liste(); };
  ansicht.diagramm = [thomeer] { return &thomeer->Diagramm(); };
  ansicht.doppelklick = [thomeer, menue](int index) {
    if (thomeer->ZeileWaehlen(index)) menue->AnsichtenAktualisieren();
  };
  ansicht.ausgabeMeldung = kThomeerAusgegeben;
  menue->AnsichtHinzufuegen(QStringLiteral("Thomeer-Parameter"), std::move(ansicht));
  CsvTabellenquelleHinzufuegen(frame,
                               [thomeer] { return ThomeerTabellen(thomeer->Ergebnisse(), thomeer->Hinweise()); });
}
