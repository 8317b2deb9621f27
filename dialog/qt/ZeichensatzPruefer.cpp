#include "ZeichensatzPruefer.h"

#include "Dateneingabe.h"

#include <utility>

ZeichensatzPruefer::ZeichensatzPruefer(std::function<void(const std::string&)> abgelehnt, QObject* eltern)
    : QValidator(eltern), abgelehnt_(std::move(abgelehnt)) {}

void ZeichensatzPruefer::Merken(const QString& text) { vorher_ = text; }

QValidator::State ZeichensatzPruefer::validate(QString& eingabe, int&) const {
  if (eingabe == vorher_) return Acceptable;
  std::string grund;
  if (Dateneingabe::ZeichenSpeicherbar(vorher_.toStdString(), eingabe.toStdString(), grund)) return Acceptable;
  if (abgelehnt_) abgelehnt_(grund);
  return Invalid;
}
