// The start window: campaign slots, opening, deleting and creating campaigns.
#pragma once

#include "platform/Form.h"

class FrmGame : public platform::Form {
public:
    FrmGame();
    void Form_Load() override;
};
