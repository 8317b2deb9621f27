#include "DateiImport.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "Cp1252.h"
#include "EingabeDaten.h"
#include "Kopfzusatz.h"
#include "Plattform.h"
#include "TextFormat.h"
#include "TextScan.h"
#include "Textdatei.h"

namespace {

// The old import read each line into a buffer of 100 characters.
constexpr std::size_t kMaxZeichen = 99;

bool NurAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The added words of a title line, as written ("POROSITAET: 0.213"), to
// stand after the label of the rewritten header; empty when it has none.
// False, with the line check's reason, when the rewritten header would
// carry them wrongly.
bool KopfzusatzUebernehmen(const std::string& zeile, const std::string& kern, std::string& zusatz,
                           std::string& fehler) {
  zusatz.clear();
  const std::vector<std::string_view> woerter = kopfzeile::Kopfwoerter(zeile);
  if (std::none_of(woerter.begin(), woerter.end(), kopfzeile::IstZusatzwort)) return true;
  // A title line without label takes its first word as the label.
  const Kopfzusatz z =
      kopfzeile::IstZusatzwort(kern) ? Kopfzusatz{{}, {}, kKopfzusatzOhneKern} : kopfzeile::Lesen(zeile);
  if (!z.Fehler.empty()) {
    fehler = z.Fehler;
    return false;
  }
  // Lesen took each keyword with the number after it; the label is never one.
  for (std::size_t i = 3; i + 1 < woerter.size(); ++i) {
    if (!kopfzeile::IstZusatzwort(woerter[i])) continue;
    zusatz.append(" ").append(woerter[i]).append(" ").append(woerter[i + 1]);
    ++i;
  }
  return true;
}

}  // namespace

Textliste TextdateiZerlegen(std::string_view bytes) {
  const bool utf8 = !NurAscii(bytes) && text::IstUtf8(bytes);
  if (utf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);

  // Without any LF the file may come from a system that ends lines with CR.
  const char zeilenende = bytes.find('\n') == std::string_view::npos ? '\r' : '\n';
  Textliste zeilen;
  std::size_t anfang = 0;
  while (anfang < bytes.size()) {
    std::size_t ende = bytes.find(zeilenende, anfang);
    const std::size_t naechste = ende == std::string_view::npos ? bytes.size() : ende + 1;
    if (ende == std::string_view::npos) ende = bytes.size();
    std::string_view zeile = bytes.substr(anfang, ende - anfang);
    if (zeilenende == '\n' && !zeile.empty() && zeile.back() == '\r' && ende < bytes.size()) zeile.remove_suffix(1);
    const std::size_t nul = zeile.find('\0');
    if (nul != std::string_view::npos) zeile = zeile.substr(0, nul);
    zeilen.push_back(utf8 ? std::string(zeile) : text::Cp1252NachUtf8(zeile));
    anfang = naechste;
  }
  return zeilen;
}

bool TextdateiLesen(const std::string& pfad, Textliste& zeilen, std::string& fehler) {
  std::error_code ec;
  if (std::filesystem::is_directory(pfad, ec)) {
    fehler = text::Format("Die Datei %s kann nicht geöffnet werden: %s", pfad,
                          std::make_error_code(std::errc::is_a_directory).message());
    return false;
  }
  std::string bytes;
  if (!text::DateiLesen(pfad, bytes, fehler)) return false;
  zeilen = TextdateiZerlegen(bytes);
  return true;
}

void ZeilenImportieren(const Textliste& zeilen, Plattform& plattform,
                       const std::function<void(const std::string&)>& aufnehmen, int& bNeuRechnen) {
  int j = 0;            // lines read so far
  int bKopf = 0;        // a title line opened the current block
  int iWerte = 0;       // value lines in the current block
  float shgVorher = 0;  // saturation of the previous value line

  for (const std::string& zeile : zeilen) {
    if (text::Zeichenzahl(zeile) > kMaxZeichen) {
      plattform.Meldung(text::Format("In der %d.Zeile 100 Zeichen gelesen", j + 1));
      return;
    }

    float p = 0.0f;
    float s = 0.0f;
    bool ausserhalb = false;
    const int c = text::ScanGeprueft(zeile, "%f %f", ausserhalb, &p, &s);
    std::string wort;
    std::string kern;
    float zahl = 0.0f;
    // A number a float cannot hold stops the import as the reader stops.
    if (!ausserhalb && c == 0) text::ScanGeprueft(zeile, "%s %f %s", ausserhalb, &wort, &zahl, &kern);
    if (ausserhalb) {
      plattform.Meldung(text::Format("ABBRUCH in der %d.Zeile\n%s", j + 1, zeile));
      return;
    }
    if (c >= 1 && p < 0.0f) {
      plattform.Meldung("ABBRUCH! Der Druck ist kleiner Null");
      return;
    }
    if (c == 2 && (s < 0.0f || s > 1.0f)) {
      plattform.Meldung("ABBRUCH! Die Sättigung muss zwischen 0 und 1 liegen!");
      return;
    }

    if (c == 0) {
      const int n = text::Scan(zeile, "%s %f %s", &wort, &zahl, &kern);
      if (n == 2) kern = wort;
      if (n >= 2 && zahl <= 0.0f) {
        plattform.Meldung("Die Permeabilität muß größer Null sein!");
        return;
      }
      std::string zusatz;
      std::string fehler;
      if (n >= 2 && !KopfzusatzUebernehmen(zeile, kern, zusatz, fehler)) {
        plattform.Meldung(fehler);
        return;
      }
      if (n >= 2) {
        if (!plattform.Frage(text::Format("Zeile %s \nals Titelzeile verwenden?", zeile))) return;
        aufnehmen(text::Format("PERMEABILITAET: %g %s", zahl, kern) + zusatz);
        bKopf = 1;
        iWerte = 0;
      } else if (bKopf == 0 && iWerte == 0) {
        plattform.Meldung("ABBRUCH!\nDie 1.Zeile muss folgenden Aufbau haben\nPERMEABILITAET: Zahl Kernbezeichnung");
        return;
      } else if (bKopf == 1 && iWerte >= 2) {
        if (plattform.Frage(text::Format("Zeile %s \nals Schlusszeile ansehen?", zeile))) {
          aufnehmen("ENDE");
          iWerte = 0;
          bKopf = 0;
        }
      }
    }

    // The file's first line is never taken as a value line.
    if (j > 0 && c == 2) {
      if (iWerte == 0 && s != 0.0f) {
        plattform.Meldung(text::Format("ABBRUCH!! Die Saettigung der 1.Zeile muss 0 sein!\n%s", zeile));
        return;
      }
      // The second value line of a block is not compared with the first,
      // so a block may start with two zero-saturation points.
      if (iWerte >= 2 && !(s > shgVorher)) {
        plattform.Meldung("ABBRUCH!!Die Saettigungswerte steigen nicht an!");
        return;
      }
      aufnehmen(text::Format("%9.4f  %15.5f ", p, s));
      shgVorher = s;
      ++iWerte;
      bNeuRechnen = 1;
    }
    ++j;
  }
}

bool DateiImportieren(const std::string& pfad, Plattform& plattform, EingabeDaten& daten) {
  Textliste zeilen;
  std::string fehler;
  if (!TextdateiLesen(pfad, zeilen, fehler)) {
    plattform.Meldung(fehler);
    return false;
  }
  daten.Eingabezeilen.clear();
  plattform.Meldung(pfad + " wird geöffnet");
  ZeilenImportieren(
      zeilen, plattform, [&daten](const std::string& z) { daten.Eingabezeilen.push_back(z); }, daten.bNeuRechnen);
  return true;
}
