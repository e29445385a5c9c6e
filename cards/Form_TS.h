// The armour of the secondary-gun turrets; the ship editor shows it in its Label25.
#pragma once

#include "cards/TurretArmourForm.h"

class Form_TS : public TurretArmourForm {
  public:
    Form_TS();
};
