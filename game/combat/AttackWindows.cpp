#include "AttackWindows.h"

#include "common/Globals.h"
#include "common/Messages.h"

QString attackWindowCaption(AttackKind kind) {
    switch (kind) {
    case AttackKind::Patrol:
        return G().OperationContext[5] == kAllies ? QStringLiteral("Aerei in Patrol")
                                                  : QStringLiteral("Attacco Aereo in Patrol");
    case AttackKind::AirStrike:
        return QStringLiteral("Bombardamento Aereo");
    case AttackKind::NavalBombardment:
        return QStringLiteral("Bombardamento Navale");
    }
    return QString();
}

namespace {
// A kind whose window is not there: the players fight it out by hand.
void byHand(AttackKind kind) {
    const QString text = attackWindowCaption(kind) +
                         QStringLiteral(": da risolvere a mano (mappa, liste dei gruppi e danni alle navi)");
    // The bombardment's line already shows the class counts of the attacking group.
    if (kind == AttackKind::NavalBombardment)
        appendToMessageLine(QStringLiteral("   ") + text);
    else
        setMessageLine(text);
}
} // namespace

void openAttackWindow(AttackKind kind) {
    switch (kind) {
    case AttackKind::Patrol:
        openPatrolAttack();
        break;
    case AttackKind::AirStrike:
        openAirStrike();
        break;
    case AttackKind::NavalBombardment:
        openNavalBombardment();
        break;
    }
}

// ---------------------------------------------------------------- the patrol attack (FrmPatrol)

void openPatrolAttack() {
    // Defined beside its window (FrmPatrol.cpp).
    void showPatrolAttack(const QString& caption);
    showPatrolAttack(attackWindowCaption(AttackKind::Patrol));
}

// ---------------------------------------------------------------- the air strike (FrmAuto)

#include "FrmAuto.h"

void openAirStrike() {
    FrmAuto& f = platform::form<FrmAuto>();
    f.setCaption(attackWindowCaption(AttackKind::AirStrike));
    f.showModal();
    platform::unload<FrmAuto>(); // never left loaded for the next strike
}

// ---------------------------------------------------------------- the bombardment (FrmBombNav)

#include "FrmBombNav.h"

void openNavalBombardment() {
    FrmBombNav& f = platform::form<FrmBombNav>();
    f.setCaption(attackWindowCaption(AttackKind::NavalBombardment));
    f.showModal();
    platform::unload<FrmBombNav>(); // never left loaded for the next bombardment
}
