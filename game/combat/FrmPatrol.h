// The attack of an air group on patrol on an enemy naval group, one aircraft at a time: the player
// double-clicks a ship of the target group for each aircraft, which meets the ship's anti-aircraft
// fire, releases its bombs, strafes and meets the fire again. Each hit is written into the ship's
// record and the group's columns at once; after the last aircraft the air group's losses are
// written back and the group turns for home. The contact board opens it, modal, with
// OperationContext filled.
#pragma once

#include "PatrolAttack.h"
#include "common/SaveBatch.h"
#include "platform/Form.h"

#include <memory>
#include <vector>

// The working values of FrmPatrol, kept with its controls when an action fails.
struct FrmPatrolValues {
    // Sides, groups and the ship under attack.
    int LatoAttacco = 0, LatoDifesa = 0;
    int NumGA = 0, NumGN = 0;
    int RecordNave = 0;
    // The aircraft now attacking (from 1), the outcome of the last anti-aircraft fire, and the
    // attack's count of aircraft damaged and shot down.
    int AereoInAzione = 0;
    int EsitoAA = patrolattack::kPassed;
    int TotDanneggiati = 0, TotAbbattuti = 0;
    // Bombs on target and hull damage of the last release, hull damage of the last strafing.
    int ColpiBombe = 0, DanniBombe = 0, DanniMitra = 0;
    // Half the target group's AA, the air groups patrolling over it, and 1 once the player has
    // forced the attack through their patrol.
    int AAGruppo = 0, NumCAP = 0, CAPForzata = 0;
    // The hit ship's values while a hit is applied.
    patrolattack::ShipValues ValoriNave;
    // The target group's ships with their values, kept up to date by each hit.
    std::vector<patrolattack::GroupShip> ships_;
    // The patrol over the target stops the attack until the player forces it.
    bool capBlock_ = false;
    bool attackEnded_ = false;
    std::shared_ptr<SaveBatch> saves_;
    QString shipPath_;
};

class FrmPatrol : public platform::FormWith<FrmPatrolValues> {
  public:
    FrmPatrol();
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    // The ships of the attacked group; a double-click picks the target (tip "Doppio Click per proseguire ")
    void List1_Click();
    void List1_DblClick();
    void Command3_Click(); // "&AA1"
    void Command1_Click(); // "&Lancio Bombe"
    void Command2_Click(); // "&Mitragliamento/AA2"
    void Command4_Click(); // "&Fine Operazione"
    // "GIA FATTO !"; a double-click forces the fight with no CAP over the target.
    void Label16_DblClick();

    platform::Label Label19{*this, "Label19"}; // how the attack goes, aircraft by aircraft
    platform::Label Label7{*this, "Label7", "Nave sotto attacco:"};
    platform::Label Label6{*this, "Label6"}; // the name of the ship picked
    // The ships of the attacked group; a double-click picks the target (tip "Doppio Click per proseguire ")
    platform::ListBox List1{*this, "List1"};
    platform::ListBox List2{*this, "List2"};         // the aircraft of the group, one line each
    platform::ControlArray<platform::Label> Label1;  // 0 depth, 1 group, 2..11 ship values
    platform::Label Label5{*this, "Label5"};         // "GA: " and the air group's number
    platform::Image Image1{*this, "Image1"};         // fires on the target, or none
    platform::Label Label2{*this, "Label2"};         // the heading over the target's values (Label1)
    platform::Label Label4{*this, "Label4"};         // the heading over the aircraft's values (Label3)
    platform::ControlArray<platform::Label> Label3;  // group values
    platform::Label Label21{*this, "Label21"};       // the heading over the special damage (Label22)
    platform::ControlArray<platform::Label> Label22; // damage of the last hit
    platform::Label Label17{*this, "Label17"};       // the anti-aircraft percentage
    platform::CommandButton Command3{*this, "Command3", "&AA1"};
    platform::CommandButton Command1{*this, "Command1", "&Lancio Bombe"};
    platform::CommandButton Command2{*this, "Command2", "&Mitragliamento/AA2"};
    platform::Label Label13{*this, "Label13"}; // bomb hits
    platform::Label Label14{*this, "Label14"}; // bomb damage
    platform::Label Label15{*this, "Label15"}; // strafing damage
    platform::Label Label9{*this, "Label9", "Aereo in Azione N°:"};
    // The aircraft in action, after "Aereo in Azione N°:"
    platform::Label Label10{*this, "Label10"};
    platform::Label Label18{*this, "Label18", "Aerei in attacco:"};
    // The aircraft attacking, after "Aerei in attacco:"
    platform::Label Label8{*this, "Label8"};
    platform::Label Label20{*this, "Label20", "Dann       Abbatt "};
    platform::Label Label11{*this, "Label11"}; // aircraft damaged, under "Dann"
    platform::Label Label12{*this, "Label12"}; // aircraft shot down, under "Abbatt"
    // "GIA FATTO !"; a double-click forces the fight with no CAP over the target.
    platform::Label Label16{*this, "Label16"};
    platform::CommandButton Command4{*this, "Command4", "&Fine Operazione"};

  private:
    void AzzeraAttacco();
    void ImpostaAttacco();
    void ListaNaviBersaglio();
    void CaricaGruppoAereo();
    void ListaAereiAttacco();
    void CalcolaPercAttacco();
    void LeggiValoriNave();
    void CalcolaPercAA();
    void MostraValoriNave();
    void MostraValoriGruppo();
    void MostraDanni();
    void ProssimoAereo();
    void TiroAntiaereo();
    void DanniSpeciali();
    void ApplicaDanni();
    void AggiornaGNColpito();
    void ScriviNave();
    void FineAttacco();

    // The ship picked in List1 read into the record buffer, its name shown and the hit of the
    // previous aircraft cleared; false when no ship is picked.
    bool leggiNaveScelta();
    // The ship's AA percentage worked out again after a hit; the controls stay as they are.
    void percentualeAA();
    // The end of the attack as every path shows it.
    void attaccoTerminato();
    bool sidesSet() const;
    int shipFile();
    void commitSaves();
    Int16* gnRow() const;
    Int16* gaRow() const;
};

// Opens the attack window, modal, with the caption the contact board gives it.
void showPatrolAttack(const QString& caption);
