#pragma once

#include <string>

// How a result list is spread over printed pages: 57 lines on a page taller
// than wide, 50 on any other, each page headed by " Dokument:" and the
// document's path, its first line two line heights below that header and
// three character widths from the left edge.
class Seitenaufteilung {
 public:
  static constexpr int kZeilenHochformat = 57;
  static constexpr int kZeilenQuerformat = 50;
  // Line heights a page takes besides its list lines: the gap above the
  // header, the header itself and the gap below it.
  static constexpr int kKopfZeilen = 3;

  // zeilen: lines of the list; breite, hoehe: the printable area of the page,
  // in any one unit.
  Seitenaufteilung(int zeilen, double breite, double hoehe);

  int Zeilen() const { return zeilen_; }
  int ZeilenProSeite() const { return zeilenProSeite_; }
  // Pages the list takes: lines / lines per page + 1, so a list that fills its
  // last page exactly is followed by a page with the header alone, and an
  // empty list still prints its header.
  int Seitenzahl() const;
  // First line of page `seite` (from 1) and one past its last line.
  int ErsteZeile(int seite) const;
  int EndeZeile(int seite) const;

  // Returns the header of every page.
  static std::string Kopfzeile(const std::string& pfad);

  // Returns the line height to print with, in the unit of the page: the font's
  // own line height, or less where the page is too short for the header and
  // all its lines (a landscape page holds 50 lines of the usual font only on
  // very wide paper), so that no line falls off the paper.
  double Zeilenhoehe(double schriftZeilenhoehe) const;

 private:
  int zeilen_;
  double hoehe_;
  int zeilenProSeite_;
};
