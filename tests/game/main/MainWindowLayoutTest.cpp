// The main window read as a player reads it, at its default size and on a screen of 1600 x 1000
// (the whole screen, and maximised under a title bar): each panel shown in turn with the longest
// texts a campaign puts in it, then the contact board with its plot and the three attack windows
// beside it; the layout checker finds nothing cut, nothing sticking out and no panel lying over
// another.
#include "game/main/FrmMain.h"

#include "game/combat/FrmContatti.h"
#include "game/combat/FrmContatti2.h"

#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "common/MapRoutines.h"
#include "game/main/MapRules.h"
#include "tests/game/orders/NavalPanelFixture.h"
#include "tests/support/LayoutCheck.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;
namespace F = recordformat::ship;
namespace aircraft = recordformat::aircraft;

namespace {

constexpr int kTaranto = 1;
constexpr int kMaltaHq = 12;
constexpr int kPortGroup = 38; // lies at TARANTO

class MainWindowLayout : public NavalPanelFixture {
  protected:
    // Groups at sea with the longest lines their lists show, a group in port at TARANTO, ships
    // lying there and a line of fighters at its airfield, air groups in flight and a contact of
    // the hour.
    FrmMain& openCampaign() {
        Globals& g = G();
        for (int side : {kAllies, kAxis}) {
            for (int n = 39; n <= 50; ++n) {
                Int16* r = group(side, n, 300 * n - 6000, 4300 + 20 * n);
                r[GnCol::Ships] = 12, r[GnCol::Knots] = 30, r[GnCol::MinOperativity] = 153;
                r[GnCol::HoursSinceFormed] = 223;
                if (side == kAllies && n == 50) r[GnCol::OffMap] = 1;
                Int16* a = g.gaTable(side)[n];
                a[GaCol::InUse] = 1, a[GaCol::Aircraft] = 18, a[GaCol::Order] = kOrderPatrol;
                a[GaCol::X] = 7000 + 100 * n, a[GaCol::Y] = 3000, a[GaCol::OriginBase] = kTaranto;
                g.gaNames(side)[n][1] = QStringLiteral("Supermarine Spitfire Mk VB");
                g.gaNames(side)[n][3] = QStringLiteral("CPT");
            }
        }
        Int16* port = group(kAxis, kPortGroup, g.BaseMapXY[kTaranto][1], g.BaseMapXY[kTaranto][2]);
        port[GnCol::Ships] = 4, port[GnCol::InFriendlyPort] = 1, port[GnCol::Port] = kTaranto;
        g.BaseTable[kTaranto][BaseCol::ShipsPresent] = 4;
        g.BaseTable[kTaranto][BaseCol::AircraftPresent] = 18;
        ships[1] = {{.type = QStringLiteral("IL"), .port = kTaranto},
                    {.port = kTaranto},
                    {.port = kTaranto},
                    {.port = kTaranto}};
        for (int n = 39; n <= 50; ++n)
            for (int k = 0; k < 12; ++k) ships[1] << testcampaign::Ship{.group = n};
        for (int k = 0; k < 4; ++k)
            ships[1] << testcampaign::Ship{.type = QStringLiteral("IL"), .group = kPortGroup};
        // A line of fighters at TARANTO's airfield, in its file before the campaign opens.
        testcampaign::write();
        testcampaign::shipsForGroups(kAllies);
        testcampaign::appendShips(kAxis, ships[1]);
        AircraftRecord a;
        a.setText(aircraft::Nazione, QStringLiteral("IT"));
        a.setText(aircraft::Nome, QStringLiteral("Reggiane Re.2001 Falco II"));
        a.setText(aircraft::Ruolo, QStringLiteral("CPT"));
        a.setNumber(aircraft::Autonomia, 11);
        a.setNumber(aircraft::Velocita, 545);
        a.setNumber(aircraft::Carico, 90);
        a.setNumber(aircraft::Pronti, 18);
        openAircraftFile(20, baseAircraftFilePath(kTaranto), kAxis);
        appendAircraft(20, a);
        g.Files.close(20);
        testcampaign::choose();
        EXPECT_TRUE(apriGioco()) << errors.messages.join(u'\n').toStdString();
        FrmMain& f = form<FrmMain>();
        const int firstOfPortGroup = 5 + 12 * 12;
        for (int r = 1; r <= 4; ++r)
            for (int record : {r, firstOfPortGroup + r - 1})
                setShip(record, [](ShipRecord& s) {
                    s.setText(F::NOME, QStringLiteral("Giovanni delle Bande Nere"));
                });
        // Two groups of each side see each other this hour.
        Globals& h = G();
        h.ActivityKind = kActNavalMeeting;
        h.EncounterGnAlle = 40, h.EncounterGnAsse = 41;
        h.SightValueAlle = 12, h.EvasionValueAsse = 10, h.SightValueAsse = 12, h.EvasionValueAlle = 10;
        h.SightDieAlle = 7, h.SightDieAsse = 3;
        h.ContactDistance = 150;
        ScriviContattoGN();
        // The Allies commit to it, as "ATTACCA con GN:" does: the contact board lists it.
        const int n = openContactFile(20);
        ContactRecord c = readContact(20, n);
        c.STATTACCOLATO1 = 1;
        writeContact(20, n, c);
        h.Files.close(20);
        return f;
    }
    static void setShip(int record, const std::function<void(ShipRecord&)>& change) {
        Globals& g = G();
        g.Files.close(kChannelShips);
        openShipFile(kChannelShips, kAxis);
        readShip(kChannelShips, record);
        change(g.ShipRecordBuffer);
        writeShip(kChannelShips, record);
        g.Files.close(kChannelShips);
    }
    // The client area in pixels, as the window manager gives it.
    static void resizeClient(FrmMain& f, int width, int height) {
        f.setWindowState(0);
        QApplication::processEvents();
        f.setSize(width * kTwipsPerPixel, height * kTwipsPerPixel);
        QApplication::processEvents();
        f.Form_Resize();
        ASSERT_EQ(f.PicBitMap.width(), width * kTwipsPerPixel);
        ASSERT_EQ(f.PicBitMap.height(), height * kTwipsPerPixel);
    }
    // Twips of the shown map per map unit (the picture keeps its proportions from the top left).
    static double twipsPerMapUnit(const FrmMain& f) {
        const QImage& img = f.PicBitMap.image();
        return std::min(double(f.PicBitMap.width()) / img.width(),
                        double(f.PicBitMap.height()) / img.height()) *
               img.width() / kMapWidth;
    }
    // What the checker finds, and the panels on the map lying over one another. The unit card, the
    // help picture, the pop-up list and the hover label go where the player points; the open
    // group's tools lie over its list, which is disabled meanwhile.
    static std::string faults(FrmMain& f) {
        QStringList out = testsupport::clippedControls(f);
        const QSet<QString> floating = {"Frame11", "Picture1", "List12", "Label83"};
        QList<const Control*> shown;
        for (const Control* c : f.PicBitMap.children())
            if (!c->widget()->isHidden() && dynamic_cast<const Frame*>(c) && !floating.contains(c->name()))
                shown << c;
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j) {
                const QString a = shown[i]->name(), b = shown[j]->name();
                if ((a == "Frame12" && b == "Frame16") || (a == "Frame16" && b == "Frame12")) continue;
                if (shown[i]->widget()->geometry().intersects(shown[j]->widget()->geometry()))
                    out << a + " and " + b + " lie over one another";
            }
        return out.join(u'\n').toStdString();
    }
    // The campaign's hours and the panels roll (the ship list's hint among them).
    SeededDice dice{7};
};

} // namespace

TEST_F(MainWindowLayout, EveryPanelFitsAtTheDefaultSizeAndOnAScreenOf1600x1000) {
    FrmMain& f = openCampaign();
    Globals& g = G();
    // The messages of the message line that need the most room.
    const QStringList messages = {
        QStringLiteral("ATT: con -2 le probabilità di intercettare il bersaglio oltre il limite verde del "
                       "RAGGIO d'azione sono scarse"),
        QStringLiteral("leg: Dist dal GN sotto att/N° gn sotto att/nv=Tot navi/kn=Nodi/>=Rotta (DBL Click "
                       "Ordine del GN)"),
        QStringLiteral(
            " GN=Numero del GN - Nv=Numero Navi - kn=velocità - * distanza dal GN nemico - > Rotta"),
        QStringLiteral("PAL:12   NB IP IL:12   CT:12   NML:12   SAC:12  CrG:12 -(STRESS ALTO 240/240)")};
    for (const QSize& client : {QSize(1233, 721), QSize(1600, 1000), QSize(1600, 940)}) {
        resizeClient(f, client.width(), client.height());
        const std::string at = std::to_string(client.width()) + "x" + std::to_string(client.height());
        EXPECT_EQ(faults(f), "") << "waiting, " << at;
        // The panels at the left start below the strip where Allied groups enter from GIBILTERRA,
        // so that no mark drawn there lies under them.
        const int lowestMark = entryStripOf(5)->y2 + 80;
        for (const Control* c : {&f.Frame4, &f.Frame7, &f.Frame9, &f.Frame12, &f.Frame16})
            EXPECT_GE(c->top(), lowestMark * twipsPerMapUnit(f)) << c->name().toStdString() << ", " << at;
        EXPECT_TRUE(f.Label1.caption().isEmpty()) << "no coordinates before the pointer moves over the map";
        f.Check5.doClick();
        f.Check6.doClick();
        f.Check7.doClick();
        f.Image1_Click();
        EXPECT_EQ(faults(f), "") << "weather, " << at;
        f.Image17_Click();
        for (const QString& m : messages) {
            f.Label17.setCaption(m);
            EXPECT_EQ(faults(f), "") << at;
        }

        // The Axis: the side panel, the base panel with a group ready at TARANTO, its port, the
        // port orders and a group being formed.
        f.Command17_Click();
        f.Command6_Click();
        EXPECT_EQ(faults(f), "") << "side panel, " << at;
        f.Command10_Click();
        f.PicBitMap_MouseDown(1, 0, g.BaseMapXY[kTaranto][1], g.BaseMapXY[kTaranto][2]);
        ASSERT_TRUE(f.Frame4.visible());
        f.List1.doPick(0);
        {
            ChosenDice dice({1});
            f.Label49_Click();
        }
        f.Combo1.doPick(17);
        f.Combo2.doPick(3);
        f.Combo3.doPick(4);
        EXPECT_EQ(faults(f), "") << "base panel, " << at;
        f.Label50_DblClick();
        f.Command7_Click();
        ASSERT_TRUE(f.Frame7.visible());
        f.List3.doPick(0);
        EXPECT_EQ(faults(f), "") << "port panel, " << at;
        f.Image10_Click();
        f.Image19_Click();
        EXPECT_EQ(faults(f), "") << "port orders, " << at;
        f.Command15_Click();
        f.Label56_Click();
        f.List3.doPickDouble(0);
        EXPECT_EQ(faults(f), "") << "a group formed in port, " << at;
        f.List4.doPickDouble(0);
        f.Label56_Click();
        f.Command8_Click();

        // The naval panel with the hour's contact, a group picked and given a course, then opened.
        f.Command3_Click();
        EXPECT_EQ(faults(f), "") << "naval panel, " << at;
        ASSERT_TRUE(f.Frame27.visible()) << "the hour's contact";
        f.List9.doPick(0);
        EXPECT_EQ(faults(f), "") << "the contact picked, " << at;
        pick(f, 40);
        f.Label25_Click();
        f.Combo7.doPick(1);
        EXPECT_EQ(faults(f), "") << "a group picked, " << at;
        f.List2_DblClick();
        f.Command13_Click();
        EXPECT_EQ(faults(f), "") << "its route plotted, " << at;
        pick(f, kPortGroup);
        f.Command11_Click();
        EXPECT_GE(f.Frame16.top(), lowestMark * twipsPerMapUnit(f)) << at;
        f.List5.doPick(0);
        EXPECT_EQ(faults(f), "") << "a group open in port, " << at;
        f.Command12_Click();

        // The air panel, a group picked and a patrol to cover chosen for it.
        f.Command9_Click();
        EXPECT_EQ(faults(f), "") << "air panel, " << at;
        f.List8.doPick(0);
        EXPECT_EQ(faults(f), "") << "an air group picked, " << at;
        f.Combo8.doPick(kOrderCap - 1);
        ASSERT_TRUE(f.Frame18.visible());
        EXPECT_EQ(faults(f), "") << "a naval group to cover chosen, " << at;
        f.Command4_Click();

        // The Allies: the off-map bases beside the base panel of MALTA HQ.
        f.Command17_Click();
        f.Command5_Click();
        f.Command10_Click();
        f.PicBitMap_MouseDown(1, 0, g.BaseMapXY[kMaltaHq][1], g.BaseMapXY[kMaltaHq][2]);
        EXPECT_EQ(faults(f), "") << "Allied base panel, " << at;
        f.Command3_Click();
        EXPECT_EQ(faults(f), "") << "Allied naval panel, " << at;
        f.Command4_Click();
    }
    EXPECT_EQ(errors.messages.join(u'\n').toStdString(), "");
}

// The contact board and its plot, a naval contact shown with its neighbours and the longest alert,
// beside the main window at each size.
TEST_F(MainWindowLayout, TheContactBoardAndItsPlotFit) {
    FrmMain& f = openCampaign();
    for (const QSize& client : {QSize(1233, 721), QSize(1600, 1000), QSize(1600, 940)}) {
        resizeClient(f, client.width(), client.height());
        const std::string at = std::to_string(client.width()) + "x" + std::to_string(client.height());
        f.Command23.doClick();
        FrmContatti& board = form<FrmContatti>();
        ASSERT_EQ(board.List1.listCount(), 1);
        board.List1.doPick(0);
        ASSERT_EQ(board.Label5.caption(), " MEZZA GUARDIA Fuoco di reaz. (-1 TRN/Manovra)");
        EXPECT_EQ(testsupport::layoutFaults(board), "") << at;
        EXPECT_EQ(testsupport::layoutFaults(form<FrmContatti2>()), "") << at;
        board.Command1.doClick();
    }
    EXPECT_EQ(errors.messages.join(u'\n').toStdString(), "");
}

// The three attack windows the board opens when their boxes are ticked, with the main window at
// each size: a patrol over an Allied group, an Allied strike on TARANTO and an Axis bombardment of
// MALTA HQ, three new contacts each time (a contact is fought once).
TEST_F(MainWindowLayout, TheAttackWindowsFit) {
    FrmMain& f = openCampaign();
    Globals& g = G();
    Int16* strike = g.GaTableAlle[41];
    strike[GaCol::Order] = kOrderBombing, strike[GaCol::TargetBase] = kTaranto;
    strike[GaCol::Bombs] = 2, strike[GaCol::BombSize] = 50;
    Int16* raid = g.GnTableAsse[42];
    raid[GnCol::Order] = kNavalBombardment, raid[GnCol::BombardedBase] = kMaltaHq;
    for (CheckBox* box : {&f.Check5, &f.Check6, &f.Check7}) box->doClick();

    QStringList shown;
    platform::testing::setModalHandler([&](Form& w) {
        shown << w.caption();
        EXPECT_EQ(testsupport::layoutFaults(w), "") << w.caption().toStdString() << ", " << shown.size();
        unloadForm(w);
    });
    int patrol = 43; // a patrol attacks once an hour: another one each time
    for (const QSize& client : {QSize(1233, 721), QSize(1600, 1000), QSize(1600, 940)}) {
        resizeClient(f, client.width(), client.height());
        g.ActivityKind = kActAxisAirOnShips;
        g.ContactUnitAlle = 0, g.ContactUnitAsse = patrol++, g.EncounterGnAlle = 40, g.EncounterGnAsse = 0;
        g.SightValueAsse = 12, g.EvasionValueAlle = 10, g.SightValueAlle = 0, g.EvasionValueAsse = 10;
        g.AirOrder = kOrderPatrol;
        ScriviContattoRicognizione();
        g.CurrentSide = kAllies;
        g.ActivityKind = kActAlliedAirStrike;
        g.ContactUnitAlle = 41;
        ScriviContattoGA();
        g.CurrentSide = kAxis;
        g.ActivityKind = kActAxisBombardment;
        g.ContactUnitAlle = 0, g.ContactUnitAsse = 42;
        ScriviContattoGN2();
        g.CurrentSide = 0;
        SalvaDatiBasi();
        f.Command23.doClick();
        FrmContatti& board = form<FrmContatti>();
        for (int i = board.List1.listCount() - 3; i < board.List1.listCount(); ++i) board.List1.doPick(i);
        board.Command1.doClick();
    }
    platform::testing::setModalHandler(nullptr);
    const QString eachTime =
        QStringLiteral("Attacco Aereo in Patrol,Bombardamento Aereo,Bombardamento Navale,");
    EXPECT_EQ((shown.join(u',') + u',').toStdString(), eachTime.repeated(3).toStdString());
    EXPECT_EQ(errors.messages.join(u'\n').toStdString(), "");
}
