// The Allies' carrier flight line: aircraft of the campaign year embarked on, or disembarked from, a
// carrier lying at GIBILTERRA or ALESSANDRIA, one at a time, paid for in acquisition points when
// saved.
#pragma once

#include "CarrierAircraft.h"
#include "platform/Form.h"

// The working values of FrnLineaV, kept with its controls when an action fails.
struct FrnLineaVValues {
    // The carrier chosen: IndicePortaerei (record), TotSpazio (space), TotSpazioUsato (embarked).
    carriers::Carrier Portaerei;
    QString NomePortaerei;
    int IndiceAereo = 0; // the type's record in the carrier's air file
    int IndexAerei = 0;  // records in the air file
    int TotTipoImb = 0;
    int CostoUnitaTipo = 0;
    carriers::LineValues ValoriLineaVolo{};
};

class FrnLineaV : public platform::FormWith<FrnLineaVValues> {
  public:
    FrnLineaV();
    void Form_Load() override;

    void List1_Click();    // the carriers at anchor at GIBILTERRA; a pick shows their aircraft
    void List2_Click();    // the aircraft available; a pick shows the six values
    void Command1_Click(); // "&Chiudi"
    void Command2_Click(); // "+"
    void Command3_Click(); // "-"
    void Command4_Click(); // "&Reset"
    void Command5_Click(); // "&Salva Acquisizione"

    // The carriers at anchor, listed anew.
    void PortaereiGib();
    const carriers::LineValues& values() const { return ValoriLineaVolo; }

    platform::Label Label4{*this, "Label4"}; // the notice
    platform::Label Label2{*this, "Label2", "Anno Gioco:"};
    platform::Label Label3{*this, "Label3"}; // the campaign year, after "Anno Gioco:"
    platform::Label Label6{*this, "Label6", "Portaerei all'ancora"};
    // The carriers at anchor at GIBILTERRA; a pick shows their aircraft.
    platform::ListBox List1{*this, "List1"};
    platform::Frame Frame1{*this, "Frame1"};  // the carrier picked
    platform::Label Label5{Frame1, "Label5"}; // the base the carrier lies at
    platform::Label Label7{Frame1, "Label7", "Aerei Disponibili"};
    // The aircraft available; a pick shows the six values.
    platform::ListBox List2{Frame1, "List2"};
    platform::ControlArray<platform::Label> ValueNames;
    platform::ControlArray<platform::Label> Label1; // the six values
    platform::CommandButton Command2{*this, "Command2", "+"};
    platform::CommandButton Command3{*this, "Command3", "-"};
    platform::CommandButton Command5{*this, "Command5", "&Salva Acquisizione"};
    platform::CommandButton Command4{*this, "Command4", "&Reset"};
    platform::CommandButton Command1{*this, "Command1", "&Chiudi"};

  private:
    void ListaAereiPortaerei();
    void PulisciValoriTipo();
    void AbilitaImbarco();
    void AzzeraValoriLinea();
    void CaricaValoriLinea();
    void MostraValoriLinea();
    // The window variables set to 0 and the carrier's name gone from the window.
    void forgetChoice();
    void enableChanges(bool plus, bool minus, bool save);
};
