#include "Dateneingabe.h"

#include "Cp1252.h"
#include "DateiImport.h"
#include "DialogFelder.h"
#include "EingabeFenster.h"
#include "Kopfzusatz.h"
#include "Testdaten.h"
#include "TextFormat.h"
#include "TextScan.h"

#include <set>
#include <string_view>
#include <vector>

namespace {

const char* const kKopfwort = "PERMEABILITAET:";
const char* const kKopfAufbau = "Die Kopfzeile muss folgenden Aufbau haben\nPERMEABILITAET: Zahl Kernbezeichnung";
const char* const kBitteAuswaehlen = "Bitte Zeile durch Doppelklick ausgewählen!";

constexpr float kPermeabilitaetMax = 1000000.0f;

// Checks the porosity and closure pressure after the label of a header
// line; tells the user why it refuses them.
bool KopfzusatzGut(Plattform& plattform, const std::string& kopfzeile) {
  const Kopfzusatz zusatz = kopfzeile::Lesen(kopfzeile);
  if (zusatz.Fehler.empty()) return true;
  plattform.Meldung(zusatz.Fehler);
  return false;
}

}  // namespace

Dateneingabe::Dateneingabe(Plattform& plattform, EingabeFenster& fenster) : plattform_(plattform), fenster_(fenster) {}

void Dateneingabe::SetDaten(const EingabeDaten& daten) {
  Eingabezeilen = daten.Eingabezeilen;
  bTestwerte = daten.bTestwerte;
  bPolynom3 = daten.bPolynom3;
  bEinzelmessung = daten.bEinzelmessung;
  PermAuswahl = daten.PermAuswahl;
  iGrafik = daten.iGrafik;
  iTabelle = daten.iTabelle;
  bNeuRechnen = daten.bNeuRechnen;
}

EingabeDaten Dateneingabe::Daten() const {
  EingabeDaten daten;
  daten.Eingabezeilen = Eingabezeilen;
  daten.bTestwerte = bTestwerte;
  daten.bPolynom3 = bPolynom3;
  daten.bEinzelmessung = bEinzelmessung;
  daten.PermAuswahl = PermAuswahl;
  daten.iGrafik = iGrafik;
  daten.iTabelle = iTabelle;
  daten.bNeuRechnen = bNeuRechnen;
  return daten;
}

bool Dateneingabe::PermeabilitaetLesen(const std::string& text, float& wert, std::string& meldung) {
  std::size_t pos = 0;
  while (pos < text.size() && text::IstLeer(text[pos])) ++pos;
  float zahl = 0.0f;
  bool gelesen = text::ZahlLesen(text, pos, zahl);
  while (gelesen && pos < text.size() && text::IstLeer(text[pos])) ++pos;
  if (!gelesen || pos != text.size()) {
    meldung = "Bitte als Permeabilität eine Zahl eingeben (mit Dezimalpunkt, z. B. 12.5).";
    return false;
  }
  if (zahl < 0.0f || zahl > kPermeabilitaetMax) {
    meldung = "Die Permeabilität muss zwischen 0 und 1000000 mD liegen.";
    return false;
  }
  wert = zahl;
  return true;
}

std::string Dateneingabe::PermeabilitaetText(float wert) {
  for (const char* format : {"%g", "%.7g", "%.8g"}) {
    const std::string t = text::Format(format, wert);
    std::size_t pos = 0;
    float zurueck = 0.0f;
    if (text::ZahlLesen(t, pos, zurueck) && zurueck == wert) return t;
  }
  return text::Format("%.9g", wert);
}

namespace {

// The characters of a UTF-8 text, each as its bytes.
std::vector<std::string_view> Zeichen(std::string_view s) {
  std::vector<std::string_view> zeichen;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t n = 1;
    while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
    zeichen.push_back(s.substr(i, n));
    i += n;
  }
  return zeichen;
}

bool Speicherbar(std::string_view zeichen) {
  std::string bytes;
  return text::Utf8NachCp1252(zeichen, bytes);
}

}  // namespace

bool Dateneingabe::ZeichenSpeicherbar(const std::string& vorher, const std::string& neu, std::string& grund) {
  std::multiset<std::string_view> alt;
  for (const std::string_view z : Zeichen(vorher)) {
    if (!Speicherbar(z)) alt.insert(z);
  }
  const std::vector<std::string_view> zeichen = Zeichen(neu);
  for (std::size_t i = 0; i < zeichen.size(); ++i) {
    if (Speicherbar(zeichen[i])) continue;
    const auto bekannt = alt.find(zeichen[i]);
    if (bekannt != alt.end()) {
      alt.erase(bekannt);
      continue;
    }
    // The conversion words the reason; characters before this one are
    // counted by placeholders, so the place is the one in `neu`.
    std::string probe(i, ' ');
    probe += zeichen[i];
    std::string bytes;
    text::Utf8NachCp1252(probe, bytes, &grund);
    return false;
  }
  return true;
}

bool Dateneingabe::UpdateData(bool bSaveAndValidate) {
  if (!bSaveAndValidate) {
    DialogFelder f;
    f.Hinweis = Hinweis;
    f.Option = Option;
    f.Zeile = Zeile;
    f.bEinzelmessung = bEinzelmessung;
    f.Permeabilitaet = PermeabilitaetText(PermAuswahl);
    f.iGrafik = iGrafik;
    f.iTabelle = iTabelle;
    f.bPolynom3 = bPolynom3;
    fenster_.FelderAnzeigen(f);
    return true;
  }

  const DialogFelder f = fenster_.FelderAbfragen();
  Hinweis = f.Hinweis;
  Option = f.Option;
  Zeile = f.Zeile;
  if (text::Zeichenzahl(Zeile) > static_cast<std::size_t>(kMaxZeile)) {
    plattform_.Meldung("Die Zeile darf höchstens 79 Zeichen lang sein.");
    return false;
  }
  bEinzelmessung = f.bEinzelmessung;
  std::string meldung;
  if (!PermeabilitaetLesen(f.Permeabilitaet, PermAuswahl, meldung)) {
    plattform_.Meldung(meldung);
    fenster_.FokusAufPermeabilitaet();
    return false;
  }
  iGrafik = f.iGrafik;
  iTabelle = f.iTabelle;
  bPolynom3 = f.bPolynom3;
  return true;
}

int Dateneingabe::OnInitDialog() {
  Option = kAendern;
  UpdateData(false);
  iAnzahl = static_cast<int>(Eingabezeilen.size());
  ListeLeeren();
  for (const std::string& zeile : Eingabezeilen) ListeAnhaengen(zeile);
  iZeile = -1;
  return 1;
}

void Dateneingabe::OnDblclkListe() {
  iZeile = fenster_.ListenAuswahl();
  if (iZeile < 0 || iZeile >= static_cast<int>(Liste.size())) {
    iZeile = -1;
    return;
  }
  Zeile = Liste[static_cast<std::size_t>(iZeile)];
  Hinweis = text::Format("%d.Zeile ausgewählt", iZeile + 1);
  UpdateData(false);
  fenster_.FokusWeiter();
}

void Dateneingabe::OnZeileAendern() { Option = kAendern; }

void Dateneingabe::OnZeileAnhaengen() {
  Option = kAnhaengen;
  const int letzte = static_cast<int>(Liste.size()) - 1;
  ListeAuswaehlen(letzte);
  iZeile = letzte;
  UpdateData(false);
}

void Dateneingabe::OnZeileEinfuegen() { Option = kEinfuegen; }

void Dateneingabe::OnZeileLoeschen() { Option = kLoeschen; }

int Dateneingabe::ZeilenTyp(int bFormat, std::string text, float& shg, int nummer) {
  float druck = 0.0f;
  float saettigung = 0.0f;
  std::string rest;
  bool ausserhalb = false;
  const int anzahl1 = text::ScanGeprueft(text, "%f %f %s", ausserhalb, &druck, &saettigung, &rest);
  std::string wort;
  std::string kern;
  float zahl = 0.0f;
  const int anzahl2 = ausserhalb ? 0 : text::ScanGeprueft(text, "%s %f %s", ausserhalb, &wort, &zahl, &kern);
  // The reader would stop at this line: refuse it with the reader's message.
  if (ausserhalb) {
    if (nummer < 0) nummer = (Option == kAnhaengen || iZeile < 0 ? static_cast<int>(Liste.size()) : iZeile) + 1;
    plattform_.Meldung(text::Format("ABBRUCH in der %d.Zeile\n%s", nummer, text));
    return kFehler;
  }
  if (anzahl1 == 2 && druck < 0.0f) {
    plattform_.Meldung("ABBRUCH! Der Druck ist kleiner Null");
    return kFehler;
  }
  if (anzahl1 == 2 && (saettigung < 0.0f || saettigung > 1.0f)) {
    plattform_.Meldung("ABBRUCH! Die Sättigung muss zwischen 0 und 1 liegen!");
    return kFehler;
  }

  if (iAnzahl > 0) {
    if (anzahl1 == 2) {
      if (bFormat == 1) Zeile = text::Format(" %8g %10g", druck, saettigung);
      shg = saettigung;
      return kWerte;
    }
    if (anzahl2 == 1 && anzahl1 == 0) {
      if (wort == "ENDE") {
        shg = 2.0f;
        return kEndezeile;
      }
      plattform_.Meldung("Die Schlusszeile muss ENDE lauten!");
      return kFehler;
    }
    if (anzahl2 >= 2 && anzahl1 == 0) {
      if (wort == kKopfwort && zahl > 0.0f) {
        if (!KopfzusatzGut(plattform_, text)) return kFehler;
        shg = -1.0f;
        return kKopfzeile;
      }
      plattform_.Meldung(wort == kKopfwort ? "Die Permeabilität muß größer Null sein!" : kKopfAufbau);
      return kFehler;
    }
    plattform_.Meldung("Falsche Daten");
    return kFehler;
  }

  // In an empty list only a header line can stand.
  if (anzahl1 == 0 && anzahl2 >= 2) {
    if (wort == kKopfwort) return KopfzusatzGut(plattform_, text) ? kKopfzeile : kFehler;
    plattform_.Meldung("Falsche Daten");
    return kFehler;
  }
  plattform_.Meldung(kKopfAufbau);
  return kFehler;
}

void Dateneingabe::OnKillfocusZeile() {
  UpdateData(true);
  iAnzahl = static_cast<int>(Liste.size());
  int iTyp = kFehler;
  int iTypV = kFehler;
  int iTypN = kFehler;
  float shgV = -1.0f;
  float shgI = 0.0f;
  float shgN = 2.0f;
  std::string folgeMeldung;
  bool abbruch = false;

  // A selection the list no longer holds (after an import or the test
  // data) counts as none.
  const bool ausgewaehlt = iZeile >= 0 && iZeile < iAnzahl;
  if (!ausgewaehlt) {
    folgeMeldung = "Die Zeile ist durch Doppelklick auszuwählen";
  } else {
    iTyp = ZeilenTyp(1, Zeile, shgI);
    const auto zeileBei = [this](int i) { return Liste[static_cast<std::size_t>(i)]; };

    // The neighbours. An end line is assumed before the first line; the
    // last line of the list is never examined as the following one.
    switch (Option) {
      case kAendern:
        if (iZeile == 0) {
          iTypV = kEndezeile;
        } else {
          iTypV = ZeilenTyp(0, zeileBei(iZeile - 1), shgV, iZeile);
        }
        if (iZeile + 2 < iAnzahl) {
          iTypN = ZeilenTyp(0, zeileBei(iZeile + 1), shgN, iZeile + 2);
        } else if (iZeile == 0 && iAnzahl <= 1) {
          iTypN = kWerte;
        }
        break;
      case kAnhaengen:
        if (iAnzahl == 0) {
          iTypV = kEndezeile;
          iTypN = kWerte;
        } else {
          iTypV = ZeilenTyp(0, zeileBei(iAnzahl - 1), shgV, iAnzahl);
        }
        break;
      case kEinfuegen:
        if (iZeile == 0 || iAnzahl == 0) {
          iTypV = kEndezeile;
        } else {
          iTypV = ZeilenTyp(0, zeileBei(iZeile - 1), shgV, iZeile);
        }
        if (iAnzahl > 0) iTypN = ZeilenTyp(0, zeileBei(iZeile), shgN, iZeile + 1);
        break;
      default:
        break;
    }

    // Every test that holds replaces the message: the last one decides.
    if ((iTyp == kEndezeile && iTypV == kKopfzeile) || (iTyp == kKopfzeile && iTypN == kEndezeile))
      folgeMeldung = "Die Endezeile folgt auf die Kopfzeile! ";
    if ((iTyp == kWerte && iTypV == kEndezeile) || (iTyp == kEndezeile && iTypN == kWerte))
      folgeMeldung = "Die Werte folgen auf die Endezeile! ";
    if ((iTyp == kKopfzeile && iTypV == kWerte) || (iTyp == kWerte && iTypN == kKopfzeile))
      folgeMeldung = "Die Kopfzeile folgt auf die Werte! ";
    if (iTyp == kEndezeile && (iTypV == kEndezeile || iTypN == kEndezeile))
      folgeMeldung = "Die Endezeile folgt auf die Endezeile! ";
    if (iTyp == kKopfzeile && (iTypV == kKopfzeile || iTypN == kKopfzeile))
      folgeMeldung = "Die Kopfzeile folgt auf die Kopfzeile";
    if (iTyp == kWerte && iTypV == kKopfzeile && shgI > 0.0f) folgeMeldung = "Die Sättigung ist nicht NULL!";
    // Saturations must rise strictly; the sentinels of end and header
    // lines carry the test across block borders.
    if (iTyp == kWerte && !(shgV < shgI && shgI < shgN)) folgeMeldung = "Sättigung steigt nicht an";
  }

  if (iTyp == kFehler) abbruch = true;

  switch (Option) {
    case kAendern:
      if (!ausgewaehlt) break;
      if (!folgeMeldung.empty()) {
        plattform_.Meldung(folgeMeldung + "\nDie Zeile kann nicht geändert werden");
        abbruch = true;
      }
      if (abbruch) break;
      if (!plattform_.Frage("Soll diese Zeile geändert werden?\n" + Zeile)) {
        abbruch = true;
        break;
      }
      ListeErsetzen(iZeile, Zeile);
      bNeuRechnen = 1;
      Hinweis = text::Format("%d.Zeile wurde geändert", iZeile + 1);
      UpdateData(false);
      break;
    case kAnhaengen:
    case kEinfuegen:
      if (!folgeMeldung.empty()) {
        plattform_.Meldung(folgeMeldung + "\nDie Zeile kann nicht angefügt werden!");
        abbruch = true;
      }
      if (abbruch) break;
      if (Option == kAnhaengen) {
        if (!plattform_.Frage("Soll diese Zeile angehängt werden?\n" + Zeile)) {
          abbruch = true;
          break;
        }
        ListeAnhaengen(Zeile);
        bNeuRechnen = 1;
        iZeile = static_cast<int>(Liste.size()) - 1;
        ListeAuswaehlen(iZeile);
        OnDblclkListe();
        UpdateData(false);
      } else {
        if (!plattform_.Frage("Soll die Folgezeile vor der markarkierten eingefügt werden?\n" + Zeile)) {
          abbruch = true;
          break;
        }
        ListeEinfuegen(iZeile, Zeile);
        Hinweis = text::Format("%d.Zeile eingefügt", iZeile + 1);
        bNeuRechnen = 1;
        UpdateData(false);
      }
      break;
    case kLoeschen:
      if (abbruch) break;
      // The question names the line that goes, whatever the edit holds.
      if (!plattform_.Frage("Soll diese Zeile wirklich gelöscht werden?\n" + Liste[static_cast<std::size_t>(iZeile)])) {
        abbruch = true;
        break;
      }
      ListeLoeschen(iZeile);
      Hinweis = text::Format("%d.Zeile gelöscht", iZeile + 1);
      bNeuRechnen = 1;
      // The deleted line is gone: nothing stays selected, so that leaving
      // the edit again cannot delete the line that took its place.
      iZeile = -1;
      Zeile.clear();
      ListeAuswaehlen(-1);
      UpdateData(false);
      break;
    default:
      abbruch = true;
      break;
  }

  if (!abbruch) {
    Eingabezeilen = Liste;
  } else {
    ModusAnwenden();
    iZeile = -1;
    Hinweis = kBitteAuswaehlen;
    UpdateData(false);
  }
}

void Dateneingabe::ModusAnwenden() {
  switch (Option) {
    case kAendern:
      OnZeileAendern();
      break;
    case kAnhaengen:
      OnZeileAnhaengen();
      break;
    case kEinfuegen:
      OnZeileEinfuegen();
      break;
    case kLoeschen:
      OnZeileLoeschen();
      break;
    default:
      break;
  }
}

void Dateneingabe::OnOK() {
  if (!UpdateData(true)) return;
  fenster_.DialogBeenden();
}

void Dateneingabe::EinzelmessungZuruecksetzen() {
  bEinzelmessung = 0;
  iTabelle = 0;
  PermAuswahl = 0.0f;
  UpdateData(false);
}

void Dateneingabe::OnButtonOk() {
  if (bEinzelmessung == 0) {
    OnOK();
    return;
  }
  if (Eingabezeilen.empty()) {
    plattform_.Meldung("Es liegen keine Messwerte vor!");
    EinzelmessungZuruecksetzen();
    return;
  }
  for (const std::string& zeile : Eingabezeilen) {
    std::string wort;
    float zahl = 0.0f;
    if (text::Scan(zeile, "%s %f", &wort, &zahl) == 2 && wort == kKopfwort && zahl == PermAuswahl) {
      iGrafik = 0;
      UpdateData(false);
      OnOK();
      return;
    }
  }
  plattform_.Meldung("Die ausgewählte Permeabilität wurde nicht gefunden!");
  EinzelmessungZuruecksetzen();
}

void Dateneingabe::OnEinzelmessung() {
  UpdateData(true);
  if (PermAuswahl == 0.0f) {
    plattform_.Meldung("Die Permeabilität muss grösser Null sein!");
    bEinzelmessung = 0;
    UpdateData(false);
    return;
  }
  iTabelle = 0;
  UpdateData(false);
  bNeuRechnen = 1;
}

void Dateneingabe::OnKillfocusPermeabilitaet() {
  UpdateData(true);
  if (PermAuswahl == 0.0f) {
    plattform_.Meldung("Permeabilität muß größer als Null sein!");
    bEinzelmessung = 0;
    UpdateData(false);
  }
}

void Dateneingabe::OnTabelleDetail() { iTabelle = 0; }

void Dateneingabe::OnTabelleNormierung() { iTabelle = 1; }

void Dateneingabe::OnTabelleFunktion() { iTabelle = 2; }

void Dateneingabe::OnGrafik() { iGrafik = fenster_.FelderAbfragen().iGrafik; }

void Dateneingabe::OnPolynom3() { bPolynom3 = fenster_.FelderAbfragen().bPolynom3; }

void Dateneingabe::OnTestdaten() {
  ListeLeeren();
  const Textliste zeilen = TestdatenZeilen();
  for (std::size_t i = 0; i + 1 < zeilen.size(); ++i) ListeAnhaengen(zeilen[i]);
  PermAuswahl = 0.0f;
  bEinzelmessung = 0;
  bTestwerte = 1;
  ListeAnhaengen(zeilen.back());
  Eingabezeilen = Liste;
  bNeuRechnen = 1;
  UpdateData(false);
}

void Dateneingabe::FileOpen() {
  const auto pfad = fenster_.DateiWaehlen();
  if (!pfad) return;
  // Read the file before anything is emptied: a file that cannot be read
  // must not cost the user the working lines.
  Textliste zeilen;
  std::string fehler;
  if (!TextdateiLesen(*pfad, zeilen, fehler)) {
    plattform_.Meldung(fehler);
    return;
  }
  Eingabezeilen.clear();
  ListeLeeren();
  plattform_.Meldung(*pfad + " wird geöffnet");
  ZeilenImportieren(
      zeilen, plattform_,
      [this](const std::string& zeile) {
        Eingabezeilen.push_back(zeile);
        ListeAnhaengen(zeile);
      },
      bNeuRechnen);
  Hinweis = text::Format("%d Zeilen wurden eingelesen", static_cast<int>(Eingabezeilen.size()));
  UpdateData(false);
}

void Dateneingabe::OnMessungGewaehlt(int index) {
  const std::vector<Messungseintrag> messungen = Messungen();
  if (index < 0 || index >= static_cast<int>(messungen.size())) return;
  PermAuswahl = messungen[static_cast<std::size_t>(index)].perm;
  UpdateData(false);
}

void Dateneingabe::ListeAnhaengen(const std::string& zeile) { ListeEinfuegen(static_cast<int>(Liste.size()), zeile); }

void Dateneingabe::ListeEinfuegen(int index, const std::string& zeile) {
  Liste.insert(Liste.begin() + index, zeile);
  fenster_.ListeEinfuegen(index, zeile);
}

void Dateneingabe::ListeErsetzen(int index, const std::string& zeile) {
  Liste[static_cast<std::size_t>(index)] = zeile;
  fenster_.ListeErsetzen(index, zeile);
}

void Dateneingabe::ListeLoeschen(int index) {
  Liste.erase(Liste.begin() + index);
  fenster_.ListeLoeschen(index);
}

void Dateneingabe::ListeLeeren() {
  Liste.clear();
  fenster_.ListeLeeren();
}

void Dateneingabe::ListeAuswaehlen(int index) { fenster_.ListeAuswaehlen(index); }
