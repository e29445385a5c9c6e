// The contact plot: a sketch of the selected contact centred on the attacked naval group, drawn by
// the contact board, with the sketch's scale and two buttons that switch the main map between the
// sea-bed map and the normal map.
#pragma once

#include "game/combat/ContactBoard.h"
#include "platform/Form.h"

// The working values of FrmContatti2, kept with its controls when an action fails.
struct FrmContatti2Values {
    // Twips per map unit of a naval group's offset, and the scale's step 1..9.
    double PlotScale = contactboard::kDefaultPlotScale;
    int PlotScaleStep = contactboard::kDefaultPlotStep;
};

class FrmContatti2 : public platform::FormWith<FrmContatti2Values> {
  public:
    FrmContatti2();
    void Form_Load() override;

    void Command1_Click();          // "&-": the icons closer
    void Command2_Click();          // "&+": the icons farther apart
    void Command3_Click(int index); // "Mappa Fondali" (0) and "Reset Mappa" (1)
    void Label2_Click();            // the plot scale, 3.4 by default; a click resets it

    // The sketch, the attacked group white at its centre.
    platform::PictureBox Picture1{*this, "Picture1"};
    platform::Label Label1{*this, "Label1",
                           "GN Sotto attacco é sempre al centro del grafico dei CONTATTI   (Icona Bianca)"};
    platform::CommandButton Command1{*this, "Command1", "&-"};
    // The plot scale, 3.4 by default; a click resets it.
    platform::Label Label2{*this, "Label2", "3.4"};
    platform::CommandButton Command2{*this, "Command2", "&+"};
    // "Mappa Fondali" (0) and "Reset Mappa" (1)
    platform::ControlArray<platform::CommandButton> Command3;

  private:
    // After a scale change: the step's caption and colour, the normal map, an empty plot.
    void scaleChanged();
};
