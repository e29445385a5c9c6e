// A campaign created from the shipped program folder alone, as a player creates it: the wizard
// draws on the shipped side archives, and every free ship and free aircraft of both sides finds
// a real unit of the starter set.
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/RecordFiles.h"
#include "common/records/RecordFormat.h"
#include "game/main/FrmMain.h"
#include "game/start/FrmBasi.h"
#include "game/start/FrmGame.h"
#include "game/start/FrmMezziGratis.h"
#include "game/start/FrmSetUpGen.h"
#include "platform/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace platform;
using namespace recordformat;

namespace {

int itemIndex(const ComboBox& c, const QString& text) {
    for (int i = 0; i < c.listCount(); ++i)
        if (c.list(i) == text) return i;
    return -1;
}

// Places free ships port by port, the first one of each list that the port and the quotas take.
void placeEveryFreeShip(FrmMezziGratis& m) {
    for (int port = 0; port < m.Combo1.listCount() && m.Label4.caption() != QLatin1String("0"); ++port) {
        m.Combo1.doPick(port);
        for (bool placed = true; placed && m.Label4.caption() != QLatin1String("0");) {
            placed = false;
            for (int i = 0; i < m.List1.listCount() && !placed; ++i) {
                const int before = m.List1.listCount();
                m.List1.doPickDouble(i);
                placed = m.List1.listCount() < before;
            }
        }
    }
}

// Spreads the side's free aircraft over its bases, five of a type at a time, type after type.
void placeEveryFreeAircraft(FrmMezziGratis& m) {
    for (int base = 0, type = 0;
         isLoaded<FrmMezziGratis>() && m.aircraftPool() > 0 && base < m.Combo2.listCount();) {
        m.Combo2.doPick(base);
        ASSERT_GT(m.List3.listCount(), 0) << "a base without a type to take free aircraft";
        m.List3.doPick(type++ % m.List3.listCount());
        const int before = m.aircraftPool();
        for (int k = 0; k < 5; ++k) m.Command6.doClick();
        m.Command8.doClick();
        if (!isLoaded<FrmMezziGratis>() || m.aircraftPool() == 0) return;
        if (m.aircraftPool() == before) ++base; // the base is full
    }
}

} // namespace

TEST(StarterCampaign, FreeShipsAndAircraftOfBothSidesFromTheShippedArchives) {
    SeededDice dice(8);
    resetGlobals();
    testsupport::ProgramFolder folder;
    testsupport::MessageBoxes boxes;
    testsupport::Errors errors;

    FrmGame& start = form<FrmGame>();
    platform::testing::setModalHandler([](Form& f) {
        auto& w = static_cast<FrmSetUpGen&>(f);
        w.Text1.doDblClick();
        w.Text1.doType("Pedestal");
        w.Combo1.doPick(itemIndex(w.Combo1, "60"));
        w.Combo3.doPick(itemIndex(w.Combo3, "1940"));
        w.Command3.doClick();
    });
    start.MnSetupGenerale.doClick();
    platform::testing::setModalHandler(nullptr);
    ASSERT_TRUE(isLoaded<FrmBasi>()) << errors.messages.join("|").toStdString();
    form<FrmBasi>().Command2.doClick();
    FrmMezziGratis& m = form<FrmMezziGratis>();
    EXPECT_GE(m.carrierCount(), 3) << "the Allied carriers get their air files";

    for (CommandButton* phase : {&m.Command2, &m.Command3}) {
        phase->doClick();
        m.Command1.doClick();
        ASSERT_EQ(m.Label4.caption(), "27");
        placeEveryFreeShip(m);
        EXPECT_EQ(m.Label4.caption(), "0") << "every free ship of a 60-day campaign is placed";
        m.Label14.doClick();
    }
    for (CommandButton* phase : {&m.Command4, &m.Command5}) {
        phase->doClick();
        m.Command1.doClick();
        placeEveryFreeAircraft(m);
    }
    EXPECT_FALSE(isLoaded<FrmMezziGratis>()) << "the last Axis aircraft ends the wizard";
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join("|").toStdString();
    EXPECT_TRUE(boxes.prompts.isEmpty()) << boxes.prompts.join("|").toStdString();

    // The campaign's files: real ships in port, aircraft at the bases.
    G().CampaignName = "Pedestal";
    for (int side = 1; side <= 2; ++side) {
        RecordFile ships(shipFilePath(side), ShipRecord::kLength);
        QSet<QString> inPort;
        for (int i = 1; i <= ships.count(); ++i) {
            ShipRecord r;
            readRecord(ships, i, r);
            if (r.whole(ship::PORTO) > 0) inPort.insert(r.trimmed(ship::NOME));
        }
        EXPECT_EQ(inPort.size(), 27) << side;
        EXPECT_TRUE(inPort.contains(side == 1 ? "Kent" : "Zara")) << side;
    }
    int placed = 0;
    for (int base = 1; base <= kBases; ++base) {
        RecordFile planes(baseAircraftFilePath(base), AircraftRecord::kLength);
        for (int i = 1; i <= planes.count(); ++i) {
            AircraftRecord r;
            readRecord(planes, i, r);
            placed += int(r.whole(aircraft::Pronti));
            if (base <= 11 && r.whole(aircraft::Pronti) > 0) {
                EXPECT_TRUE(r.text(aircraft::Nazione).startsWith("IT")) << "free Axis aircraft are Italian";
            }
        }
    }
    EXPECT_EQ(placed, 40 + 50);

    // It opens: its files agree with its tables.
    platform::testing::resetForms();
    G().SelectedSlot = 1;
    EXPECT_TRUE(apriGioco()) << errors.messages.join("|").toStdString();
    EXPECT_TRUE(boxes.prompts.isEmpty()) << boxes.prompts.join("|").toStdString();
    platform::testing::resetForms();
}
