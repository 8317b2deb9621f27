#pragma once

#include <array>

#include <QDialog>

#include "Lagerstaettenbedingungen.h"

class QLineEdit;

// The dialog "Lagerstättenbedingungen": six fields for the fluid systems of
// laboratory and reservoir. It only shows and collects; reading and checking
// live with the value (lagerstaette::FelderLesen). OK with a field outside its
// range shows the message and keeps the dialog open on that field.
class CLagerstaettenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CLagerstaettenDlg(QWidget* parent = nullptr);

  void SetBedingungen(const Lagerstaettenbedingungen& b);
  // The values as OK accepted them (before: those given to SetBedingungen).
  const Lagerstaettenbedingungen& Bedingungen() const { return bedingungen_; }
  QLineEdit* Feld(int feld) const { return felder_[static_cast<std::size_t>(feld)]; }

  void accept() override;

 private:
  std::array<QLineEdit*, lagerstaette::kFelder> felder_{};
  Lagerstaettenbedingungen bedingungen_;
};
