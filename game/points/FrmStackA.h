// The supervisor's window onto the air groups: a side's groups in use, the 50 attributes of the one
// picked, its origin, order and target, the ships of the enemy naval group it targets; one
// attribute at a time changed by hand and saved at once.
#pragma once

#include "common/SideInPlay.h"
#include "platform/Form.h"

// The working values of FrmStackA, kept with its controls when an action fails.
struct FrmStackAValues {
    int Index3 = 0;
    int Origine = 0;
    int Bersaglio = 0;
    int OrdineOperativo = 0;
    int DaPortaerei = 0;
    QString PortNome;
    int CampoSelezionato = 0;
    // An attribute has been picked for the value typed (the frame names it).
    bool attributePicked_ = false;
    int GNBersaglioGA = 0;
};

class FrmStackA : public platform::FormWith<FrmStackAValues> {
  public:
    FrmStackA();
    void Form_Load() override;
    // The screen's side and picks come back, however the window closes.
    void Form_Unload(int& cancel) override;

    void Option1_Click();               // "ALLE"
    void Option2_Click();               // "ASSE"
    void List1_Click();                 // the side's air groups in use; a pick shows its 50 values
    void Label2_Click(int index);       // the group's 50 values; a click puts one into Text1
    void Text1_KeyPress(int& keyAscii); // the new value of the value picked (digits only)
    void Text1_Change();                // the new value of the value picked (digits only)
    void Text1_DblClick();              // the new value of the value picked (digits only)
    void Command1_Click();              // "&Conferma nuovo valore"
    void Command2_Click();              // "&Annulla  "

    // The group picked (0 none) and the attribute being changed.
    int pickedGroup() const { return Index3; }
    int pickedAttribute() const { return CampoSelezionato; }

    platform::OptionButton Option1{*this, "Option1", "ALLE"};
    platform::OptionButton Option2{*this, "Option2", "ASSE"};
    platform::Image Image1{*this, "Image1"}; // left flag of the side
    platform::Image Image2{*this, "Image2"}; // right flag of the side
    // The side's air groups in use; a pick shows its 50 values.
    platform::ListBox List1{*this, "List1"};
    platform::ControlArray<platform::Label> Label1; // attribute names
    platform::ControlArray<platform::Label> Label2; // attribute values
    platform::Label Label3{*this, "Label3"};        // the base or carrier of origin
    platform::Label Label4{*this, "Label4"};        // the target base
    platform::Label Label5{*this, "Label5"};        // the order
    platform::Image Image3{*this, "Image3"};        // fires on the target group
    platform::ListBox List2{*this, "List2"};        // the ships of the target group
    platform::Frame Frame1{*this, "Frame1", "Si cambia un valore per volta"};
    platform::TextBox Text1{Frame1, "Text1"}; // the new value of the value picked (digits only)
    platform::CommandButton Command1{Frame1, "Command1", "&Conferma nuovo valore"};
    platform::CommandButton Command2{Frame1, "Command2", "&Annulla  "};
    platform::Label Label6{*this, "Label6"}; // the warning: change these values with care

  private:
    void chooseSide(int side);
    void ListaGruppiAerei();
    void MostraValoriGA();
    void PulisciValoriGA();
    void ApriNaviNemiche();
    void ListaNaviBersaglio();
    void clearGroupView();
    void enableConfirm();

    // The side buttons borrow the side in play from the screen.
    SideLoan sideLoan_;
};
