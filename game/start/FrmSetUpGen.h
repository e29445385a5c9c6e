// The first window of the new-campaign wizard: the campaign's name, length, season, year, starting
// points and balance values, with the mission targets that follow from them.
#pragma once

#include "platform/Layout.h"

#include <array>

// The working values of FrmSetUpGen, kept with its controls when an action fails.
struct FrmSetUpGenValues {
    // "missionidef.txt", as read; empty until it has been read.
    std::array<QString, 9> MissionBaseValues;
    bool missionValuesRead_ = false;
    // While the combos are emptied by "&Reset", the targets shown stay as they are.
    bool resetting_ = false;
};

class FrmSetUpGen : public platform::FormWith<FrmSetUpGenValues> {
  public:
    FrmSetUpGen();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void Command1_Click(); // "Valori Di &Default"
    void Command2_Click(); // "&Reset"
    void Command3_Click(); // "&Conferma e Salva"
    void Command4_Click(); // "&Esce senza creare"

    // Letters only; Backspace takes the last one back.
    void Text1_KeyPress(int& keyAscii);
    void Text1_DblClick(); // empties the name
    // Keys other than letters are dropped as typed; a pasted name is judged whole, so that a name
    // "Avanti" would refuse never leaves it enabled.
    void Text1_Change();

    // The combo of a settings item (1..7, 10..19).
    platform::ComboBox& comboOf(int item);

    // The controls, made by the layout table (FrmSetUpGen::layout()) before the members that name them.
    static const platform::Layout<FrmSetUpGen>& layout();
    platform::LaidOut laidOut_{*this, layout()};

    platform::Frame& Frame1 = made("Frame1");
    platform::Frame& Frame2 = made("Frame2");
    platform::Frame& Frame3 = made("Frame3");
    platform::Frame& Frame4 = made("Frame4");
    platform::Frame& Frame5 = made("Frame5");
    platform::Frame& Frame6 = made("Frame6");

    platform::TextBox& Text1 = made("Text1"); // the campaign's name
    platform::Label& Label1 = made("Label1");
    platform::Label& Label2 = made("Label2");
    platform::Label& Label3 = made("Label3");
    platform::ComboBox& Combo1 = made("Combo1"); // the campaign's length in days
    platform::ComboBox& Combo2 = made("Combo2"); // the season
    platform::ComboBox& Combo3 = made("Combo3"); // the year

    platform::Label& Label6 = made("Label6");
    platform::Label& Label7 = made("Label7");
    platform::Label& Label4 = made("Label4");
    platform::Label& Label5 = made("Label5");
    platform::ComboBox& Combo4 = made("Combo4"); // the Allies' acquisition points, "MEZZI"
    platform::ComboBox& Combo5 = made("Combo5"); // the Axis's acquisition points, "MEZZI"
    platform::ComboBox& Combo6 = made("Combo6"); // the Allies' command points, "COMANDO"
    platform::ComboBox& Combo7 = made("Combo7"); // the Axis's command points, "COMANDO"

    platform::Label& Label13 = made("Label13");
    platform::Label& Label14 = made("Label14");
    platform::Label& Label8 = made("Label8");
    platform::Label& Label9 = made("Label9");
    platform::Label& Label10 = made("Label10");
    platform::Label& Label11 = made("Label11");
    platform::Label& Label12 = made("Label12");
    // Allies: new ships' arrival percentage (Label8)
    platform::ComboBox& Combo10 = made("Combo10");
    // Axis: new ships' arrival percentage (Label8)
    platform::ComboBox& Combo11 = made("Combo11");
    platform::ComboBox& Combo12 = made("Combo12"); // Allies: light repair coefficient (Label9)
    platform::ComboBox& Combo13 = made("Combo13"); // Axis: light repair coefficient (Label9)
    // Allies: ports' hourly handling coefficient (Label10)
    platform::ComboBox& Combo14 = made("Combo14");
    // Axis: ports' hourly handling coefficient (Label10)
    platform::ComboBox& Combo15 = made("Combo15");
    // Allies: air activation attempts coefficient (Label11)
    platform::ComboBox& Combo16 = made("Combo16");
    // Axis: air activation attempts coefficient (Label11)
    platform::ComboBox& Combo17 = made("Combo17");
    // Allies: mean activation and reaction percentage (Label12)
    platform::ComboBox& Combo18 = made("Combo18");
    // Axis: mean activation and reaction percentage (Label12)
    platform::ComboBox& Combo19 = made("Combo19");

    platform::Label& Label15 = made("Label15");
    platform::Label& Label16 = made("Label16");
    platform::Label& Label17 = made("Label17");
    platform::Label& Label18 = made("Label18");
    platform::Label& Label19 = made("Label19");
    platform::Label& Label20 = made("Label20");
    platform::Label& Label21 = made("Label21");
    platform::Label& Label22 = made("Label22");
    platform::ControlArray<platform::Label>& Label23 = made("Label23"); // Allied missions, items 21..24
    platform::ControlArray<platform::Label>& Label24 = made("Label24"); // Axis missions, items 25..28

    platform::CommandButton& Command1 = made("Command1");
    platform::CommandButton& Command2 = made("Command2");
    platform::CommandButton& Command3 = made("Command3");
    platform::CommandButton& Command4 = made("Command4");

  private:
    void RiempiListeGen();
    void CaricaDefaultGen();
    void CaricaMissioniDef();
    void MostraValoriGen();
    void CalcolaMissioni();
    void AzzeraCombo();
    void RaccogliValoriGen();
    void backToStartWindow();
};
