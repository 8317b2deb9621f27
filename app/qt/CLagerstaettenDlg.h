#pragma once

#include <array>
#include <optional>

#include <QDialog>

#include "Lagerstaettenbedingungen.h"

class QLineEdit;

// The dialog "Lagerstättenbedingungen": six fields for the fluid systems of
// laboratory and reservoir, and the closure pressure for all measurements
// (empty: none). It only shows and collects; reading and checking live with
// the values (lagerstaette::FelderLesen, korrektur::SchliessdruckLesen). OK
// with a field outside its range shows the message and keeps the dialog open
// on that field.
class CLagerstaettenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CLagerstaettenDlg(QWidget* parent = nullptr);

  void SetBedingungen(const Lagerstaettenbedingungen& b);
  // The values as OK accepted them (before: those given to SetBedingungen).
  const Lagerstaettenbedingungen& Bedingungen() const { return bedingungen_; }
  QLineEdit* Feld(int feld) const { return felder_[static_cast<std::size_t>(feld)]; }

  void SetSchliessdruck(const std::optional<double>& w);
  // The closure pressure as OK accepted it, bar; none for an empty field.
  const std::optional<double>& Schliessdruck() const { return schliessdruck_; }
  QLineEdit* SchliessdruckFeld() const { return schliessdruckFeld_; }

  void accept() override;

 private:
  // Shows the message and puts the focus on the field.
  void Ablehnen(const std::string& fehler, QLineEdit* feld);

  std::array<QLineEdit*, lagerstaette::kFelder> felder_{};
  QLineEdit* schliessdruckFeld_ = nullptr;
  Lagerstaettenbedingungen bedingungen_;
  std::optional<double> schliessdruck_;
};
