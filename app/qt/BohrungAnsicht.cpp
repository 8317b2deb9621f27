#include "BohrungAnsicht.h"

#include <memory>
#include <optional>
#include <string>

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

#include "Auswertungsgrundlage.h"
#include "Befehlstexte.h"
#include "BohrungBericht.h"
#include "BohrungStudie.h"
#include "BohrungTabellen.h"
#include "CAuswertungMenue.h"
#include "CBohrungDlg.h"
#include "CMainFrame.h"
#include "LasSchreiben.h"
#include "Lagerstaettenauswertung.h"
#include "Tabellenbefehle.h"

namespace {

const QString kOrdner = QStringLiteral("Bohrung/Ordner");
const QString kFilter = QStringLiteral("LAS-Datei (*.las)");
constexpr const char* kKeineBohrung = "Keine Bohrung geladen: Datei → Bohrung laden...";

std::string Dateiname(const QString& pfad) { return QFile::encodeName(pfad).toStdString(); }

// The study's lines of the well, in their order.
Textliste EigeneZeilen(const Textliste& studie) {
  Textliste eigene;
  for (const std::string& z : studie) {
    if (bohrung::StudieEnthaelt({z})) eigene.push_back(z);
  }
  return eigene;
}

// What the evaluation depends on besides the log and the FWL.
struct Stempel {
  Lagerstaettenbedingungen bedingungen;
  SaettigungshoehenWahl wahl;
  int lauf = -1;
  int korrektur = -1;
  bool operator==(const Stempel&) const = default;
};

// The frame's well, kept as a child of the frame, found by its name.
class Bohrungsgrundlage : public QObject {
 public:
  Bohrungsgrundlage(CMainFrame& frame, std::shared_ptr<Auswertungsgrundlage> g)
      : QObject(&frame), frame_(frame), g_(std::move(g)) {
    setObjectName(QStringLiteral("Bohrungsgrundlage"));
  }

  // Follows the document's study: a well named there that is not the one
  // handled last is loaded (a failure reported once), none drops it.
  void Abgleichen() {
    if (laedt_) return;
    CKadrelDoc& doc = frame_.GetDocument();
    Textliste eigene = EigeneZeilen(doc.Studie);
    if (behandelt_ && *behandelt_ == eigene) return;
    behandelt_ = eigene;
    Verwerfen();
    if (eigene.empty()) return;
    laedt_ = true;
    std::string fehler;
    bohrung::Bohrungsstudie s;
    auto b = std::make_unique<bohrung::Bohrung>();
    if (!bohrung::StudieLesen(eigene, s, fehler)) {
      fehler = "Die Bohrung der Studie wird nicht geladen.\n" + fehler;
    } else if (!bohrung::LasLesenDatei(Dateiname(QString::fromStdString(s.datei)), bohrung::Wahl(s), *b, fehler)) {
      fehler = "Die Bohrung der Studie wird nicht geladen.\n" + fehler;
    } else if (!bohrung::GleicheTiefeneinheit(s.fwlEinheit, b->kopf)) {
      fehler = "Die Bohrung der Studie wird nicht geladen.\nDas FWL der Studie ist in ";
      fehler += s.fwlEinheit;
      fehler += " angegeben, die Tiefen des Logs ";
      fehler += s.datei;
      fehler += " in ";
      fehler += b->kopf.Tiefeneinheitstext();
      fehler += '.';
    } else {
      bohrung_ = std::move(b);
      fwl_ = s.fwl;
      fehler.clear();
    }
    if (!fehler.empty()) doc.GetPlattform().Meldung(fehler);
    laedt_ = false;
    frame_.AnsichtenAktualisieren();
  }

  // Takes a log the user loaded, into the document's study.
  void Setzen(std::unique_ptr<bohrung::Bohrung> b, double fwl, const std::string& datei) {
    CKadrelDoc& doc = frame_.GetDocument();
    const bohrung::Bohrungsstudie s{datei, fwl, b->kopf.Tiefeneinheitstext(), b->Porositaetskurve().kuerzel,
                                    b->Permeabilitaetskurve().kuerzel};
    Verwerfen();
    bohrung_ = std::move(b);
    fwl_ = fwl;
    bohrung::StudieSchreiben(s, doc.Studie);
    behandelt_ = EigeneZeilen(doc.Studie);
    doc.SetModifiedFlag();
  }

  const bohrung::Bohrung* Bohrung() const { return bohrung_.get(); }
  double Fwl() const { return fwl_; }

  QAction* ansicht = nullptr;  // the view's item in "A&uswertung"

  // The evaluation under the model and conditions in force; null without a well.
  const bohrung::Auswertung* Ausgewertet() {
    if (!bohrung_) return nullptr;
    Lagerstaettenauswertung& l = g_->Lagerstaette();
    const Stempel stempel{l.Bedingungen(), l.Wahl(), frame_.GetDocument().iLauf, g_->Korrektur().Stand()};
    if (!auswertung_ || stempel != stempel_) {
      stempel_ = stempel;
      bListe_ = false;
      bDiagramm_ = false;
      const ShfModell m = stempel.wahl.modell;
      auto a = std::make_unique<bohrung::Auswertung>();
      std::string fehler;
      // The FWL was read as a finite number, so the evaluation cannot refuse.
      if (bohrung::Auswerten(*bohrung_, fwl_, l.Modelle().Rueckruf(m), lagerstaette::Modellname(m), *a, fehler)) {
        auswertung_ = std::move(a);
      } else {
        auswertung_.reset();
        bohrung_.reset();
        frame_.GetDocument().GetPlattform().Meldung(fehler);
        return nullptr;
      }
    }
    return auswertung_.get();
  }

  const Textliste& Liste() {
    const bohrung::Auswertung* a = Ausgewertet();
    if (!a) {
      liste_ = {kKeineBohrung};
      bListe_ = false;
    } else if (!bListe_) {
      liste_ = bohrung::BohrungListe(*bohrung_, *a);
      bListe_ = true;
    }
    return liste_;
  }

  const Datendiagramm& Diagramm() {
    const bohrung::Auswertung* a = Ausgewertet();
    if (!a) {
      diagramm_ = Datendiagramm{};
      diagramm_.titel = "Bohrung";
      diagramm_.untertitel = kKeineBohrung;
      bDiagramm_ = false;
    } else if (!bDiagramm_) {
      diagramm_ = bohrung::BohrungDiagramm(*bohrung_, *a);
      bDiagramm_ = true;
    }
    return diagramm_;
  }

  std::vector<csv::Tabelle> Tabellen() {
    const bohrung::Auswertung* a = Ausgewertet();
    return a ? BohrungTabellen(*bohrung_, *a) : std::vector<csv::Tabelle>{};
  }

 private:
  void Verwerfen() {
    bohrung_.reset();
    auswertung_.reset();
    bListe_ = false;
    bDiagramm_ = false;
  }

  CMainFrame& frame_;
  std::shared_ptr<Auswertungsgrundlage> g_;
  std::unique_ptr<bohrung::Bohrung> bohrung_;
  double fwl_ = 0.0;
  std::optional<Textliste> behandelt_;  // the study's lines of the well handled last
  bool laedt_ = false;
  std::unique_ptr<bohrung::Auswertung> auswertung_;
  Stempel stempel_;
  Textliste liste_;
  bool bListe_ = false;
  Datendiagramm diagramm_;
  bool bDiagramm_ = false;
};

Bohrungsgrundlage* GrundlageVon(CMainFrame& frame) {
  auto* g = frame.findChild<Bohrungsgrundlage*>(QStringLiteral("Bohrungsgrundlage"), Qt::FindDirectChildrenOnly);
  return g ? g : new Bohrungsgrundlage(frame, AuswertungsgrundlageVon(frame));
}

void Melden(CMainFrame& frame, const std::string& text) { frame.GetDocument().GetPlattform().Meldung(text); }

}  // namespace

bool BohrungLaden(CMainFrame& frame, const QString& pfad) {
  const QString absolut = QFileInfo(pfad).absoluteFilePath();
  bohrung::Kopf kopf;
  std::string fehler;
  if (!bohrung::KopfLesenDatei(Dateiname(absolut), kopf, fehler)) {
    Melden(frame, fehler);
    return false;
  }
  CBohrungDlg dlg(kopf, Dateiname(absolut), &frame);
  // The log loaded again: its curves and FWL as they were.
  Bohrungsgrundlage* g = GrundlageVon(frame);
  if (const bohrung::Bohrung* bisher = g->Bohrung(); bisher && bisher->pfad == Dateiname(absolut)) {
    dlg.SetKurven({bisher->Porositaetskurve().kuerzel, bisher->Permeabilitaetskurve().kuerzel});
    dlg.SetFwl(QString::fromStdString(bohrung::Zahltext(g->Fwl())));
  }
  // With both curves preset the dialog can only confirm what the reader
  // refuses: the log itself is at fault, and is reported straight away.
  if (!dlg.Bohrung() && kopf.vorschlagPorositaet >= 0 && kopf.vorschlagPermeabilitaet >= 0) {
    Melden(frame, dlg.Lesefehler());
    return false;
  }
  if (dlg.exec() != QDialog::Accepted) return false;
  g->Setzen(dlg.BohrungNehmen(), dlg.Fwl(), absolut.toStdString());
  // The log just loaded is what the user wants to see.
  if (g->ansicht && !g->ansicht->isChecked()) g->ansicht->trigger();
  frame.AnsichtenAktualisieren();
  return true;
}

bool BohrungSpeichernAlsLas(CMainFrame& frame, const QString& pfad) {
  Bohrungsgrundlage* g = GrundlageVon(frame);
  const bohrung::Auswertung* a = g->Ausgewertet();
  if (!a) {
    Melden(frame, kKeineBohrung);
    return false;
  }
  std::string fehler;
  if (!bohrung::LasSpeichern(Dateiname(pfad), *g->Bohrung(), *a, fehler)) {
    Melden(frame, QStringLiteral("Die Datei %1 kann nicht gespeichert werden; "
                                 "eine bisherige Datei dieses Namens bleibt unverändert.\n%2")
                      .arg(pfad, QString::fromStdString(fehler))
                      .toStdString());
    return false;
  }
  frame.statusBar()->showMessage(QStringLiteral("Die Bohrung wurde in die Datei %1 geschrieben.").arg(pfad));
  return true;
}

const bohrung::Bohrung* GeladeneBohrung(CMainFrame& frame) { return GrundlageVon(frame)->Bohrung(); }

const bohrung::Auswertung* BohrungAuswertung(CMainFrame& frame) { return GrundlageVon(frame)->Ausgewertet(); }

void BohrungAnsichtEinrichten(CMainFrame& frame) {
  Bohrungsgrundlage* g = GrundlageVon(frame);
  CAuswertungMenue* menue = frame.Auswertung();

  auto* laden = new QAction(QStringLiteral("B&ohrung laden..."), &frame);
  laden->setStatusTip(
      QStringLiteral("Liest ein Bohrloch-Log (LAS 2.0) mit Porosität und Permeabilität und wertet "
                     "es mit dem Sättigungshöhenmodell aus"));
  auto* speichern = new QAction(QStringLiteral("Bohrung speichern &als LAS..."), &frame);
  speichern->setStatusTip(
      QStringLiteral("Schreibt das Log mit den Kurven SW und HAFWL (Höhe über dem FWL) als LAS 2.0"));
  speichern->setEnabled(false);
  if (QMenu* datei = frame.Menue(QStringLiteral("&Datei"))) {
    datei->insertAction(frame.Aktion(befehl::kSpeichern), laden);
    datei->insertAction(frame.Aktion(befehl::kSpeichern), speichern);
  }

  QObject::connect(laden, &QAction::triggered, &frame, [&frame] {
    QSettings s;
    const QString pfad =
        QFileDialog::getOpenFileName(&frame, QStringLiteral("Bohrung laden"), s.value(kOrdner).toString(),
                                     kFilter + QStringLiteral(";;Alle Dateien (*)"));
    if (pfad.isEmpty()) return;
    s.setValue(kOrdner, QFileInfo(pfad).absolutePath());
    BohrungLaden(frame, pfad);
  });
  QObject::connect(speichern, &QAction::triggered, &frame, [&frame, g] {
    const bohrung::Bohrung* b = g->Bohrung();
    if (!b) return;
    const QFileInfo eingabe(QString::fromStdString(b->pfad));
    const QString vorschlag = eingabe.dir().filePath(eingabe.completeBaseName() + QStringLiteral("-sw.las"));
    QString pfad =
        QFileDialog::getSaveFileName(&frame, QStringLiteral("Bohrung speichern als LAS"), vorschlag, kFilter);
    if (pfad.isEmpty()) return;
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".las");
    BohrungSpeichernAlsLas(frame, pfad);
  });
  QObject::connect(&frame, &CMainFrame::BefehleAktualisiert, g, [g, speichern] {
    g->Abgleichen();
    speichern->setEnabled(g->Bohrung() != nullptr);
  });

  g->ansicht = menue->AnsichtHinzufuegen(
      QStringLiteral("Bohrung"),
      {[g] { return &g->Liste(); }, [g] { return &g->Diagramm(); }, {}, bohrung::kBohrungAusgegeben});
  CsvTabellenquelleHinzufuegen(frame, [g] { return g->Tabellen(); });
}
