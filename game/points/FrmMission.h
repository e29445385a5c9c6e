// Both sides' standing at one glance: the four objectives of each, green when met and red when not,
// the loss and usage scores, and every ship lost. It changes nothing.
#pragma once

#include "platform/Form.h"

#include <array>

class FrmMission : public platform::Form {
  public:
    FrmMission();
    void Form_Load() override;

    platform::Frame Frame1{*this, "Frame1", "ALLEATI"};
    platform::ControlArray<platform::Label> Label1; // objectives
    platform::ControlArray<platform::Label> Label5; // targets
    platform::ControlArray<platform::Label> Label6; // present values
    platform::Label Label8{Frame1, "Label8"};       // points used for units, "Punti Mezzi Usati"
    platform::Label Label10{Frame1, "Label10"};     // points of aircraft lost, "Punti Aerei Persi"
    platform::Label Label12{Frame1, "Label12"};     // warship tonnage lost, "Stazza Guerra Perse"
    platform::Label Label14{Frame1, "Label14"};     // merchant tonnage lost, "Stazza Merc. Perse"
    // Cargo and operativity lost, "Cargo/Operat. Persa"
    platform::Label Label16{Frame1, "Label16"};
    platform::Label Label18{Frame1, "Label18"}; // the negative index, "Indice Negativo"
    platform::ListBox List1{Frame1, "List1"};   // every Allied ship lost
    platform::ControlArray<platform::Label> AlliedHeadings;

    platform::Frame Frame2{*this, "Frame2", "ASSE"};
    platform::ControlArray<platform::Label> Label2; // objectives
    platform::ControlArray<platform::Label> Label3; // targets
    platform::ControlArray<platform::Label> Label4; // present values
    platform::Label Label9{Frame2, "Label9"};       // points used for units, "Punti Mezzi Usati"
    platform::Label Label11{Frame2, "Label11"};     // points of aircraft lost, "Punti Aerei Persi"
    platform::Label Label13{Frame2, "Label13"};     // warship tonnage lost, "Stazza Guerra Perse"
    platform::Label Label15{Frame2, "Label15"};     // merchant tonnage lost, "Stazza Merc. Perse"
    // Cargo and operativity lost, "Cargo/Operat. Persa"
    platform::Label Label17{Frame2, "Label17"};
    platform::Label Label19{Frame2, "Label19"}; // the negative index, "Indice Negativo"
    platform::ListBox List2{Frame2, "List2"};   // every Axis ship lost
    platform::ControlArray<platform::Label> AxisHeadings;

    // Who wins: all four objectives met, or the most at the end.
    platform::Label Label7{*this, "Label7"};

  private:
    // One side's controls.
    struct SideControls {
        platform::Frame& frame;
        platform::ControlArray<platform::Label>& captions;
        platform::ControlArray<platform::Label>& targets;
        platform::ControlArray<platform::Label>& present;
        std::array<platform::Label*, 6> scores;
        platform::ListBox& lost;
        platform::ControlArray<platform::Label>& headings;
        std::array<const char*, 3> names; // of the captions', targets' and present values' arrays
    };
    SideControls side(int s);
    void layOut(const SideControls& c, const std::array<const char*, 6>& tips);
    void MostraObiettivi();
    void ColoraObiettivi();
    void ListaNaviPerse();
};
