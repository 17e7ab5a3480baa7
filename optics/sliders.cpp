// The five parameter sliders.
#include "form1.h"

void Form1::sldVexol_MouseMove(int, int, float, float) {}
void Form1::sldn1_MouseMove(int, int, float, float) {}
void Form1::sldn2_MouseMove(int, int, float, float) {}
void Form1::sldR1_MouseMove(int, int, float, float) {}
void Form1::sldR2_MouseMove(int, int, float, float) {}
