#include "AttackWindows.h"

#include "FrmAuto.h"
#include "FrmBombNav.h"
#include "FrmPatrol.h"
#include "common/Globals.h"

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
    showPatrolAttack(attackWindowCaption(AttackKind::Patrol));
}

// ---------------------------------------------------------------- the air strike (FrmAuto)

void openAirStrike() {
    FrmAuto& f = platform::form<FrmAuto>();
    f.setCaption(attackWindowCaption(AttackKind::AirStrike));
    f.showModal();
    platform::unload<FrmAuto>(); // never left loaded for the next strike
}

// ---------------------------------------------------------------- the bombardment (FrmBombNav)

void openNavalBombardment() {
    FrmBombNav& f = platform::form<FrmBombNav>();
    f.setCaption(attackWindowCaption(AttackKind::NavalBombardment));
    f.showModal();
    platform::unload<FrmBombNav>(); // never left loaded for the next bombardment
}
