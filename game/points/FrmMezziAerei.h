// The side in play buys aircraft for one of its air bases with the base's command points, from a
// random list that costs the base points at each draw.
#pragma once

#include "AircraftAcquisition.h"
#include "SidePictures.h"
#include "platform/Form.h"

class FrmMezziAerei : public platform::Form {
  public:
    FrmMezziAerei();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void List1_Click(); // the side's air bases; a pick shows the base
    // The base's aircraft by type, on the ground / in flight; a click shows those shot down.
    void List2_Click();
    void List3_Click();    // the aircraft on offer, from the random list; a pick chooses the type
    void Command1_Click(); // "&Chiudi"
    void Command2_Click(); // "&Genera Random List"
    void Command3_Click(); // "&+"
    void Command4_Click(); // "&-"
    void Command5_Click(); // "Conferma e &Salva"
    void Command6_Click(); // "&Reset"

    const acquisition::AircraftPurchase& purchase() const { return Purchase; }

    // The side's pictures.
    platform::Frame Frame1{*this, "Frame1", "Alleati"};
    platform::Image Image1{Frame1, "Image1"}; // left flag of the Allies
    platform::Image Image2{Frame1, "Image2"}; // right flag of the Allies
    platform::Frame Frame2{*this, "Frame2", "Asse"};
    platform::Image Image3{Frame2, "Image3"}; // left flag of the Axis
    platform::Image Image4{Frame2, "Image4"}; // right flag of the Axis
    platform::Label Label2{*this, "Label2"};  // how to buy, step by step
    platform::Label Label13{*this, "Label13", "Punti Acquisizione"};
    platform::Label Label1{*this, "Label1"}; // the side's acquisition points left

    platform::Label Label14{*this, "Label14", "Basi Aeree"};
    platform::ListBox List1{*this, "List1"}; // the side's air bases; a pick shows the base

    // The chosen base's values.
    platform::Frame Frame3{*this, "Frame3"}; // the base picked
    platform::Label Label11{Frame3, "Label11", "PUNTI"};
    platform::Label Label12{Frame3, "Label12", "AEREI"};
    platform::ControlArray<platform::Label> Label15; // the values' names
    platform::ControlArray<platform::Label> Label5;  // the base's nine values, named by Label15

    platform::CommandButton Command2{*this, "Command2", "&Genera Random List"};
    platform::Label Label16{*this, "Label16", "Spesa"};
    platform::Label Label10{*this, "Label10"}; // the cost of drawing the list, under "Spesa"
    platform::Label Label17{*this, "Label17", "Acquisibili"};
    // The aircraft that may be bought, under "Acquisibili"
    platform::Label Label4{*this, "Label4"};
    // The aircraft on offer, from the random list; a pick chooses the type.
    platform::ListBox List3{*this, "List3"};
    platform::CommandButton Command3{*this, "Command3", "&+"};
    platform::CommandButton Command4{*this, "Command4", "&-"};
    platform::Label Label18{*this, "Label18", "Acquisiti"};
    platform::Label Label8{*this, "Label8"}; // the aircraft bought, under "Acquisiti"
    platform::Label Label19{*this, "Label19", "Costo"};
    platform::Label Label9{*this, "Label9"}; // their cost, under "Costo"
    platform::CommandButton Command5{*this, "Command5", "Conferma e &Salva"};
    platform::CommandButton Command6{*this, "Command6", "&Reset"};

    // The aircraft card.
    platform::Frame Frame4{*this, "Frame4"};        // the aircraft card of the type picked
    platform::ControlArray<platform::Label> Label6; // the card's captions
    platform::ControlArray<platform::Label> Label7; // the card's values

    platform::Label Label3{*this, "Label3", "LISTA AEREI PRESENTI SULLA BASE SELEZIONATA SOPRA:"};
    // The base's aircraft by type, on the ground / in flight; a click shows those shot down.
    platform::ListBox List2{*this, "List2"};
    platform::CommandButton Command1{*this, "Command1", "&Chiudi"};
    // Why the last action was refused.
    platform::Label MessageLine{*this, "MessageLine"};

  private:
    void ListaBasiAeree();
    void PulisciValoriBase();
    void MostraValoriBase();
    void PulisciSchedaAereo();
    void MostraSchedaAereo();
    void ElencoAereiBase();
    void showCounters();
    SideFrames sideFrames();
    // Command1, Command2, Command6, List1 and List3: the ways out of a purchase.
    void enableLeaving(bool enabled);

    acquisition::AircraftPurchase Purchase;
    // The aircraft record last read; the type picked in the random list, its unit cost and the
    // aircraft its record holds. A click in the base's list shows another type but leaves the
    // purchase on the one picked.
    AircraftRecord Aircraft;
    int PickedRecord = 0;
    int PickedCost = 0;
    int PickedCount = 0;
};
