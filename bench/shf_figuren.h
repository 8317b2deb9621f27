#pragma once

// The figures of the saturation-height models: the J and Thomeer fits over
// 10 000 generated measurements with porosity (target: under 100 ms), and
// the model quality of all three models over them.
void ShfFiguren();
