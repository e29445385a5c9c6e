// An Allied carrier at sea launches an air group of one of its aircraft lines, or ferries aircraft
// to MALTA BS, within the aircraft in flight that its handling allows. Shown modal from the carrier
// icon of the naval panel; the rules are in CarrierLaunch.h.
#pragma once

#include "platform/Form.h"

// The working values of FrmPA, kept with its controls when an action fails.
struct FrmPAValues {
    // The line picked (its record in the carrier's air file), the lines in that file, its cost.
    int AereoSelez = 0;
    int IndexAerei = 0;
    int AircraftCost = 0;
    // Set while the window empties its choices, which is no choice of a load.
    bool emptying_ = false;
};

class FrmPA : public platform::FormWith<FrmPAValues> {
  public:
    FrmPA();
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    // The carrier's aircraft in flight into CarrierAircraftAloft, and the handling values shown.
    void AereiInVolo();
    void ValoriMa();
    // The carrier's lines that have aircraft ready or in flight.
    void ListaAereiPA();

    void List1_Click();     // the carrier's aircraft lines; its tool-tip tells the weather
    void List1_MouseMove(); // the carrier's aircraft lines; its tool-tip tells the weather
    void Label4_Click();    // "OK": takes a free air-group row for the launch ("NoFly" in the worst weather)
    void Combo1_Click();    // number of aircraft, under "N° Aerei"
    void Combo2_Change();   // number of bombs or torpedoes, under "N° Bombe"
    void Combo2_Click();    // number of bombs or torpedoes, under "N° Bombe"
    void Combo3_Click();    // bomb size, under "Taglio Bomb"
    void Command2_Click();  // "&Vai !"
    void Command5_Click();  // "Malta"
    void Command3_Click();  // "R&aggio"
    void Command4_Click();  // "&Reset"
    void Command1_Click();  // "&Chiudi"

    // The carrier's aircraft lines; its tool-tip tells the weather.
    platform::ListBox List1{*this, "List1"};
    platform::Label Label2{*this, "Label2", "AEREI: Pronti Volo/Ab C/dif"};
    // Ready, in flight / lost, war load of the line; 3: the load chosen.
    platform::ControlArray<platform::Label> Label3;
    platform::Label Label4{*this, "Label4", "OK"};
    platform::Label Label6{*this, "Label6", "In volo    Max     MA"};
    // Aircraft in flight, the most allowed, the handling (MA).
    // In flight, the most allowed, the handling (MA)
    platform::ControlArray<platform::Label> Label5;
    // The carrier and its group; holds the launch choices.
    platform::Frame Frame1{*this, "Frame1"};
    platform::Label Label1{Frame1, "Label1", "N° Aerei           N° Bombe    Taglio Bomb"};
    platform::ComboBox Combo1{Frame1, "Combo1"}; // number of aircraft, under "N° Aerei"
    // Number of bombs or torpedoes, under "N° Bombe"
    platform::ComboBox Combo2{Frame1, "Combo2"};
    platform::ComboBox Combo3{Frame1, "Combo3"}; // bomb size, under "Taglio Bomb"
    platform::CommandButton Command3{Frame1, "Command3", "R&aggio"};
    platform::CommandButton Command2{Frame1, "Command2", "&Vai !"};
    platform::CommandButton Command5{Frame1, "Command5", "Malta"};
    platform::CommandButton Command4{*this, "Command4", "&Reset"};
    platform::CommandButton Command1{*this, "Command1", "&Chiudi"};

  private:
    // The checks and the launch shared by "&Vai !" and "Malta".
    void launch(bool toMalta);
    // The choice of a torpedo line's load: one torpedo or none.
    void torpedoChoice();
    // The load chosen, as bombs times size.
    void showWarLoad();
    // Back to the choice of a line, no air-group number held.
    void backToLines();
    void fillCombos();
};
