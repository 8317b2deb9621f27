#include "Seitenaufteilung.h"

#include <algorithm>

#include "TextFormat.h"

Seitenaufteilung::Seitenaufteilung(int zeilen, double breite, double hoehe)
    : zeilen_(std::max(zeilen, 0)),
      hoehe_(hoehe),
      zeilenProSeite_(hoehe > breite ? kZeilenHochformat : kZeilenQuerformat) {}

int Seitenaufteilung::Seitenzahl() const { return zeilen_ / zeilenProSeite_ + 1; }

int Seitenaufteilung::ErsteZeile(int seite) const {
  const long long erste = static_cast<long long>(std::max(seite, 1) - 1) * zeilenProSeite_;
  return static_cast<int>(std::min<long long>(erste, zeilen_));
}

int Seitenaufteilung::EndeZeile(int seite) const { return std::min(ErsteZeile(seite) + zeilenProSeite_, zeilen_); }

std::string Seitenaufteilung::Kopfzeile(const std::string& pfad) { return text::Format(" Dokument:%s", pfad); }

double Seitenaufteilung::Zeilenhoehe(double schriftZeilenhoehe) const {
  const double passend = hoehe_ / (zeilenProSeite_ + kKopfZeilen);
  return passend > 0.0 ? std::min(schriftZeilenhoehe, passend) : schriftZeilenhoehe;
}
