#include "HourButton.h"

HourLock lockBetweenHours(long long contacts, bool boardClosedThisHour) {
    return contacts == 0 || boardClosedThisHour ? HourLock::None : HourLock::Contacts;
}

QString hourButtonTip(HourLock lock) {
    const QString own = QStringLiteral("RUN TIME (assicurarsi che tutti abbiano mosso)");
    switch (lock) {
    case HourLock::None:
        return own;
    case HourLock::Contacts:
        return own + QStringLiteral(" - BLOCCATO: contatti dell'ora da risolvere, aprire CONTATTI e "
                                    "chiudere il quadro con Chiudi");
    case HourLock::Board:
        return own + QStringLiteral(" - BLOCCATO: quadro dei contatti aperto, chiuderlo con Chiudi");
    case HourLock::Side:
        return own + QStringLiteral(" - BLOCCATO: un lato ha lo schermo, chiuderlo con Chiudi");
    }
    return own;
}

QString hourLockMessage(HourLock lock, const QString& wayOn) {
    switch (lock) {
    case HourLock::None:
        return QString();
    case HourLock::Contacts:
        return QStringLiteral("ORA BLOCCATA: CONTATTI DA RISOLVERE (aprire CONTATTI, poi Chiudi del quadro)");
    case HourLock::Board:
        return QStringLiteral("ORA BLOCCATA: QUADRO CONTATTI APERTO (chiuderlo con il suo Chiudi)");
    case HourLock::Side:
        if (!wayOn.isEmpty())
            return QStringLiteral("ORA BLOCCATA: UN LATO HA LO SCHERMO (premere %1, poi Chiudi del lato)")
                .arg(wayOn);
        return QStringLiteral("ORA BLOCCATA: UN LATO HA LO SCHERMO (premere Chiudi del lato)");
    }
    return QString();
}
