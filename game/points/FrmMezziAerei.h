// The side in play buys aircraft for one of its air bases with the base's command points, from a
// random list that costs the base points at each draw.
#pragma once

#include "AircraftAcquisition.h"
#include "SidePictures.h"
#include "platform/Layout.h"

// The working values of FrmMezziAerei, kept with its controls when an action fails.
struct FrmMezziAereiValues {
    acquisition::AircraftPurchase Purchase;
    // The aircraft record last read; the type picked in the random list, its unit cost and the
    // aircraft its record holds. A click in the base's list shows another type but leaves the
    // purchase on the one picked.
    AircraftRecord Aircraft;
    int PickedRecord = 0;
    int PickedCost = 0;
    int PickedCount = 0;
};

class FrmMezziAerei : public platform::FormWith<FrmMezziAereiValues> {
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

    // The controls, made by the layout table (FrmMezziAerei::layout()) before the members that name them.
    static const platform::Layout<FrmMezziAerei>& layout();
    platform::LaidOut laidOut_{*this, layout()};

    // The side's pictures.
    platform::Frame& Frame1 = made("Frame1");
    platform::Image& Image1 = made("Image1"); // left flag of the Allies
    platform::Image& Image2 = made("Image2"); // right flag of the Allies
    platform::Frame& Frame2 = made("Frame2");
    platform::Image& Image3 = made("Image3"); // left flag of the Axis
    platform::Image& Image4 = made("Image4"); // right flag of the Axis
    platform::Label& Label2 = made("Label2"); // how to buy, step by step
    platform::Label& Label13 = made("Label13");
    platform::Label& Label1 = made("Label1"); // the side's acquisition points left

    platform::Label& Label14 = made("Label14");
    platform::ListBox& List1 = made("List1"); // the side's air bases; a pick shows the base

    // The chosen base's values.
    platform::Frame& Frame3 = made("Frame3"); // the base picked
    platform::Label& Label11 = made("Label11");
    platform::Label& Label12 = made("Label12");
    platform::ControlArray<platform::Label>& Label15 = made("Label15"); // the values' names
    // The base's nine values, named by Label15.
    platform::ControlArray<platform::Label>& Label5 = made("Label5");

    platform::CommandButton& Command2 = made("Command2");
    platform::Label& Label16 = made("Label16");
    platform::Label& Label10 = made("Label10"); // the cost of drawing the list, under "Spesa"
    platform::Label& Label17 = made("Label17");
    // The aircraft that may be bought, under "Acquisibili"
    platform::Label& Label4 = made("Label4");
    // The aircraft on offer, from the random list; a pick chooses the type.
    platform::ListBox& List3 = made("List3");
    platform::CommandButton& Command3 = made("Command3");
    platform::CommandButton& Command4 = made("Command4");
    platform::Label& Label18 = made("Label18");
    platform::Label& Label8 = made("Label8"); // the aircraft bought, under "Acquisiti"
    platform::Label& Label19 = made("Label19");
    platform::Label& Label9 = made("Label9"); // their cost, under "Costo"
    platform::CommandButton& Command5 = made("Command5");
    platform::CommandButton& Command6 = made("Command6");

    // The aircraft card.
    platform::Frame& Frame4 = made("Frame4");                         // the aircraft card of the type picked
    platform::ControlArray<platform::Label>& Label6 = made("Label6"); // the card's captions
    platform::ControlArray<platform::Label>& Label7 = made("Label7"); // the card's values

    platform::Label& Label3 = made("Label3");
    // The base's aircraft by type, on the ground / in flight; a click shows those shot down.
    platform::ListBox& List2 = made("List2");
    platform::CommandButton& Command1 = made("Command1");
    // Why the last action was refused.
    platform::Label& MessageLine = made("MessageLine");

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
};
