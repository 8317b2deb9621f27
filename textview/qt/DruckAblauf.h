#pragma once

#include <functional>

#include <QFont>
#include <QString>

class QPaintDevice;
class QPrinter;
class QWidget;

// The print dialog and the print preview around a view's page painter, shared
// by the text view and the main frame, and the fonts sized by line height.
namespace druck {

// Paints every page on the printer; false when the printer cannot be opened.
using Seitenmaler = std::function<bool(QPrinter&)>;

// Shows the print dialog on `drucker`; prints through `maler` when the user
// confirms, and says so, naming the output file, when printing fails.
// Returns true when something was printed.
bool MitDialogDrucken(QWidget* eltern, QPrinter& drucker, const Seitenmaler& maler);

// Shows the print preview of `maler` on `drucker`, modally.
void Seitenansicht(QWidget* eltern, QPrinter& drucker, const Seitenmaler& maler);

// Returns a fixed-pitch font of `familie` and `gewicht` whose lines (ascent
// plus descent) are `zeilenhoehe` pixels tall on `geraet`, as a font asked for
// by its cell height would be.
QFont SchriftMitZeilenhoehe(const QString& familie, int gewicht, double zeilenhoehe, QPaintDevice* geraet);

}  // namespace druck
