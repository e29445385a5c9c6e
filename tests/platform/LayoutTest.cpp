// The layout table: each row's control made under its container, placed, captioned and wired to
// the window's handler; a table that names a container made by no earlier row, a control twice,
// or an event its control has not, is refused as the window is built.
#include "platform/Layout.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class TabledForm : public Form {
  public:
    TabledForm() : Form("TabledForm") {}
    static const Layout<TabledForm>& layout() {
        using enum Kind;
        using enum On;
        static const Layout<TabledForm> rows = {
            {Frame, "Frame1", "", 120, 120, 3000, 2000, "Giochi", "", Visible},
            {Option,
             "Option1(1)",
             "Frame1",
             120,
             300,
             1200,
             255,
             "b",
             "",
             Visible,
             {{Click, &TabledForm::Option1_Click}}},
            {Option,
             "Option1(0)",
             "Frame1",
             120,
             600,
             1200,
             255,
             "a",
             "",
             Disabled,
             {{Click, &TabledForm::Option1_Click}}},
            {Text,
             "Text1",
             "",
             120,
             2400,
             1200,
             315,
             "12",
             "quanti",
             Visible,
             {{KeyPress, &TabledForm::digitsOnly}, {Change, &TabledForm::Text1_Change}}},
            {Picture,
             "Pic1",
             "",
             3300,
             120,
             1500,
             1500,
             "",
             "",
             Hidden,
             {{MouseDown, &TabledForm::Pic1_MouseDown},
              {DblClick, [](TabledForm& f) { f.calls << "routine"; }}}},
            {Line, "Line1", "Frame1", 0, 900, 3000, 900, "", "", Visible},
            {Check, "Check1", "", 120, 2800, 1200, 255, "", "", Set, {{Click, &TabledForm::Check1_Click}}},
        };
        return rows;
    }
    LaidOut laidOut_{*this, layout()};
    Frame& Frame1 = made("Frame1");
    ControlArray<OptionButton>& Option1 = made("Option1");
    TextBox& Text1 = made("Text1");
    PictureBox& Pic1 = made("Pic1");
    Line& Line1 = made("Line1");
    CheckBox& Check1 = made("Check1");

    void Option1_Click(int index) { calls << QStringLiteral("Option1(%1)").arg(index); }
    void Check1_Click() { calls << "Check1"; }
    void Text1_Change() { calls << "Text1:" + Text1.text(); }
    void Pic1_MouseDown(int button, int, double x, double y) {
        calls << QStringLiteral("Pic1 %1 %2,%3").arg(button).arg(x).arg(y);
    }
    static void digitsOnly(int& key) {
        if (key < '0' || key > '9') key = 0;
    }
    QStringList calls;
};

template <class F> struct BadForm : Form {
    explicit BadForm(const Layout<F>& rows) : Form("BadForm") { makeControls(static_cast<F&>(*this), rows); }
};
struct Bad : BadForm<Bad> {
    using BadForm::BadForm;
    void Label1_Click() {}
};

} // namespace

TEST(LayoutTable, MakesPlacesAndWiresEveryRow) {
    auto f = std::make_shared<TabledForm>();
    EXPECT_EQ(&f->Option1[0].parent(), static_cast<Container*>(&f->Frame1));
    EXPECT_EQ(f->Frame1.children().front(), &f->Option1[1]); // siblings in the order of their rows
    EXPECT_EQ((std::array{f->Option1[0].left(), f->Option1[0].top(), f->Option1[0].width()}),
              (std::array{120, 600, 1200}));
    EXPECT_EQ(f->Option1[1].caption(), "b");
    EXPECT_FALSE(f->Option1[0].enabled());
    EXPECT_FALSE(f->Pic1.visible());
    EXPECT_EQ(f->Text1.text(), "12");
    EXPECT_EQ(f->Text1.toolTipText(), "quanti");
    EXPECT_EQ((std::array{f->Line1.x1(), f->Line1.y1(), f->Line1.x2(), f->Line1.y2()}),
              (std::array{0, 900, 3000, 900}));

    EXPECT_EQ(f->Check1.value(), 1); // set at load, raising no click
    EXPECT_TRUE(f->calls.isEmpty());
    f->Pic1.setVisible(true);
    f->Option1[1].doClick();
    f->Text1.doType("3x");
    f->Pic1.doMouseDown(vbRightButton, 0, 40, 50);
    f->Pic1.doDblClick();
    EXPECT_EQ(f->calls.join(" | ").toStdString(), "Option1(1) | Text1:123 | Pic1 2 40,50 | routine");
    EXPECT_EQ(f->madeControl("Option1(1)"), &f->Option1[1]);
    EXPECT_EQ(f->madeControl("Option1(7)"), nullptr);
}

TEST(LayoutTable, RefusesATableItCannotBuild) {
    using enum Kind;
    using enum On;
    const auto refused = [](const Layout<Bad>& rows) {
        try {
            Bad form(rows);
        } catch (const std::logic_error& e) {
            return std::string(e.what());
        }
        return std::string("built");
    };
    EXPECT_NE(refused({{Label, "Label1", "Frame9", 0, 0, 100, 100, "", "", Visible}}).find("Label1"),
              std::string::npos);
    EXPECT_NE(refused({{Label, "Label1", "", 0, 0, 100, 100, "", "", Visible},
                       {Label, "Label1", "", 0, 0, 100, 100, "", "", Visible}})
                  .find("twice"),
              std::string::npos);
    EXPECT_NE(
        refused({{Button, "Label1", "", 0, 0, 100, 100, "", "", Visible, {{Change, &Bad::Label1_Click}}}})
            .find("Change"),
        std::string::npos);
    EXPECT_EQ(
        refused({{Label, "Label1", "", 0, 0, 100, 100, "", "", Visible, {{Click, &Bad::Label1_Click}}}}),
        "built");
    // A member naming a control of another type is refused too.
    auto f = std::make_shared<TabledForm>();
    EXPECT_THROW(f->control<platform::Label>("Text1"), std::logic_error);
}
