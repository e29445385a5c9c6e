// Saving and opening ship cards and ship-name lists, deleting a card and resetting the editor.
#include "CardGlobals.h"
#include "Form1_Main.h"

using namespace platform;

void Form1_Main::wireCardHandlers() {}
void Form1_Main::Command1_Click() {}
void Form1_Main::Command2_Click() {}
void Form1_Main::Command4_Click() {}
void Form1_Main::Command5_Click() {}
void Form1_Main::Command22_Click() {}
void Form1_Main::Image3_Click() {}
void Form1_Main::Text13_Change() {}
void Form1_Main::List1_Click() {}
void Form1_Main::LoadList() {}
void Form1_Main::Image2_Click() {}
void Form1_Main::Label2_Click() {}
void Form1_Main::Command12_Click() {}
