#include "LagerstaettenAnsicht.h"

#include <memory>
#include <string>

#include <QAction>
#include <QSettings>

#include "Auswertungsgrundlage.h"
#include "CAuswertungMenue.h"
#include "CLagerstaettenDlg.h"
#include "CMainFrame.h"
#include "LagerstaettenTabellen.h"
#include "Lagerstaettenauswertung.h"
#include "Schliessdruckkorrektur.h"
#include "Tabellenbefehle.h"

namespace {

constexpr const char* kSchluessel[lagerstaette::kFelder] = {"SigmaLabor",        "ThetaLabor", "SigmaLagerstaette",
                                                            "ThetaLagerstaette", "RhoWasser",  "RhoKW"};

QString Schluessel(int feld) {
  return QStringLiteral("Lagerstaettenbedingungen/") + QString::fromLatin1(kSchluessel[feld]);
}

const QString kSchliessdruckSchluessel = QStringLiteral("Lagerstaettenbedingungen/Schliessdruck");

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

Studienbedingungen StudienvorgabeLaden() {
  Studienbedingungen s;
  s.bedingungen = LagerstaettenbedingungenLaden();
  std::string fehler;
  const std::string text = QSettings().value(kSchliessdruckSchluessel).toString().toStdString();
  if (!korrektur::SchliessdruckLesen(text, s.schliessdruck, fehler)) s.schliessdruck.reset();
  return s;
}

void StudienvorgabeSpeichern(const Studienbedingungen& s) {
  LagerstaettenbedingungenSpeichern(s.bedingungen);
  QSettings().setValue(kSchliessdruckSchluessel, QString::fromStdString(korrektur::SchliessdruckText(s.schliessdruck)));
}

void LagerstaettenAnsichtEinrichten(CMainFrame& frame) {
  CAuswertungMenue* menue = frame.Auswertung();
  // Shared with the other analyses; owned by the frame, and by the menu's
  // functions, which live as long as the frame and its document.
  const std::shared_ptr<Auswertungsgrundlage> g = AuswertungsgrundlageVon(frame);

  QAction* bedingungen = menue->BefehlHinzufuegen(QStringLiteral("Lagerstättenbedingungen..."));
  bedingungen->setStatusTip(
      QStringLiteral("Grenzflächenspannungen, Randwinkel, Dichten und Schließdruck für Umrechnung und Korrektur"));
  QObject::connect(bedingungen, &QAction::triggered, &frame, [&frame, menue, g] {
    CLagerstaettenDlg dlg(&frame);
    dlg.SetBedingungen(g->Bedingungen().bedingungen);
    dlg.SetSchliessdruck(g->Bedingungen().schliessdruck);
    if (dlg.exec() != QDialog::Accepted) return;
    if (g->Aendern({dlg.Bedingungen(), dlg.Schliessdruck()})) menue->AnsichtenAktualisieren();
  });

  auto a = [g]() -> Lagerstaettenauswertung& { return g->Lagerstaette(); };
  menue->AnsichtHinzufuegen(QStringLiteral("Sättigungshöhe"), {[a] { return &a().SaettigungshoeheListe(); },
                                                               [a] { return &a().SaettigungshoeheDiagramm(); },
                                                               {},
                                                               kSaettigungshoeheAusgegeben});
  menue->AnsichtHinzufuegen(QStringLiteral("Porenradien"),
                            {[a] { return &a().PorenradienListe(); }, [a] { return &a().PorenradienDiagramm(); },
                             [a](int zeile) { a().PorenradienZeileGewaehlt(zeile); }, kPorenradienAusgegeben});
  CsvTabellenquelleHinzufuegen(frame, [a] { return LagerstaettenTabellen(a()); });
}
