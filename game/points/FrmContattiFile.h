// The supervisor's view of the contact records of the hour, field by field, with the naval and air
// groups around the side that was seen and around the side that saw it. It changes nothing.
#pragma once

#include "common/ContactRecord.h"
#include "platform/Form.h"

class FrmContattiFile : public platform::Form {
  public:
    FrmContattiFile();
    void Form_Load() override;

    void List1_Click();

    platform::ListBox List1{*this, "List1"};
    platform::ControlArray<platform::Label> Label1; // field names
    platform::ControlArray<platform::Label> Label2; // field values
    platform::Label Label3{*this, "Label3"};
    platform::Label Label6{*this, "Label6"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label5{*this, "Label5"};
    platform::ListBox List3{*this, "List3"};
    platform::ListBox List2{*this, "List2"};
    platform::ListBox List4{*this, "List4"};
    platform::ListBox List6{*this, "List6"};
    platform::ListBox List5{*this, "List5"};
    platform::ListBox List7{*this, "List7"};

  private:
    void PulisciCampiContatto();
    void MostraCampiContatto(const ContactRecord& c);
};
