// Placing the object point with the mouse and the keyboard.
#include "form1.h"

void Form1::picLeft_MouseDown(int, int, float, float) {}
void Form1::picLeft_MouseMove(int, int, float, float) {}
void Form1::picLeft_KeyDown(int, int) {}
