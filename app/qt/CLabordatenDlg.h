#pragma once

#include <array>
#include <string>

#include <QDialog>

#include "Labortabelle.h"
#include "Textliste.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QTableWidget;

// "Labordaten importieren": shows how a laboratory table is read (separator,
// decimal mark, column mapping, units, each with why the reader took it) for
// correction, a preview of its first rows and of the measurements it yields
// with their porosity and problems, and the choice to append the lines or to
// replace the input lines by them.
class CLabordatenDlg : public QDialog {
  Q_OBJECT

 public:
  // bytes: the file's contents; name: the file's name, for the title and as
  // label of rows without one.
  CLabordatenDlg(std::string bytes, const QString& name, QWidget* parent = nullptr);

  // The input lines the table yields with the current choices.
  const Textliste& Zeilen() const { return ergebnis_.zeilen; }
  const labor::Ergebnis& Ergebnis() const { return ergebnis_; }
  bool Anhaengen() const;
  // The message that keeps OK disabled, empty when the table can be taken.
  QString Fehler() const { return fehler_; }

  QComboBox* Trenner() const { return trenner_; }
  QComboBox* Dezimal() const { return dezimal_; }
  QComboBox* Spalte(int rolle) const { return spalten_[static_cast<std::size_t>(rolle)]; }
  QComboBox* Druckeinheit() const { return druck_; }
  QComboBox* Saettigungseinheit() const { return saettigung_; }
  QComboBox* Porositaetseinheit() const { return porositaet_; }
  // Why the reader uses the separator, decimal mark and units it uses.
  QLabel* TrennerHerkunft() const { return trennerHerkunft_; }
  QLabel* DezimalHerkunft() const { return dezimalHerkunft_; }
  QLabel* DruckHerkunft() const { return druckHerkunft_; }
  QLabel* SaettigungHerkunft() const { return saettigungHerkunft_; }
  QLabel* PorositaetHerkunft() const { return porositaetHerkunft_; }
  QCheckBox* Nullpunkt() const { return nullpunkt_; }
  QRadioButton* AnhaengenKnopf() const { return anhaengen_; }
  QRadioButton* Ersetzen() const { return ersetzen_; }
  QTableWidget* Vorschau() const { return vorschau_; }
  QTableWidget* Messungen() const { return messungen_; }
  QPlainTextEdit* Probleme() const { return probleme_; }

  // The columns' names, units and options chosen last time, from the settings.
  void EinstellungenLesen();
  void EinstellungenSchreiben() const;

 public slots:
  void accept() override;

 private:
  // Splits the bytes again (separator or decimal mark changed) and presets the mapping.
  void Zerlegen();
  // Evaluates with the current choices and fills the previews.
  void Auswerten();
  labor::Vorgaben Vorgaben() const;
  void SpaltenFuellen();
  // Shows why the units of the last evaluation are used.
  void EinheitenHerkunftZeigen();

  std::string bytes_;
  std::string standardKern_;
  labor::Rohtabelle tabelle_;
  labor::Ergebnis ergebnis_;
  QString fehler_;
  bool fuellen_ = false;                         // suppresses re-evaluation while combos are filled
  std::array<QString, labor::kRollen> gemerkt_;  // column names from the settings

  QComboBox* trenner_ = nullptr;
  QComboBox* dezimal_ = nullptr;
  std::array<QComboBox*, labor::kRollen> spalten_{};
  QComboBox* druck_ = nullptr;
  QComboBox* saettigung_ = nullptr;
  QComboBox* porositaet_ = nullptr;
  QLabel* trennerHerkunft_ = nullptr;
  QLabel* dezimalHerkunft_ = nullptr;
  QLabel* druckHerkunft_ = nullptr;
  QLabel* saettigungHerkunft_ = nullptr;
  QLabel* porositaetHerkunft_ = nullptr;
  QCheckBox* nullpunkt_ = nullptr;
  QRadioButton* anhaengen_ = nullptr;
  QRadioButton* ersetzen_ = nullptr;
  QTableWidget* vorschau_ = nullptr;
  QTableWidget* messungen_ = nullptr;
  QPlainTextEdit* probleme_ = nullptr;
  QLabel* meldung_ = nullptr;
  QDialogButtonBox* knoepfe_ = nullptr;
};
