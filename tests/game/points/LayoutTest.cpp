// The points, acquisition and supervisor windows read whole at the default font, each side's
// ships and aircraft being the shipped starter set, its longest names among them.
#include "PointsCampaign.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"
#include "game/points/FrmContattiFile.h"
#include "game/points/FrmEventi.h"
#include "game/points/FrmMezziAerei.h"
#include "game/points/FrmMezziNavi.h"
#include "game/points/FrmPunti.h"
#include "game/points/FrmStack.h"
#include "game/points/FrmStackA.h"
#include "tests/support/LayoutCheck.h"

using namespace platform;
namespace A = recordformat::aircraft;

namespace {

class PointsLayout : public PointsCampaign {
  protected:
    void SetUp() override {
        PointsCampaign::SetUp();
        Globals& g = G();
        g.GameSettings[3] = 1942;
        for (int item : {4, 5, 6, 7}) g.GameSettings[item] = 5000;
        g.GameSettings[10] = g.GameSettings[11] = 100;
        for (int side : {kAllies, kAxis}) {
            const QString word = side == kAllies ? "ALLEATI" : "ASSE";
            writeWholeFile(diskPath(shipFilePath(side)),
                           readWholeFile(folder.file("Archivio/" + word + "Navi.Dat")));
            // Every aircraft type of the side at each of its bases, some on the ground, some flying.
            const QByteArray planes = readWholeFile(folder.file("Archivio/" + word + "Aerei.Dat"));
            for (int base : side == kAllies ? QList<int>{12, 13} : QList<int>{1, 10}) {
                QByteArray file;
                for (qsizetype at = 0; at + AircraftRecord::kLength <= planes.size();
                     at += AircraftRecord::kLength) {
                    AircraftRecord a;
                    a.setBytes(planes.mid(at, AircraftRecord::kLength));
                    a.setNumberWithSign(A::Pronti, 12);
                    a.setNumberWithSign(A::InVolo, 6);
                    file += a.bytes();
                }
                writeWholeFile(diskPath(baseAircraftFilePath(base)), file);
                g.BaseTable[base][BaseCol::PointsArrived] = 1000;
            }
        }
        SalvaDatiBasi();
    }
};

} // namespace

TEST_F(PointsLayout, AcquisitionAndPointTransferWindows) {
    for (int side : {kAllies, kAxis}) {
        G().CurrentSide = side;
        FrmMezziNavi& ships = form<FrmMezziNavi>();
        {
            ChosenDice dice(QList<int>(1000, 1));
            ships.Command2.doClick();
        }
        ASSERT_GT(ships.List1.listCount(), 0) << side;
        ships.List1.doPick(0);
        ships.List1.doPickDouble(ships.List1.listCount() - 1);
        EXPECT_EQ(testsupport::layoutAndTitleFaults(ships), "") << "ships " << side;
        EXPECT_EQ(testsupport::tabFaults(ships), "") << "ships " << side;
        unloadForm(ships);

        FrmMezziAerei& planes = form<FrmMezziAerei>();
        planes.List1.doPick(0);
        {
            ChosenDice dice(QList<int>(1000, 1));
            planes.Command2.doClick();
        }
        ASSERT_GT(planes.List3.listCount(), 0) << side;
        planes.List3.doPick(planes.List3.listCount() - 1);
        planes.Command3.doClick();
        EXPECT_EQ(testsupport::layoutAndTitleFaults(planes), "") << "aircraft " << side;
        planes.List2.doPick(0);
        EXPECT_EQ(testsupport::layoutAndTitleFaults(planes), "") << "aircraft " << side;
        EXPECT_EQ(testsupport::tabFaults(planes), "") << "aircraft " << side;
        planes.Command4.doClick();
        unloadForm(planes);

        FrmPunti& transfers = form<FrmPunti>();
        transfers.Frame1.setVisible(side == kAllies);
        transfers.Frame2.setVisible(side == kAxis);
        EXPECT_EQ(testsupport::layoutAndTitleFaults(transfers), "") << "points " << side;
        EXPECT_EQ(testsupport::tabFaults(transfers), "") << "points " << side;
        unloadForm(transfers);
    }
}

TEST_F(PointsLayout, SupervisorWindows) {
    Globals& g = G();
    for (int side : {kAllies, kAxis}) {
        Int16* gn = g.gnTable(side)[4];
        gn[GnCol::InUse] = 1, gn[GnCol::Ships] = 3, gn[GnCol::X] = 5000, gn[GnCol::Y] = 3000;
        Int16* ga = g.gaTable(side)[2];
        ga[GaCol::InUse] = 1, ga[GaCol::Aircraft] = 18, ga[GaCol::TargetGn] = 4, ga[GaCol::TargetBase] = 10;
        g.gaNames(side)[2][1] = QStringLiteral("Bristol Beaufighter Mk.IC");
        g.gaNames(side)[2][3] = QStringLiteral("CPB");
    }
    SalvaTabelleGruppi();

    FrmStack& stack = form<FrmStack>();
    for (OptionButton* side : {&stack.Option1, &stack.Option2}) {
        side->doClick();
        stack.Combo1.doPick(0);
        stack.Label2[6].doClick();
        EXPECT_EQ(testsupport::layoutAndTitleFaults(stack), "") << "group view";
        // The entry frame names whichever group value is picked.
        QStringList valueNames;
        for (int k = 0; k < kGroupColumns; ++k) valueNames << stack.Label1[k].caption();
        EXPECT_EQ(testsupport::clippedCaptions(stack, {{"Label12", valueNames}}).join(u'\n').toStdString(),
                  "");
        stack.Command4.doClick();
        stack.Command5.doClick();
        stack.List1.doPick(stack.List1.listCount() - 1);
        EXPECT_EQ(testsupport::layoutAndTitleFaults(stack), "") << "ship view";
        EXPECT_EQ(testsupport::tabFaults(stack), "") << "ship view";
    }

    FrmStackA& air = form<FrmStackA>();
    for (OptionButton* side : {&air.Option1, &air.Option2}) {
        side->doClick();
        air.List1.doPick(0);
        air.Label2[3].doClick();
        EXPECT_EQ(testsupport::layoutAndTitleFaults(air), "");
        // What the window writes while it runs: the attribute picked over the entry, the origin
        // (a base or a carrier), the target and the order.
        QStringList attributes, bases{QStringLiteral("Portaerei")}, orders;
        for (int k = 0; k < kGroupColumns; ++k) attributes << air.Label1[k].caption();
        for (int b = 1; b <= kBases; ++b) bases << g.BaseNames[b];
        for (const QString& order : g.AirOrderNames) orders << order;
        EXPECT_EQ(testsupport::clippedCaptions(
                      air, {{"Frame1", attributes}, {"Label3", bases}, {"Label4", bases}, {"Label5", orders}})
                      .join(u'\n')
                      .toStdString(),
                  "");
        EXPECT_EQ(testsupport::tabFaults(air), "");
    }

    ContactRecord c{};
    c.STVEDELATO1 = 1, c.STNSTACKLATO1 = 4, c.STNSTACKLATO2 = 4, c.STNUMNAVILATO2 = 3, c.STNODILATO2 = 28;
    c.STDISTANZA = 120, c.STB1 = 7, c.STB2 = kActNavalMeeting;
    openContactFile(20);
    writeContact(20, 1, c);
    g.Files.close(20);
    g.setState(StateItem::Contacts, 1);
    FrmContattiFile& contacts = form<FrmContattiFile>();
    contacts.List1.doPick(0);
    EXPECT_EQ(testsupport::layoutAndTitleFaults(contacts), "");
    EXPECT_EQ(testsupport::tabFaults(contacts), "");

    FrmEventi& events = form<FrmEventi>();
    events.Combo1.doPick(9);
    EXPECT_EQ(testsupport::layoutAndTitleFaults(events), "");
    EXPECT_EQ(testsupport::tabFaults(events), "");
}
