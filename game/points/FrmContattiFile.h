// The supervisor's view of the contact records of the hour, field by field, with the naval and air
// groups around the side that was seen and around the side that saw it. It changes nothing.
#pragma once

#include "common/ContactRecord.h"
#include "platform/Form.h"

class FrmContattiFile : public platform::Form {
  public:
    FrmContattiFile();
    void Form_Load() override;

    // The contacts of the hour (tip "GN sotto attacco"); a pick shows its fields.
    void List1_Click();

    // The contacts of the hour (tip "GN sotto attacco"); a pick shows its fields.
    platform::ListBox List1{*this, "List1"};
    platform::ControlArray<platform::Label> Label1; // field names
    platform::ControlArray<platform::Label> Label2; // field values
    platform::Label Label3{*this, "Label3"};        // the legend of the kinds of event (STB2)
    platform::Label Label6{*this, "Label6"};        // side of the first party
    platform::Label Label4{*this, "Label4"};        // map point of the first party
    platform::Label Label7{*this, "Label7"};        // side of the second party
    platform::Label Label5{*this, "Label5"};        // map point of the second party
    platform::ListBox List3{*this, "List3"};        // own groups near the attacked group
    platform::ListBox List2{*this, "List2"};        // own CAP in the attacked group's zone
    platform::ListBox List4{*this, "List4"};        // naval groups attacking the group above
    platform::ListBox List6{*this, "List6"};        // groups near the attacker
    platform::ListBox List5{*this, "List5"};        // CAP over the attacking group
    platform::ListBox List7{*this, "List7"};        // air groups attacking the group above

  private:
    void PulisciCampiContatto();
    void MostraCampiContatto(const ContactRecord& c);
};
