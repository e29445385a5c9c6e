// The ship damage entry: the ships of one naval group, damage entered against the loaded values and
// written field by field, a sinking flag that no entry cancels, and the carrier's aircraft locked.
#include "game/combat/FormDanniNavi.h"

#include "common/DataFolder.h"
#include "platform/Colors.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/LayoutCheck.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace damageentry;
namespace F = recordformat::ship;

namespace {

class ShipDamageEntryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        testcampaign::write();
        testcampaign::appendShips(kAllies, {{.type = "CT", .group = 5, .knots = 28, .hull = 12},
                                            {.type = "CT", .group = 6},
                                            {.type = "PA", .group = 5, .aircraft = 30}});
        // The destroyer's nominal values and a carrier already sinking.
        change(1, [](ShipRecord& s) {
            s.setNumber(F::NODI, 30);
            s.setNumber(F::OPERATIVITA, 100);
            s.setNumber(F::AEREI, 1);
            s.setNumber(F::AEREIM, 1);
            s.setText(F::CARGOM, QStringLiteral("7  "));
        });
        change(3, [](ShipRecord& s) { s.setNumber(F::AFF, 1); });
        G().CurrentSide = kAllies;
        G().SelectedGn = 5;
    }
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
        resetGlobals();
    }
    void change(int record, const std::function<void(ShipRecord&)>& edit) {
        openShipFile(20, kAllies);
        readShip(20, record);
        edit(G().ShipRecordBuffer);
        writeShip(20, record);
        G().Files.close(20);
    }
    ShipRecord ship(int record) {
        openShipFile(20, kAllies);
        readShip(20, record);
        G().Files.close(20);
        return G().ShipRecordBuffer;
    }
    // The window opened for the group, driven by `drive` while it is shown.
    void open(const std::function<void(FormDanniNavi&)>& drive) {
        bool shown = false;
        platform::testing::setModalHandler([&](Form& w) {
            shown = true;
            drive(static_cast<FormDanniNavi&>(w));
            static_cast<FormDanniNavi&>(w).Command1.doClick();
        });
        openShipDamageEntry();
        EXPECT_TRUE(shown);
        EXPECT_FALSE(G().Files.isOpen(kChannelShips)) << "closed with the window";
    }

    testsupport::ProgramFolder folder;
};

TEST_F(ShipDamageEntryTest, DamageIsEnteredAgainstTheLoadedValues) {
    const QByteArray before = ship(1).bytes();
    open([](FormDanniNavi& f) {
        EXPECT_EQ(f.caption(), "Danni Navi post-Combat");
        ASSERT_EQ(f.List1.listCount(), 2);
        EXPECT_EQ(f.List1.list(0), "GN: 5 -CT- Nave 1");
        EXPECT_EQ(f.List1.list(1), "GN: 5 -PA- Nave 3");
        EXPECT_FALSE(f.Command2.enabled());

        f.List1.doPick(0);
        EXPECT_EQ(f.Label5.caption(), "1");
        EXPECT_EQ(f.Label6.caption(), "Nave 1");
        EXPECT_EQ(f.Label2[1].caption(), "30");
        EXPECT_EQ(f.Label3[1].caption(), "28");
        EXPECT_EQ(f.Label3[1].foreColor(), vbRed) << "below its default";
        EXPECT_EQ(f.Label3[0].foreColor(), vbBlack);
        EXPECT_EQ(f.Label2[kSinkingRow].caption(), "no");
        EXPECT_TRUE(f.Text1[kAircraftRow].enabled());
        EXPECT_EQ(testsupport::layoutFaults(f), "");
        EXPECT_EQ(testsupport::tabFaults(f), "");

        f.Text1[3].doType("0");
        EXPECT_FALSE(f.Command2.enabled()) << "nothing entered";
        f.Text1[0].doType("20");
        EXPECT_EQ(f.Label3[0].caption(), "0") << "12 - 20 stops at 0";
        EXPECT_EQ(f.Label3[0].foreColor(), vbRed);
        f.Text1[1].doType("5");
        f.Text1[1].setText("7");
        EXPECT_EQ(f.Label3[1].caption(), "21") << "28 - 7, not 28 - 12";
        f.Text1[2].setText("-5"); // pasted: the sign is dropped
        EXPECT_EQ(f.Text1[2].text(), "5");
        EXPECT_EQ(f.Label3[2].caption(), "95");
        f.Text1[kFiresRow].doType("x2");
        EXPECT_EQ(f.Label3[kFiresRow].caption(), "2");
        f.Text1[kAircraftRow].doType("1");
        EXPECT_TRUE(f.Command2.enabled());
        f.Command2.doClick();
        EXPECT_FALSE(f.Command2.enabled());
        EXPECT_EQ(f.Text1[0].text(), "");
        EXPECT_EQ(f.Label3[1].caption(), "21");

        f.Text1[1].doType("1");
        EXPECT_EQ(f.Label3[1].caption(), "20") << "further damage from the values written";
    });
    const ShipRecord s = ship(1);
    EXPECT_EQ(s.text(F::RESISTENZAM), "0   ");
    EXPECT_EQ(s.text(F::NODIM), "21");
    EXPECT_EQ(s.text(F::OPERATIVITAM), "95 ");
    EXPECT_EQ(s.text(F::CARGOM), "7  ") << "unchanged rows keep their text";
    EXPECT_EQ(s.text(F::AEREIM), "0  ");
    EXPECT_EQ(s.text(F::INCENDI_ATTIVI), "2  ");
    EXPECT_EQ(s.whole(F::AFF), 0);
    EXPECT_EQ(s.bytes().mid(0, 87), before.mid(0, 87)) << "the ship's other fields";
    EXPECT_EQ(ship(2).whole(F::NODIM), 30) << "a ship of another group";
}

TEST_F(ShipDamageEntryTest, ASinkingCarrierStaysSinking) {
    open([](FormDanniNavi& f) {
        f.List1.doPick(1);
        EXPECT_FALSE(f.Text1[kAircraftRow].enabled()) << "the flight line's aircraft";
        EXPECT_EQ(f.Label2[kSinkingRow].caption(), "si");
        EXPECT_EQ(f.Label3[kSinkingRow].foreColor(), vbRed);
        f.Text1[kSinkingRow].doType("3");
        EXPECT_EQ(f.Label2[kSinkingRow].caption(), "si") << "only a 1 counts, and nothing cancels";
        f.Text1[0].doType("4");
        f.Command2.doClick();
    });
    EXPECT_EQ(ship(3).whole(F::AFF), 1);
    EXPECT_EQ(ship(3).whole(F::RESISTENZAM), 96);

    open([](FormDanniNavi& f) {
        f.List1.doPick(0);
        f.Text1[kSinkingRow].doType("1");
        EXPECT_EQ(f.Label2[kSinkingRow].caption(), "si");
        EXPECT_TRUE(f.Command2.enabled()) << "a sinking alone may be confirmed";
        f.Command2.doClick();
    });
    EXPECT_EQ(ship(1).whole(F::AFF), 1);

    G().SelectedGn = 7; // a group without ships
    open([](FormDanniNavi& f) { EXPECT_EQ(f.List1.listCount(), 0); });
}

// Fires grown past what their field holds are refused where they are entered: nothing is written.
TEST_F(ShipDamageEntryTest, FiresBeyondTheirFieldAreRefused) {
    change(1, [](ShipRecord& s) { s.setNumber(F::INCENDI_ATTIVI, 995); });
    const QByteArray before = ship(1).bytes();
    testsupport::MessageBoxes boxes;
    open([](FormDanniNavi& f) {
        f.List1.doPick(0);
        f.Text1[kFiresRow].doType("9");
        f.Command2.doClick();
        EXPECT_TRUE(f.Command2.enabled()) << "the entry stays, to be corrected";
    });
    ASSERT_EQ(boxes.prompts.size(), 1);
    EXPECT_EQ(boxes.prompts[0], "Valore non valido per IA - Incendi Attivi: deve essere tra -99 e 999.");
    EXPECT_EQ(ship(1).bytes(), before);
}

} // namespace
