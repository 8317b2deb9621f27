#include "KadrelDoc.h"

#include <algorithm>

#include "Archiv.h"
#include "EingabeDaten.h"
#include "Plattform.h"
#include "TextFormat.h"

namespace {

template <typename T, std::size_t N>
void Nullen(T (&feld)[N]) {
  std::fill(std::begin(feld), std::end(feld), T{});
}

}  // namespace

CKadrelDoc::CKadrelDoc(Plattform& plattform) : plattform_(plattform) {}

void CKadrelDoc::OptionenZuruecksetzen() {
  iTabelle = 0;
  bNeuRechnen = 1;
  bTestwerte = 0;
  bEinzelmessung = 0;
  bPolynom3 = 0;
  PermAuswahl = 0.0f;
  iGrafik = 0;
}

int CKadrelDoc::OnNewDocument() {
  OptionenZuruecksetzen();
  MaxPchg = 0.0f;
  Parameterliste.clear();
  m_strPathName.clear();
  m_bModified = false;
  return 1;
}

bool CKadrelDoc::Serialize(Archiv& ar) {
  if (ar.IsStoring()) return ar.ListeSchreiben(Eingabezeilen) && ar.StudieSchreiben(Studie);
  Textliste geladen;
  if (!ar.ListeLesen(geladen)) return false;
  Eingabezeilen = std::move(geladen);
  Studie = ar.StudieLesen();
  OptionenZuruecksetzen();
  Parameterliste.clear();
  ErgebnisseVerwerfen();
  OnDatenAendern();
  return true;
}

void CKadrelDoc::ErgebnisseVerwerfen() {
  // MaxPchg stays: it spans every document processed since File New.
  Initialisieren();
  Detailergebnisse.clear();
  Parameterfunktionen.clear();
  Messkurven.clear();
  for (auto& zeile : C_) Nullen(zeile);
  Nullen(C);
  Error = 0.0;
  Kern.clear();
  Info.clear();
  Titel.clear();
  Untertitel.clear();
  XText.clear();
  YText.clear();
  Legende1.clear();
  Legende2.clear();
  // Analyses derived from the dropped results are out of date.
  ++iLauf;
}

bool CKadrelDoc::DokumentLaden(std::string_view bytes, std::string& fehler) {
  Archiv ar = Archiv::ZumLaden(bytes);
  if (!Serialize(ar)) {
    fehler = ar.Fehler();
    return false;
  }
  m_bModified = false;
  return true;
}

bool CKadrelDoc::DokumentSpeichern(std::string& bytes, std::string& fehler) const {
  Archiv ar = Archiv::ZumSpeichern();
  if (!ar.ListeSchreiben(Eingabezeilen) || !ar.StudieSchreiben(Studie)) {
    fehler = ar.Fehler();
    return false;
  }
  bytes = ar.Bytes();
  return true;
}

void CKadrelDoc::OnDateiNeu() {
  Eingabezeilen.clear();
  Studie.clear();
  Parameterliste.clear();
  bTestwerte = 0;
  bEinzelmessung = 0;
  iTabelle = 0;
  iGrafik = 0;
  MaxPchg = 0.0f;
  bPolynom3 = 0;
  OnDatenAendern();
}

void CKadrelDoc::OnDatenAendern() { DatenDialogOeffnen(Eingabezeilen, bNeuRechnen); }

void CKadrelDoc::OnDatenAendern(const Textliste& arbeitszeilen) { DatenDialogOeffnen(arbeitszeilen, 1); }

void CKadrelDoc::DatenDialogOeffnen(const Textliste& zeilen, int neuRechnen) {
  EingabeDaten dialog;
  dialog.Eingabezeilen = zeilen;
  dialog.bTestwerte = bTestwerte;
  dialog.bPolynom3 = bPolynom3;
  dialog.bEinzelmessung = bEinzelmessung;
  dialog.PermAuswahl = PermAuswahl;
  dialog.iGrafik = iGrafik;
  dialog.iTabelle = iTabelle;
  dialog.bNeuRechnen = neuRechnen;
  if (!plattform_.DatenDialog(dialog)) return;
  DatenUebernehmen(dialog);
  plattform_.AnsichtenAktualisieren();
}

void CKadrelDoc::DatenUebernehmen(EingabeDaten& dialog) {
  if (dialog.bNeuRechnen == 1) {
    SetModifiedFlag();
    Parameterliste.clear();
  }
  bNeuRechnen = dialog.bNeuRechnen;
  if (iTabelle != dialog.iTabelle || bTestwerte != dialog.bTestwerte || bEinzelmessung != dialog.bEinzelmessung ||
      PermAuswahl != dialog.PermAuswahl || iGrafik != dialog.iGrafik || bPolynom3 != dialog.bPolynom3) {
    bNeuRechnen = 1;
  }
  iTabelle = dialog.iTabelle;
  bTestwerte = dialog.bTestwerte;
  bPolynom3 = dialog.bPolynom3;
  // Without the single measurement, the next run processes all measurements.
  if (bEinzelmessung == 1 && dialog.bEinzelmessung == 0) Parameterliste.clear();
  bEinzelmessung = dialog.bEinzelmessung;
  PermAuswahl = dialog.PermAuswahl;
  iGrafik = dialog.iGrafik;
  // Taken over, not copied: the dialog's lines are not needed any more.
  if (!dialog.Eingabezeilen.empty()) Eingabezeilen = std::move(dialog.Eingabezeilen);
  if (bNeuRechnen == 1 || Parameterliste.empty()) Berechnung();
}

void CKadrelDoc::Initialisieren() {
  Nullen(X);
  Nullen(Y);
  Nullen(Shg);
  Nullen(Pc);
  Nullen(X2);
  Nullen(Y1);
  Nullen(Y2);
  Nullen(Y3);
  for (auto& kurve : XK) Nullen(kurve);
  for (auto& kurve : YK) Nullen(kurve);
  PcSperrdruck = 0.0f;
  ShgMax = 0.0f;
  Perm = 0.0f;
  kopfzusatz_ = {};
  Ymax = 0.0f;
  Alfa = 0.0;
  Beta = 0.0;
  Maxwerte = 0;
  iMax2Werte = 0;
  iKoeff = 2;
  kmax = 0;
  iScharKurven = 0;
  ScharAbbruch.clear();
}

void CKadrelDoc::Berechnung() {
  plattform_.WarteCursor(true);
  iMaxZeilen = static_cast<int>(std::min<std::size_t>(Eingabezeilen.size(), 0x7FFFFFFF));

  // Measurement results of the previous run stand unless the list is empty
  // or a single measurement is asked for.
  if (Parameterliste.empty() || bEinzelmessung == 1) {
    Detailergebnisse.clear();
    Parameterliste.clear();
    iStart = 0;
    Parameterliste.push_back("");
    Parameterliste.push_back(kParameterKopf);
    Parameterliste.push_back("");
    Messkurven.clear();
    int status = 0;
    for (int i = 0; iStart < iMaxZeilen && status == 0 && i < iMaxZeilen; ++i) {
      if (i == 0) Initialisieren();
      if (MessungLesen() != 2) {
        if (bZuVieleWerte_) ZuVieleWerteMelden();
        break;
      }
      status = Normieren();
      if (status == 1) plattform_.Meldung("ABBRUCH!");
      AlfaBeta();
      Nachrechnung(status);
      MesskurveMerken(status);
      if (bEinzelmessung == 1) status = 1;
    }
  }

  Korrelation();

  ++iLauf;
  bNeuRechnen = 0;
  plattform_.WarteCursor(false);
}

void CKadrelDoc::MesskurveMerken(int status) {
  Messkurve kurve;
  kurve.Perm = Perm;
  kurve.Kern = Kern;
  kurve.Zusatz = kopfzusatz_;
  kurve.PcSperrdruck = PcSperrdruck;
  kurve.Pc.assign(Pc, Pc + Maxwerte);
  kurve.Shg.assign(Shg, Shg + Maxwerte);
  kurve.iNormiert = status;
  kurve.Alfa = Alfa;
  kurve.Beta = Beta;
  kurve.Fehler = Error;
  kurve.ShgMax = ShgMax;
  kurve.Ymax = Ymax;
  Messkurven.push_back(std::move(kurve));
}

// A block that fills all 100 point slots is not evaluated, nor is anything
// after it; say so instead of ending the run silently.
void CKadrelDoc::ZuVieleWerteMelden() {
  Meldung = text::Format("Die Kapillardruckmessung ab der %d.Zeile hat mehr als 99 Messwerte!", iZuVieleWerteAb_ + 1);
  plattform_.Meldung("ABBRUCH!" + Meldung);
  Detailergebnisse.push_back("");
  Detailergebnisse.push_back(" ABBRUCH!");
  Detailergebnisse.push_back(" " + Meldung);
}

void CKadrelDoc::Korrelation() {
  if (iTabelle > 0 && bTestwerte == 1) {
    Parameterliste.clear();
    Testwerte();
  }
  if (OnParameter() == 0) {
    Info = text::Format("Alfa: %g Beta:%g", Alfa, Beta);
    Parameter_Grafik();
    Gesamtgrafik();
  } else {
    Info.clear();
    Nullen(X2);
    Nullen(Y2);
    Nullen(Y3);
    for (auto& kurve : XK) Nullen(kurve);
    for (auto& kurve : YK) Nullen(kurve);
    iScharKurven = 0;
    ScharAbbruch.clear();
  }
  Grafikdaten();
}

const Textliste* CKadrelDoc::GewaehlteListe() const {
  switch (iTabelle) {
    case 0:
      return &Detailergebnisse;
    case 1:
      return &Parameterliste;
    case 2:
      return &Parameterfunktionen;
    default:
      return nullptr;
  }
}
