// Why the hour button is disabled between hours, what gives it back, and what the player is told:
// contacts of the hour wait until the contact board's "&Chiudi" has released them in that hour; the
// board open and a side at the screen hold it as well.
#pragma once

#include <QString>

enum class HourLock {
    None,     // the next hour may run
    Contacts, // the hour's contacts wait for the contact board
    Board,    // the contact board is open
    Side      // a side holds the screen
};

// The lock once no side and no board hold the button: the contacts of the hour (game-state item 11)
// keep it until the board has been closed with "&Chiudi" in that hour.
HourLock lockBetweenHours(long long contacts, bool boardClosedThisHour);
// The hour button's tool-tip: its own, and the reason while it is locked.
QString hourButtonTip(HourLock lock);
// The message line for a locked hour button; empty when it is free. While a side holds the screen
// with its side panel hidden, `wayOn` is the caption of the button that leads back to it.
QString hourLockMessage(HourLock lock, const QString& wayOn = QString());
