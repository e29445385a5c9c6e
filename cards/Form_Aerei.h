// The aircraft editor "Genera Schede Aerei": one aircraft type entered from its historical data,
// rated as it is entered, saved as an aircraft card; cards opened again into a list, previewed
// four to a sheet and printed as a list.
#pragma once

#include "cards/SaveLine.h"
#include "platform/Dialogs.h"
#include "platform/Layout.h"

#include <functional>

class Form_Aerei : public platform::Form {
  public:
    Form_Aerei();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;

    // Pick lists.
    void Combo2AereiLoad();
    void Combo1AereiLoad();
    void Combo3AereiLoad();

    // Rating and reset.
    void LoadRoleTables();
    void FillCountLists();
    void ClearAircraftLists();
    void ClearWeaponProducts();
    void SumWeapons();
    void ComputeAircraftFactors();
    void ComputeAircraftCost();
    void ResetAircraftForm();

    // The card.
    void FormToAircraftData();
    void WriteAircraftCard();
    void AircraftDataToForm();

    // Preview and printed list.
    void FillAircraftPreview();
    void StampaTitolo();
    void StampaLista();

    // Entry handlers.
    void Combo2_Click();  // the nation (tip "NAZIONALITA'")
    void Combo2_Change(); // the nation (tip "NAZIONALITA'")
    void Combo1_Click();  // the maker (tip "FABBRICA")
    void Combo3_Click();  // the type (tip "TIPOLOGIA")
    void Combo11_Click(); // the year of entry into service
    void WeaponCount_Click(int weaponClass);
    void Combo10_Click();          // torpedoes carried (tip "SILURI IMBARCATI")
    void Text1_Change();           // the official or code name
    void Text2_Change();           // the real range in km
    void Text3_Change();           // the war load in kg
    void Text4_Change();           // the real speed in km/h
    void Option1_Click(int index); // night flying: "notturno SI" (0), "notturno NO" (1)
    void Check3_Click();           // " Imbarcato su unità da guerra"
    void Check4_Click();           // "Solo Idro (senza ruote)"
    // The two marks follow the war load and the torpedo count only: a tick by hand is undone.
    void Check1_Click();   // "Silurante"
    void Check2_Click();   // "Bombardiere"
    void Command1_Click(); // "L'esperto dice........"
    void Command2_Click(); // "Salva"
    void Command7_Click(); // "Chiude"
    void Label10_Click();  // the judgement's average; a click shows the help text
    void Label10_Change(); // the judgement's average; a click shows the help text

    // Opened cards and the printed list.
    void Command5_Click(); // "Apri File"
    // The cards opened (tip "Lista degli aerei selezionati"); a pick shows one.
    void List1_Click();
    void Command3_Click(); // "Reset Form"
    void Command6_Click(); // "Elimina File"
    void Command4_Click(); // "Stampa 4 Moduli"
    void Command8_Click(); // "StampaLista"
    void Image2_Click();   // adds the card shown to the print list, a click a line
    void Image3_Click();   // prints the whole list

    // ---------------------------------------------------------------- controls
    // The controls, made by the layout table (Form_Aerei::layout()) before the members that name them.
    static const platform::Layout<Form_Aerei>& layout();
    platform::LaidOut laidOut_{*this, layout()};

    platform::Frame& Frame1 = made("Frame1");
    // Captions of the three lists, in the words of their tool-tips.
    platform::Label& Label48 = made("Label48");
    platform::Label& Label49 = made("Label49");
    platform::Label& Label50 = made("Label50");
    platform::ComboBox& Combo2 = made("Combo2"); // the nation (tip "NAZIONALITA'")
    platform::Image& Image1 = made("Image1");    // the nation's flag
    platform::TextBox& Text1 = made("Text1");    // the official or code name
    platform::ComboBox& Combo1 = made("Combo1"); // the maker (tip "FABBRICA")
    platform::ComboBox& Combo3 = made("Combo3"); // the type (tip "TIPOLOGIA")
    // Night flying: "notturno SI" (0), "notturno NO" (1)
    platform::ControlArray<platform::OptionButton>& Option1 = made("Option1");
    platform::CheckBox& Check3 = made("Check3");
    platform::CheckBox& Check4 = made("Check4");
    platform::Label& Label9 = made("Label9");
    platform::ComboBox& Combo11 = made("Combo11"); // the year of entry into service
    platform::Label& Label8 = made("Label8");
    platform::TextBox& Text2 = made("Text2"); // the real range in km
    platform::TextBox& Text4 = made("Text4"); // the real speed in km/h

    platform::Frame& Frame2 = made("Frame2");
    platform::CommandButton& Command1 = made("Command1");
    // The judgement's average; a click shows the help text.
    platform::Label& Label10 = made("Label10");
    platform::Label& Label25 = made("Label25");

    platform::Frame& Frame3 = made("Frame3");
    platform::ComboBox& Combo4 = made("Combo4"); // guns over 37 mm, "x 2.9"
    platform::ComboBox& Combo5 = made("Combo5"); // guns of 33 to 37 mm, "x 2.6"
    platform::ComboBox& Combo6 = made("Combo6"); // guns of 28 to 32 mm, "x 2.4"
    platform::ComboBox& Combo7 = made("Combo7"); // guns of 21 to 27 mm, "x 2.1"
    platform::ComboBox& Combo8 = made("Combo8"); // guns of 15 to 20 mm, "x 1.8"
    platform::ComboBox& Combo9 = made("Combo9"); // light machine guns, "x 1.2"
    platform::Label& Label1 = made("Label1");
    platform::Label& Label2 = made("Label2");
    platform::Label& Label3 = made("Label3");
    platform::Label& Label4 = made("Label4");
    platform::Label& Label5 = made("Label5");
    platform::Label& Label6 = made("Label6");
    platform::Label& Label7 = made("Label7");
    platform::TextBox& Text3 = made("Text3");      // the war load in kg
    platform::ComboBox& Combo10 = made("Combo10"); // torpedoes carried (tip "SILURI IMBARCATI")
    platform::CheckBox& Check2 = made("Check2");
    platform::CheckBox& Check1 = made("Check1");

    // The cards opened (tip "Lista degli aerei selezionati"); a pick shows one.
    platform::ListBox& List1 = made("List1");
    platform::ListBox& List2 = made("List2"); // the card files behind List1 (hidden)

    platform::Frame& Frame4 = made("Frame4");
    // Adds the card shown to the print list, a click a line.
    platform::Image& Image2 = made("Image2");
    platform::Label& Label43 = made("Label43"); // lines sent to the printer
    platform::Label& Label11 = made("Label11"); // the nation code
    platform::Image& Image3 = made("Image3");   // prints the whole list
    platform::Label& Label12 = made("Label12"); // the name
    platform::Label& Label13 = made("Label13"); // the maker
    platform::Label& Label14 = made("Label14"); // the type
    platform::Label& Label44 = made("Label44"); // "Imbarcato" or "Non Imbarcato"
    platform::Label& Label45 = made("Label45"); // "Idro" or "Non idro"
    platform::Label& Label15 = made("Label15"); // the year of entry into service
    platform::Label& Label23 = made("Label23");
    platform::Label& Label47 = made("Label47");
    platform::Label& Label46 = made("Label46"); // night flying, "S" or "N"
    // Summary table: entered values (left), captions (middle), rated values (right).
    platform::Label& Label16 = made("Label16"); // entered: range in km
    platform::Label& Label17 = made("Label17"); // entered: judgement
    platform::Label& Label18 = made("Label18"); // entered: armament total
    platform::Label& Label19 = made("Label19"); // entered: bombs in kg
    platform::Label& Label20 = made("Label20"); // entered: torpedoes
    platform::Label& Label21 = made("Label21"); // entered: speed in km/h
    platform::Label& Label22 = made("Label22"); // the cost
    platform::Label& Label24 = made("Label24");
    platform::Label& Label26 = made("Label26");
    platform::Label& Label27 = made("Label27");
    platform::Label& Label28 = made("Label28");
    platform::Label& Label29 = made("Label29");
    platform::Label& Label30 = made("Label30");
    platform::Label& Label31 = made("Label31");
    platform::Label& Label40 = made("Label40");
    platform::Label& Label41 = made("Label41");
    platform::Label& Label32 = made("Label32"); // rated: autonomy in turns, TA
    platform::Label& Label33 = made("Label33"); // rated: judgement, GI
    platform::Label& Label34 = made("Label34"); // rated: attack factor, FA
    platform::Label& Label35 = made("Label35"); // rated: defence factor, FD
    platform::Label& Label39 = made("Label39"); // rated: strafing weight, PM
    platform::Label& Label36 = made("Label36"); // rated: differentiated load, CD
    platform::Label& Label37 = made("Label37"); // rated: torpedoes, SL
    platform::Label& Label38 = made("Label38"); // rated: speed, KM
    platform::Label& Label42 = made("Label42"); // the availability

    platform::Frame& Frame5 = made("Frame5");
    platform::CommandButton& Command5 = made("Command5");
    platform::CommandButton& Command6 = made("Command6");

    platform::CommandButton& Command2 = made("Command2");
    platform::CommandButton& Command3 = made("Command3");
    platform::CommandButton& Command4 = made("Command4");
    platform::CommandButton& Command7 = made("Command7");
    platform::CommandButton& Command8 = made("Command8");
    // Where the last card was saved, or why "Salva" is grey.
    platform::Label& Label51 = made("Label51");

    platform::FileDialog CommonDialog1;

  private:
    platform::ComboBox& weaponList(int weaponClass);
    void setFlagPicture(platform::Image& image, const QString& code);
    void recomputeAutonomy();
    void updateSaveCommand();
    // Runs a rating step that may refuse its entry as out of scale: a refusal empties the value
    // the step shows and the cost, and holds the save; the message goes on to the player.
    void rateOrRefuse(bool& refused, platform::Label& shown, const std::function<void()>& step);
    void deriveLoadMarks();
    void showEntryMode();
    void clearForNewAircraft();
    void setListFlagsActive(bool active);
    bool showCard(const QString& path);
    int unloadMode_ = platform::vbFormCode;
    // A range, speed or war load refused as out of scale: the values it would give are not
    // shown, and no card is saved, until a value that fits is entered.
    bool autonomyRefused_ = false;
    bool autonomyMissing_ = false; // a range or a speed typed that gives no autonomy
    bool loadRefused_ = false;
    SaveLine saveLine_{Label51};
};
