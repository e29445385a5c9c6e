// The main window's side of the contact board.
#include "FrmContatti.h"
#include "FrmContatti2.h"
#include "common/Globals.h"
#include "game/main/FrmMain.h"

#include <algorithm>

using namespace platform;

namespace {
long long gameHour() {
    return G().state(StateItem::Day) * 24 + G().state(StateItem::Hour);
}
} // namespace

void FrmMain::unloadContactBoard() {
    unload<FrmContatti2>();
    unload<FrmContatti>();
}

void FrmMain::showContactBoard() {
    platform::form<FrmContatti2>();
    FrmContatti& board = platform::form<FrmContatti>();
    platform::form<FrmContatti2>().show();
    board.show();
}

bool FrmMain::contactFought(int record) const {
    return foughtHour_ == gameHour() &&
           std::find(foughtContacts_.begin(), foughtContacts_.end(), record) != foughtContacts_.end();
}

void FrmMain::markContactFought(int record) {
    if (foughtHour_ != gameHour()) {
        foughtContacts_.clear();
        foughtHour_ = gameHour();
    }
    foughtContacts_.push_back(record);
}

void FrmMain::contactBoardClosed() {
    boardClosedHour_ = gameHour();
    setHourLock(HourLock::None);
}

bool FrmMain::contactBoardClosedThisHour() const {
    return boardClosedHour_ == gameHour();
}

void FrmMain::contactBoardUnloaded() {
    if (hourLock_ != HourLock::Board) return;
    setHourLock(lockBetweenHours(G().state(StateItem::Contacts), contactBoardClosedThisHour()));
    if (hourLock_ != HourLock::None) Label17.setCaption(hourLockMessage(hourLock_));
}
