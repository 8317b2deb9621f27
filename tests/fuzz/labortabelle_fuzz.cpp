// The laboratory-table import on arbitrary bytes with the user's choices
// taken from the first bytes, through to the input lines and a run on them:
// the text is split into the lines the text import reads, every line it
// gives is a header, value or end line the reader takes, in blocks the
// reader takes whole, the notes stay short and few, and the run reads every
// block. Samples are never merged. A porosity stands on a header only as
// the line check takes it, and as the measurement says.
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "DateiImport.h"
#include "FuzzPlattform.h"
#include "KadrelDoc.h"
#include "Kopfzusatz.h"
#include "Labortabelle.h"
#include "TextScan.h"
#include "Zeilenleser.h"

namespace {

constexpr std::size_t kVorgabeBytes = 6;

// byte 0: separator (bits 0-1: detect, comma, semicolon, tab), decimal mark
// (bits 2-3: detect, point, comma, detect), zero point (bit 4), pressure unit
// (bits 5-7: from the name, psi, bar, kPa, MPa, from the name …);
// byte 1: saturation unit (bits 0-1: from the name, fraction, percent, from
// the name), label of rows without one (bit 2: the default or "Probe 7"),
// the porosity's column (bits 3-5, as below), its unit (bits 6-7: from the
// name, fraction, percent, from the name);
// bytes 2-5: the column of label, permeability, pressure and saturation (0:
// from the names, 1-6: column 1-6, 7: none on purpose). All zero is what the
// dialog starts with.
labor::Vorgaben VorgabenAus(const std::uint8_t* d) {
  labor::Vorgaben v;
  constexpr char kTrenner[] = {0, ',', ';', '\t'};
  constexpr char kDezimal[] = {0, '.', ',', 0};
  v.trenner = kTrenner[d[0] & 3];
  v.dezimal = kDezimal[(d[0] >> 2) & 3];
  v.nullpunktEinfuegen = (d[0] & 0x10) != 0;
  switch (d[0] >> 5) {
    case 1:
      v.druck = labor::Druckeinheit::Psi;
      break;
    case 2:
      v.druck = labor::Druckeinheit::Bar;
      break;
    case 3:
      v.druck = labor::Druckeinheit::KPa;
      break;
    case 4:
      v.druck = labor::Druckeinheit::MPa;
      break;
    default:
      break;
  }
  if ((d[1] & 3) == 1) v.saettigung = labor::Saettigungseinheit::Anteil;
  if ((d[1] & 3) == 2) v.saettigung = labor::Saettigungseinheit::Prozent;
  if ((d[1] & 4) != 0) v.standardKern = "Probe 7";
  const auto spalte = [](int w) { return w == 7 ? labor::kKeineSpalte : w - 1; };
  for (int rolle = 0; rolle <= labor::kSaettigung; ++rolle) {
    v.spalten[static_cast<std::size_t>(rolle)] = spalte(d[2 + rolle] & 7);
  }
  v.spalten[labor::kPorositaet] = spalte((d[1] >> 3) & 7);
  if ((d[1] >> 6) == 1) v.porositaet = labor::Porositaetseinheit::Anteil;
  if ((d[1] >> 6) == 2) v.porositaet = labor::Porositaetseinheit::Prozent;
  return v;
}

// The messages with which the reader refuses lines or blocks.
bool VomLeser(const std::string& m) {
  for (const char* anfang :
       {"ABBRUCH in der", "ABBRUCH Fehler in der", "ABBRUCH!Der 1.Sättigungswert",
        "ABBRUCH!Die Sättigungen steigen nicht an!", "ABBRUCH!Die Kapillardruckmessung hat weniger",
        "ABBRUCH!Keine Werte zwischen", "ABBRUCH!Die Kapillardruckmessung ab der"}) {
    if (m.rfind(anfang, 0) == 0) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (laenge < kVorgabeBytes) return 0;
  const labor::Vorgaben v = VorgabenAus(daten);
  const std::string_view bytes(reinterpret_cast<const char*>(daten + kVorgabeBytes), laenge - kVorgabeBytes);

  // Without a UTF-16 byte order mark the lines are those of the text import.
  const std::string text = labor::TextAusBytes(bytes);
  if (!bytes.starts_with("\xFF\xFE") && !bytes.starts_with("\xFE\xFF")) {
    const Textliste soll = TextdateiZerlegen(bytes);
    labor::Zeilenleser leser(text);
    std::string_view zeile;
    std::size_t i = 0;
    while (leser.Naechste(zeile)) {
      FUZZ_PRUEFEN(i < soll.size() && soll[i] == zeile);
      ++i;
    }
    FUZZ_PRUEFEN(i == soll.size());
  }

  labor::Rohtabelle t;
  std::string fehler;
  if (!labor::TabelleZerlegen(bytes, v.trenner, v.dezimal, t, fehler)) {
    FUZZ_PRUEFEN(!fehler.empty());
    return 0;
  }
  FUZZ_PRUEFEN(t.ersteZeilen.size() <= labor::kErsteZeilen);
  int vorher = t.kopfZeile;
  for (const auto& z : t.ersteZeilen) {
    FUZZ_PRUEFEN(z.nummer > vorher);
    vorher = z.nummer;
  }

  labor::Ergebnis e;
  const bool gut = labor::TabelleAuswerten(t, v, e, fehler);
  FUZZ_PRUEFEN(gut == !e.zeilen.empty());
  FUZZ_PRUEFEN(e.probleme.size() <= labor::kMaxProbleme + 1);
  for (std::size_t i = 0; i < e.probleme.size(); ++i) {
    FUZZ_PRUEFEN(e.probleme[i].zeile > t.kopfZeile);
    FUZZ_PRUEFEN(e.probleme[i].grund.size() < 400);
    if (i > 0 && i < labor::kMaxProbleme) FUZZ_PRUEFEN(e.probleme[i - 1].zeile <= e.probleme[i].zeile);
  }

  // Blocks: a header, 3 to 99 value lines from saturation 0 upwards, ENDE.
  std::size_t bloecke = 0;
  std::size_t i = 0;
  while (i < e.zeilen.size()) {
    std::string wort;
    std::string kern;
    std::string rest;
    std::string phi;
    std::string mehr;
    float perm = 0.0f;
    const int woerter = text::Scan(e.zeilen[i], "%s %f %s %s %s %s", &wort, &perm, &kern, &rest, &phi, &mehr);
    FUZZ_PRUEFEN(woerter == 3 || (woerter == 5 && rest == kPorositaetWort));
    FUZZ_PRUEFEN(wort == "PERMEABILITAET:" && std::isfinite(perm) && perm > 0.0f);
    FUZZ_PRUEFEN(bloecke < e.messungen.size() && e.messungen[bloecke].kern == kern);
    const Kopfzusatz zusatz = kopfzeile::Lesen(e.zeilen[i]);
    FUZZ_PRUEFEN(zusatz.Fehler.empty() && !zusatz.Schliessdruck);
    FUZZ_PRUEFEN(zusatz.Porositaet == e.messungen[bloecke].porositaet);
    FUZZ_PRUEFEN(!zusatz.Porositaet || (*zusatz.Porositaet > 0.0f && *zusatz.Porositaet < 1.0f));
    ++i;
    int punkte = 0;
    float vorherS = 0.0f;
    for (; i < e.zeilen.size() && e.zeilen[i] != "ENDE"; ++i) {
      float p = 0.0f;
      float s = 0.0f;
      bool ausserhalb = false;
      FUZZ_PRUEFEN(text::ScanGeprueft(e.zeilen[i], "%f %f %s", ausserhalb, &p, &s, &rest) == 2 && !ausserhalb);
      FUZZ_PRUEFEN(std::isfinite(p) && std::isfinite(s) && !(p < 0.0f) && s >= 0.0f && s <= 1.0f);
      FUZZ_PRUEFEN(punkte == 0 ? s == 0.0f : s >= vorherS);
      vorherS = s;
      ++punkte;
    }
    FUZZ_PRUEFEN(i < e.zeilen.size());
    FUZZ_PRUEFEN(punkte >= 3 && punkte <= 99 && punkte == e.messungen[bloecke].punkte);
    ++i;
    ++bloecke;
  }
  FUZZ_PRUEFEN(bloecke == e.messungen.size());
  // A measurement is one run of rows: its notes lie before the next one starts.
  for (std::size_t m = 0; m < e.messungen.size(); ++m) {
    const int bis = m + 1 < e.messungen.size() ? e.messungen[m + 1].ersteZeile : INT_MAX;
    FUZZ_PRUEFEN(e.messungen[m].ersteZeile < bis);
    for (const auto& p : e.messungen[m].probleme) FUZZ_PRUEFEN(p.zeile >= e.messungen[m].ersteZeile && p.zeile < bis);
  }
  if (!gut) return 0;

  // The run reads every block; only a curve that cannot be normalised stops it.
  FuzzPlattform plattform;
  CKadrelDoc doc(plattform);
  doc.OnNewDocument();
  doc.Eingabezeilen = e.zeilen;
  doc.Berechnung();
  bool gestoppt = false;
  for (const auto& m : plattform.meldungen) {
    FUZZ_PRUEFEN(!VomLeser(m));
    gestoppt = gestoppt || m == "ABBRUCH!";
  }
  FUZZ_PRUEFEN(gestoppt || doc.Messkurven.size() == bloecke);
  return 0;
}
