// Object point on the axis: the beam to the aperture edges.
#include "form1.h"

void Form1::DrawAxialBeam() {}
