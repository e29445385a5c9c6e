// The printable game sheet of one ship class: the computed values of ShipData in six framed
// groups, the nation's flag and a picture of the ship chosen by the user; a click on the flag
// prints the window as shown.
#pragma once

#include "platform/Dialogs.h"
#include "platform/Form.h"

#include <vector>

class Form_BP : public platform::Form {
  public:
    Form_BP();
    void Form_Load() override;

    // Captions beside their values, group by group; value labels are filled by FillShipPreview.
    struct Row {
        platform::Label* caption;
        platform::Label* value;
        int item;  // ShipData element shown, 0 for a row filled otherwise
        int item2; // a second element shown beside it, 0 when none
    };

    platform::Frame FrameAnagrafica{*this, "Frame1", "Anagrafica"};
    platform::Frame FrameDati{*this, "Frame2", "Dati Generali"};
    platform::Frame FrameResistenza{*this, "Frame3", "Resistenza e Incendi"};
    platform::Frame FrameArmamento{*this, "Frame4", "Armamento"};
    platform::Frame FrameCorazzature{*this, "Frame5", "Corazzature"};
    platform::Frame FrameAA{*this, "Frame6", "Armi AA"};
    platform::Image Image1{*this, "Image1"}; // flag: prints the window
    platform::Label PictureArea{FrameArmamento, "PictureArea"};
    platform::Image Image2{FrameArmamento, "Image2"}; // the user's picture, over its area
    platform::FileDialog CommonDialog1;

    // Values that tests and the printout read.
    platform::Label* valueOf(const QString& caption);
    platform::Label NationValue{FrameAnagrafica, "NationValue"};
    platform::Label NameValue{FrameAnagrafica, "NameValue"};
    platform::Label HalfResistance{FrameResistenza, "HalfResistance"};
    platform::Label AaHeading{FrameAA, "AaHeading", " su TP       su TS     su TS2"};
    platform::Label AaCalibre[3] = {
        {FrameAA, "AaCalibre1", "nn"}, {FrameAA, "AaCalibre2", "nn"}, {FrameAA, "AaCalibre3", "nn"}};
    platform::Label AaValue[3] = {{FrameAA, "AaValue1"}, {FrameAA, "AaValue2"}, {FrameAA, "AaValue3"}};
    // Each row of the anti-aircraft table named on its left, so that a value never reads as the
    // calibre above it run on.
    platform::Label CalibreCaption{FrameAA, "CalibreCaption", "Calibro:"};
    platform::Label ValueCaption{FrameAA, "ValueCaption", "Valore CAA:"};
    platform::Label DecayCaption{FrameAA, "DecayCaption", "Val. decad. CAA x canna elimin."};
    platform::Label AaDecay[3] = {
        {FrameAA, "AaDecay1", "0"}, {FrameAA, "AaDecay2", "0"}, {FrameAA, "AaDecay3", "0"}};
    platform::Label AamCaption{FrameAA, "AamCaption", "AAM"};
    platform::Label AamValue{FrameAA, "AamValue"};
    platform::Label AacCaption{FrameAA, "AacCaption", "AAC"};
    platform::Label AacValue{FrameAA, "AacValue"};

    void FillShipPreview();
    // The nation's flag: prints the sheet (tip " Click = STAMPA SCHEDA NAVE")
    void Image1_Click();
    void Image2_Click(); // the ship's picture: a click picks a picture file

  private:
    platform::Label& addRow(platform::Frame& frame, const QString& caption, int item, int item2, int top,
                            int valueWidth);
    std::vector<std::unique_ptr<platform::Label>> owned_;
    std::vector<Row> rows_;
};
