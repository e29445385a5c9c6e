// The ships lost, Allied and Axis side by side with each side's count and tonnage, in the last
// hour or in the whole campaign; a loss clicked is marked on the main window's map and its day and
// hour go to the message line.
#pragma once

#include "platform/Form.h"

namespace lostships {
struct Losses;
}

class FrmLost : public platform::Form {
  public:
    FrmLost();
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    // The last hour's losses, and every loss added to the lists.
    void UltimaOra();
    void Tutte();

    void Command1_Click(); // "&ULTIM'ORA"
    void Command2_Click(); // "&TUTTE"
    void Command3_Click(); // "&CHIUDI"
    void List1_Click();    // Allied losses; a pick marks the ship's loss on the map
    void List2_Click();    // Axis losses; a pick marks the ship's loss on the map

    platform::ListBox List1{*this, "List1"}; // Allied losses
    platform::ListBox List2{*this, "List2"}; // Axis losses
    platform::Label Label1{*this, "Label1", "Num Navi Affondate       ToT Stazza"};
    platform::Label Label2{*this, "Label2"}; // Allied ships
    platform::Label Label3{*this, "Label3"}; // Allied tonnage
    platform::Label Label4{*this, "Label4"}; // Axis ships
    platform::Label Label5{*this, "Label5"}; // Axis tonnage
    platform::CommandButton Command1{*this, "Command1", "&ULTIM'ORA"};
    platform::CommandButton Command2{*this, "Command2", "&TUTTE"};
    platform::CommandButton Command3{*this, "Command3", "&CHIUDI"};

  private:
    void listLosses(const lostships::Losses& losses);
    void markLoss(const platform::ListBox& list, bool alliedList);
};
