#pragma once

#include <memory>
#include <string>

#include <QDialog>

#include "LasLesen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

// The dialog of "Bohrung laden...": the curves of a log as its header
// describes them (mnemonic, unit, description), the porosity and
// permeability curves to use (preset as the reader presets them), the FWL in
// the log's depth unit, and the rows that give no Sw with their reason,
// read again whenever the choice of curves changes. OK takes the log only
// when the reader takes it with the chosen curves and the FWL is a number;
// otherwise the message box says why and the dialog stays open.
class CBohrungDlg : public QDialog {
  Q_OBJECT

 public:
  CBohrungDlg(const bohrung::Kopf& kopf, const std::string& pfad, QWidget* parent = nullptr);
  ~CBohrungDlg() override;

  // Presets the choice of curves by mnemonic (empty: the reader's preset).
  void SetKurven(const bohrung::Kurvenwahl& wahl);
  void SetFwl(const QString& text);

  // The log read with the chosen curves; null while the reader refuses it.
  const bohrung::Bohrung* Bohrung() const { return bohrung_.get(); }
  // Hands the log over after OK.
  std::unique_ptr<bohrung::Bohrung> BohrungNehmen() { return std::move(bohrung_); }
  // The FWL as OK accepted it, in the log's depth unit.
  double Fwl() const { return fwl_; }
  // The reader's message while it refuses the log with the chosen curves.
  const std::string& Lesefehler() const { return lesefehler_; }

  QTableWidget* KurvenFeld() const { return kurven_; }
  QComboBox* PorositaetFeld() const { return porositaet_; }
  QComboBox* PermeabilitaetFeld() const { return permeabilitaet_; }
  QLineEdit* FwlFeld() const { return fwlFeld_; }
  QListWidget* LueckenFeld() const { return luecken_; }

  void accept() override;

 private:
  void Lesen();
  void Melden(const std::string& text);

  bohrung::Kopf kopf_;
  std::string pfad_;
  std::unique_ptr<bohrung::Bohrung> bohrung_;
  std::string lesefehler_;
  double fwl_ = 0.0;

  QTableWidget* kurven_ = nullptr;
  QComboBox* porositaet_ = nullptr;
  QComboBox* permeabilitaet_ = nullptr;
  QLineEdit* fwlFeld_ = nullptr;
  QLabel* lueckenText_ = nullptr;
  QListWidget* luecken_ = nullptr;
};
