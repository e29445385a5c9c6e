// The main window read as a player reads it, at its default size, on a screen of 1600 x 1000
// (the whole screen, and maximised under a title bar), maximised under a title bar on a screen of
// 1366 x 768 and maximised on the screen the tests run on (tests/support/screens): each panel shown
// in turn with the longest texts a campaign puts in it, then the contact board with its plot and
// the three attack windows beside it; the layout checker finds nothing cut, covered or sticking out
// and no panel lying over another. Maximised, the map is drawn across the window's width, and a
// click on the middle of each base's box as drawn picks that base.
#include "game/main/FrmMain.h"

#include "game/combat/FrmContatti.h"
#include "game/combat/FrmContatti2.h"

#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "common/MapRoutines.h"
#include "game/combat/ContactBoard.h"
#include "game/main/MapRules.h"
#include "game/orders/AirOrders.h"
#include "tests/game/orders/NavalPanelFixture.h"
#include "tests/support/LayoutCheck.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;
namespace F = recordformat::ship;
namespace aircraft = recordformat::aircraft;

namespace {

// A ship that shows every status letter in the port list: on a mission, each value off its nominal
// one (`current` of the nominal), fires aboard, cargo empty, assistance given.
void showEveryStatusLetter(ShipRecord& s, long long (*current)(long long nominal)) {
    s.setNumber(F::MISSIONE, 6);
    for (const auto& [nominal, now] : {std::pair{F::AAM, F::AAMM},
                                       {F::C_A_INCENDI, F::C_A_INCENDIM},
                                       {F::DIR_TIRO, F::D_TIROM},
                                       {F::NODI, F::NODIM},
                                       {F::RESISTENZA, F::RESISTENZAM},
                                       {F::OPERATIVITA, F::OPERATIVITAM},
                                       {F::MA, F::MAM}})
        s.setNumber(now, current(s.whole(nominal)));
    s.setNumber(F::INCENDI_ATTIVI, 2);
    s.setNumber(F::CARGO, 20);
    s.setNumber(F::CARGOM, 0);
    s.setNumber(F::Assistenza, 1);
}

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
        // The first ship in port shows every status letter: the port list's longest line.
        setShip(1, [](ShipRecord& s) {
            s.setText(F::TIPO, QStringLiteral("MR"));
            showEveryStatusLetter(s, [](long long nominal) { return nominal + 1; });
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
    // The sizes a test goes through: on the tests' own screen of 1920 x 1080, the design size, two
    // client areas of a screen of 1600 x 1000 and one of 1366 x 768 (wider than the map in its
    // proportions), then maximised; on another screen, maximised there (an empty size).
    static QList<QSize> sizes() {
        if (QGuiApplication::primaryScreen()->size() == QSize(1920, 1080))
            return {QSize(1233, 721), QSize(1600, 1000), QSize(1600, 940), QSize(1366, 730), QSize()};
        return {QSize()};
    }
    // The window at one of those sizes; what to call it in a failure.
    static std::string sizeTo(FrmMain& f, QSize client) {
        if (!client.isEmpty()) {
            resizeClient(f, client.width(), client.height());
            return std::to_string(client.width()) + "x" + std::to_string(client.height());
        }
        f.setWindowState(2);
        QApplication::processEvents();
        f.Form_Resize();
        const QSize screen = f.window()->screen()->size();
        EXPECT_TRUE(f.window()->isMaximized());
        return "maximised on " + std::to_string(screen.width()) + "x" + std::to_string(screen.height());
    }
    // Twips of the map as drawn per map unit down the map (at the sizes of the tests' own screen,
    // where the window is not scaled).
    static double twipsPerMapUnitDown(const FrmMain& f) {
        return f.PicBitMap.shownPicture().height() * kTwipsPerPixel / kMapHeight;
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
    // The captions the panels and the message line take while the game runs, each put in its
    // control in turn: the air panel's order and its bases, the side's name, the contact board's
    // words for a contact fought by hand.
    static std::string captionFaults(FrmMain& f) {
        QStringList bases;
        for (int b = 1; b <= kBases; ++b) bases << G().BaseNames[b];
        const testsupport::RunTimeCaptions captions = {
            {"Label91", airOrderCaptions() + bases},
            {"Label89", bases},
            {"Frame8", {"ALLEATI", "ASSE"}},
            {"Label17",
             {contactboard::boxToTickText(contactboard::kPatrolBox),
              contactboard::boxToTickText(contactboard::kAirStrikeBox),
              contactboard::boxToTickText(contactboard::kBombardmentBox)}}};
        return testsupport::clippedCaptions(f, captions).join(u'\n').toStdString();
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
    for (const QSize& client : sizes()) {
        const std::string at = sizeTo(f, client);
        EXPECT_EQ(faults(f), "") << "waiting, " << at;
        if (client.isEmpty()) {
            EXPECT_EQ(testsupport::tabFaults(f), "") << at;
        }
        // The panels at the left start below the strip where Allied groups enter from GIBILTERRA,
        // so that no mark drawn there lies under them, where the window has the room (maximised
        // on a screen as wide as 1366 x 768 the map is drawn taller than the room beneath it).
        const int lowestMark = entryStripOf(5)->y2 + 80;
        if (!client.isEmpty()) {
            for (const Control* c : {&f.Frame4, &f.Frame7, &f.Frame9, &f.Frame12, &f.Frame16})
                EXPECT_GE(c->top(), lowestMark * twipsPerMapUnitDown(f))
                    << c->name().toStdString() << ", " << at;
        }
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
        EXPECT_EQ(f.List3.list(f.List3.listCount() - 1), "MR_Giovanni d [#aiIdkrcoms]");
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
        if (!client.isEmpty()) {
            EXPECT_GE(f.Frame16.top(), lowestMark * twipsPerMapUnitDown(f)) << at;
        }
        f.List5.doPick(0);
        EXPECT_EQ(faults(f), "") << "a group open in port, " << at;
        f.Command12_Click();

        // The air panel, a group picked and a patrol to cover chosen for it.
        f.Command9_Click();
        EXPECT_EQ(faults(f), "") << "air panel, " << at;
        f.List8.doPick(0);
        EXPECT_EQ(faults(f), "") << "an air group picked, " << at;
        EXPECT_EQ(captionFaults(f), "") << "the captions set while the game runs, " << at;
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
    for (const QSize& client : sizes()) {
        const std::string at = sizeTo(f, client);
        f.Command23.doClick();
        FrmContatti& board = form<FrmContatti>();
        ASSERT_EQ(board.List1.listCount(), 1);
        board.List1.doPick(0);
        ASSERT_EQ(board.Label5.caption(), " MEZZA GUARDIA Fuoco di reaz. (-1 TRN/Manovra)");
        EXPECT_EQ(testsupport::layoutFaults(board), "") << at;
        EXPECT_EQ(testsupport::layoutFaults(form<FrmContatti2>()), "") << at;
        EXPECT_EQ(testsupport::tabFaults(board), "") << at;
        EXPECT_EQ(testsupport::tabFaults(form<FrmContatti2>()), "") << at;
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
        EXPECT_EQ(testsupport::tabFaults(w), "") << w.caption().toStdString() << ", " << shown.size();
        unloadForm(w);
    });
    int patrol = 43; // a patrol attacks once an hour: another one each time
    for (const QSize& client : sizes()) {
        sizeTo(f, client);
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
    EXPECT_EQ((shown.join(u',') + u',').toStdString(), eachTime.repeated(int(sizes().size())).toStdString());
    EXPECT_EQ(errors.messages.join(u'\n').toStdString(), "");
}

// Maximised on the screen, the player clicks the middle of each base's box as the map shows it,
// and of the two entry boxes of the Allied bases off the map: the click reaches the map or the box,
// on the screen, and picks that base.
TEST_F(MainWindowLayout, EveryBaseTakesAClickOnItsBoxAsDrawn) {
    FrmMain& f = openCampaign();
    Globals& g = G();
    const std::string at = sizeTo(f, QSize());
    QWidget* client = f.childArea();
    const QRect screen = f.window()->screen()->availableGeometry();
    // Clicks the middle of `r` (client pixels); what the click reached.
    auto clickAt = [&](QPoint middle) {
        EXPECT_TRUE(screen.contains(client->mapToGlobal(middle)))
            << middle.x() << "," << middle.y() << ", " << at;
        QWidget* reached = testsupport::widgetAt(client, middle);
        if (reached) QTest::mouseClick(reached, Qt::LeftButton, {}, reached->mapFrom(client, middle));
        return reached;
    };
    QWidget* map = f.PicBitMap.widget();
    // The map as drawn: across the window's whole width, wider than its proportions by an eighth
    // at the most.
    const QRectF drawn = f.PicBitMap.shownPicture();
    EXPECT_GE(map->mapTo(client, drawn.topRight().toPoint()).x(), client->width() - 1) << at;
    EXPECT_LE(drawn.width() / drawn.height(), 1.125 * kMapWidth / kMapHeight) << at;
    const double across = drawn.width() / kMapWidth, down = drawn.height() / kMapHeight;
    auto baseMiddle = [&](int b) {
        return map->mapTo(
            client, QPoint(int((g.BaseMapXY[b][1] + 100) * across), int((g.BaseMapXY[b][2] + 100) * down)));
    };
    for (int side : {kAxis, kAllies}) {
        f.Command17_Click();
        side == kAxis ? f.Command6_Click() : f.Command5_Click();
        f.Command10_Click();
        for (int b = side == kAxis ? 1 : 12; b <= (side == kAxis ? 11 : 13); ++b) {
            g.SelectedBase = 0;
            const QWidget* reached = clickAt(baseMiddle(b));
            EXPECT_EQ(reached, map) << g.BaseNames[b].toStdString() << " under "
                                    << (reached ? reached->objectName().toStdString() : "nothing") << ", "
                                    << at;
            EXPECT_EQ(g.SelectedBase, b) << g.BaseNames[b].toStdString() << ", " << at;
        }
    }
    for (Label* box : {&f.Label15, &f.Label16}) {
        g.SelectedBase = 0;
        QWidget* w = box->widget();
        ASSERT_TRUE(w->isVisibleTo(client)) << box->toolTipText().toStdString();
        EXPECT_EQ(clickAt(w->mapTo(client, w->rect().center())), w)
            << box->toolTipText().toStdString() << ", " << at;
        EXPECT_EQ(g.SelectedBase, box == &f.Label15 ? 14 : 15) << at;
    }
    EXPECT_EQ(errors.messages.join(u'\n').toStdString(), "");
}

// The port list cuts each ship's name to its first 10 characters, as its rule says, and shows
// those 10 whole: every ship of the shipped archives lies in port at TARANTO with every status
// letter, and at every size the checker finds no item of the list cut.
TEST_F(MainWindowLayout, ThePortListShowsEveryShippedNameCutToItsTenCharactersWhole) {
    FrmMain& f = open();
    Globals& g = G();
    QStringList expected;
    openShipFile(20, kAxis);
    for (const char* archive : {"ALLEATINavi.Dat", "ASSENavi.Dat"}) {
        const RecordFile file(QStringLiteral(SHIPPED_DATA_DIR "/Archivio/") + archive, ShipRecord::kLength);
        ASSERT_GT(file.count(), 0) << archive;
        for (int r = 1; r <= file.count(); ++r) {
            ShipRecord& s = g.ShipRecordBuffer;
            s.setBytes(file.get(r));
            s.setNumber(F::PORTO, kTaranto);
            s.setText(F::NUMERO_GN, QString());
            s.setNumber(F::STATUS, 1);
            showEveryStatusLetter(s, [](long long nominal) { return nominal > 0 ? nominal - 1 : 1; });
            appendShip(20);
            expected << s.trimmed(F::TIPO) + u'_' + s.text(F::NOME).left(10) +
                            QStringLiteral(" [#aiIdkrcoms]");
        }
    }
    g.Files.close(20);
    g.BaseTable[kTaranto][BaseCol::ShipsPresent] = int(expected.size());
    SalvaDatiBasi();
    f.Command17_Click();
    f.Command6_Click();
    f.Command10_Click();
    f.PicBitMap_MouseDown(1, 0, g.BaseMapXY[kTaranto][1], g.BaseMapXY[kTaranto][2]);
    f.Command7_Click();
    ASSERT_TRUE(f.Frame7.visible());
    QStringList shown;
    for (int i = 0; i < f.List3.listCount(); ++i) shown << f.List3.list(i);
    shown.sort();
    expected.sort();
    EXPECT_EQ(shown.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
    for (const QSize& client : sizes()) {
        const std::string at = sizeTo(f, client);
        EXPECT_EQ(faults(f), "") << at;
    }
    EXPECT_EQ(errors.messages.join(u'\n').toStdString(), "");
}
