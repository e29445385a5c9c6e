// The supervisor's windows borrow the side in play to read or edit the other side: from each side's
// screen, each of them is opened from the main window's menu, the other side is chosen in it and a
// group of that side picked, and the window is closed each way it can be closed (the title bar's
// close box, Escape, an unload by code, the program's end). The side in play, its colour and the
// screen's picks are then the screen's again, and its panels and map show what they showed before.
#include "game/main/FrmMain.h"

#include "common/SideInPlay.h"
#include "game/points/FrmContattiFile.h"
#include "game/points/FrmEventi.h"
#include "game/points/FrmStack.h"
#include "game/points/FrmStackA.h"
#include "tests/game/main/MainWindowFixture.h"

#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

enum class Way { TitleBar, Escape, Code, ProgramEnd };

const char* wayName(Way w) {
    switch (w) {
    case Way::TitleBar:
        return "title bar";
    case Way::Escape:
        return "Escape, then the title bar";
    case Way::Code:
        return "unloaded by code";
    case Way::ProgramEnd:
        return "program's end";
    }
    return "";
}

// What the screen of a side holds: the side in play, its colour and picks, and what "Navi - GN"
// lists and "Basi" draws.
struct Screen {
    int side = 0, group = 0, item = 0;
    long colour = 0;
    QString sideCaption, groupsCaption;
    QStringList groups;
    QImage map;
    bool operator==(const Screen&) const = default;
};

class SupervisorSide : public MainWindowFixture {
  protected:
    // Three naval and three air groups a side, each side's at sea apart from the other's.
    FrmMain& openCampaign() {
        Globals& g = G();
        for (int side : {kAllies, kAxis})
            for (int n = 1; n <= 3; ++n) {
                Int16* r = g.gnTable(side)[n];
                r[GnCol::InUse] = 1, r[GnCol::Ships] = 1, r[GnCol::Destroyers] = 1, r[GnCol::Side] = side;
                r[GnCol::MinOperativity] = 100, r[GnCol::Order] = kNavalTransit;
                r[GnCol::X] = (side == kAxis ? 5000 : 9000) + 300 * n, r[GnCol::Y] = 4000 + 200 * n;
                Int16* a = g.gaTable(side)[n];
                a[GaCol::InUse] = 1, a[GaCol::Aircraft] = 9, a[GaCol::X] = r[GnCol::X], a[GaCol::Y] = 3000;
            }
        FrmMain& f = open();
        f.MnUtilSuper.setEnabled(true);
        return f;
    }
    static Screen look(FrmMain& f) {
        Screen s;
        const Globals& g = G();
        s.side = g.CurrentSide, s.group = g.SelectedGn, s.item = g.SelectedItem, s.colour = g.SideColour;
        s.sideCaption = f.Frame8.caption();
        f.Command3.doClick();
        s.groupsCaption = f.Frame12.caption();
        for (int i = 0; i < f.List2.listCount(); ++i) s.groups << f.List2.list(i);
        f.Command10.doClick();
        s.map = f.PicBitMap.image();
        return s;
    }
    // The window shown from its menu entry, the other side chosen and a group of it picked, then
    // closed the given way.
    template <class Window>
    void openAndClose(Menu& entry, const std::function<void(Window&, int)>& borrow, Way way, int other) {
        bool shown = false;
        platform::testing::setModalHandler([&](Form& shownForm) {
            auto* w = dynamic_cast<Window*>(&shownForm);
            if (!w) return;
            shown = true;
            if (borrow) {
                borrow(*w, other);
                EXPECT_EQ(G().CurrentSide, other) << "the window reads and edits the other side";
            }
            switch (way) {
            case Way::Escape:
                QTest::keyClick(w->window(), Qt::Key_Escape);
                if (isLoaded<Window>()) {
                    EXPECT_EQ(G().CurrentSide, borrow ? other : 3 - other) << "still open";
                    w->window()->close();
                }
                break;
            case Way::TitleBar:
                w->window()->close();
                break;
            case Way::Code:
                unload<Window>();
                break;
            case Way::ProgramEnd:
                endProgram();
                break;
            }
            EXPECT_FALSE(isLoaded<Window>());
        });
        entry.doClick();
        platform::testing::setModalHandler({});
        EXPECT_TRUE(shown);
        EXPECT_FALSE(isLoaded<Window>()) << "never left loaded";
        EXPECT_EQ(G().CurrentSide, 3 - other) << "the screen's side back";
    }

    // Each of the four windows (or only the one of that number), with what a supervisor does in
    // those that borrow the side.
    void eachWindow(FrmMain& f, Way way, int only = -1) {
        const int other = 3 - G().CurrentSide;
        if (only < 0 || only == 0) {
            SCOPED_TRACE("Stk Navi");
            openAndClose<FrmStack>(
                f.MnUtilSuperNavi,
                [](FrmStack& w, int side) {
                    (side == kAllies ? w.Option1 : w.Option2).doClick();
                    ASSERT_GT(w.Combo1.listCount(), 1);
                    w.Combo1.doPick(1);
                },
                way, other);
        }
        if (only < 0 || only == 1) {
            SCOPED_TRACE("Stk Aerei");
            openAndClose<FrmStackA>(
                f.MnUtilSuperAerei,
                [](FrmStackA& w, int side) {
                    (side == kAllies ? w.Option1 : w.Option2).doClick();
                    ASSERT_GT(w.List1.listCount(), 1);
                    w.List1.doPick(1);
                },
                way, other);
        }
        if (only < 0 || only == 2) {
            SCOPED_TRACE("Stk Contatti");
            openAndClose<FrmContattiFile>(f.MnUtilSuperContatti, {}, way, other);
        }
        if (only < 0 || only == 3) {
            SCOPED_TRACE("Eventi Gioco");
            openAndClose<FrmEventi>(f.MnUtilSuperEventi, {}, way, other);
        }
    }
};

} // namespace

TEST_F(SupervisorSide, EachWindowGivesTheSideBackHoweverItCloses) {
    FrmMain& f = openCampaign();
    for (int side : {kAllies, kAxis}) {
        SCOPED_TRACE(side == kAllies ? "Allied screen" : "Axis screen");
        CommandButton& takeSide = side == kAllies ? f.Command5 : f.Command6;
        // The screen as the side finds it when it takes the screen ("Navi - GN" shuts the menus).
        f.Command17.doClick();
        takeSide.doClick();
        const Screen before = look(f);
        ASSERT_EQ(before.side, side);
        f.Command4.doClick();
        for (Way way : {Way::TitleBar, Way::Escape, Way::Code}) {
            SCOPED_TRACE(wayName(way));
            f.Command17.doClick();
            takeSide.doClick();
            f.Label31.doDblClick(); // the supervisor's menu
            const int group = G().SelectedGn, item = G().SelectedItem;
            eachWindow(f, way);
            const Screen after = look(f);
            EXPECT_EQ(after.side, before.side);
            EXPECT_EQ(after.colour, before.colour);
            EXPECT_EQ(after.group, group);
            EXPECT_EQ(after.item, item);
            EXPECT_EQ(after.sideCaption, before.sideCaption);
            EXPECT_EQ(after.groupsCaption, before.groupsCaption);
            EXPECT_EQ(after.groups, before.groups);
            EXPECT_TRUE(after.map == before.map) << "the map of \"Basi\" drawn otherwise";
            f.Command4.doClick();
        }
    }
}

// The program's end closes the window with the side in play lent: the side goes back all the same.
TEST_F(SupervisorSide, TheProgramsEndGivesTheSideBack) {
    for (int side : {kAllies, kAxis})
        for (int window = 0; window < 4; ++window) {
            SCOPED_TRACE(side == kAllies ? "Allied screen" : "Axis screen");
            FrmMain& f = openCampaign();
            f.Command17.doClick();
            (side == kAllies ? f.Command5 : f.Command6).doClick();
            const long colour = G().SideColour;
            eachWindow(f, Way::ProgramEnd, window);
            EXPECT_EQ(G().CurrentSide, side);
            EXPECT_EQ(G().SideColour, colour);
            platform::testing::resetForms();
        }
}

// A loan nests and survives an exception: what the screen had comes back whichever way the borrower
// stops, and a loan given back borrows anew from the screen as it then is.
TEST(SideLoanRule, GivesBackWhatTheScreenHad) {
    resetGlobals();
    Globals& g = G();
    g.CurrentSide = kAllies, g.SideColour = vbYellow, g.SelectedGn = 4, g.SelectedItem = 7;
    try {
        SideLoan outer;
        outer.take(kAxis);
        g.SideColour = vbRed, g.SelectedGn = 2, g.SelectedItem = 1;
        {
            SideLoan inner;
            inner.take(kAllies);
            g.SelectedGn = 9;
        }
        EXPECT_EQ(g.CurrentSide, kAxis);
        EXPECT_EQ(g.SelectedGn, 2);
        throw std::runtime_error("borrower stopped");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(g.CurrentSide, kAllies);
    EXPECT_EQ(g.SideColour, vbYellow);
    EXPECT_EQ(g.SelectedGn, 4);
    EXPECT_EQ(g.SelectedItem, 7);

    SideLoan loan;
    loan.take(kAxis);
    loan.giveBack();
    EXPECT_EQ(g.CurrentSide, kAllies);
    g.CurrentSide = 0;
    loan.take(kAxis);
    loan.giveBack();
    EXPECT_EQ(g.CurrentSide, 0) << "the second loan noted the screen as it was then";
    resetGlobals();
}
