// The objectives window on a campaign with known losses, and the menu entries of the carrier and
// objectives windows.
#include "game/points/Objectives.h"
#include "PointsCampaign.h"
#include "game/main/FrmMain.h"
#include "game/points/FrmMission.h"
#include "game/points/FrmStatusPort.h"
#include "game/points/FrnLineaV.h"
#include "tests/game/main/ShipFiles.h"
#include "tests/support/LayoutCheck.h"

using namespace platform;
namespace F = recordformat::ship;

using Objectives = PointsCampaign;

TEST_F(Objectives, ScoresColoursAndLostShipsOfACampaignWithKnownLosses) {
    Globals& g = G();
    const int targets[8] = {1000, 5000, 40, 30, 80, 50, 40, 3000};
    for (int i = 0; i < 8; ++i) g.GameSettings[21 + i] = targets[i];
    g.BaseTable[12][BaseCol::PointsUsed] = 10;  // MALTA HQ 30 of its 40
    g.BaseTable[9][BaseCol::PointsArrived] = 5; // TOBRUCK 45
    using namespace StateItem;
    for (auto [item, value] : {std::pair{MerchantTonsAsse, "1000"},
                               {WarshipTonsAsse, "4999"},
                               {MerchantTonsAlle, "1800.5"},
                               {WarshipTonsAlle, "1200"},
                               {AcquisitionUsedAlle, "250"},
                               {AirPointsLostAlle, "37"},
                               {LossTotalAlle, "77"},
                               {AcquisitionUsedAsse, "100"},
                               {AirPointsLostAsse, "15"},
                               {LossTotalAsse, "88"}})
        g.GameState[item] = value;
    using shipfiles::addShip;
    for (const char* cause : {"3", "2", "0", "1", "7", ""})
        addShip(kAllies, {{F::STATUS, 3}, {F::NON_OP, cause}});
    addShip(kAllies, {{F::NON_OP, 3}});
    addShip(kAxis, {{F::NOME, "Aviere"}, {F::STATUS, 3}, {F::NON_OP, 3}});
    addShip(kAxis, {{F::NOME, "Conte di Cavour Nuovo"}, {F::TIPO, "NB"}, {F::STATUS, 3}, {F::NON_OP, 4}});
    for (int cause : {5, 6}) addShip(kAxis, {{F::TIPO, "MR"}, {F::STATUS, 3}, {F::NON_OP, cause}});

    FrmMission& w = form<FrmMission>();
    EXPECT_EQ(w.caption(), "Missioni e Punteggi");
    EXPECT_EQ(testsupport::layoutAndTitleFaults(w), "");
    EXPECT_EQ(testsupport::tabFaults(w), "");
    const QStringList alliedTargets = {"1000", "5000", "40", "30"},
                      alliedPresent = {"1000", "4999", "30", "45"};
    const QStringList axisTargets = {"80", "50", "40", "3000"}, axisPresent = {"85", "40", "30", "3000"};
    const long alliedColours[4] = {vbGreen, vbRed, vbRed, vbRed},
               axisColours[4] = {vbGreen, vbRed, vbGreen, vbGreen};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w.Label5[i].caption(), alliedTargets[i]) << i;
        EXPECT_EQ(w.Label6[i].caption(), alliedPresent[i]) << i;
        EXPECT_EQ(w.Label1[i].backColor(), alliedColours[i]) << i;
        EXPECT_EQ(w.Label3[i].caption(), axisTargets[i]) << i;
        EXPECT_EQ(w.Label4[i].caption(), axisPresent[i]) << i;
        EXPECT_EQ(w.Label2[i].backColor(), axisColours[i]) << i;
        EXPECT_EQ(w.Label1[i].foreColor(), alliedColours[i] == vbRed ? vbWhite : vbBlack) << i;
    }
    EXPECT_EQ(w.Label1[3].caption(), "Costringere Tobruck a PC");
    EXPECT_EQ(w.Label2[1].caption(), "Tenere    Tripoli a PC");
    const std::pair<Label*, const char*> scores[] = {
        {&w.Label8, "250"},   {&w.Label9, "100"},   {&w.Label10, "37"},     {&w.Label11, "15"},
        {&w.Label12, "1200"}, {&w.Label13, "4999"}, {&w.Label14, "1800.5"}, {&w.Label15, "1000"},
        {&w.Label16, "77"},   {&w.Label17, "88"},   {&w.Label18, "9"},      {&w.Label19, "1"}};
    for (const auto& [label, value] : scores)
        EXPECT_EQ(label->caption(), value) << label->name().toStdString();

    ASSERT_EQ(w.List1.listCount(), 2) << "causes 0, 1, 7 and blank, and ships not lost, stay out";
    EXPECT_EQ(w.List1.list(0), "CT_Nave" + QString(12, ' ') + "AFF/AZI");
    EXPECT_EQ(w.List1.list(1), "CT_Nave" + QString(12, ' ') + "AUTOAFF");
    ASSERT_EQ(w.List2.listCount(), 4);
    EXPECT_EQ(w.List2.list(0), "CT_Aviere" + QString(10, ' ') + "AFF/AZI");
    EXPECT_EQ(w.List2.list(1), "NB_Conte di Cavour AFF/MIN");
    EXPECT_EQ(w.List2.list(2), "MR_Nave" + QString(12, ' ') + "AFF/ATM");
    EXPECT_EQ(w.List2.list(3), "MR_Nave" + QString(12, ' '));
    EXPECT_EQ(g.SelectedItem, 4) << "the Axis file's record count";
}

TEST_F(Objectives, AFreshCampaignKeepsAndSinksButForcesNothing) {
    for (int side : {kAllies, kAxis}) {
        const objectives::Standing s = objectives::sideStanding(side);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(objectives::objectiveMet(side, i, s.objectives[i].target, s.objectives[i].present),
                      i != (side == kAxis ? 2 : 3))
                << side << " " << i;
    }
}

TEST_F(Objectives, TheMenusOpenTheCarrierAndObjectivesWindows) {
    testcampaign::choose();
    ASSERT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
    FrmMain& f = form<FrmMain>();
    f.Command17_Click();
    f.Command5_Click();
    f.MnAcq.doClick();
    QStringList seen;
    platform::testing::setModalHandler([&](Form& w) {
        seen << w.caption();
        unloadForm(w, vbFormControlMenu);
    });
    f.MnAcqGibilterraLinea.doClick();
    f.MnAlleStatusPort.doClick();
    f.MnUtilMission.doClick();
    EXPECT_EQ(seen, (QStringList{"Linea Volo Portaerei", "Aerei Imbarcati sulle portaerei",
                                 "Missioni e Punteggi"}));
}
