#include "Form_TP.h"

#include "CardGlobals.h"
#include "Form1_Main.h"

namespace {
platform::Label* editorLabel() {
    return platform::isLoaded<Form1_Main>() ? &platform::form<Form1_Main>().Label24 : nullptr;
}
} // namespace

Form_TP::Form_TP()
    : TurretArmourForm("Form_TP",
                       {"Protezione Artiglierie Principali", "Struttura della torre", "Annulla i Dati",
                        "ATT: Questo è il dato più importante "},
                       CG().MainTurretArmour, editorLabel) {}
