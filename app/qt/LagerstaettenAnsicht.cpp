#include "LagerstaettenAnsicht.h"

#include <memory>
#include <string>

#include <QAction>
#include <QSettings>

#include "CAuswertungMenue.h"
#include "CLagerstaettenDlg.h"
#include "CMainFrame.h"
#include "LagerstaettenTabellen.h"
#include "Lagerstaettenauswertung.h"
#include "Tabellenbefehle.h"

namespace {

constexpr const char* kSchluessel[lagerstaette::kFelder] = {"SigmaLabor",        "ThetaLabor", "SigmaLagerstaette",
                                                            "ThetaLagerstaette", "RhoWasser",  "RhoKW"};

QString Schluessel(int feld) {
  return QStringLiteral("Lagerstaettenbedingungen/") + QString::fromLatin1(kSchluessel[feld]);
}

}  // namespace

Lagerstaettenbedingungen LagerstaettenbedingungenLaden() {
  QSettings einstellungen;
  Lagerstaettenbedingungen b;
  for (int feld = 0; feld < lagerstaette::kFelder; ++feld) {
    bool ok = false;
    const double w = einstellungen.value(Schluessel(feld)).toDouble(&ok);
    if (ok) lagerstaette::Wert(b, feld) = w;
  }
  std::string fehler;
  return lagerstaette::Pruefen(b, fehler) ? b : Lagerstaettenbedingungen{};
}

void LagerstaettenbedingungenSpeichern(const Lagerstaettenbedingungen& b) {
  QSettings einstellungen;
  for (int feld = 0; feld < lagerstaette::kFelder; ++feld) {
    einstellungen.setValue(Schluessel(feld), lagerstaette::Wert(b, feld));
  }
}

void LagerstaettenAnsichtEinrichten(CMainFrame& frame) {
  CAuswertungMenue* menue = frame.Auswertung();
  // Owned by the menu's functions, which live as long as the frame and its document.
  auto a = std::make_shared<Lagerstaettenauswertung>(frame.GetDocument());
  a->SetBedingungen(LagerstaettenbedingungenLaden());

  QAction* bedingungen = menue->BefehlHinzufuegen(QStringLiteral("Lagerstättenbedingungen..."));
  bedingungen->setStatusTip(QStringLiteral("Grenzflächenspannungen, Randwinkel und Dichten für die Umrechnung"));
  QObject::connect(bedingungen, &QAction::triggered, &frame, [&frame, menue, a] {
    CLagerstaettenDlg dlg(&frame);
    dlg.SetBedingungen(a->Bedingungen());
    if (dlg.exec() != QDialog::Accepted) return;
    a->SetBedingungen(dlg.Bedingungen());
    LagerstaettenbedingungenSpeichern(dlg.Bedingungen());
    menue->AnsichtenAktualisieren();
  });

  menue->AnsichtHinzufuegen(QStringLiteral("Sättigungshöhe"), {[a] { return &a->SaettigungshoeheListe(); },
                                                               [a] { return &a->SaettigungshoeheDiagramm(); },
                                                               {},
                                                               kSaettigungshoeheAusgegeben});
  menue->AnsichtHinzufuegen(QStringLiteral("Porenradien"),
                            {[a] { return &a->PorenradienListe(); }, [a] { return &a->PorenradienDiagramm(); },
                             [a](int zeile) { a->PorenradienZeileGewaehlt(zeile); }, kPorenradienAusgegeben});
  CsvTabellenquelleHinzufuegen(frame, [a] { return LagerstaettenTabellen(*a); });
}
