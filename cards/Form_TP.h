// The armour of the main-gun turrets; the ship editor shows it in its Label24.
#pragma once

#include "cards/TurretArmourForm.h"

class Form_TP : public TurretArmourForm {
  public:
    Form_TP();
};
