// The supervisor's window onto the air groups: a side's groups in use, the 50 attributes of the one
// picked, its origin, order and target, the ships of the enemy naval group it targets; one
// attribute at a time changed by hand and saved at once.
#pragma once

#include "platform/Form.h"

class FrmStackA : public platform::Form {
  public:
    FrmStackA();
    void Form_Load() override;

    void Option1_Click();
    void Option2_Click();
    void List1_Click();
    void Label2_Click(int index);
    void Text1_KeyPress(int& keyAscii);
    void Text1_Change();
    void Text1_DblClick();
    void Command1_Click(); // "&Conferma nuovo valore"
    void Command2_Click(); // "&Annulla  "

    // The group picked (0 none) and the attribute being changed.
    int pickedGroup() const { return Index3; }
    int pickedAttribute() const { return CampoSelezionato; }

    platform::OptionButton Option1{*this, "Option1", "ALLE"};
    platform::OptionButton Option2{*this, "Option2", "ASSE"};
    platform::Image Image1{*this, "Image1"};
    platform::Image Image2{*this, "Image2"};
    platform::ListBox List1{*this, "List1"};
    platform::ControlArray<platform::Label> Label1; // attribute names
    platform::ControlArray<platform::Label> Label2; // attribute values
    platform::Label Label3{*this, "Label3"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label5{*this, "Label5"};
    platform::Image Image3{*this, "Image3"};
    platform::ListBox List2{*this, "List2"};
    platform::Frame Frame1{*this, "Frame1", "Si cambia un valore per volta"};
    platform::TextBox Text1{Frame1, "Text1"};
    platform::CommandButton Command1{Frame1, "Command1", "&Conferma nuovo valore"};
    platform::CommandButton Command2{Frame1, "Command2", "&Annulla  "};
    platform::Label Label6{*this, "Label6"};

  private:
    void chooseSide(int side);
    void ListaGruppiAerei();
    void MostraValoriGA();
    void PulisciValoriGA();
    void ApriNaviNemiche();
    void ListaNaviBersaglio();
    void clearGroupView();
    void enableConfirm();

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
