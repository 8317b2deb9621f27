// Results file: filled in by the results file work in progress.
#include "KadrelDoc.h"

void CKadrelDoc::OnErgebnisseAusgeben() {}
void CKadrelDoc::OnErgebnisseEinlesen() {}
