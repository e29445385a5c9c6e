// The main window's side of the contact board.
#include "game/main/FrmMain.h"
#include "platform/Dialogs.h"

void FrmMain::wireCombatHandlers() {}

void FrmMain::unloadContactBoard() {
    // The contact board and its plot window are unloaded here once they exist.
}

void FrmMain::showContactBoard() {
    // Until the contact board exists the players fight the hour's contacts out by hand; closing
    // this message stands for closing the board, which gives the hour button back.
    platform::MsgBox(QStringLiteral("Il quadro dei contatti non è ancora disponibile.\n"
                                    "Risolvere a mano i contatti dell'ora (mappa, liste dei gruppi e "
                                    "schede delle navi), poi proseguire con l'ora successiva."),
                     platform::vbInformation, QStringLiteral("CONTROLLO CONTATTI E ATTACCO"));
    Command22.setEnabled(true);
}
