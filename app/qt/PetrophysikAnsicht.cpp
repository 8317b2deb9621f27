#include "PetrophysikAnsicht.h"

#include <memory>

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "Auswertungsgrundlage.h"
#include "CAuswertungMenue.h"
#include "CMainFrame.h"
#include "Petrophysikauswertung.h"
#include "Schliessdruckkorrektur.h"
#include "Tabellenbefehle.h"

namespace {

// The chart items, in the order of Petrophysikgrafik.
const char16_t* const kGrafikpunkte[kPetrophysikgrafiken] = {u"&Porosität–Permeabilität", u"&J-Funktion",
                                                             u"&Thomeer-Permeabilität"};

}  // namespace

void PetrophysikAnsichtEinrichten(CMainFrame& frame) {
  CAuswertungMenue* menue = frame.Auswertung();
  // The curves and the Thomeer fit are those of the other analyses; the
  // conditions in force are handed over at every access.
  const std::shared_ptr<Auswertungsgrundlage> g = AuswertungsgrundlageVon(frame);
  auto auswertung = std::make_shared<Petrophysikauswertung>(g->Korrektur(), g->Thomeer());
  auto petro = [g, auswertung]() -> Petrophysikauswertung& {
    auswertung->SetBedingungen(g->Bedingungen().bedingungen);
    return *auswertung;
  };

  QAction* ansicht = menue->AnsichtHinzufuegen(
      QStringLiteral("P&etrophysik"),
      {[petro] { return &petro().Liste(); }, [petro] { return &petro().Diagramm(); }, {}, kPetrophysikAusgegeben});
  ansicht->setStatusTip(QStringLiteral("RQI, FZI, Gesteinstyp, Winland r35, Thomeer-Permeabilität und J-Funktion"));

  QMenu* grafik = menue->Menue()->addMenu(QStringLiteral("Petrophysik-&Grafik"));
  grafik->setObjectName(QStringLiteral("PetrophysikGrafik"));
  auto* gruppe = new QActionGroup(grafik);
  for (int i = 0; i < kPetrophysikgrafiken; ++i) {
    QAction* punkt = grafik->addAction(QString::fromUtf16(kGrafikpunkte[i]));
    punkt->setCheckable(true);
    punkt->setChecked(i == static_cast<int>(auswertung->Grafik()));
    punkt->setStatusTip(
        QStringLiteral("Die Petrophysik-Grafik „%1“ zeigen").arg(QString::fromUtf8(kPetrophysikgrafikTitel[i])));
    gruppe->addAction(punkt);
    QObject::connect(punkt, &QAction::triggered, &frame, [&frame, menue, ansicht, auswertung, i] {
      auswertung->SetGrafik(static_cast<Petrophysikgrafik>(i));
      // Choosing a chart shows it.
      if (!ansicht->isChecked()) ansicht->trigger();
      frame.AnsichtWechseln(CMainFrame::kGrafikAnsicht);
      menue->AnsichtenAktualisieren();
    });
  }

  CsvTabellenquelleHinzufuegen(frame, [g, petro] {
    std::vector<csv::Tabelle> tabellen = korrektur::Tabellen(g->Korrektur().Kurven());
    for (csv::Tabelle& t : petro().Tabellen()) tabellen.push_back(std::move(t));
    return tabellen;
  });
}
