// The aircraft on board the Allied carriers in service: for a carrier chosen, its aircraft types of
// the campaign year and, for a type, the aircraft ready, in flight and lost. It changes nothing.
#pragma once

#include "platform/Form.h"

// The working values of FrmStatusPort, kept with its controls when an action fails.
struct FrmStatusPortValues {
    // The chosen carrier's air-file code.
    QString CodicePortaerei;
};

class FrmStatusPort : public platform::FormWith<FrmStatusPortValues> {
  public:
    FrmStatusPort();
    void Form_Load() override;

    void List1_Click();    // the Allied carriers in service; a pick lists their aircraft
    void List2_Click();    // the aircraft on board the carrier picked
    void Command1_Click(); // "Chiudi"

    platform::Label Label4{*this, "Label4", "Portaerei in servizio"};
    // The Allied carriers in service; a pick lists their aircraft.
    platform::ListBox List1{*this, "List1"};
    platform::Label Label3{*this, "Label3"}; // the carrier picked, name and code
    platform::ListBox List2{*this, "List2"}; // the aircraft on board the carrier picked
    platform::Label Label1{*this, "Label1", "  PRONTI       VOLO        PERSI"};
    platform::ControlArray<platform::Label> Label2; // ready, in flight, lost
    platform::CommandButton Command1{*this, "Command1", "Chiudi"};

  private:
    void ListaPortaereiInServizio();
    void ListaAereiImbarcati();
    void PulisciStatoAerei();
};
