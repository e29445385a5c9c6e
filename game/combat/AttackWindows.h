// The attack windows the contact board opens for a contact it resolves automatically. The board
// has filled OperationContext and holds the contact in CurrentContact when it calls here.
#pragma once

#include <QString>

enum class AttackKind {
    Patrol,           // an air group on patrol attacks a naval group
    AirStrike,        // an air strike on a base
    NavalBombardment, // a naval bombardment of a base
};

// The attack window's caption; a patrol's depends on the attacking side (OperationContext 5).
QString attackWindowCaption(AttackKind kind);

// Opens the attack window of the kind, modal.
void openAttackWindow(AttackKind kind);
// Each kind's window: FrmPatrol, FrmAuto, FrmBombNav.
void openPatrolAttack();
void openAirStrike();
void openNavalBombardment();
