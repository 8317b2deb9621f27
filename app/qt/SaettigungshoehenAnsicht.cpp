#include "SaettigungshoehenAnsicht.h"

#include <memory>
#include <string>

#include <QAction>
#include <QSettings>
#include <QStringList>

#include "Auswertungsgrundlage.h"
#include "CAuswertungMenue.h"
#include "CMainFrame.h"
#include "CSaettigungshoehenDlg.h"
#include "Lagerstaettenauswertung.h"

namespace {

// The choice in the lines of the study block, so that both read and check it
// the same way.
const QString kSchluessel = QStringLiteral("Saettigungshoehenmodell/Wahl");

}  // namespace

std::optional<SaettigungshoehenWahl> SaettigungshoehenwahlLaden() {
  const QStringList zeilen = QSettings().value(kSchluessel).toStringList();
  if (zeilen.isEmpty()) return std::nullopt;
  Textliste studie;
  for (const QString& z : zeilen) studie.push_back(z.toStdString());
  SaettigungshoehenWahl w;
  std::string fehler;
  if (!lagerstaette::StudieEnthaelt(studie) || !lagerstaette::StudieLesen(studie, w, fehler)) return std::nullopt;
  return w;
}

void SaettigungshoehenwahlSpeichern(const SaettigungshoehenWahl& w) {
  Textliste studie;
  lagerstaette::StudieSchreiben(w, studie);
  QStringList zeilen;
  for (const std::string& z : studie) zeilen << QString::fromStdString(z);
  QSettings().setValue(kSchluessel, zeilen);
}

void SaettigungshoehenAnsichtEinrichten(CMainFrame& frame) {
  CAuswertungMenue* menue = frame.Auswertung();
  const std::shared_ptr<Auswertungsgrundlage> g = AuswertungsgrundlageVon(frame);

  QAction* modell = menue->BefehlHinzufuegen(QStringLiteral("Sättigungshöhenmodell..."));
  modell->setStatusTip(
      QStringLiteral("Modell (Kadrel, J-Funktion, Thomeer), Gesteinstyp, Gesteine und größte Höhe der Sättigungshöhe"));
  QObject::connect(modell, &QAction::triggered, &frame, [&frame, menue, g] {
    CSaettigungshoehenDlg dlg(&frame);
    dlg.SetGesteinstypen(lagerstaette::VorhandeneGesteinstypen(frame.GetDocument().Messkurven));
    dlg.SetWahl(g->Lagerstaette().Wahl());
    if (dlg.exec() != QDialog::Accepted) return;
    if (g->WahlAendern(dlg.Wahl())) menue->AnsichtenAktualisieren();
  });

  auto a = [g]() -> Lagerstaettenauswertung& { return g->Lagerstaette(); };
  menue->AnsichtHinzufuegen(
      QStringLiteral("Modellgüte"),
      {[a] { return &a().GueteListe(); }, [a] { return &a().GueteDiagramm(); }, {}, kModellgueteAusgegeben});
}
