// Lens type and the drawing of its two surfaces.
#include "form1.h"

void Form1::cmdSob_Click() {}
void Form1::cmdRas_Click() {}
void Form1::ShapeLens() {}
