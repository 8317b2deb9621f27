#include "Mnemoniken.h"

#include "Mnemonik.h"

#include <QAction>
#include <QWidget>

#include <set>
#include <string>

void MnemonikErgaenzen(QWidget* behaelter, QAction* aktion) {
  std::set<std::string> vergeben;
  for (const QAction* a : behaelter->actions()) {
    if (a == aktion || a->isSeparator()) continue;
    const std::string z = mnemonik::Zeichen(a->text().toStdString());
    if (!z.empty()) vergeben.insert(z);
  }
  aktion->setText(QString::fromStdString(mnemonik::Ergaenzen(aktion->text().toStdString(), vergeben)));
}
