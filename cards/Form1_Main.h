// The ship editor of Torvcard: the historical data of one ship class, its rating, its card and
// name list, and its printing. The entry rules are in Form1_Main_entry.cpp, the card commands in
// Form1_Main_cards.cpp, the record moves in Form1_Main_record.cpp and printing in
// Form1_Main_print.cpp.
#pragma once

#include "cards/format/ShipCard.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"

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
    Frame Frame1{*this, "Frame1", "Anagrafica Nave"};
    Frame Frame2{*this, "Frame2", "Cantieristica Nave"};
    Frame Frame3{*this, "Frame3", "Resistenza e Antincendio"};
    Frame Frame4{*this, "Frame4", "Armamento AA - Siluri - BP - Aerei Imb. "};
    Frame Frame5{*this, "Frame5", "Artiglierie Principali e Secondarie"};
    Frame Frame6{*this, "Frame6", "Protezione (Inserimento dati e ricalcolo valori)"};
    Frame Frame7{*this, "Frame7", "Altri Dati Fissi"};
    Frame Frame8{*this, "Frame8", ""};
    Frame Frame9{*this, "Frame9", "Anno dei Dati"};
    Frame Frame10{*this, "Frame10", "ATTENZIONE:"};

    // Frame1: name, type, nation
    Label Label61{Frame1, "Label61"};  // "Nome Nave:"
    TextBox Text1{Frame1, "Text1"};    // the class leader's name
    ComboBox Combo1{Frame1, "Combo1"}; // the ship type (fixed two-letter codes)
    ComboBox Combo2{Frame1, "Combo2"}; // the nation (fixed codes)
    Label Label1{Frame1, "Label1"};    // the type chosen; a click shows the type codes' help
    // The nation chosen; a click prints every sheet queued (at most 5 a page)
    Label Label2{Frame1, "Label2"};
    Image Image2{Frame1, "Image2"}; // the nation's flag; each click queues one printed sheet

    // Frame2: displacement, speed, launch year
    Label Label4{Frame2, "Label4"};    // "Stazza Standard"
    TextBox Text2{Frame2, "Text2"};    // the standard displacement in tonnes
    Label Label7{Frame2, "Label7"};    // displacement entered
    Label Label5{Frame2, "Label5"};    // "Velocità reale/Nodi"
    ComboBox Combo5{Frame2, "Combo5"}; // the highest surface speed
    Label Label8{Frame2, "Label8"};    // speed entered
    Label Label3{Frame2, "Label3"};    // "Anno Varo/Ristruttur."
    ComboBox Combo3{Frame2, "Combo3"}; // the launch or refit year of the class leader
    Label Label6{Frame2, "Label6"};    // launch year entered

    // Frame3: resistance and fire fighting
    Label Label9{Frame3, "Label9"};   // "Resistenza Globale"
    Label Label11{Frame3, "Label11"}; // the hull points
    Label Label10{Frame3, "Label10"}; // "Controllo Incendi"
    Label Label12{Frame3, "Label12"}; // the fire fighting value

    // Frame4: anti-aircraft weapons, torpedoes, depth charges, aircraft
    ComboBox Combo4{Frame4, "Combo4"}; // the torpedo
    Label Label14{Frame4, "Label14"};  // the torpedo's name
    TextBox Text6{Frame4, "Text6"};    // torpedo tubes
    Label Label63{Frame4, "Label63"};  // "Tot.Siluri"
    TextBox Text15{Frame4, "Text15"};  // torpedoes in all
    ComboBox Combo9{Frame4, "Combo9"}; // depth-charge launchers
    Label Label54{Frame4, "Label54"};  // depth charges a launcher
    Label Label16{Frame4, "Label16"};  // "Tot. Aerei/Ricogn."
    TextBox Text7{Frame4, "Text7"};    // aircraft on board
    Label Label37{Frame4, "Label37"};  // aircraft entered
    Label Label17{Frame4, "Label17"};  // "Num. Elevatori Aerei"
    TextBox Text8{Frame4, "Text8"};    // aircraft lifts
    Label Label38{Frame4, "Label38"};  // lifts entered
    Label Label57{Frame4, "Label57"};  // the anti-aircraft headings; a click shows their help
    // Calibre of the anti-aircraft guns on the main turrets.
    ComboBox Combo10{Frame4, "Combo10"};
    // Calibre of the anti-aircraft guns on the secondary turrets.
    ComboBox Combo11{Frame4, "Combo11"};
    ComboBox Combo12{Frame4, "Combo12"}; // calibre of the other anti-aircraft guns
    TextBox Text9{Frame4, "Text9"};      // barrels on the main turrets
    TextBox Text10{Frame4, "Text10"};    // barrels on the secondary turrets
    TextBox Text11{Frame4, "Text11"};    // other barrels
    Label Label26{Frame4, "Label26"};    // game value of the guns on the main turrets
    Label Label55{Frame4, "Label55"};    // game value of the guns on the secondary turrets
    Label Label56{Frame4, "Label56"};    // game value of the other guns
    Label Label58{Frame4, "Label58"};    // "< AAM * VALORE * AAC  >"
    TextBox Text12{Frame4, "Text12"};    // machine guns
    Label Label13{Frame4, "Label13"};    // the machine guns' value, AAM
    Label Label59{Frame4, "Label59"};    // the guns' value, AAC

    // Frame5: guns
    Label Label15{Frame5, "Label15"};    // "< Armi   *   Btg x Arma >"
    ComboBox Combo6{Frame5, "Combo6"};   // calibre of the main guns
    ComboBox Combo7{Frame5, "Combo7"};   // calibre of the secondary guns
    ComboBox Combo8{Frame5, "Combo8"};   // calibre of the third guns
    ComboBox Combo14{Frame5, "Combo14"}; // calibre of the other guns
    Label Label18{Frame5, "Label18"};    // the main calibre chosen
    Label Label19{Frame5, "Label19"};    // the secondary calibre chosen
    Label Label20{Frame5, "Label20"};    // the third calibre chosen
    Label Label62{Frame5, "Label62"};    // the other calibre chosen
    TextBox Text3{Frame5, "Text3"};      // main turrets and barrels a turret (e.g. 4T*2C)
    TextBox Text4{Frame5, "Text4"};      // secondary turrets and barrels
    TextBox Text5{Frame5, "Text5"};      // third turrets and barrels
    TextBox Text14{Frame5, "Text14"};    // other turrets and barrels

    // Frame6: protection
    CommandButton Command6{Frame6, "Command6", "Cor. Verticale - VR"};
    CommandButton Command7{Frame6, "Command7", "Cor. Orizzontale - OR"};
    CommandButton Command8{Frame6, "Command8", "Cor. Plancia/TorCom - PL"};
    CommandButton Command9{Frame6, "Command9", "Cor. Torri Principali - TP"};
    CommandButton Command10{Frame6, "Command10", "Cor. Torri Secondarie - TS"};
    CommandButton Command11{Frame6, "Command11", "Protezioni Speciali"};
    Label Label21{Frame6, "Label21"}; // vertical armour entered
    Label Label22{Frame6, "Label22"}; // horizontal armour entered
    Label Label23{Frame6, "Label23"}; // bridge armour entered
    // Main turret armour entered (the fourth value 1 closed, 0 open)
    Label Label24{Frame6, "Label24"};
    Label Label25{Frame6, "Label25"}; // secondary turret armour entered
    Label Label40{Frame6, "Label40"}; // the special protections, 1 or 0 each
    Label Label30{Frame6, "Label30"}; // rated VR
    Label Label31{Frame6, "Label31"}; // rated OR
    Label Label32{Frame6, "Label32"}; // rated PL
    Label Label33{Frame6, "Label33"}; // rated TP
    Label Label34{Frame6, "Label34"}; // rated TS
    Label Label27{Frame6, "Label27"}; // "Centrale di Tiro - CT"
    Label Label28{Frame6, "Label28"}; // "Fumaiolo - FU"
    Label Label29{Frame6, "Label29"}; // "Protez. Generale - CG"
    Label Label41{Frame6, "Label41"}; // rated CT
    Label Label42{Frame6, "Label42"}; // rated FU
    Label Label43{Frame6, "Label43"}; // rated CG
    Image Image1{Frame6, "Image1"};   // about the program (tip "Informazioni")
    Label Label36{Frame6, "Label36"}; // "Rel. 2.00 2004"

    // Frame7: other fixed values
    Label Label44{Frame7, "Label44"}; // "Direz. Tiro - DT"
    Label Label45{Frame7, "Label45"}; // "Mov. Aerei - MA"
    Label Label46{Frame7, "Label46"}; // "Operatività - OP"
    Label Label47{Frame7, "Label47"}; // "Cargo"
    Label Label48{Frame7, "Label48"}; // "Costo Unitario"
    Label Label49{Frame7, "Label49"}; // rated DT
    Label Label50{Frame7, "Label50"}; // rated MA
    Label Label51{Frame7, "Label51"}; // rated OP
    Label Label52{Frame7, "Label52"}; // rated cargo
    Label Label53{Frame7, "Label53"}; // rated cost

    // Frame8: the ship names of the class
    TextBox Text13{Frame8, "Text13"}; // a new ship name of the class
    CommandButton Command22{Frame8, "Command22", "&Inserisci Nuovo Nome"};
    ListBox List1{Frame8, "List1"};   // the ship names of the class
    Label Label60{Frame8, "Label60"}; // the class, or the name picked

    // Frame9 and Frame10: data year, delete
    // The data year; red until the ratings are computed: a click computes them, a double-click marks them
    // stale.
    Label Label35{Frame9, "Label35"};
    CommandButton Command5{Frame10, "Command5", "&Cancella Record"};
    Label Label39{Frame10, "Label39"}; // "IRREVERSIBILE"

    // No frame
    // The data year to save the class with (1939 by default)
    ComboBox Combo13{*this, "Combo13"};
    CommandButton Command1{*this, "Command1", "&Salva Nuovo Record"};
    CommandButton Command2{*this, "Command2", "&ResetForm"};
    CommandButton Command3{*this, "Command3", "Chiude/&Fine"};
    CommandButton Command4{*this, "Command4", "&Apri Archivio Record"};
    CommandButton Command12{*this, "Command12", "Stam&pa Modulo Gioco"};
    Image Image3{*this, "Image3"};   // a click enables "&Cancella Record"
    Label Label64{*this, "Label64"}; // what to do once the data are entered
    Label Label65{*this, "Label65"}; // where the last card was saved
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
    void Label1_Click();  // the type chosen; a click shows the type codes' help
    void Label57_Click(); // the anti-aircraft headings; a click shows their help
    void Image1_Click();  // about the program (tip "Informazioni")
    void Image2_Click();  // the nation's flag; each click queues one printed sheet
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
    void layOut();
    void wireEntryHandlers();
    void wireCardHandlers();
    void setEntryEnabled(bool enabled);
    void showFlag(const QString& iconName);
    // A change of the entered data; rating and the card commands set their controls quietly.
    void dataChanged();
    void clearForRecord(); // ResetShipFlags and the blanking routines, the preview unloaded

    std::vector<Label*> labels_;
    std::vector<TextBox*> texts_;
    std::vector<ComboBox*> combos_;
    int quiet_ = 0;
    bool closeAsked_ = false;
};

// Sets to 0 every entry and rating of the ship editor, the rating tables and the record.
void ResetShipFlags();
// The line of special protections as the editor shows it ("PV:0  OD:1  VD:1  AS:0").
QString SpecialProtectionsCaption();
