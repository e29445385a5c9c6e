// The damage of a fight the players resolved by hand, entered ship by ship for the ships of one
// naval group of the side in play (SelectedGn of CurrentSide). Each confirmation rewrites the
// ship's record at once; the group's values follow from its ships at the next hour.
#pragma once

#include "ShipDamageEntry.h"
#include "platform/Form.h"

// The working values of FormDanniNavi, kept with its controls when an action fails.
struct FormDanniNaviValues {
    // The selected ship's record number (0 none) and type code, and the rows' values as loaded:
    // every entry is applied against these.
    int IndiceNave = 0;
    QString TipoNave;
    damageentry::Values ValoriCaricati{};
    int side_ = 0;
};

class FormDanniNavi : public platform::FormWith<FormDanniNaviValues> {
  public:
    FormDanniNavi();
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    void List1_Click();                            // the ships of the group; a pick loads the ship's rows
    void Text1_Change(int index);                  // the damage entered for each row (Label1)
    void Text1_KeyPress(int index, int& keyAscii); // the damage entered for each row (Label1)
    void Text1_DblClick(int index);                // the damage entered for each row (Label1)
    void Command2_Click();                         // "CONFERMA"
    void Command1_Click();                         // "Chiudi"
    // The default column, the name, the sinking state and the carrier lock of the ship in the
    // record buffer.
    void CaricaValoriDef();

    // The ships of the group; a pick loads the ship's rows.
    platform::ListBox List1{*this, "List1"};
    platform::Label Label6{*this, "Label6"}; // the name of the ship picked
    platform::Label Label5{*this, "Label5", "Indice Nave"};
    platform::Label Label7{*this, "Label7", "Default"};
    platform::Label Label8{*this, "Label8", "Attuale"};
    platform::Label Label9{*this, "Label9", "Danni"};
    platform::ControlArray<platform::Label> Label1;  // captions
    platform::ControlArray<platform::Label> Label2;  // defaults
    platform::ControlArray<platform::Label> Label3;  // current or new values
    platform::ControlArray<platform::TextBox> Text1; // the damage entered for each row (Label1)
    // The note on entering the damage before confirming.
    platform::Label Label4{*this, "Label4"};
    platform::CommandButton Command2{*this, "Command2", "CONFERMA"};
    platform::CommandButton Command1{*this, "Command1", "Chiudi"};

  private:
    void PulisciRighe();
    void CaricaValoriAttuali();
    void ColoraValori();
    // Writes the entered damage into the ship record; false, with the player told why and nothing
    // written, for a value its field cannot hold.
    bool ScriviDanniNave();
    void AbilitaConferma();
    damageentry::Values entries() const;
    void showRow(int row, long long value, bool damaged);
    void readSelectedShip();
};

// Opens the window, modal, for the naval group SelectedGn of CurrentSide; nothing with no side in
// play.
void openShipDamageEntry();
