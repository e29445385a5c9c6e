// The supervisor's view of the game state's 40 items and of the 30 values of one base. It changes
// nothing.
#pragma once

#include "platform/Form.h"

class FrmEventi : public platform::Form {
  public:
    FrmEventi();
    void Form_Load() override;

    void Combo1_Click(); // the base whose 30 values are shown

    platform::ControlArray<platform::Label> Label1; // item names
    platform::ControlArray<platform::Label> Label2; // item values
    platform::ComboBox Combo1{*this, "Combo1", 2};  // the base whose 30 values are shown
    platform::Frame Frame2{*this, "Frame2"};        // the base picked, holding its 30 values
    platform::ControlArray<platform::Label> Label3; // base field names
    platform::ControlArray<platform::Label> Label4; // base field values
    platform::Label Label5{*this, "Label5"};        // the colour key: blue Allied, red Axis
    platform::Label Label6{*this, "Label6"};        // the warning, whole
};
