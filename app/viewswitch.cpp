// Lens view and scheme view.
#include "form1.h"

void Form1::cmdCx_Click() {}
void Form1::cmdCxOff_Click() {}
