// The supervisor's window onto the naval side of the campaign: a side's naval groups and their 50
// values, the ships of a group, of a port or of the whole side, and one ship record with its
// status icons; one group value or a ship's fields changed by hand and saved at once.
#pragma once

#include "Supervisor.h"
#include "common/SideInPlay.h"
#include "platform/Form.h"

// The working values of FrmStack, kept with its controls when an action fails.
struct FrmStackValues {
    // An entry box of the ship view: the value label it feeds, and whether it takes digits only.
    struct ShipBox {
        platform::TextBox* box;
        int label;
        bool digits;
        QString accepted = {}; // the text last copied to the label
    };
    std::vector<ShipBox> shipBoxes_;
    int shipRecord_ = 0;
    recordformat::ShipRecord shownShip_;
    int groupShown_ = 0;
    int entryIndex_ = -1;
};

class FrmStack : public platform::FormWith<FrmStackValues> {
  public:
    FrmStack();
    void Form_Load() override;
    // The screen's side and picks come back, however the window closes.
    void Form_Unload(int& cancel) override;

    void Option1_Click();               // "A&LLE"
    void Option2_Click();               // "A&SSE"
    void Combo1_Click();                // the side's naval groups; a pick lists the group's ships and values
    void Combo2_Click();                // the side's ports; a pick lists the ships in port
    void Command5_Click();              // "&TUTTE LE NAVI"
    void List1_Click();                 // the ships listed; a pick opens the ship's record
    void Label2_Click(int index);       // the group's 50 values; a click puts one into Text2
    void Command3_Click();              // the group value stored
    void Command4_Click();              // the group value dropped
    void Command1_Click();              // the ship written back
    void Command2_Click();              // the ship's changes dropped
    void Text2_KeyPress(int& keyAscii); // the new value of the group value picked
    void Text2_DblClick();              // the new value of the group value picked
    void Text16_Click();                // the ship's type (TIPO); a click empties it
    // The deletion mark (ST18): "XXX" deletes the ship for good; a click writes it, a double-click clears it.
    void Text22_Click();
    void Text22_DblClick();
    // ST33: "1" sinks the ship at the next hour; a double-click toggles it.
    void Text18_DblClick();

    // The record number of the ship on view (0 none) and the group whose values the group frame
    // holds (0 none).
    int shipOnView() const { return shipRecord_; }
    int groupOnView() const { return groupShown_; }

    // ---------------------------------------------------------------- selection frame
    platform::Frame Frame1{*this, "Frame1", "Selezione"};
    platform::OptionButton Option1{Frame1, "Option1", "A&LLE"};
    platform::OptionButton Option2{Frame1, "Option2", "A&SSE"};
    platform::Image Image1{Frame1, "Image1"}; // left flag of the side
    platform::Image Image2{Frame1, "Image2"}; // right flag of the side
    platform::CommandButton Command5{Frame1, "Command5", "&TUTTE LE NAVI"};
    platform::Label Label5{Frame1, "Label5", "SOLO NAVI DEI GN     SOLO NAVI NEI PORTI"};
    // The side's naval groups; a pick lists the group's ships and values.
    platform::ComboBox Combo1{Frame1, "Combo1", 2};
    // The side's ports; a pick lists the ships in port.
    platform::ComboBox Combo2{Frame1, "Combo2", 2};
    platform::Label Label4{Frame1, "Label4", "N° GN/ Tipo/Nome  NAVI"};
    // The ships listed; a pick opens the ship's record.
    platform::ListBox List1{Frame1, "List1"};
    platform::Label Label9{Frame1, "Label9",
                           "Inserire il nuovo valore nei campi evidenziati. Usare con cautela."};

    // ---------------------------------------------------------------- group frame
    platform::Frame Frame2{*this, "Frame2"};        // "GRUPPO NAVALE N° " and the group
    platform::Label Label3{Frame2, "Label3"};       // the heading of the group's values
    platform::ControlArray<platform::Label> Label1; // the 50 captions
    platform::ControlArray<platform::Label> Label2; // the 50 values
    platform::Label Label8{Frame2, "Label8"};       // how to change a group value

    // ---------------------------------------------------------------- ship frame
    platform::Frame Frame3{*this, "Frame3"};        // the ship's name and type
    platform::ControlArray<platform::Label> Label6; // the 40 captions
    platform::ControlArray<platform::Label> Label7; // the 40 values
    platform::TextBox Text1{Frame3, "Text1"};       // the ship's name (NOME)
    platform::TextBox Text16{Frame3, "Text16"};     // the ship's type (TIPO); a click empties it
    // The deletion mark (ST18): "XXX" deletes the ship for good; a click writes it, a double-click clears it.
    platform::TextBox Text22{Frame3, "Text22"};
    platform::TextBox Text20{Frame3, "Text20"}; // MISSIONE
    platform::TextBox Text17{Frame3, "Text17"}; // STATUS
    platform::TextBox Text4{Frame3, "Text4"};   // NODIM
    platform::TextBox Text5{Frame3, "Text5"};   // OPERATIVITAM
    platform::TextBox Text6{Frame3, "Text6"};   // D.TIROM
    platform::TextBox Text15{Frame3, "Text15"}; // CARGOM
    platform::TextBox Text7{Frame3, "Text7"};   // RESISTENZAM
    platform::TextBox Text8{Frame3, "Text8"};   // C.A.INCENDIM
    platform::TextBox Text9{Frame3, "Text9"};   // AEREIM
    platform::TextBox Text10{Frame3, "Text10"}; // RADARM
    platform::TextBox Text11{Frame3, "Text11"}; // AAMM
    platform::TextBox Text12{Frame3, "Text12"}; // AACM
    platform::TextBox Text3{Frame3, "Text3"};   // INCENDI ATTIVI
    // ST33: "1" sinks the ship at the next hour; a double-click toggles it.
    platform::TextBox Text18{Frame3, "Text18"};
    platform::TextBox Text21{Frame3, "Text21"}; // PORTO
    platform::TextBox Text14{Frame3, "Text14"}; // IN RIF/SOCC (assisting)
    platform::TextBox Text13{Frame3, "Text13"}; // NON OP
    platform::TextBox Text19{Frame3, "Text19"}; // MAM

    // ---------------------------------------------------------------- ship command frame
    platform::Frame Frame4{*this, "Frame4", "Modifica Valori della Nave"};
    platform::CommandButton Command1{Frame4, "Command1", "Conferma Nuovi Valori"};
    platform::CommandButton Command2{Frame4, "Command2", "Annulla"};
    platform::Label Label11{Frame4, "Label11"}; // the ship's record number

    // ---------------------------------------------------------------- group entry frame
    platform::Frame Frame5{*this, "Frame5", "Si può modificare solo un CAMPO alla volta"};
    platform::Label Label12{Frame5, "Label12"}; // the name of the group value picked
    platform::TextBox Text2{Frame5, "Text2"};   // the new value of the group value picked
    platform::CommandButton Command3{Frame5, "Command3", "&Conferma Nuovi Valori"};
    platform::CommandButton Command4{Frame5, "Command4", "&Annulla"};

    // ---------------------------------------------------------------- status frame and warning
    platform::Frame Frame6{*this, "Frame6", "Status della nave"};
    platform::ControlArray<platform::Image> Image3; // the ship's status icons
    platform::Label Label10{*this, "Label10"};      // the warning on changing the values

  private:
    void buildGroupFrame();
    void buildShipFrame();
    void wireShipBox(int index, bool emptiedByDblClick);
    void chooseSide(int side);
    void CaricaListeSelezione();
    void ApriFileNavi();
    void ElencaNaviGruppo();
    void ElencaNaviPorto();
    void ElencaTutteLeNavi();
    void MostraRecordNave();
    void PulisciValoriNave();
    void PulisciCampiNave();
    void IconeStatoNave();
    void clearIcons();
    void showShipFrame(bool withCommands);

    // The side buttons borrow the side in play from the screen.
    SideLoan sideLoan_;
};
