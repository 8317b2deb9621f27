#pragma once

// Prints the time of the petrophysics of 10 000 generated measurements with
// porosity (the values, the list, the three charts), Thomeer fit excluded.
void PetrophysikFiguren();
