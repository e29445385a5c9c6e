// The second window of the new-campaign wizard: port, airfield and base levels, points and ship and
// aircraft capacities of the fifteen bases.
#pragma once

#include "platform/Form.h"

#include <memory>
#include <vector>

class FrmBasi : public platform::Form {
  public:
    FrmBasi();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void Command1_Click(); // "&Default"
    void Command2_Click(); // "&Chiude e Salva"
    void Command3_Click(); // "&Reset"
    void Label17_Change(); // the campaign's name; once set, "&Chiude e Salva" may be pressed

    // The six columns of boxes; `index` is the element, base number - 1.
    void Text1_Change(int index) { boxChange(0, index); }     // port levels, under "PORTO"
    void Text2_Change(int index) { boxChange(1, index); }     // airfield levels, under "AEROPOR"
    void Text3_Change(int index) { boxChange(2, index); }     // base levels, under "BASE"
    void Text4_Change(int index) { boxChange(3, index); }     // points, under "PUNTI"
    void Text5_Change(int index) { boxChange(4, index); }     // ship capacities, under "NAVI"
    void Text6_Change(int index) { boxChange(5, index); }     // aircraft capacities, under "AEREI"
    void Text1_DblClick(int index) { boxDblClick(0, index); } // port levels, under "PORTO"
    // Airfield levels, under "AEROPOR"
    void Text2_DblClick(int index) { boxDblClick(1, index); }
    void Text3_DblClick(int index) { boxDblClick(2, index); } // base levels, under "BASE"
    void Text4_DblClick(int index) { boxDblClick(3, index); } // points, under "PUNTI"
    void Text5_DblClick(int index) { boxDblClick(4, index); } // ship capacities, under "NAVI"
    // Aircraft capacities, under "AEREI"
    void Text6_DblClick(int index) { boxDblClick(5, index); }
    // Port levels, under "PORTO"
    void Text1_KeyPress(int, int& keyAscii) { digitsOnly(keyAscii); }
    // Airfield levels, under "AEROPOR"
    void Text2_KeyPress(int, int& keyAscii) { digitsOnly(keyAscii); }
    // Base levels, under "BASE"
    void Text3_KeyPress(int, int& keyAscii) { digitsOnly(keyAscii); }
    void Text4_KeyPress(int, int& keyAscii) { digitsOnly(keyAscii); } // points, under "PUNTI"
    // Ship capacities, under "NAVI"
    void Text5_KeyPress(int, int& keyAscii) { digitsOnly(keyAscii); }
    // Aircraft capacities, under "AEREI"
    void Text6_KeyPress(int, int& keyAscii) { digitsOnly(keyAscii); }

    // The box of a column (0 PORTO .. 5 AEREI) and base (1..15).
    platform::TextBox& box(int column, int base) { return Text[column][base - 1]; }

    std::vector<std::unique_ptr<platform::Label>> BaseLabels; // Label1 .. Label15
    platform::Label Label16{*this, "Label16"};                // the column headings
    platform::ControlArray<platform::TextBox> Text[6];        // Text1 .. Text6, elements 0..14
    // The campaign's name; once set, "&Chiude e Salva" may be pressed.
    platform::Label Label17{*this, "Label17"};
    platform::CommandButton Command1{*this, "Command1", "&Default"};
    platform::CommandButton Command2{*this, "Command2", "&Chiude e Salva"};
    platform::CommandButton Command3{*this, "Command3", "&Reset"};
    platform::CommandButton Command4{*this, "Command4", "&Esce non Salva"};

  private:
    void CaricaDefaultBasi();
    void SalvaSetUpBasi();
    void AzzeraCaselle();
    void boxChange(int column, int index);
    void boxDblClick(int column, int index);
    static void digitsOnly(int& keyAscii);
};
