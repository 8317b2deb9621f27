#include "ThomeerAnsicht.h"

#include <memory>

#include "ThomeerTabellen.h"
#include "Auswertungsgrundlage.h"
#include "CAuswertungMenue.h"
#include "CMainFrame.h"
#include "Tabellenbefehle.h"
#include "ThomeerAuswertung.h"
#include "ThomeerBericht.h"

void ThomeerAnsichtEinrichten(CMainFrame& frame) {
  // The results live as long as the menu keeps the view's functions; they
  // are fitted when the list or the chart is first shown after a run, on the
  // curves as the closure pressures correct them (shared with the others).
  const std::shared_ptr<Auswertungsgrundlage> g = AuswertungsgrundlageVon(frame);
  auto thomeer = [g]() -> ThomeerAuswertung& { return g->Thomeer(); };
  CAuswertungMenue* menue = frame.Auswertung();
  Auswertungsansicht ansicht;
  ansicht.liste = [thomeer] { return &thomeer().Liste(); };
  ansicht.diagramm = [thomeer] { return &thomeer().Diagramm(); };
  ansicht.doppelklick = [thomeer, menue](int index) {
    if (thomeer().ZeileWaehlen(index)) menue->AnsichtenAktualisieren();
  };
  ansicht.ausgabeMeldung = kThomeerAusgegeben;
  menue->AnsichtHinzufuegen(QStringLiteral("Thomeer-Parameter"), std::move(ansicht));
  CsvTabellenquelleHinzufuegen(frame,
                               [thomeer] { return ThomeerTabellen(thomeer().Ergebnisse(), thomeer().Hinweise()); });
}
