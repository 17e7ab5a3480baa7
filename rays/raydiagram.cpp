// Ray construction of the scheme view.
#include "form1.h"

void Form1::DrawRayDiagram() {}
