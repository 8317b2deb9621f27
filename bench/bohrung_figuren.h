#pragma once

// The figures of the well evaluation: a generated LAS file of 1 000 000
// depth rows read and evaluated (rows per second, median of several runs),
// the peak memory of that per row, and the time to write the LAS back.
void BohrungFiguren();
