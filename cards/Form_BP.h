// The printable game sheet of one ship class: the computed values of ShipData in six framed
// groups, the nation's flag and a picture of the ship chosen by the user; a click on the flag
// prints the window as shown.
#pragma once

#include "platform/Dialogs.h"
#include "platform/Layout.h"

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

    // The controls, made by the layout table (Form_BP::layout()) before the members that name them.
    // The captions and values of the groups' rows share the names "Caption" and "Value", which a
    // table cannot give twice: the window makes them (addRow).
    static const platform::Layout<Form_BP>& layout();
    platform::LaidOut laidOut_{*this, layout()};

    platform::Frame& FrameAnagrafica = made("Frame1");
    platform::Frame& FrameDati = made("Frame2");
    platform::Frame& FrameResistenza = made("Frame3");
    platform::Frame& FrameArmamento = made("Frame4");
    platform::Frame& FrameCorazzature = made("Frame5");
    platform::Frame& FrameAA = made("Frame6");
    platform::Image& Image1 = made("Image1"); // flag: prints the window
    platform::Label& PictureArea = made("PictureArea");
    platform::Image& Image2 = made("Image2"); // the user's picture, over its area
    platform::FileDialog CommonDialog1;

    // Values that tests and the printout read.
    platform::Label* valueOf(const QString& caption);
    platform::Label& NationValue = made("NationValue");
    platform::Label& NameValue = made("NameValue");
    platform::Label& HalfResistance = made("HalfResistance");
    platform::Label& AaHeading = made("AaHeading");
    // The anti-aircraft table, a column for each of the three calibres. Each row is named on its
    // left, so that a value never reads as the calibre above it run on.
    platform::Label* const AaCalibre[3] = {&label("AaCalibre1"), &label("AaCalibre2"), &label("AaCalibre3")};
    platform::Label* const AaValue[3] = {&label("AaValue1"), &label("AaValue2"), &label("AaValue3")};
    platform::Label& CalibreCaption = made("CalibreCaption");
    platform::Label& ValueCaption = made("ValueCaption");
    platform::Label& DecayCaption = made("DecayCaption");
    platform::Label* const AaDecay[3] = {&label("AaDecay1"), &label("AaDecay2"), &label("AaDecay3")};
    platform::Label& AamCaption = made("AamCaption");
    platform::Label& AamValue = made("AamValue");
    platform::Label& AacCaption = made("AacCaption");
    platform::Label& AacValue = made("AacValue");

    void FillShipPreview();
    // The nation's flag: prints the sheet (tip " Click = STAMPA SCHEDA NAVE")
    void Image1_Click();
    void Image2_Click(); // the ship's picture: a click picks a picture file

  private:
    platform::Label& label(const char* name) { return control<platform::Label>(name); }
    platform::Label& addRow(platform::Frame& frame, const QString& caption, int item, int item2, int top,
                            int valueWidth);
    std::vector<std::unique_ptr<platform::Label>> owned_;
    std::vector<Row> rows_;
};
