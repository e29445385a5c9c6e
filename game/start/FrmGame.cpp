#include "FrmGame.h"

FrmGame::FrmGame() : Form("FrmGame") { setCaption("Torv Tutorial"); }

void FrmGame::Form_Load() {}
