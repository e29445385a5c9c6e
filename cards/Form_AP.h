// The aircraft card preview: four identical game cards of one aircraft on one sheet, printed as
// the window shows them.
#pragma once

#include "platform/Form.h"

#include <array>
#include <memory>
#include <vector>

class Form_AP : public platform::Form {
  public:
    static constexpr int kModules = 4;
    static constexpr int kLabelsPerModule = 24;

    Form_AP();

    // The label at position p (1..24) of module m (0..3): Label1..Label24 in the first module,
    // then Label48..Label25, Label72..Label49 and Label96..Label73 in step.
    platform::Label& moduleLabel(int module, int position);
    platform::Image& flag(int module);

    void Image1_Click(); // the first module's flag: closes the window
    void Image2_Click(); // the second module's flag: prints the sheet
    void Image3_Click(); // the third module's flag: prints the sheet
    void Image4_Click(); // the fourth module's flag: closes the window

  private:
    void buildModule(int module, int left, int top);
    void printWindow();

    std::vector<std::unique_ptr<platform::Frame>> frames_;
    std::array<std::unique_ptr<platform::Image>, kModules> flags_;
    std::array<std::array<std::unique_ptr<platform::Label>, kLabelsPerModule + 1>, kModules> labels_;
};

// Positions of the values in a module (the others are fixed captions).
namespace previewpos {
enum : int {
    Name = 1,
    Nation = 2,
    Type = 3,
    Maker = 4,
    Autonomy = 5,
    Speed = 7,
    Cost = 8,
    Availability = 10,
    Year = 11,
    Judgement = 13,
    Attack = 15,
    Defence = 17,
    Strafing = 19,
    Marks = 21,
    Torpedoes = 22,
    BombLoad = 24,
};
}
