#include "Form_TS.h"

#include "CardGlobals.h"
#include "Form1_Main.h"

namespace {
platform::Label* editorLabel() {
    return platform::isLoaded<Form1_Main>() ? &platform::form<Form1_Main>().Label25 : nullptr;
}
} // namespace

Form_TS::Form_TS()
    : TurretArmourForm(
          "Form_TS",
          {"Protezione Artiglierie Secondarie", "Struttura della Torre", "Annulla I Dati", nullptr},
          CG().SecondaryTurretArmour, editorLabel) {}
