#pragma once

#include <string>
#include <vector>

// The recent-file list of the File menu: the most recently used document
// first, each path once, at most a fixed number of entries.
class Dateiliste {
 public:
  explicit Dateiliste(int groesse);

  // Puts the path at the top, moving it up if it is listed already.
  void Hinzufuegen(const std::string& pfad);
  // Drops the path, for a file that could not be opened.
  void Entfernen(const std::string& pfad);
  // Replaces the entries by stored ones: blanks skipped, repeats and the
  // surplus dropped.
  void Setzen(const std::vector<std::string>& pfade);

  const std::vector<std::string>& Eintraege() const { return eintraege_; }
  int Groesse() const { return groesse_; }

 private:
  int groesse_;
  std::vector<std::string> eintraege_;
};
