// An air group's strike on an enemy base, played whole with percentile dice in four steps: the
// approach, a first pass through the base's anti-aircraft fire, the bombing and a second pass;
// then the group is sent home and the damage written to the base and to the ships in its port.
// The contact board opens it modal with OperationContext filled (2 the base, 5 the side, 6 the
// air group).
#pragma once

#include "platform/Form.h"

class FrmAuto : public platform::Form {
  public:
    FrmAuto();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void Command1_Click(); // "AU&TO"
    void Command3_Click(); // "AA1"
    void Command4_Click(); // "&ATTACCO"
    void Command5_Click(); // "AA2"
    void Command2_Click(); // "&FINE AZIONE"

    // The window's own values: the base, side and group of the strike, the operational aircraft,
    // the aircraft caught in the present pass and the anti-aircraft of the ships in port.
    int Base = 0, Side = 0, Group = 0;
    int AereiBuoni = 0;
    int AereiColpiti = 0;
    int TotAANaviAttive = 0;

    platform::CommandButton Command1{*this, "Command1", "AU&TO"};
    platform::Frame Frame3{*this, "Frame3"}; // holds the three steps AA1, ATTACCO, AA2
    platform::CommandButton Command3{Frame3, "Command3", "AA1"};
    platform::CommandButton Command4{Frame3, "Command4", "&ATTACCO"};
    platform::CommandButton Command5{Frame3, "Command5", "AA2"};
    platform::CommandButton Command2{*this, "Command2", "&FINE AZIONE"};

    platform::Frame Frame1{*this, "Frame1", "Base sotto attacco"};
    platform::Label Label1{Frame1, "Label1"}; // the base under attack
    platform::Label Label2{Frame1, "Label2"}; // its damage percentage now
    platform::Label Label3{Frame1, "Label3"}; // the damage percentage it took
    platform::Label Label14{Frame1, "Label14", "Base    Port    AerPort    %AA    %AN   Peso"};
    platform::Label Label4{Frame1, "Label4"}; // base type, under "Base"
    platform::Label Label5{Frame1, "Label5"}; // port type, under "Port"
    platform::Label Label6{Frame1, "Label6"}; // airfield type, under "AerPort"
    platform::Label Label7{Frame1, "Label7"}; // anti-aircraft percentage, under "%AA"
    platform::Label Label8{Frame1, "Label8"}; // anti-ship percentage, under "%AN"
    platform::Label Label9{Frame1, "Label9"}; // weight of an anti-ship hit, under "Peso"
    platform::Label Label24{Frame1, "Label24", "DANNI SPECIALI"};
    // The three critical hits: operativity, airfield, port.
    platform::ControlArray<platform::Label> Label16;
    platform::Label Label22{Frame1, "Label22"}; // command points destroyed
    platform::Label Label23{Frame1, "Label23"}; // anti-aircraft of the active ships in port
    platform::ListBox List1{Frame1, "List1"};   // hull damage of the ships in port

    platform::Frame Frame2{*this, "Frame2", "Aerei in attacco"};
    platform::Label Label10{Frame2, "Label10"}; // the aircraft's name
    platform::Label Label12{Frame2, "Label12"}; // the aircraft's type
    platform::Label Label13{Frame2, "Label13"}; // the air group's number
    platform::Label Label15{Frame2, "Label15", "Aeri    Dann  Abbat   NumB  TagB    % Att"};
    platform::ControlArray<platform::Label> Label11; // the six values under Label15
    platform::Label Label18{Frame2, "Label18"};      // aircraft caught by the anti-aircraft fire
    platform::Label Label19{Frame2, "Label19"};      // aircraft that passed the saving test
    platform::Label Label20{Frame2, "Label20"};      // bombs on a valid target
    platform::Label Label21{Frame2, "Label21"};      // total damage mass

    platform::Label Label17{*this, "Label17"}; // "GIA' FATTO!" when the strike was already made

  private:
    void CaricaGruppoAttacco();
    void CalcolaBersaglio();
    void TotaleAANaviPorto();
    void MostraBersaglio();
    void MostraGruppo();
    void PassaggioAA();
    void Bombardamento();
    void FineAzione();
    // "AA1" and "AA2": the last pass's figures emptied, and a pass.
    void nextPass();
    // The steps hidden, only "&FINE AZIONE" left.
    void stepsOver();
    // A strike begun (a pass made) and not yet written.
    bool underWay() const;
    bool Ended = false;
    // What the value boxes hold, written beside them.
    platform::ControlArray<platform::Label> Notes;
};
