// The side in play buys new ships for one of its two main naval bases with its acquisition points,
// from the random list of available ships it may draw once.
#pragma once

#include "ShipAcquisition.h"
#include "SidePictures.h"
#include "platform/Form.h"

class FrmMezziNavi : public platform::Form {
  public:
    FrmMezziNavi();
    void Form_Load() override;

    void Option1_Click(int index);
    void Command1_Click(); // "&Chiude/Salva"
    void Command2_Click(); // "&Attiva Random List "
    void List1_Click();
    void List1_DblClick();
    void Label1_Click();
    void Label1_DblClick();

    int alessandriaCount() const { return AlessandriaCount; }

    // The side's pictures.
    platform::Frame Frame1{*this, "Frame1", "Alleati"};
    platform::Image Image1{Frame1, "Image1"};
    platform::Image Image2{Frame1, "Image2"};
    platform::Frame Frame2{*this, "Frame2", "Asse"};
    platform::Image Image3{Frame2, "Image3"};
    platform::Image Image4{Frame2, "Image4"};

    platform::Frame Frame3{*this, "Frame3", "Base Navale"};
    platform::ControlArray<platform::OptionButton> Option1;

    platform::Label Label10{*this, "Label10", "Punti Acquisizione"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label11{*this, "Label11", "Navi in Porto"};
    platform::Label Label6{*this, "Label6"};
    platform::Label Label12{*this, "Label12", "Disponibili/Attivabili"};
    platform::Label Label9{*this, "Label9"};
    platform::CommandButton Command2{*this, "Command2", "&Attiva Random List "};
    platform::CommandButton Command1{*this, "Command1", "&Chiude/Salva"};

    platform::Label Label13{*this, "Label13", "Navi disponibili (lista random)"};
    platform::ListBox List1{*this, "List1"};
    platform::Label Label14{*this, "Label14", "Navi acquisite"};
    platform::ListBox List2{*this, "List2"};
    platform::Label Label15{*this, "Label15", "Navi nella base"};
    platform::ListBox List3{*this, "List3"};

    // The ship card: captions and values.
    platform::Frame Frame4{*this, "Frame4", "Scheda Nave"};
    platform::ControlArray<platform::Label> Label7;
    platform::ControlArray<platform::Label> Label8;

    // Ships in service and free, by type.
    platform::Frame Frame5{*this, "Frame5", "  Tipo        In Uso      Dispo"};
    platform::ControlArray<platform::Label> Label2;
    platform::ControlArray<platform::Label> Label3;
    platform::ControlArray<platform::Label> Label4;

    platform::Label Label5{*this, "Label5"};
    // Why the last action was refused.
    platform::Label MessageLine{*this, "MessageLine"};

  private:
    void PulisciSchedaNave();
    void ListaNaviPorto();
    void showPointsLeft();
    SideFrames sideFrames();

    // The option of the base chosen (0 or 1), the ship last clicked, the ships bought at
    // ALESSANDRIA since the window opened.
    int ChosenOption = 0;
    int SelectedRecord = 0;
    int AlessandriaCount = 0;
};
