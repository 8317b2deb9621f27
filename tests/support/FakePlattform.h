#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "EingabeDaten.h"
#include "Plattform.h"

// A scripted user: records every message and question in order, answers
// questions from a queue (Yes when it runs dry) and plays the data dialog
// through a function the test sets.
class FakePlattform : public Plattform {
 public:
  struct Eintrag {
    std::string art;  // "ok" or "yesno"
    std::string text;
  };

  void Meldung(const std::string& text) override { protokoll.push_back({"ok", text}); }
  bool Frage(const std::string& text) override {
    protokoll.push_back({"yesno", text});
    if (antworten.empty()) return true;
    const bool ja = antworten.front();
    antworten.pop_front();
    return ja;
  }
  void WarteCursor(bool an) override { warteCursor += an ? 1 : -1; }
  void AnsichtenAktualisieren() override { ++neuZeichnen; }
  bool DatenDialog(EingabeDaten& daten) override {
    ++dialoge;
    return dialog ? dialog(daten) : false;
  }

  std::vector<std::string> Texte() const {
    std::vector<std::string> t;
    for (const auto& e : protokoll) t.push_back(e.text);
    return t;
  }

  std::vector<Eintrag> protokoll;
  std::deque<bool> antworten;
  std::function<bool(EingabeDaten&)> dialog;
  int warteCursor = 0;
  int neuZeichnen = 0;
  int dialoge = 0;
};
