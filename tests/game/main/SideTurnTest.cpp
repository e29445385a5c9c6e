// Two players at one screen, each side's turn walked through every panel and mode of the main
// window as a player clicks: in each, a button on the screen leads on to the end of the side's
// turn, either the side panel's "&Chiudi" or the one that the held hour button names.
#include "game/main/FrmMain.h"

#include "common/Dice.h"
#include "common/RecordFiles.h"
#include "tests/game/main/MainWindowFixture.h"

#include <QMainWindow>
#include <gtest/gtest.h>

using namespace platform;
namespace aircraft = recordformat::aircraft;

namespace {

constexpr int kTaranto = 1, kMaltaHq = 12;

class SideTurn : public MainWindowFixture {
  protected:
    static int homeBase(int side) { return side == kAxis ? kTaranto : kMaltaHq; }
    // Each side: a group of one destroyer at sea, two destroyers in the port of its base and a
    // line of 9 bombers at its airfield.
    FrmMain& openBothSides() {
        Globals& g = G();
        for (int side : {kAllies, kAxis}) {
            Int16* r = g.gnTable(side)[1];
            r[GnCol::InUse] = 1, r[GnCol::Ships] = 1, r[GnCol::Destroyers] = 1, r[GnCol::MaxKnots] = 30;
            r[GnCol::MinOperativity] = 100, r[GnCol::Order] = kNavalTransit, r[GnCol::Side] = side;
            r[GnCol::X] = side == kAxis ? 6000 : 9000, r[GnCol::Y] = side == kAxis ? 2500 : 5000;
            g.BaseTable[homeBase(side)][BaseCol::ShipsPresent] = 2;
            g.BaseTable[homeBase(side)][BaseCol::AircraftPresent] = 9;
            ships[side - 1] = {{.group = 1}, {.port = homeBase(side)}, {.port = homeBase(side)}};
        }
        testcampaign::write();
        for (int side : {kAllies, kAxis}) testcampaign::appendShips(side, ships[side - 1]);
        std::array<long long, kSettings + 1> settings{};
        settings[1] = 30, settings[2] = 3, settings[3] = 1941, settings[16] = 10, settings[17] = 10;
        writeSettingsFile(settings);
        for (int side : {kAllies, kAxis}) {
            AircraftRecord a;
            a.setText(aircraft::Nazione, side == kAxis ? QStringLiteral("DE") : QStringLiteral("GB"));
            a.setText(aircraft::Nome, QStringLiteral("Bombardiere"));
            a.setText(aircraft::Ruolo, QStringLiteral("BM"));
            a.setNumber(aircraft::Autonomia, 30);
            a.setNumber(aircraft::Velocita, 400);
            a.setNumber(aircraft::Carico, 1000);
            a.setNumber(aircraft::Pronti, 9);
            openAircraftFile(20, baseAircraftFilePath(homeBase(side)), side);
            appendAircraft(20, a);
            G().Files.close(20);
        }
        testcampaign::choose();
        EXPECT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
        return form<FrmMain>();
    }

    // On the screen and enabled, with every frame that holds it.
    static bool pressable(const FrmMain& f, const Control& c) {
        return c.visible() && c.enabled() && c.widget()->isVisibleTo(f.window()) &&
               c.widget()->isEnabledTo(f.window());
    }
    static void buttonsOf(const Container& c, std::vector<const CommandButton*>& out) {
        for (const Control* child : c.children()) {
            if (auto* b = dynamic_cast<const CommandButton*>(child)) out.push_back(b);
            if (auto* inner = dynamic_cast<const Container*>(child)) buttonsOf(*inner, out);
        }
    }
    // The way on of the side at the screen: "&Chiudi" of the side panel when a player can press
    // it, else the caption of a button on the screen that the held hour button's reason names.
    static std::string wayOn(FrmMain& f) {
        EXPECT_FALSE(f.Command22.enabled()) << "a side at the screen holds the hour";
        if (pressable(f, f.Command4)) return f.Command4.caption().toStdString();
        f.Command22.MouseDown(vbLeftButton, 0, 10, 10);
        const QString reason = f.Label17.caption();
        std::vector<const CommandButton*> buttons;
        buttonsOf(f, buttons);
        for (const CommandButton* b : buttons)
            if (pressable(f, *b) && reason.contains(u'"' + b->caption() + u'"'))
                return b->caption().toStdString();
        return "none: " + reason.toStdString();
    }
    static void clickMap(FrmMain& f, int x, int y) {
        f.PicBitMap.doMouseDown(vbLeftButton, 0, x, y);
        f.PicBitMap.doClick();
    }
    static void clickBase(FrmMain& f, int base) {
        clickMap(f, G().BaseMapXY[base][1] + 90, G().BaseMapXY[base][2] + 90);
    }
    static void pickGroup(FrmMain& f, int n) {
        for (int i = 0; i < f.List2.listCount(); ++i)
            if (f.List2.itemData(i) == n) return f.List2.doPick(i);
        ADD_FAILURE() << "group " << n << " is not listed";
    }
};

} // namespace

TEST_F(SideTurn, EveryPanelAndModeOfEachSideLeavesAWayOn) {
    FrmMain& f = openBothSides();
    const std::string chiudi = "&Chiudi";
    for (int side : {kAxis, kAllies}) {
        SCOPED_TRACE(side == kAxis ? "Axis" : "Allies");
        ASSERT_TRUE(pressable(f, f.Command17)) << "the main menu is the way in";
        f.Command17.doClick();
        (side == kAxis ? f.Command6 : f.Command5).doClick();
        EXPECT_EQ(wayOn(f), chiudi) << "side in play";

        f.Command10.doClick();
        EXPECT_EQ(wayOn(f), chiudi) << "base mode";
        clickBase(f, homeBase(side));
        ASSERT_TRUE(f.Frame4.visible());
        EXPECT_EQ(wayOn(f), chiudi) << "base panel";

        ASSERT_EQ(f.List1.listCount(), 1);
        f.List1.doPick(0);
        {
            ChosenDice dice({1});
            f.Label49.doClick();
        }
        ASSERT_EQ(f.Label50.caption(), "1") << "an air group is ready";
        EXPECT_EQ(wayOn(f), "Vai !") << "ready air group";
        clickMap(f, 4000, 6500);
        EXPECT_TRUE(f.Frame4.visible()) << "a map click leaves the ready group's panel";
        clickBase(f, homeBase(side));
        EXPECT_EQ(wayOn(f), "Vai !") << "ready air group after map clicks";
        f.Label50.doDblClick();
        EXPECT_EQ(wayOn(f), chiudi) << "ready air group cancelled";

        f.Command7.doClick();
        ASSERT_TRUE(f.Frame7.visible());
        EXPECT_EQ(wayOn(f), chiudi) << "port panel";
        f.Label56.doClick();
        ASSERT_EQ(f.Label56.caption(), "2") << "a naval group is being formed";
        EXPECT_EQ(wayOn(f), "Vai !(reset)") << "forming";
        clickMap(f, 4000, 6500);
        EXPECT_EQ(wayOn(f), "Vai !(reset)") << "forming after a map click";
        f.Label56.doClick();
        EXPECT_EQ(G().NewGroupNumber, 0) << "the empty group withdrawn";
        EXPECT_EQ(wayOn(f), chiudi) << "forming withdrawn";
        f.Image10.doClick();
        ASSERT_TRUE(f.Frame21.visible());
        EXPECT_EQ(wayOn(f), "Chiudi Man. Port.") << "port manoeuvres";
        f.Command15.doClick();
        EXPECT_EQ(wayOn(f), chiudi) << "port manoeuvres closed";

        f.Command3.doClick();
        EXPECT_EQ(wayOn(f), chiudi) << "naval mode";
        pickGroup(f, 1);
        f.Command11.doClick();
        ASSERT_EQ(f.OpenGn, 1);
        EXPECT_EQ(wayOn(f), "Chiudi GN") << "open group";
        f.Command12.doClick();
        EXPECT_EQ(wayOn(f), chiudi) << "open group closed";

        f.Command9.doClick();
        EXPECT_EQ(wayOn(f), chiudi) << "air mode";
        f.Command4.doClick();
        EXPECT_EQ(G().CurrentSide, 0);
    }
}

// "Reset Menu Principale" with an air group ready cancels it as its number's double-click does:
// the activation attempt is given back and the side panel shows again.
TEST_F(SideTurn, TheMenuResetGivesBackAReadyGroupsAttempt) {
    FrmMain& f = openBothSides();
    f.Command17.doClick();
    f.Command6.doClick();
    f.Command10.doClick();
    clickBase(f, kTaranto);
    f.List1.doPick(0);
    {
        ChosenDice dice({1});
        f.Label49.doClick();
    }
    ASSERT_EQ(G().BaseTable[kTaranto][BaseCol::ActivationAttempts], 1);
    f.mnFileReset_Click();
    EXPECT_EQ(G().BaseTable[kTaranto][BaseCol::ActivationAttempts], 0);
    EXPECT_TRUE(f.Label50.caption().isEmpty());
    EXPECT_TRUE(pressable(f, f.Command4));
}
