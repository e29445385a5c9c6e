// An air group's strike on an enemy base, played whole with percentile dice in four steps: the
// approach, a first pass through the base's anti-aircraft fire, the bombing and a second pass;
// then the group is sent home and the damage written to the base and to the ships in its port.
// The contact board opens it modal with OperationContext filled (2 the base, 5 the side, 6 the
// air group).
#pragma once

#include "platform/Layout.h"

// The working values of FrmAuto, kept with its controls when an action fails.
struct FrmAutoValues {
    // The window's own values: the base, side and group of the strike, the operational aircraft,
    // the aircraft caught in the present pass and the anti-aircraft of the ships in port.
    int Base = 0, Side = 0, Group = 0;
    int AereiBuoni = 0;
    int AereiColpiti = 0;
    int TotAANaviAttive = 0;
    bool Ended = false;
};

class FrmAuto : public platform::FormWith<FrmAutoValues> {
  public:
    FrmAuto();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void Command1_Click(); // "AU&TO"
    void Command3_Click(); // "AA1"
    void Command4_Click(); // "&ATTACCO"
    void Command5_Click(); // "AA2"
    void Command2_Click(); // "&FINE AZIONE"

    // The controls, made by the layout table (FrmAuto::layout()) before the members that name them.
    static const platform::Layout<FrmAuto>& layout();
    platform::LaidOut laidOut_{*this, layout()};

    platform::CommandButton& Command1 = made("Command1");
    platform::Frame& Frame3 = made("Frame3"); // holds the three steps AA1, ATTACCO, AA2
    platform::CommandButton& Command3 = made("Command3");
    platform::CommandButton& Command4 = made("Command4");
    platform::CommandButton& Command5 = made("Command5");
    platform::CommandButton& Command2 = made("Command2");

    platform::Frame& Frame1 = made("Frame1");
    platform::Label& Label1 = made("Label1"); // the base under attack
    platform::Label& Label2 = made("Label2"); // its damage percentage now
    platform::Label& Label3 = made("Label3"); // the damage percentage it took
    platform::Label& Label14 = made("Label14");
    platform::Label& Label4 = made("Label4"); // base type, under "Base"
    platform::Label& Label5 = made("Label5"); // port type, under "Port"
    platform::Label& Label6 = made("Label6"); // airfield type, under "AerPort"
    platform::Label& Label7 = made("Label7"); // anti-aircraft percentage, under "%AA"
    platform::Label& Label8 = made("Label8"); // anti-ship percentage, under "%AN"
    platform::Label& Label9 = made("Label9"); // weight of an anti-ship hit, under "Peso"
    platform::Label& Label24 = made("Label24");
    // The three critical hits: operativity, airfield, port.
    platform::ControlArray<platform::Label>& Label16 = made("Label16");
    platform::Label& Label22 = made("Label22"); // command points destroyed
    platform::Label& Label23 = made("Label23"); // anti-aircraft of the active ships in port
    platform::ListBox& List1 = made("List1");   // hull damage of the ships in port

    platform::Frame& Frame2 = made("Frame2");
    platform::Label& Label10 = made("Label10"); // the aircraft's name
    platform::Label& Label12 = made("Label12"); // the aircraft's type
    platform::Label& Label13 = made("Label13"); // the air group's number
    platform::Label& Label15 = made("Label15");
    platform::ControlArray<platform::Label>& Label11 = made("Label11"); // the six values under Label15
    platform::Label& Label18 = made("Label18"); // aircraft caught by the anti-aircraft fire
    platform::Label& Label19 = made("Label19"); // aircraft that passed the saving test
    platform::Label& Label20 = made("Label20"); // bombs on a valid target
    platform::Label& Label21 = made("Label21"); // total damage mass

    platform::Label& Label17 = made("Label17"); // "GIA' FATTO!" when the strike was already made

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
    // What the value boxes hold, written beside them.
    platform::ControlArray<platform::Label>& Notes = made("Notes");
};
