// Permeability correlation: filled in by the regression work in progress.
#include "KadrelDoc.h"

void CKadrelDoc::Testwerte() {}
int CKadrelDoc::OnParameter() { return 1; }
void CKadrelDoc::Normalgleichungen(double[8][9]) {}
void CKadrelDoc::Eliminieren(double[8][9]) {}
void CKadrelDoc::Funktionsausgabe(double[8][9], int, float) {}
void CKadrelDoc::Parameter_Grafik() {}
void CKadrelDoc::Gesamtgrafik() {}
void CKadrelDoc::Grafikdaten() {}
void CKadrelDoc::OnErgebnisseAusgeben() {}
void CKadrelDoc::OnErgebnisseEinlesen() {}
