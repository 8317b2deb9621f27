#include "Eingabedatei.h"

#include <filesystem>

#include "Archiv.h"
#include "Textdatei.h"

bool EndetAufKdr(const std::string& pfad) {
  const std::string endung = std::filesystem::path(pfad).extension().string();
  if (endung.size() != 4) return false;
  std::string klein;
  for (const char c : endung) klein += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return klein == ".kdr";
}

bool EingabeLesen(const std::string& pfad, bool bisLeerzeile, Textliste& zeilen, std::string& fehler,
                  std::string* behalten, Textliste* studie) {
  std::string bytes;
  if (!text::DateiLesen(pfad, bytes, fehler)) return false;
  if (!EndetAufKdr(pfad)) {
    zeilen = text::ZeilenAusBytes(bytes, bisLeerzeile);
  } else {
    Archiv ar = Archiv::ZumLaden(bytes);
    if (!ar.ListeLesen(zeilen, bisLeerzeile)) {
      fehler = "Das Dokument " + pfad + " kann nicht geladen werden: " + ar.Fehler();
      return false;
    }
    if (studie) *studie = ar.StudieLesen();
  }
  if (behalten) *behalten = std::move(bytes);
  return true;
}

bool EingabeSpeichern(const std::string& pfad, std::string_view bytes, const std::string& ziel, std::string& grund) {
  Archiv ar = Archiv::ZumSpeichern();
  bool gut = true;
  if (EndetAufKdr(pfad)) {
    // Already checked when it was read. The study block goes along.
    Archiv laden = Archiv::ZumLaden(bytes);
    laden.ListeDurchgehen([&](std::size_t anzahl) { ar.ListeBeginnen(anzahl); },
                          [&](std::string&& zeile) { gut = gut && ar.ZeileSchreiben(zeile); });
    gut = gut && ar.StudieSchreiben(laden.StudieLesen());
  } else {
    std::size_t anzahl = 0;
    std::string_view roh;
    for (text::Zeilenleser zaehler(bytes); zaehler.Naechste(roh);) ++anzahl;
    ar.ListeBeginnen(anzahl);
    text::Zeilenleser leser(bytes);
    for (std::string zeile; gut && leser.Naechste(zeile);) gut = ar.ZeileSchreiben(zeile);
  }
  if (!gut) {
    grund = ar.Fehler();
    return false;
  }
  return text::DateiSchreiben(ziel, ar.Bytes(), grund);
}
