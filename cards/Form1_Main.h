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
    Label Label61{Frame1, "Label61"};
    TextBox Text1{Frame1, "Text1"};
    ComboBox Combo1{Frame1, "Combo1"};
    ComboBox Combo2{Frame1, "Combo2"};
    Label Label1{Frame1, "Label1"};
    Label Label2{Frame1, "Label2"};
    Image Image2{Frame1, "Image2"};

    // Frame2: displacement, speed, launch year
    Label Label4{Frame2, "Label4"};
    TextBox Text2{Frame2, "Text2"};
    Label Label7{Frame2, "Label7"};
    Label Label5{Frame2, "Label5"};
    ComboBox Combo5{Frame2, "Combo5"};
    Label Label8{Frame2, "Label8"};
    Label Label3{Frame2, "Label3"};
    ComboBox Combo3{Frame2, "Combo3"};
    Label Label6{Frame2, "Label6"};

    // Frame3: resistance and fire fighting
    Label Label9{Frame3, "Label9"};
    Label Label11{Frame3, "Label11"};
    Label Label10{Frame3, "Label10"};
    Label Label12{Frame3, "Label12"};

    // Frame4: anti-aircraft weapons, torpedoes, depth charges, aircraft
    ComboBox Combo4{Frame4, "Combo4"};
    Label Label14{Frame4, "Label14"};
    TextBox Text6{Frame4, "Text6"};
    Label Label63{Frame4, "Label63"};
    TextBox Text15{Frame4, "Text15"};
    ComboBox Combo9{Frame4, "Combo9"};
    Label Label54{Frame4, "Label54"};
    Label Label16{Frame4, "Label16"};
    TextBox Text7{Frame4, "Text7"};
    Label Label37{Frame4, "Label37"};
    Label Label17{Frame4, "Label17"};
    TextBox Text8{Frame4, "Text8"};
    Label Label38{Frame4, "Label38"};
    Label Label57{Frame4, "Label57"};
    ComboBox Combo10{Frame4, "Combo10"};
    ComboBox Combo11{Frame4, "Combo11"};
    ComboBox Combo12{Frame4, "Combo12"};
    TextBox Text9{Frame4, "Text9"};
    TextBox Text10{Frame4, "Text10"};
    TextBox Text11{Frame4, "Text11"};
    Label Label26{Frame4, "Label26"};
    Label Label55{Frame4, "Label55"};
    Label Label56{Frame4, "Label56"};
    Label Label58{Frame4, "Label58"};
    TextBox Text12{Frame4, "Text12"};
    Label Label13{Frame4, "Label13"};
    Label Label59{Frame4, "Label59"};

    // Frame5: guns
    Label Label15{Frame5, "Label15"};
    ComboBox Combo6{Frame5, "Combo6"};
    ComboBox Combo7{Frame5, "Combo7"};
    ComboBox Combo8{Frame5, "Combo8"};
    ComboBox Combo14{Frame5, "Combo14"};
    Label Label18{Frame5, "Label18"};
    Label Label19{Frame5, "Label19"};
    Label Label20{Frame5, "Label20"};
    Label Label62{Frame5, "Label62"};
    TextBox Text3{Frame5, "Text3"};
    TextBox Text4{Frame5, "Text4"};
    TextBox Text5{Frame5, "Text5"};
    TextBox Text14{Frame5, "Text14"};

    // Frame6: protection
    CommandButton Command6{Frame6, "Command6", "Cor. Verticale - VR"};
    CommandButton Command7{Frame6, "Command7", "Cor. Orizzontale - OR"};
    CommandButton Command8{Frame6, "Command8", "Cor. Plancia/TorCom - PL"};
    CommandButton Command9{Frame6, "Command9", "Cor. Torri Principali - TP"};
    CommandButton Command10{Frame6, "Command10", "Cor. Torri Secondarie - TS"};
    CommandButton Command11{Frame6, "Command11", "Protezioni Speciali"};
    Label Label21{Frame6, "Label21"};
    Label Label22{Frame6, "Label22"};
    Label Label23{Frame6, "Label23"};
    Label Label24{Frame6, "Label24"};
    Label Label25{Frame6, "Label25"};
    Label Label40{Frame6, "Label40"};
    Label Label30{Frame6, "Label30"};
    Label Label31{Frame6, "Label31"};
    Label Label32{Frame6, "Label32"};
    Label Label33{Frame6, "Label33"};
    Label Label34{Frame6, "Label34"};
    Label Label27{Frame6, "Label27"};
    Label Label28{Frame6, "Label28"};
    Label Label29{Frame6, "Label29"};
    Label Label41{Frame6, "Label41"};
    Label Label42{Frame6, "Label42"};
    Label Label43{Frame6, "Label43"};
    Image Image1{Frame6, "Image1"};
    Label Label36{Frame6, "Label36"};

    // Frame7: other fixed values
    Label Label44{Frame7, "Label44"};
    Label Label45{Frame7, "Label45"};
    Label Label46{Frame7, "Label46"};
    Label Label47{Frame7, "Label47"};
    Label Label48{Frame7, "Label48"};
    Label Label49{Frame7, "Label49"};
    Label Label50{Frame7, "Label50"};
    Label Label51{Frame7, "Label51"};
    Label Label52{Frame7, "Label52"};
    Label Label53{Frame7, "Label53"};

    // Frame8: the ship names of the class
    TextBox Text13{Frame8, "Text13"};
    CommandButton Command22{Frame8, "Command22", "&Inserisci Nuovo Nome"};
    ListBox List1{Frame8, "List1"};
    Label Label60{Frame8, "Label60"};

    // Frame9 and Frame10: data year, delete
    Label Label35{Frame9, "Label35"};
    CommandButton Command5{Frame10, "Command5", "&Cancella Record"};
    Label Label39{Frame10, "Label39"};

    // No frame
    ComboBox Combo13{*this, "Combo13"};
    CommandButton Command1{*this, "Command1", "&Salva Nuovo Record"};
    CommandButton Command2{*this, "Command2", "&ResetForm"};
    CommandButton Command3{*this, "Command3", "Chiude/&Fine"};
    CommandButton Command4{*this, "Command4", "&Apri Archivio Record"};
    CommandButton Command12{*this, "Command12", "Stam&pa Modulo Gioco"};
    Image Image3{*this, "Image3"};
    Label Label64{*this, "Label64"};
    Label Label65{*this, "Label65"}; // where the last card was saved
    platform::FileDialog CommonDialog1;

    // ---------------------------------------------------------------- event handlers
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command22_Click();
    void Image3_Click();
    void Text13_Change();
    void List1_Click();
    void Label35_Click();
    void Label35_DblClick();
    void Label1_Click();
    void Label57_Click();
    void Image1_Click();
    void Image2_Click();
    void Label2_Click();
    void Command12_Click();

    void Combo1_Click();
    void Combo2_Click();
    void Combo2_Change();
    void Combo3_Click();
    void Combo4_Click();
    void Combo5_Click();
    void GunCombo_Click(ComboBox& combo, Label& label);
    void Combo9_Click();
    void AaCombo_Click(int k);
    void Combo13_Click();
    void Text2_Change();
    void Text7_Change();
    void Text8_Change();
    void AaBarrels_Change(int k);
    void Text12_Change();
    void ArmourPrompt(int which);
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();

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
