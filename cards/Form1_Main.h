// The ship editor of Torvcard: the historical data of one ship class, its rating, its card and
// name list, and its printing. The entry rules are in Form1_Main_entry.cpp, the card commands in
// Form1_Main_cards.cpp, the record moves in Form1_Main_record.cpp and printing in
// Form1_Main_print.cpp.
#pragma once

#include "cards/SaveLine.h"
#include "cards/ShipRating.h"
#include "cards/format/ShipCard.h"
#include "platform/Dialogs.h"
#include "platform/Layout.h"

#include <vector>

using platform::ComboBox;
using platform::CommandButton;
using platform::Frame;
using platform::Image;
using platform::Label;
using platform::ListBox;
using platform::TextBox;

class Form1_Main : public platform::Form {
  public:
    Form1_Main();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;

    // ---------------------------------------------------------------- state of the record
    void Rosso(); // not computed: the data year red, save disabled
    void Verde(); // computed: the data year green, save enabled when it may be
    void LoadList();

    // ---------------------------------------------------------------- record and blanking
    void ShipFormToData();
    // The record as the window shows it, without storing it.
    ShipValues formValues() const;
    void ShipDataToForm();
    void ClearMainLabels();
    void ClearMainTexts();
    void ClearMainCombos();
    void ResetMainCaptions();
    // The prompts the type, nation, torpedo, depth-charge and data-year lists show at load.
    void ShowComboPrompts();
    void ShowDataYearCaption();

    // ---------------------------------------------------------------- reference tables
    void LoadShipRatingTables();
    void LoadTipologiaNavi();
    void LoadNazioni();
    void LoadAnnoVaro();
    void LoadNodi();
    void LoadSiluri();
    void LoadCalibri();

    // ---------------------------------------------------------------- rating
    void ComputeShipRatings();

    // ---------------------------------------------------------------- controls
    // The controls, made by the layout table (Form1_Main::layout()) before the members that name them.
    static const platform::Layout<Form1_Main>& layout();
    platform::LaidOut laidOut_{*this, layout()};

    Frame& Frame1 = made("Frame1");
    Frame& Frame2 = made("Frame2");
    Frame& Frame3 = made("Frame3");
    Frame& Frame4 = made("Frame4");
    Frame& Frame5 = made("Frame5");
    Frame& Frame6 = made("Frame6");
    Frame& Frame7 = made("Frame7");
    Frame& Frame8 = made("Frame8");
    Frame& Frame9 = made("Frame9");
    Frame& Frame10 = made("Frame10");

    // Frame1: name, type, nation
    Label& Label61 = made("Label61");  // "Nome Nave:"
    TextBox& Text1 = made("Text1");    // the class leader's name
    ComboBox& Combo1 = made("Combo1"); // the ship type (fixed two-letter codes)
    ComboBox& Combo2 = made("Combo2"); // the nation (fixed codes)
    Label& Label1 = made("Label1");    // the type chosen; a click shows the type codes' help
    // The nation chosen; a click prints every sheet queued (at most 5 a page)
    Label& Label2 = made("Label2");
    Image& Image2 = made("Image2"); // the nation's flag; each click queues one printed sheet

    // Frame2: displacement, speed, launch year
    Label& Label4 = made("Label4");    // "Stazza Standard"
    TextBox& Text2 = made("Text2");    // the standard displacement in tonnes
    Label& Label7 = made("Label7");    // displacement entered
    Label& Label5 = made("Label5");    // "Velocità reale/Nodi"
    ComboBox& Combo5 = made("Combo5"); // the highest surface speed
    Label& Label8 = made("Label8");    // speed entered
    Label& Label3 = made("Label3");    // "Anno Varo/Ristruttur."
    ComboBox& Combo3 = made("Combo3"); // the launch or refit year of the class leader
    Label& Label6 = made("Label6");    // launch year entered

    // Frame3: resistance and fire fighting
    Label& Label9 = made("Label9");   // "Resistenza Globale"
    Label& Label11 = made("Label11"); // the hull points
    Label& Label10 = made("Label10"); // "Controllo Incendi"
    Label& Label12 = made("Label12"); // the fire fighting value

    // Frame4: anti-aircraft weapons, torpedoes, depth charges, aircraft
    ComboBox& Combo4 = made("Combo4"); // the torpedo
    Label& Label14 = made("Label14");  // the torpedo's name
    TextBox& Text6 = made("Text6");    // torpedo tubes
    Label& Label63 = made("Label63");  // "Tot.Siluri"
    TextBox& Text15 = made("Text15");  // torpedoes in all
    ComboBox& Combo9 = made("Combo9"); // depth-charge launchers
    Label& Label54 = made("Label54");  // depth charges a launcher
    Label& Label16 = made("Label16");  // "Tot. Aerei/Ricogn."
    TextBox& Text7 = made("Text7");    // aircraft on board
    Label& Label37 = made("Label37");  // aircraft entered
    Label& Label17 = made("Label17");  // "Num. Elevatori Aerei"
    TextBox& Text8 = made("Text8");    // aircraft lifts
    Label& Label38 = made("Label38");  // lifts entered
    Label& Label57 = made("Label57");  // the anti-aircraft headings; a click shows their help
    // Calibre of the anti-aircraft guns on the main turrets.
    ComboBox& Combo10 = made("Combo10");
    // Calibre of the anti-aircraft guns on the secondary turrets.
    ComboBox& Combo11 = made("Combo11");
    ComboBox& Combo12 = made("Combo12"); // calibre of the other anti-aircraft guns
    TextBox& Text9 = made("Text9");      // barrels on the main turrets
    TextBox& Text10 = made("Text10");    // barrels on the secondary turrets
    TextBox& Text11 = made("Text11");    // other barrels
    Label& Label26 = made("Label26");    // game value of the guns on the main turrets
    Label& Label55 = made("Label55");    // game value of the guns on the secondary turrets
    Label& Label56 = made("Label56");    // game value of the other guns
    Label& Label58 = made("Label58");    // "< AAM * VALORE * AAC  >"
    TextBox& Text12 = made("Text12");    // machine guns
    Label& Label13 = made("Label13");    // the machine guns' value, AAM
    Label& Label59 = made("Label59");    // the guns' value, AAC

    // Frame5: guns
    Label& Label15 = made("Label15");    // "< Armi   *   Btg x Arma >"
    ComboBox& Combo6 = made("Combo6");   // calibre of the main guns
    ComboBox& Combo7 = made("Combo7");   // calibre of the secondary guns
    ComboBox& Combo8 = made("Combo8");   // calibre of the third guns
    ComboBox& Combo14 = made("Combo14"); // calibre of the other guns
    Label& Label18 = made("Label18");    // the main calibre chosen
    Label& Label19 = made("Label19");    // the secondary calibre chosen
    Label& Label20 = made("Label20");    // the third calibre chosen
    Label& Label62 = made("Label62");    // the other calibre chosen
    TextBox& Text3 = made("Text3");      // main turrets and barrels a turret (e.g. 4T*2C)
    TextBox& Text4 = made("Text4");      // secondary turrets and barrels
    TextBox& Text5 = made("Text5");      // third turrets and barrels
    TextBox& Text14 = made("Text14");    // other turrets and barrels

    // Frame6: protection
    CommandButton& Command6 = made("Command6");
    CommandButton& Command7 = made("Command7");
    CommandButton& Command8 = made("Command8");
    CommandButton& Command9 = made("Command9");
    CommandButton& Command10 = made("Command10");
    CommandButton& Command11 = made("Command11");
    Label& Label21 = made("Label21"); // vertical armour entered
    Label& Label22 = made("Label22"); // horizontal armour entered
    Label& Label23 = made("Label23"); // bridge armour entered
    // Main turret armour entered (the fourth value 1 closed, 0 open)
    Label& Label24 = made("Label24");
    Label& Label25 = made("Label25"); // secondary turret armour entered
    Label& Label40 = made("Label40"); // the special protections, 1 or 0 each
    Label& Label30 = made("Label30"); // rated VR
    Label& Label31 = made("Label31"); // rated OR
    Label& Label32 = made("Label32"); // rated PL
    Label& Label33 = made("Label33"); // rated TP
    Label& Label34 = made("Label34"); // rated TS
    Label& Label27 = made("Label27"); // "Centrale di Tiro - CT"
    Label& Label28 = made("Label28"); // "Fumaiolo - FU"
    Label& Label29 = made("Label29"); // "Protez. Generale - CG"
    Label& Label41 = made("Label41"); // rated CT
    Label& Label42 = made("Label42"); // rated FU
    Label& Label43 = made("Label43"); // rated CG
    Image& Image1 = made("Image1");   // about the program (tip "Informazioni")
    Label& Label36 = made("Label36"); // "Rel. 2.00 2004"

    // Frame7: other fixed values
    Label& Label44 = made("Label44"); // "Direz. Tiro - DT"
    Label& Label45 = made("Label45"); // "Mov. Aerei - MA"
    Label& Label46 = made("Label46"); // "Operatività - OP"
    Label& Label47 = made("Label47"); // "Cargo"
    Label& Label48 = made("Label48"); // "Costo Unitario"
    Label& Label49 = made("Label49"); // rated DT
    Label& Label50 = made("Label50"); // rated MA
    Label& Label51 = made("Label51"); // rated OP
    Label& Label52 = made("Label52"); // rated cargo
    Label& Label53 = made("Label53"); // rated cost

    // Frame8: the ship names of the class
    TextBox& Text13 = made("Text13"); // a new ship name of the class
    CommandButton& Command22 = made("Command22");
    ListBox& List1 = made("List1");   // the ship names of the class
    Label& Label60 = made("Label60"); // the class, or the name picked

    // Frame9 and Frame10: data year, delete
    // The data year; red until the ratings are computed: a click computes them, a double-click marks them
    // stale.
    Label& Label35 = made("Label35");
    CommandButton& Command5 = made("Command5");
    Label& Label39 = made("Label39"); // "IRREVERSIBILE"

    // No frame
    // The data year to save the class with (1939 by default)
    ComboBox& Combo13 = made("Combo13");
    CommandButton& Command1 = made("Command1");
    CommandButton& Command2 = made("Command2");
    CommandButton& Command3 = made("Command3");
    CommandButton& Command4 = made("Command4");
    CommandButton& Command12 = made("Command12");
    Image& Image3 = made("Image3");   // a click enables "&Cancella Record"
    Label& Label64 = made("Label64"); // what to do once the data are entered
    Label& Label65 = made("Label65"); // where the last card was saved, or why "Salva" is grey
    platform::FileDialog CommonDialog1;

    // ---------------------------------------------------------------- event handlers
    void Command1_Click();  // "&Salva Nuovo Record"
    void Command2_Click();  // "&ResetForm"
    void Command3_Click();  // "Chiude/&Fine"
    void Command4_Click();  // "&Apri Archivio Record"
    void Command5_Click();  // "&Cancella Record"
    void Command22_Click(); // "&Inserisci Nuovo Nome"
    void Image3_Click();    // a click enables "&Cancella Record"
    void Text13_Change();   // a new ship name of the class
    void List1_Click();     // the ship names of the class
    // The data year; red until the ratings are computed: a click computes them, a double-click marks them
    // stale.
    void Label35_Click();
    void Label35_DblClick();
    void Text1_DblClick(); // the class leader's name: cleared, and the record marked not computed
    void Label1_Click();   // the type chosen; a click shows the type codes' help
    void Label57_Click();  // the anti-aircraft headings; a click shows their help
    void Image1_Click();   // about the program (tip "Informazioni")
    void Image2_Click();   // the nation's flag; each click queues one printed sheet
    // The nation chosen; a click prints every sheet queued (at most 5 a page)
    void Label2_Click();
    void Command12_Click(); // "Stam&pa Modulo Gioco"

    void Combo1_Click();  // the ship type (fixed two-letter codes)
    void Combo2_Click();  // the nation (fixed codes)
    void Combo2_Change(); // the nation (fixed codes)
    void Combo3_Click();  // the launch or refit year of the class leader
    void Combo4_Click();  // the torpedo
    void Combo5_Click();  // the highest surface speed
    void GunCombo_Click(ComboBox& combo, Label& label);
    void Combo9_Click(); // depth-charge launchers
    void AaCombo_Click(int k);
    void Combo13_Click(); // the data year to save the class with (1939 by default)
    void Text2_Change();  // the standard displacement in tonnes
    void Text7_Change();  // aircraft on board
    void Text8_Change();  // aircraft lifts
    void AaBarrels_Change(int k);
    void Text12_Change(); // machine guns
    void ArmourPrompt(int which);
    void Command9_Click();  // "Cor. Torri Principali - TP"
    void Command10_Click(); // "Cor. Torri Secondarie - TS"
    void Command11_Click(); // "Protezioni Speciali"

  private:
    void setEntryEnabled(bool enabled);
    void showFlag(const QString& iconName);
    // A change of the entered data; rating and the card commands set their controls quietly.
    void dataChanged();
    void clearForRecord(); // ResetShipFlags and the blanking routines, the preview unloaded
    // "Salva" enabled or grey as the record stands, and the line under the commands saying why.
    void updateSaveLine();

    std::vector<Label*> labels_;
    std::vector<TextBox*> texts_;
    std::vector<ComboBox*> combos_;
    int quiet_ = 0;
    bool closeAsked_ = false;
    // The data year clicked since the record was started or saved: from then on the line says
    // why "Salva" is grey.
    bool ratingAsked_ = false;
    RatingRefusal refused_ = RatingRefusal::None; // the last rating's, until the next one
    SaveLine saveLine_{Label65};
};

// Sets to 0 every entry and rating of the ship editor, the rating tables and the record.
void ResetShipFlags();
// The line of special protections as the editor shows it ("PV:0  OD:1  VD:1  AS:0").
QString SpecialProtectionsCaption();
