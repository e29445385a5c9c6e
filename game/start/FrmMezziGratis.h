// The last window of the new-campaign wizard: it builds the campaign's ship and aircraft files from
// the side archives, then leads each side through its free starting ships and aircraft.
#pragma once

#include "NewCampaign.h"
#include "platform/Layout.h"

#include <array>

// The working values of FrmMezziGratis, kept with its controls when an action fails.
struct FrmMezziGratisValues {
    QString ArchivePath;
    std::array<int, newcampaign::kFreeShipTypeCount> QuotaLeft{};
    int FreeShipsLeft = 0;
    int CarrierCount = 0;
    int FreeBase = 0;
    int PickedRecord = 0;
    int WizardPhase = 0;
    int AircraftPool = 0;
    int PendingAircraft = 0;
};

class FrmMezziGratis : public platform::FormWith<FrmMezziGratisValues> {
  public:
    FrmMezziGratis();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void Command1_Click(); // "&Start"
    void Command2_Click(); // "Navi Alleati"
    void Command3_Click(); // "Navi Asse"
    void Command4_Click(); // "Aerei Alleati"
    void Command5_Click(); // "Aerei Asse"
    void Command6_Click(); // "+"
    void Command7_Click(); // "-"
    void Command8_Click(); // "&Conferma N° Aerei"
    void Command9_Click(); // "&Fine Aerei": ends an aircraft phase whose pool finds no room
    void Combo1_Click();   // the port the free ships go to
    void Combo2_Click();   // the air base the free aircraft go to
    void List1_Click();    // the free ships on offer; a double-click places the ship in the port
    // The free ships on offer; a double-click places the ship in the port.
    void List1_DblClick();
    void List3_Click();   // the aircraft types on offer; a pick chooses the type
    void Label14_Click(); // "FINE"

    int carrierCount() const { return CarrierCount; }
    int aircraftPool() const { return AircraftPool; }
    int pendingAircraft() const { return PendingAircraft; }

    // The controls, made by the layout table (FrmMezziGratis::layout()) before the members that name them.
    static const platform::Layout<FrmMezziGratis>& layout();
    platform::LaidOut laidOut_{*this, layout()};

    platform::CommandButton& Command2 = made("Command2");
    platform::CommandButton& Command3 = made("Command3");
    platform::CommandButton& Command4 = made("Command4");
    platform::CommandButton& Command5 = made("Command5");
    platform::CommandButton& Command1 = made("Command1");
    platform::Label& Label28 = made("Label28"); // the notice of the step: ships, then aircraft
    platform::Image& Image1 = made("Image1");   // "ALLEATI" banner
    platform::Image& Image2 = made("Image2");   // "NAVI-AEREI" banner of the Allies
    platform::Image& Image3 = made("Image3");   // "ASSE" banner
    platform::Image& Image4 = made("Image4");   // "NAVI-AEREI" banner of the Axis

    platform::Frame& Frame1 = made("Frame1"); // "NAVI ALLEATI" or "NAVI ASSE"
    platform::Label& Label3 = made("Label3");
    platform::ComboBox& Combo1 = made("Combo1"); // the port the free ships go to
    platform::Label& Label9 = made("Label9");
    platform::Label& Label5 = made("Label5"); // the port's number, after "N° Base"
    platform::Label& Label10 = made("Label10");
    // Ships in the port / most it holds, after "In questa Base"
    platform::Label& Label11 = made("Label11");
    platform::Label& Label8 = made("Label8");
    // Free ships still to place, after "Ancora   da assegnare"
    platform::Label& Label4 = made("Label4");
    platform::Label& Label7 = made("Label7");
    // Ships placed, after "Tutte le NAVI assegnate:"
    platform::Label& Label12 = made("Label12");
    // The free ships on offer; a double-click places the ship in the port.
    platform::ListBox& List1 = made("List1");
    platform::Label& Label6 = made("Label6"); // the details of the ship picked
    platform::ListBox& List2 = made("List2"); // the ships placed
    platform::Frame& Frame3 = made("Frame3");
    platform::ControlArray<platform::Label>& Label1 = made("Label1"); // the free types
    platform::ControlArray<platform::Label>& Label2 = made("Label2"); // the quota left of each
    platform::Label& Label14 = made("Label14");
    platform::Label& Label13 = made("Label13");
    platform::Line& Line1 = made("Line1"); // rule under the port choice
    platform::Line& Line2 = made("Line2"); // rule above "FINE"
    platform::Line& Line3 = made("Line3"); // rule between the free types
    platform::Line& Line4 = made("Line4"); // rule between the free types
    platform::Line& Line5 = made("Line5"); // rule between the free types
    platform::Line& Line6 = made("Line6"); // rule between the free types
    platform::Line& Line7 = made("Line7"); // rule between the free types
    platform::Line& Line8 = made("Line8"); // rule between the free types
    platform::Line& Line9 = made("Line9"); // rule between the free types

    platform::Frame& Frame2 = made("Frame2"); // "AEREI ALLEATI" or "AEREI ASSE"
    platform::Label& Label15 = made("Label15");
    platform::ComboBox& Combo2 = made("Combo2"); // the air base the free aircraft go to
    platform::Label& Label16 = made("Label16");
    platform::Label& Label17 = made("Label17"); // the air base's number, after "N° Base"
    // The aircraft types on offer; a pick chooses the type.
    platform::ListBox& List3 = made("List3");
    platform::Label& Label27 = made("Label27");
    platform::Label& Label23 = made("Label23"); // the details of the aircraft type picked
    platform::CommandButton& Command6 = made("Command6");
    platform::CommandButton& Command7 = made("Command7");
    platform::Label& Label24 = made("Label24"); // aircraft of the type to place
    platform::CommandButton& Command8 = made("Command8");
    platform::Label& Label18 = made("Label18");
    platform::ListBox& List4 = made("List4"); // the aircraft placed at the base
    platform::Label& Label19 = made("Label19");
    platform::Label& Label20 = made("Label20"); // free aircraft still to place
    platform::Label& Label21 = made("Label21");
    // Aircraft at the base, after "Totale aerei in questa Base"
    platform::Label& Label22 = made("Label22");
    platform::Label& Label25 = made("Label25");
    // The most the base holds, after "Max Numero Aerei in questa Base"
    platform::Label& Label26 = made("Label26");
    platform::CommandButton& Command9 = made("Command9");

  private:
    void FreeShipQuota();
    void PreparaNaviGratis();
    void AggiornaQuote();
    void ListaBasiNavi();
    void ListaNaviGratisAlle();
    void ListaNaviGratisAsse();
    void ListaNaviGratis(int side);
    void AssegnaNaveAlle();
    void AssegnaNaveAsse();
    void AssegnaNave(int side);
    void ListaBasiAerei();
    void ListaAereiGratisAlle();
    void ListaAereiGratisAsse();
    void ListaAereiGratis(int side);
    void showSide(int side);
    void beginShipPhase(int side);
    void beginAircraftPhase(int side);
    void restorePending();
    void refreshEndOfAircraft();
    void endAircraftPhase();
};
