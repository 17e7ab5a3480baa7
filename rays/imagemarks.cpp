// Real and virtual image marks.
#include "form1.h"

void Form1::MarkRealImage() {}
void Form1::DrawVirtualImage() {}
