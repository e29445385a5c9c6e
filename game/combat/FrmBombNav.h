// A naval group's bombardment of an enemy port: the base under fire and the two sides' ships, the
// player's choice of distance and duration with the fire values they give, and one salvo that
// spreads its hits over the ships in port, the group's own ships and the base. The contact board
// opens it modal with OperationContext filled (2 the base, 5 the side, 6 the naval group).
#pragma once

#include "NavalBombardment.h"
#include "platform/Form.h"

class FrmBombNav : public platform::Form {
  public:
    FrmBombNav();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void Option1_Click();  // "Vicino"
    void Option2_Click();  // "Medio"
    void Option3_Click();  // "Lontano"
    void Option4_Click();  // "Massima"
    void Option5_Click();  // "Media"
    void Option6_Click();  // "Minima"
    void Command1_Click(); // "&Fuoco!"
    void Command2_Click(); // "F&ine"

    // The sides, the base under fire and the bombarding group.
    int LatoAttacco = kAllies, LatoDifesa = kAxis;
    int Base = 0, Gruppo = 0;
    // The group's fire weight and total fire direction, the options, and the fire values of both
    // sides and the counters of the salvo.
    long long PesoGN = 0, TotaleDT = 0;
    int Distanza = bombardment::kDefaultDistance;
    int Durata = bombardment::kDefaultDuration;
    bombardment::FireValues Tiro;
    bombardment::Salvo Colpi;

    platform::Frame Frame1{*this, "Frame1", "Dati Porto sotto attacco"};
    platform::Label Label1{Frame1, "Label1"}; // the port under fire
    platform::Label Label2{Frame1, "Label2"}; // its damage now (at most 100)
    platform::Label Label3{Frame1, "Label3"}; // the damage the bombardment did
    platform::Label Label4{Frame1, "Label4", "Base    Port    AerPort    %AA    %AN     PesoAN"};
    // The port's six values under Label4, then critical hits, hits on ships in port, % and weight on the
    // group.
    platform::ControlArray<platform::Label> Label5;
    platform::ListBox List1{Frame1, "List1"};   // the ships in port
    platform::Label Label11{Frame1, "Label11"}; // the group's hits on the base, "Colpi del GN"
    platform::Label Label13{Frame1, "Label13"}; // their weight, "Peso colpi GN"
    // Operativity lost by a critical hit, "Operativita persa"
    platform::Label Label16{Frame1, "Label16"};
    platform::Label Label18{Frame1, "Label18"}; // the ships in port that were hit

    platform::Frame Frame2{*this, "Frame2", "Navi in Attacco"};
    platform::Label Label10{Frame2, "Label10", "P Base   P Modif    % Base  %Mod"};
    platform::Label Label6{Frame2, "Label6"}; // the group's hit weight, under "P Base"
    platform::Label Label7{Frame2, "Label7"}; // the modified hit weight, under "P Modif"
    platform::Label Label8{Frame2, "Label8"}; // the group's hit percentage, under "% Base"
    platform::Label Label9{Frame2, "Label9"}; // the modified percentage, under "%Mod"
    platform::ListBox List2{Frame2, "List2"}; // the bombarding ships
    // The base's hits on the group, "Colpi della Base"
    platform::Label Label12{Frame2, "Label12"};
    platform::Label Label14{Frame2, "Label14"}; // their weight, "Peso colpi Base"
    platform::Label Label15{Frame2, "Label15"}; // the group's ships hit, "Navi colpite"
    platform::Label Label17{Frame2, "Label17"}; // the names of the group's ships hit

    platform::Frame Frame3{*this, "Frame3", "Distanza"};
    platform::OptionButton Option1{Frame3, "Option1", "Vicino"};
    platform::OptionButton Option2{Frame3, "Option2", "Medio"};
    platform::OptionButton Option3{Frame3, "Option3", "Lontano"};
    platform::Frame Frame4{*this, "Frame4", "Durata"};
    platform::OptionButton Option4{Frame4, "Option4", "Massima"};
    platform::OptionButton Option5{Frame4, "Option5", "Media"};
    platform::OptionButton Option6{Frame4, "Option6", "Minima"};
    platform::CommandButton Command1{*this, "Command1", "&Fuoco!"};
    platform::CommandButton Command2{*this, "Command2", "F&ine"};
    // What to do next: choose distance and length, or done.
    platform::Label Label19{*this, "Label19"};

  private:
    void ValoriBersaglio();
    void MostraValoriBase();
    void ListaNaviPorto();
    void ListaNaviAttacco();
    void CalcolaValoriTiro();
    void EseguiFuoco();
    void DistribuisciColpiPorto();
    void DistribuisciColpiGN();
    void DanniBase();
    void UsuraGN();
    void setDistance(int distance);
    void setDuration(int duration);

    // What the value boxes hold, written beside them.
    platform::ControlArray<platform::Label> Notes;
};
