// The first window of the new-campaign wizard: the campaign's name, length, season, year, starting
// points and balance values, with the mission targets that follow from them.
#pragma once

#include "platform/Form.h"

#include <array>

class FrmSetUpGen : public platform::Form {
  public:
    FrmSetUpGen();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void Command1_Click(); // "Valori Di &Default"
    void Command2_Click(); // "&Reset"
    void Command3_Click(); // "&Conferma e Salva"
    void Command4_Click(); // "&Esce senza creare"

    // The combo of a settings item (1..7, 10..19).
    platform::ComboBox& comboOf(int item);

    platform::Frame Frame1{*this, "Frame1", "Dati Generali Capagna"};
    platform::Frame Frame2{*this, "Frame2", "Punteggio di partenza"};
    platform::Frame Frame3{*this, "Frame3", "Numeri e Mezzi in gioco"};
    platform::Frame Frame4{*this, "Frame4", "Missioni"};
    platform::Frame Frame5{Frame4, "Frame5", "ALLEATI"};
    platform::Frame Frame6{Frame4, "Frame6", "ASSE"};

    platform::TextBox Text1{Frame1, "Text1"}; // the campaign's name
    platform::Label Label1{Frame1, "Label1", "Durata Camp. in giorni"};
    platform::Label Label2{Frame1, "Label2", "Stagione"};
    platform::Label Label3{Frame1, "Label3", "Anno"};
    platform::ComboBox Combo1{Frame1, "Combo1"}; // the campaign's length in days
    platform::ComboBox Combo2{Frame1, "Combo2"}; // the season
    platform::ComboBox Combo3{Frame1, "Combo3"}; // the year

    platform::Label Label6{Frame2, "Label6", "ALLEATI"};
    platform::Label Label7{Frame2, "Label7", "ASSE"};
    platform::Label Label4{Frame2, "Label4", "MEZZI"};
    platform::Label Label5{Frame2, "Label5", "COMANDO"};
    platform::ComboBox Combo4{Frame2, "Combo4"}; // the Allies' acquisition points, "MEZZI"
    platform::ComboBox Combo5{Frame2, "Combo5"}; // the Axis's acquisition points, "MEZZI"
    platform::ComboBox Combo6{Frame2, "Combo6"}; // the Allies' command points, "COMANDO"
    platform::ComboBox Combo7{Frame2, "Combo7"}; // the Axis's command points, "COMANDO"

    platform::Label Label13{Frame3, "Label13", "ALLEATI"};
    platform::Label Label14{Frame3, "Label14", "ASSE"};
    platform::Label Label8{Frame3, "Label8", "Percentuale Arrivi/Disponibilità Nuove Navi"};
    platform::Label Label9{Frame3, "Label9", "Coefficente Riparazione danni lievi alle Navi"};
    platform::Label Label10{Frame3, "Label10", "Coefficente movimento orario  materiali dei Porti"};
    platform::Label Label11{Frame3, "Label11", "Coefficente tentativi attivaz. aerei"};
    platform::Label Label12{Frame3, "Label12", "Percentuale Media di attivazione e reazione"};
    // Allies: new ships' arrival percentage (Label8)
    platform::ComboBox Combo10{Frame3, "Combo10"};
    // Axis: new ships' arrival percentage (Label8)
    platform::ComboBox Combo11{Frame3, "Combo11"};
    platform::ComboBox Combo12{Frame3, "Combo12"}; // Allies: light repair coefficient (Label9)
    platform::ComboBox Combo13{Frame3, "Combo13"}; // Axis: light repair coefficient (Label9)
    // Allies: ports' hourly handling coefficient (Label10)
    platform::ComboBox Combo14{Frame3, "Combo14"};
    // Axis: ports' hourly handling coefficient (Label10)
    platform::ComboBox Combo15{Frame3, "Combo15"};
    // Allies: air activation attempts coefficient (Label11)
    platform::ComboBox Combo16{Frame3, "Combo16"};
    // Axis: air activation attempts coefficient (Label11)
    platform::ComboBox Combo17{Frame3, "Combo17"};
    // Allies: mean activation and reaction percentage (Label12)
    platform::ComboBox Combo18{Frame3, "Combo18"};
    // Axis: mean activation and reaction percentage (Label12)
    platform::ComboBox Combo19{Frame3, "Combo19"};

    platform::Label Label15{Frame5, "Label15", "Affondare naviglio mercantile per Ton."};
    platform::Label Label16{Frame5, "Label16", "Affondare naviglio da guerra per Ton."};
    platform::Label Label17{Frame5, "Label17", "Mantenere Malta HQ sopra Punti Comando"};
    platform::Label Label18{Frame5, "Label18", "Portare Tobruck sotto punti Comando"};
    platform::Label Label19{Frame6, "Label19", "Mantenere Tobruck+Bengasi oltre punti Comando"};
    platform::Label Label20{Frame6, "Label20", "Mantenere Tripoli oltre punti Comando"};
    platform::Label Label21{Frame6, "Label21", "Portare Malta HQ sotto punti Comando"};
    platform::Label Label22{Frame6, "Label22", "Affondare naviglio nemico per Ton."};
    platform::ControlArray<platform::Label> Label23; // Allied missions, items 21..24
    platform::ControlArray<platform::Label> Label24; // Axis missions, items 25..28

    platform::CommandButton Command1{*this, "Command1", "Valori Di &Default"};
    platform::CommandButton Command2{*this, "Command2", "&Reset"};
    platform::CommandButton Command3{*this, "Command3", "&Conferma e Salva"};
    platform::CommandButton Command4{*this, "Command4", "&Esce senza creare"};

  private:
    void RiempiListeGen();
    void CaricaDefaultGen();
    void CaricaMissioniDef();
    void MostraValoriGen();
    void CalcolaMissioni();
    void AzzeraCombo();
    void RaccogliValoriGen();
    void backToStartWindow();

    // "missionidef.txt", as read; empty until it has been read.
    std::array<QString, 9> MissionBaseValues;
    bool missionValuesRead_ = false;
    // While the combos are emptied by "&Reset", the targets shown stay as they are.
    bool resetting_ = false;
};
