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

// Shows the print preview of `maler` on `drucker`, modally. Its toolbar
// ends with a button that closes it (as Esc does), with `beendenAufforderung`
// as its prompt in the preview's status line and `beendenTipp` as tooltip.
void Seitenansicht(QWidget* eltern, QPrinter& drucker, const Seitenmaler& maler,
                   const QString& beendenAufforderung = QString(), const QString& beendenTipp = QString());

// Returns a fixed-pitch font of `familie` and `gewicht` whose lines (ascent
// plus descent) are `zeilenhoehe` pixels tall on `geraet`, as a font asked for
// by its cell height would be.
QFont SchriftMitZeilenhoehe(const QString& familie, int gewicht, double zeilenhoehe, QPaintDevice* geraet);

}  // namespace druck
