#pragma once

#include <memory>
#include <optional>

#include "Korrekturauswertung.h"
#include "Lagerstaettenauswertung.h"
#include "SaettigungshoehenWahl.h"
#include "Studienbedingungen.h"
#include "Textliste.h"
#include "ThomeerAuswertung.h"

class CKadrelDoc;
class CMainFrame;

// What the analyses of the main window's document share: the conditions
// and the closure pressure for all measurements in force, the
// closure-corrected curves, the Thomeer fit on them and the reservoir
// analyses. The conditions and the saturation-height choice in force are
// those the document carries in its study block, else the user's last choice
// from the settings; every access looks at the document first, so that an
// opened document brings its own.
class Auswertungsgrundlage {
 public:
  explicit Auswertungsgrundlage(CKadrelDoc& doc);
  Auswertungsgrundlage(const Auswertungsgrundlage&) = delete;
  Auswertungsgrundlage& operator=(const Auswertungsgrundlage&) = delete;

  const Studienbedingungen& Bedingungen();
  // Takes the dialog's values: when they differ from those in force they go
  // into the document's study (which marks it modified) and into the
  // settings, the user's choice for new documents. False when nothing changed.
  bool Aendern(const Studienbedingungen& neu);

  // The saturation-height choice in force; none: the default over the
  // measurements (Lagerstaette().Wahl() gives it).
  const std::optional<SaettigungshoehenWahl>& Wahl();
  // Takes the dialog's choice as Aendern takes the conditions: when it
  // differs from the one in force it goes into the document's study and the
  // settings. False when nothing changed.
  bool WahlAendern(const SaettigungshoehenWahl& neu);

  Korrekturauswertung& Korrektur();
  ThomeerAuswertung& Thomeer();
  Lagerstaettenauswertung& Lagerstaette();

 private:
  void Abgleichen();

  CKadrelDoc& doc_;
  Studienbedingungen vorgabe_;  // the settings' values
  bool abgeglichen_ = false;
  Textliste studie_;  // the document's study as last looked at
  Studienbedingungen gueltig_;
  std::optional<SaettigungshoehenWahl> vorgabeWahl_;  // the settings' choice
  std::optional<SaettigungshoehenWahl> wahl_;
  Korrekturauswertung korrektur_;
  ThomeerAuswertung thomeer_;
  Lagerstaettenauswertung lagerstaette_;
};

// The frame's one Auswertungsgrundlage, made on first request; it lives as
// long as the frame.
std::shared_ptr<Auswertungsgrundlage> AuswertungsgrundlageVon(CMainFrame& frame);
