// A naval group's bombardment of an enemy port: the base under fire and the two sides' ships, the
// player's choice of distance and duration with the fire values they give, and one salvo that
// spreads its hits over the ships in port, the group's own ships and the base. The contact board
// opens it modal with OperationContext filled (2 the base, 5 the side, 6 the naval group).
#pragma once

#include "NavalBombardment.h"
#include "platform/Layout.h"

// The working values of FrmBombNav, kept with its controls when an action fails.
struct FrmBombNavValues {
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
};

class FrmBombNav : public platform::FormWith<FrmBombNavValues> {
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

    // The controls, made by the layout table (FrmBombNav::layout()) before the members that name them.
    static const platform::Layout<FrmBombNav>& layout();
    platform::LaidOut laidOut_{*this, layout()};

    platform::Frame& Frame1 = made("Frame1");
    platform::Label& Label1 = made("Label1"); // the port under fire
    platform::Label& Label2 = made("Label2"); // its damage now (at most 100)
    platform::Label& Label3 = made("Label3"); // the damage the bombardment did
    platform::Label& Label4 = made("Label4");
    // The port's six values under Label4, then critical hits, hits on ships in port, % and weight on the
    // group.
    platform::ControlArray<platform::Label>& Label5 = made("Label5");
    platform::ListBox& List1 = made("List1");   // the ships in port
    platform::Label& Label11 = made("Label11"); // the group's hits on the base, "Colpi del GN"
    platform::Label& Label13 = made("Label13"); // their weight, "Peso colpi GN"
    // Operativity lost by a critical hit, "Operativita persa"
    platform::Label& Label16 = made("Label16");
    platform::Label& Label18 = made("Label18"); // the ships in port that were hit

    platform::Frame& Frame2 = made("Frame2");
    platform::Label& Label10 = made("Label10");
    platform::Label& Label6 = made("Label6"); // the group's hit weight, under "P Base"
    platform::Label& Label7 = made("Label7"); // the modified hit weight, under "P Modif"
    platform::Label& Label8 = made("Label8"); // the group's hit percentage, under "% Base"
    platform::Label& Label9 = made("Label9"); // the modified percentage, under "%Mod"
    platform::ListBox& List2 = made("List2"); // the bombarding ships
    // The base's hits on the group, "Colpi della Base"
    platform::Label& Label12 = made("Label12");
    platform::Label& Label14 = made("Label14"); // their weight, "Peso colpi Base"
    platform::Label& Label15 = made("Label15"); // the group's ships hit, "Navi colpite"
    platform::Label& Label17 = made("Label17"); // the names of the group's ships hit

    platform::Frame& Frame3 = made("Frame3");
    platform::OptionButton& Option1 = made("Option1");
    platform::OptionButton& Option2 = made("Option2");
    platform::OptionButton& Option3 = made("Option3");
    platform::Frame& Frame4 = made("Frame4");
    platform::OptionButton& Option4 = made("Option4");
    platform::OptionButton& Option5 = made("Option5");
    platform::OptionButton& Option6 = made("Option6");
    platform::CommandButton& Command1 = made("Command1");
    platform::CommandButton& Command2 = made("Command2");
    // What to do next: choose distance and length, or done.
    platform::Label& Label19 = made("Label19");

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
    platform::ControlArray<platform::Label>& Notes = made("Notes");
};
