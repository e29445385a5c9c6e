// The side in play buys new ships for one of its two main naval bases with its acquisition points,
// from the random list of available ships it may draw once.
#pragma once

#include "ShipAcquisition.h"
#include "SidePictures.h"
#include "platform/Form.h"

// The working values of FrmMezziNavi, kept with its controls when an action fails.
struct FrmMezziNaviValues {
    // The option of the base chosen (0 or 1), the ship last clicked, the ships bought at
    // ALESSANDRIA since the window opened.
    int ChosenOption = 0;
    int SelectedRecord = 0;
    int AlessandriaCount = 0;
};

class FrmMezziNavi : public platform::FormWith<FrmMezziNaviValues> {
  public:
    FrmMezziNavi();
    void Form_Load() override;

    void Option1_Click(int index); // the two main naval bases of the side
    void Command1_Click();         // "&Chiude/Salva"
    void Command2_Click();         // "&Attiva Random List "
    void List1_Click();            // the ships on offer; a double-click buys one, for good
    void List1_DblClick();         // the ships on offer; a double-click buys one, for good
    // The side's acquisition points left; a click locks the random list, a double-click unlocks it.
    void Label1_Click();
    void Label1_DblClick();

    int alessandriaCount() const { return AlessandriaCount; }

    // The side's pictures.
    platform::Frame Frame1{*this, "Frame1", "Alleati"};
    platform::Image Image1{Frame1, "Image1"}; // left flag of the Allies
    platform::Image Image2{Frame1, "Image2"}; // right flag of the Allies
    platform::Frame Frame2{*this, "Frame2", "Asse"};
    platform::Image Image3{Frame2, "Image3"}; // left flag of the Axis
    platform::Image Image4{Frame2, "Image4"}; // right flag of the Axis

    platform::Frame Frame3{*this, "Frame3", "Base Navale"};
    // The two main naval bases of the side.
    platform::ControlArray<platform::OptionButton> Option1;

    platform::Label Label10{*this, "Label10", "Punti Acquisizione"};
    // The side's acquisition points left; a click locks the random list, a double-click unlocks it.
    platform::Label Label1{*this, "Label1"};
    platform::Label Label11{*this, "Label11", "Navi in Porto"};
    platform::Label Label6{*this, "Label6"}; // ships in port / most the port holds
    platform::Label Label12{*this, "Label12", "Disponibili/Attivabili"};
    platform::Label Label9{*this, "Label9"}; // ships free / ships that may be put in service
    platform::CommandButton Command2{*this, "Command2", "&Attiva Random List "};
    platform::CommandButton Command1{*this, "Command1", "&Chiude/Salva"};

    platform::Label Label13{*this, "Label13", "Navi disponibili (lista random)"};
    // The ships on offer; a double-click buys one, for good.
    platform::ListBox List1{*this, "List1"};
    platform::Label Label14{*this, "Label14", "Navi acquisite"};
    platform::ListBox List2{*this, "List2"}; // the ships bought
    platform::Label Label15{*this, "Label15", "Navi nella base"};
    platform::ListBox List3{*this, "List3"}; // the ships in the base

    // The ship card: captions and values.
    platform::Frame Frame4{*this, "Frame4", "Scheda Nave"};
    platform::ControlArray<platform::Label> Label7; // the ship card's captions
    platform::ControlArray<platform::Label> Label8; // the ship card's values

    // Ships in service and free, by type.
    platform::Frame Frame5{*this, "Frame5", "  Tipo        In Uso      Dispo"};
    platform::ControlArray<platform::Label> Label2; // the ship types
    platform::ControlArray<platform::Label> Label3; // ships in use, by type
    platform::ControlArray<platform::Label> Label4; // ships free in the archive, by type

    // The notice: the random list only once, at one o'clock.
    platform::Label Label5{*this, "Label5"};
    // Why the last action was refused.
    platform::Label MessageLine{*this, "MessageLine"};

  private:
    void PulisciSchedaNave();
    void ListaNaviPorto();
    void showPointsLeft();
    // The type table: the side's ships in service and free, by type.
    void showTypeCounts();
    SideFrames sideFrames();
};
