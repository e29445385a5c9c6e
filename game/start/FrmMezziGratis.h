// The last window of the new-campaign wizard: it builds the campaign's ship and aircraft files from
// the side archives, then leads each side through its free starting ships and aircraft.
#pragma once

#include "NewCampaign.h"
#include "platform/Form.h"

#include <array>

class FrmMezziGratis : public platform::Form {
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

    platform::CommandButton Command2{*this, "Command2", "Navi Alleati"};
    platform::CommandButton Command3{*this, "Command3", "Navi Asse"};
    platform::CommandButton Command4{*this, "Command4", "Aerei Alleati"};
    platform::CommandButton Command5{*this, "Command5", "Aerei Asse"};
    platform::CommandButton Command1{*this, "Command1", "&Start"};
    platform::Label Label28{*this, "Label28"}; // the notice of the step: ships, then aircraft
    platform::Image Image1{*this, "Image1"};   // "ALLEATI" banner
    platform::Image Image2{*this, "Image2"};   // "NAVI-AEREI" banner of the Allies
    platform::Image Image3{*this, "Image3"};   // "ASSE" banner
    platform::Image Image4{*this, "Image4"};   // "NAVI-AEREI" banner of the Axis

    platform::Frame Frame1{*this, "Frame1"}; // "NAVI ALLEATI" or "NAVI ASSE"
    platform::Label Label3{Frame1, "Label3", "PRIMA la base POI le Navi"};
    platform::ComboBox Combo1{Frame1, "Combo1", 2}; // the port the free ships go to
    platform::Label Label9{Frame1, "Label9", "N° Base"};
    platform::Label Label5{Frame1, "Label5"}; // the port's number, after "N° Base"
    platform::Label Label10{Frame1, "Label10", "In questa Base"};
    // Ships in the port / most it holds, after "In questa Base"
    platform::Label Label11{Frame1, "Label11"};
    platform::Label Label8{Frame1, "Label8", "Ancora   da assegnare"};
    // Free ships still to place, after "Ancora   da assegnare"
    platform::Label Label4{Frame1, "Label4"};
    platform::Label Label7{Frame1, "Label7", "Tutte le NAVI assegnate:"};
    // Ships placed, after "Tutte le NAVI assegnate:"
    platform::Label Label12{Frame1, "Label12"};
    // The free ships on offer; a double-click places the ship in the port.
    platform::ListBox List1{Frame1, "List1"};
    platform::Label Label6{Frame1, "Label6"}; // the details of the ship picked
    platform::ListBox List2{Frame1, "List2"}; // the ships placed
    platform::Frame Frame3{Frame1, "Frame3", "Navi Gratis"};
    platform::ControlArray<platform::Label> Label1; // the free types
    platform::ControlArray<platform::Label> Label2; // the quota left of each
    platform::Label Label14{Frame1, "Label14", "FINE"};
    platform::Label Label13{Frame1, "Label13",
                            "Chiudere solo se NAVI gratis finite o se non si desiderano altre NAVI gratis"};
    platform::Line Line1{Frame1, "Line1"}; // rule under the port choice
    platform::Line Line2{Frame1, "Line2"}; // rule above "FINE"
    platform::Line Line3{Frame3, "Line3"}; // rule between the free types
    platform::Line Line4{Frame3, "Line4"}; // rule between the free types
    platform::Line Line5{Frame3, "Line5"}; // rule between the free types
    platform::Line Line6{Frame3, "Line6"}; // rule between the free types
    platform::Line Line7{Frame3, "Line7"}; // rule between the free types
    platform::Line Line8{Frame3, "Line8"}; // rule between the free types
    platform::Line Line9{Frame3, "Line9"}; // rule between the free types

    platform::Frame Frame2{*this, "Frame2"}; // "AEREI ALLEATI" or "AEREI ASSE"
    platform::Label Label15{Frame2, "Label15", "PRIMA la base POI gli Aerei"};
    platform::ComboBox Combo2{Frame2, "Combo2", 2}; // the air base the free aircraft go to
    platform::Label Label16{Frame2, "Label16", "N° Base"};
    platform::Label Label17{Frame2, "Label17"}; // the air base's number, after "N° Base"
    // The aircraft types on offer; a pick chooses the type.
    platform::ListBox List3{Frame2, "List3"};
    platform::Label Label27{Frame2, "Label27", "Di questo tipo >>"};
    platform::Label Label23{Frame2, "Label23"}; // the details of the aircraft type picked
    platform::CommandButton Command6{Frame2, "Command6", "+"};
    platform::CommandButton Command7{Frame2, "Command7", "-"};
    platform::Label Label24{Frame2, "Label24"}; // aircraft of the type to place
    platform::CommandButton Command8{Frame2, "Command8", "&Conferma N° Aerei"};
    platform::Label Label18{Frame2, "Label18", "Tutti gli AEREI assegnati a questa base:"};
    platform::ListBox List4{Frame2, "List4"}; // the aircraft placed at the base
    platform::Label Label19{Frame2, "Label19", "Ancora   da assegnare"};
    platform::Label Label20{Frame2, "Label20"}; // free aircraft still to place
    platform::Label Label21{Frame2, "Label21", "Totale aerei in questa Base"};
    // Aircraft at the base, after "Totale aerei in questa Base"
    platform::Label Label22{Frame2, "Label22"};
    platform::Label Label25{Frame2, "Label25", "Max Numero Aerei in questa Base"};
    // The most the base holds, after "Max Numero Aerei in questa Base"
    platform::Label Label26{Frame2, "Label26"};
    platform::CommandButton Command9{Frame2, "Command9", "&Fine Aerei"};

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
