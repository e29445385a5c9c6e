// The four special protections of a ship class (armoured flight deck, double horizontal and
// vertical armour, anti-torpedo protection); the ship editor shows them in its Label40.
#pragma once

#include "platform/Form.h"

class Form_PS : public platform::Form {
  public:
    Form_PS();
    void Form_Load() override;

    platform::CheckBox Check1{*this, "Check1", "Ponte volo INTERAMENTE Corazzato"};
    platform::CheckBox Check2{*this, "Check2", "Corazzatura Orizzontale DOPPIA"};
    platform::CheckBox Check3{*this, "Check3", "Corazzatura Verticale DOPPIA"};
    platform::CheckBox Check4{*this, "Check4", "Protezione Speciale ANTI-SILURAMENTO"};
    platform::CommandButton Command2{*this, "Command2", "Conferma"};
    platform::CommandButton Command1{*this, "Command1", "Annulla"};
    platform::CommandButton Command3{*this, "Command3", "Resetta Valori"};

    void Command2_Click(); // "Conferma"
    void Command1_Click(); // "Annulla"
    void Command3_Click(); // "Resetta Valori"
};
