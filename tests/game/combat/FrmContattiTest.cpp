// The contact board and its plot on contact files written by the hour's own writers: the list of
// the hour's contacts, a contact shown with its neighbours and alert state, the hand-over to the
// attack windows, the side lists, the plot's scale, and the hour button given back by "&Chiudi".
#include "game/combat/FrmContatti.h"

#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "common/Pictures.h"
#include "game/combat/ContactBoard.h"
#include "game/combat/FrmContatti2.h"
#include "game/main/FrmMain.h"
#include "platform/Colors.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/TestSupport.h"

#include <QMainWindow>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr int kRoll = 3; // every die of the writers: the attack falls at minute 12

class ContactBoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        setDiceSource([](int sides) { return std::min(kRoll, sides); });
    }
    void TearDown() override {
        setDiceSource({});
        platform::testing::resetForms();
        resetGlobals();
    }

    // A naval group in use at a point, heading east at `knots`.
    Int16* gn(int side, int n, int x, int y, int ships = 3, int knots = 20) {
        Int16* r = G().gnTable(side)[n];
        r[GnCol::InUse] = 1, r[GnCol::Ships] = ships, r[GnCol::Knots] = knots, r[GnCol::Course] = 5;
        r[GnCol::X] = x, r[GnCol::Y] = y;
        return r;
    }
    // An air group in use of `aircraft` aircraft of a type, at a point.
    Int16* ga(int side, int n, int x, int y, int aircraft = 6) {
        Int16* r = G().gaTable(side)[n];
        r[GaCol::InUse] = 1, r[GaCol::InAction] = aircraft, r[GaCol::X] = x, r[GaCol::Y] = y;
        G().gaNames(side)[n][1] = QStringLiteral("Tipo %1").arg(n);
        G().gaNames(side)[n][3] = QStringLiteral("BOM");
        return r;
    }
    // A patrol of air group k over naval group j.
    void patrol(int side, int k, int j, int x, int y) {
        ga(side, k, x, y, 4)[GaCol::CoveredGn] = j;
        G().gnTable(side)[j][GnCol::PatrolGroups] = 1;
    }

    // The campaign written at `hour` with the tables as they stand; the contacts follow.
    void campaign(int hour = 10) {
        testcampaign::write({.hour = hour});
        testcampaign::shipsForGroups();
    }
    // The hour's contact count starts again, as at the start of an hour.
    void newHour() { G().ContattiGestiti = 0; }

    // A naval encounter that the Allied group a sees and commits against the Axis group b (the
    // record rewritten as "ATTACCA con GN:" does).
    int navalContact(int a, int b, int dieAlle, int dieAsse) {
        Globals& g = G();
        g.ActivityKind = kActNavalMeeting;
        g.EncounterGnAlle = a, g.EncounterGnAsse = b;
        g.SightValueAlle = 12, g.EvasionValueAsse = 10, g.SightValueAsse = 5, g.EvasionValueAlle = 10;
        g.SightDieAlle = dieAlle, g.SightDieAsse = dieAsse;
        g.ContactDistance = 150;
        ScriviContattoGN();
        return commit([](ContactRecord& c) { c.STATTACCOLATO1 = 1; });
    }
    // Axis air group k on patrol sees and attacks the Allied naval group n.
    int airContact(int k, int n) {
        Globals& g = G();
        g.ActivityKind = kActAxisAirOnShips;
        g.ContactUnitAlle = 0, g.ContactUnitAsse = k, g.EncounterGnAlle = n, g.EncounterGnAsse = 0;
        g.SightValueAsse = 12, g.EvasionValueAlle = 10, g.SightValueAlle = 0, g.EvasionValueAsse = 10;
        g.AirOrder = kOrderPatrol;
        ScriviContattoRicognizione();
        return g.ContattiGestiti;
    }
    // An air strike of `side`'s air group k at its target base.
    int airStrike(int side, int k) {
        Globals& g = G();
        g.CurrentSide = side;
        g.ActivityKind = side == kAllies ? kActAlliedAirStrike : kActAxisAirStrike;
        (side == kAllies ? g.ContactUnitAlle : g.ContactUnitAsse) = k;
        ScriviContattoGA();
        return lastRecord();
    }
    // A naval bombardment by the Axis naval group n of the base in its column 33.
    int bombardment(int n) {
        Globals& g = G();
        g.CurrentSide = kAxis;
        g.ActivityKind = kActAxisBombardment;
        g.ContactUnitAlle = 0, g.ContactUnitAsse = n;
        ScriviContattoGN2();
        return lastRecord();
    }
    int lastRecord() {
        const int n = openContactFile(20);
        G().Files.close(20);
        return n;
    }
    int commit(const std::function<void(ContactRecord&)>& change) {
        const int n = openContactFile(20);
        ContactRecord c = readContact(20, n);
        change(c);
        writeContact(20, n, c);
        G().Files.close(20);
        return n;
    }

    // The campaign opened in the main window and the contact button pressed.
    FrmContatti& board() {
        testcampaign::choose();
        EXPECT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
        form<FrmMain>().Command23.doClick();
        return form<FrmContatti>();
    }
    FrmMain& main() { return form<FrmMain>(); }
    FrmContatti2& plot() { return form<FrmContatti2>(); }
    QStringList items(const ListBox& l) {
        QStringList out;
        for (int i = 0; i < l.listCount(); ++i) out << l.list(i);
        return out;
    }
    QList<int> data(const ListBox& l) {
        QList<int> out;
        for (int i = 0; i < l.listCount(); ++i) out << l.itemData(i);
        return out;
    }
    // Whether a colour is drawn somewhere in a rectangle of a picture (in its own units).
    static bool drawn(const PictureBox& p, int x1, int y1, int x2, int y2, long colour, int step = 15) {
        for (int y = y1; y <= y2; y += step)
            for (int x = x1; x <= x2; x += step)
                if (p.point(x, y) == colour) return true;
        return false;
    }
    QString line() { return main().Label17.caption(); }

    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
};

} // namespace

TEST_F(ContactBoardTest, ListsTheHoursContactsOldestFirst) {
    gn(kAllies, 1, 5000, 3000), gn(kAxis, 2, 5150, 3000, 4, 0), gn(kAxis, 3, 5150, 3000, 0);
    ga(kAllies, 4, 6000, 3000)[GaCol::TargetBase] = 7;
    ga(kAllies, 5, 6000, 3000)[GaCol::TargetBase] = 20; // sent at no base
    gn(kAxis, 6, 5500, 4000)[GnCol::BombardedBase] = 12;
    campaign();
    navalContact(1, 2, 5, 5); // an earlier hour
    newHour();
    navalContact(1, 2, 5, 5);
    navalContact(1, 3, 5, 5); // no ships: not listed
    ScriviContattoGN();       // nobody attacks: not listed
    airStrike(kAllies, 4);
    airStrike(kAllies, 5);
    const int last = bombardment(6);
    ASSERT_EQ(G().state(StateItem::Contacts), 6);

    FrmContatti& f = board();
    EXPECT_EQ(items(f.List1), (QStringList{"GN2 nv4 kn8 [150]>E", "TRIPOLI BmbAer", "NESSUNA BASE BmbAer",
                                           "MALTA HQ BmbNav"}));
    EXPECT_EQ(data(f.List1), (QList<int>{2, last - 2, last - 1, last}));
    EXPECT_FALSE(main().Command22.enabled());
}

TEST_F(ContactBoardTest, ACountBeyondTheFileReadsFromTheFirstRecord) {
    gn(kAllies, 1, 5000, 3000), gn(kAxis, 2, 5150, 3000);
    campaign();
    navalContact(1, 2, 5, 5);
    navalContact(1, 2, 5, 5);
    G().setState(StateItem::Contacts, 9);
    SalvaDatiBasi();

    FrmContatti& f = board();
    EXPECT_EQ(data(f.List1), (QList<int>{1, 2}));
}

TEST_F(ContactBoardTest, ANavalContactShowsBothSidesAndTheAlert) {
    gn(kAllies, 1, 5000, 3000)[GnCol::Periscope] = 1;
    gn(kAllies, 7, 5100, 3200); // 200 from the attacked group: the attacker's neighbour
    patrol(kAllies, 8, 7, 5100, 3300);
    gn(kAxis, 2, 5100, 3000);        // attacked
    gn(kAxis, 3, 5340, 3000, 2, 2);  // at 240
    gn(kAxis, 4, 5341, 3000);        // at 241
    gn(kAxis, 5, 5100, 0);           // off the map: never scanned
    patrol(kAxis, 9, 2, 5100, 2900); // over the attacked group itself
    G().gaTable(kAxis)[9][GaCol::Torpedoes] = 1;
    G().gaTable(kAxis)[9][GaCol::Bombs] = 2;
    G().gnTable(kAxis)[3][GnCol::Order] = kNavalSupport;
    campaign();
    navalContact(1, 2, 9, 2);

    FrmContatti& f = board();
    f.List1.doPick(0);
    EXPECT_EQ(line(),
              " GN=Numero del GN - Nv=Numero Navi - kn=velocità - * distanza dal GN nemico - > Rotta");
    EXPECT_EQ(f.Label1.caption(), "ASSE");
    EXPECT_EQ(f.Label1.backColor(), vbRed);
    EXPECT_EQ(f.Label2.caption(), "ALLE");
    EXPECT_EQ(f.Label2.backColor(), vbYellow);
    EXPECT_EQ(f.Label3.caption(), "Superfice");
    EXPECT_EQ(f.Label4.caption(), "Q Periscopio");
    EXPECT_EQ(items(f.List3), QStringList{"240 GN3 nv2 kn8>E"});
    EXPECT_EQ(items(f.List2), QStringList{"0(GN2) GA9 BOMx4 capB"});
    EXPECT_EQ(items(f.List4), QStringList{"9:12(3) GN1 nv3 Kn20>E"});
    EXPECT_EQ(items(f.List6), QStringList{"200GN7 nv3 kn20>E"});
    EXPECT_EQ(items(f.List5), QStringList{"200(GN7) GA8 BOMx4 cap"});
    EXPECT_EQ(f.Label5.caption(), " RIPOSO (-1 TRN Fuoco e Manovra)") << "die difference 7";
    EXPECT_EQ(f.GnGa, 1);
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(G().OperationContext[i], 0) << i;

    // The main map shows the sea bed with the attacked group boxed in magenta.
    EXPECT_TRUE(drawn(*G().MapPicture, 4950, 2990, 4960, 3010, vbMagenta, 2));
    EXPECT_EQ(G().MapPicture->picture(),
              designPicture(G().SeaBedPicturePath).convertToFormat(QImage::Format_RGB32));
    // The plot: the attacked group white in the middle, the attacker 100 west at 340 twips.
    const PictureBox& p = plot().Picture1;
    EXPECT_TRUE(drawn(p, 1690, 1265, 1725, 1335, vbWhite));
    EXPECT_TRUE(drawn(p, 1610 - 340 + 80, 1265, 1610 - 340 + 115, 1335, vbYellow));

    // The side lists: legends on a click, details on a double-click.
    f.List3.doPick(0);
    EXPECT_EQ(
        line(),
        "leg: Dist dal GN sotto att/N° gn sotto att/nv=Tot navi/kn=Nodi/>=Rotta (DBL Click Ordine del GN)");
    f.List3.doPickDouble(0);
    EXPECT_EQ(line(), G().NavalOrderNames[kNavalSupport]);
    f.List2.doPickDouble(0);
    EXPECT_EQ(line(), "Tipo 9( 1 siluro)") << "torpedoes before bombs";
    f.List5.doPickDouble(0);
    EXPECT_EQ(line(), "Tipo 8") << "neither torpedoes nor bombs";
    f.List4.doPickDouble(0);
    EXPECT_EQ(line(), "Il primo num è il TRN-TIME (nnx4) determina la sequenza di gioco ")
        << "a naval attacker has no detail: the click's legend stays";
}

TEST_F(ContactBoardTest, AnAirContactIsPlottedAtItsTarget) {
    gn(kAllies, 1, 5000, 3000);
    Int16* k = ga(kAxis, 6, 4000, 3000);
    k[GaCol::TargetX] = 4900, k[GaCol::TargetY] = 2900; // 100 north of the attacked group
    k[GaCol::Bombs] = 2, k[GaCol::BombSize] = 250;
    campaign(0);
    airContact(6, 1);

    FrmContatti& f = board();
    ASSERT_EQ(items(f.List1), QStringList{"GN1 nv3 kn20 [0]>E"});
    f.List1.doPick(0);
    EXPECT_EQ(items(f.List4), QStringList{"23:12(3) GA6  BOMx6 att"});
    EXPECT_EQ(f.Label4.caption(), "Aerei");
    EXPECT_EQ(f.Label5.caption(), " ALLARME AEREO (Patrol in attacco)");
    EXPECT_EQ(f.GnGa, kActAxisAirOnShips);
    // Air groups keep 1.5 twips a map unit: the rings stand 150 above the box's corner.
    EXPECT_TRUE(drawn(plot().Picture1, 1570, 1070, 1650, 1110, vbRed));
    EXPECT_FALSE(drawn(plot().Picture1, 1570, 880, 1650, 960, vbRed)) << "not where the naval scale puts it";
    f.List4.doPickDouble(0);
    EXPECT_EQ(line(), "Tipo 6 (bombe 2x250)");
}

TEST_F(ContactBoardTest, TheAttackPathHandsTheContactOverOnce) {
    Int16* k = ga(kAllies, 4, 6000, 3000);
    k[GaCol::TargetBase] = 7;
    gn(kAxis, 2, 5150, 3000)[GnCol::Periscope] = 1;
    gn(kAxis, 6, 5500, 4000)[GnCol::BombardedBase] = 12;
    G().gnTable(kAxis)[6][GnCol::Destroyers] = 3;
    campaign();
    const int strike = airStrike(kAllies, 4);
    commit([](ContactRecord& c) { c.STATTACCOLATO2 = 1, c.STNSTACKLATO2 = 2, c.STINCLATO2 = 4; });
    bombardment(6);

    FrmContatti& f = board();
    f.List1.doPick(0); // the box is not ticked: fought by hand
    EXPECT_EQ(items(f.List4), QStringList{"9:12(3) - GA4 Na: 6 BOM"});
    EXPECT_EQ(f.Label1.caption(), "*SS*") << "both sides strike at once";
    EXPECT_EQ(G().OperationContext[5], 1);
    EXPECT_EQ(G().OperationContext[1], 0);

    // The attack windows shown by the board, by caption.
    QStringList shown;
    platform::testing::setModalHandler([&](Form& w) { shown << w.caption(); });
    G().AutoBombAir = 1;
    f.List1.doPick(0);
    const Int32* oc = G().OperationContext;
    EXPECT_EQ(oc[1], strike);
    EXPECT_EQ(oc[2], 7);
    EXPECT_EQ(oc[3], kActAlliedAirStrike);
    EXPECT_EQ(oc[4], kRoll);
    EXPECT_EQ(oc[5], kAllies);
    EXPECT_EQ(oc[6], 4);
    EXPECT_EQ(oc[7], kContactAirTarget);
    EXPECT_EQ(oc[8], kAllies);
    EXPECT_EQ(oc[10], 4);
    EXPECT_EQ(oc[16], 2);
    EXPECT_EQ(oc[17], 1) << "the seen Axis group is at periscope depth";
    EXPECT_EQ(shown, QStringList{"Bombardamento Aereo"});
    EXPECT_EQ(plot().Picture1.picture(),
              designPicture(G().AppPath + "\\ArchBmp\\bombaereo.bmp").convertToFormat(QImage::Format_RGB32));

    f.List1.doPick(0);
    EXPECT_EQ(line(), "ATT: CONTATTO GIA' COMBATTUTO IN QUEST'ORA");
    EXPECT_EQ(G().OperationContext[1], 0);

    G().AutoBombNaval = 1;
    f.List1.doPick(1);
    EXPECT_EQ(f.Label1.caption(), "ALLE");
    EXPECT_EQ(items(f.List4), QStringList{"9:12(3) - GN6 nv3"});
    EXPECT_EQ(G().OperationContext[8], kAllies) << "the bombarded side sees";
    EXPECT_EQ(line(), "PAL:0   NB IP IL:0   CT:3   NML:0   SAC:0  CrG:0");
    EXPECT_EQ(shown, (QStringList{"Bombardamento Aereo", "Bombardamento Navale"}));
    platform::testing::setModalHandler(nullptr);
}

TEST_F(ContactBoardTest, ThePlotScaleStepsBetweenOneAndNine) {
    campaign();
    board();
    FrmContatti2& p = plot();
    const QImage map = G().MapPicture->image();
    p.Label2.doClick();
    EXPECT_EQ(G().MapPicture->image(), map) << "a click at the default changes nothing";

    for (int i = 0; i < 4; ++i) p.Command1.doClick();
    EXPECT_EQ(p.PlotScaleStep, 1);
    EXPECT_NEAR(p.PlotScale, 0.2, 1e-9);
    EXPECT_FALSE(p.Command1.enabled());
    EXPECT_EQ(p.Label2.caption(), "0.2");
    EXPECT_EQ(p.Label2.backColor(), vbRed);

    p.Label2.doClick();
    EXPECT_EQ(p.PlotScaleStep, 5);
    EXPECT_TRUE(p.Command1.enabled());
    EXPECT_EQ(p.Label2.caption(), "3.4");
    EXPECT_EQ(p.Label2.backColor(), vbCyan);

    for (int i = 0; i < 4; ++i) p.Command2.doClick();
    EXPECT_EQ(p.PlotScaleStep, 9);
    EXPECT_NEAR(p.PlotScale, 6.6, 1e-9);
    EXPECT_FALSE(p.Command2.enabled());
    EXPECT_EQ(p.Label2.caption(), "6.6");
}

TEST_F(ContactBoardTest, OnlyChiudiGivesTheHourButtonBack) {
    gn(kAllies, 1, 5000, 3000), gn(kAxis, 2, 5150, 3000);
    campaign();
    navalContact(1, 2, 5, 5);
    FrmContatti& f = board();
    EXPECT_TRUE(f.visible());
    EXPECT_TRUE(plot().visible());
    EXPECT_FALSE(main().Command22.enabled());

    main().Command23.doClick(); // the board again
    EXPECT_FALSE(main().Command22.enabled());
    form<FrmContatti>().List1.doPick(0);
    form<FrmContatti>().Command1.doClick();
    EXPECT_TRUE(main().Command22.enabled());
    EXPECT_FALSE(isLoaded<FrmContatti>());
    EXPECT_FALSE(isLoaded<FrmContatti2>());
    EXPECT_EQ(line(), "");
    EXPECT_EQ(G().MapPicture->picture(), G().MapImage.convertToFormat(QImage::Format_RGB32));
}

// Sightings with no attack hold the hour as every contact does, but the board lists them not: it
// says so in its own words, and its "&Chiudi" frees the hour.
TEST_F(ContactBoardTest, SightingsItDoesNotListAreNamedOnTheBoard) {
    gn(kAllies, 1, 5000, 3000), gn(kAxis, 2, 5150, 3000);
    campaign();
    ScriviContattoGN();
    ScriviContattoGN();
    FrmContatti& f = board();
    EXPECT_EQ(f.List1.listCount(), 0);
    EXPECT_EQ(f.Label5.caption(), "Solo avvistamenti: nessun attacco (Chiudi libera l'ORA)");
    EXPECT_FALSE(main().Command22.enabled());
    f.Command1.doClick();
    EXPECT_TRUE(main().Command22.enabled());

    newHour();
    navalContact(1, 2, 5, 5);
    ScriviContattoGN();
    main().Command23.doClick();
    EXPECT_EQ(form<FrmContatti>().List1.listCount(), 1);
    EXPECT_EQ(form<FrmContatti>().Label5.caption(), "+1 avvistamenti senza attacco, non elencati");
}

// The board and its plot first open apart and wholly on the screen, at every size the game is
// played on; then each comes back where the player left it, opening after opening.
TEST_F(ContactBoardTest, TheBoardAndItsPlotOpenApartThenWhereTheyWereLeft) {
    constexpr int kTitle = 30, kBorder = 4;
    const auto framed = [&](QPoint at, QSize size) {
        return QRect(at, size).adjusted(-kBorder, -kTitle, kBorder, kBorder);
    };
    for (const QSize screen :
         {QSize(1280, 720), QSize(1366, 768), QSize(1600, 900), QSize(1920, 1080), QSize(2560, 1440)}) {
        for (const double scale : {0.75, 1.0, 1.25}) {
            const QRect area(0, 0, screen.width(), screen.height() - 40); // a task bar at the bottom
            const QSize boardSize(int(640 * scale), int(300 * scale)),
                plotSize(int(240 * scale), int(280 * scale));
            const contactboard::BoardPlaces p =
                contactboard::boardPlaces(area, boardSize, plotSize, kTitle, kBorder);
            const QRect board = framed(p.board, boardSize), plot = framed(p.plot, plotSize);
            const std::string where = std::to_string(screen.width()) + "x" + std::to_string(screen.height()) +
                                      " at " + std::to_string(scale);
            EXPECT_FALSE(board.intersects(plot)) << where;
            EXPECT_TRUE(area.contains(board) && area.contains(plot)) << where;
        }
    }

    gn(kAllies, 1, 5000, 3000), gn(kAxis, 2, 5150, 3000);
    campaign();
    navalContact(1, 2, 5, 5);
    board();
    // Within the test screen (800 x 600).
    const QPoint boardAt(100, 150), plotAt(520, 60);
    form<FrmContatti>().window()->move(boardAt);
    plot().window()->move(plotAt);
    const QPoint boardLeft = form<FrmContatti>().window()->geometry().topLeft();
    const QPoint plotLeft = plot().window()->geometry().topLeft();
    for (int opening = 1; opening <= 10; ++opening) {
        form<FrmContatti>().Command1.doClick();
        main().Command23.doClick();
        EXPECT_EQ(form<FrmContatti>().window()->geometry().topLeft(), boardLeft) << "opening " << opening;
        EXPECT_EQ(plot().window()->geometry().topLeft(), plotLeft) << "opening " << opening;
    }
}

// With the automatic boxes unticked, as every hour leaves them, a contact that an attack window
// would fight tells on the message line which of the main window's boxes sends it there, by the
// name the box shows; the box ticked as the player clicks it, the same contact opens its window.
TEST_F(ContactBoardTest, AContactLeftToTheHandNamesTheBoxToTick) {
    ga(kAllies, 4, 6000, 3000)[GaCol::TargetBase] = 7;
    gn(kAxis, 6, 5500, 4000)[GnCol::BombardedBase] = 12;
    G().gnTable(kAxis)[6][GnCol::Destroyers] = 3;
    gn(kAllies, 1, 5000, 3000);
    Int16* raid = ga(kAxis, 8, 4000, 3000);
    raid[GaCol::TargetX] = 4900, raid[GaCol::TargetY] = 2900, raid[GaCol::Bombs] = 2;
    gn(kAllies, 2, 8000, 5000);
    gn(kAxis, 3, 8100, 5000);
    campaign();
    const int strike = airStrike(kAllies, 4);
    const int bombarding = bombardment(6);
    const int patrolling = airContact(8, 1);
    const int meeting = navalContact(2, 3, 6, 2);

    FrmContatti& f = board();
    QStringList shown;
    platform::testing::setModalHandler([&](Form& w) { shown << w.name(); });
    const auto pick = [&](int record) {
        for (int i = 0; i < f.List1.listCount(); ++i)
            if (f.List1.itemData(i) == record) return f.List1.doPick(i);
        ADD_FAILURE() << "contact " << record << " is not listed";
    };
    const auto tick = [](const QString& box) {
        return "ATT: ATTACCO MANUALE - SPUNTARE \"" + box +
               "\" (SOPRA IL TASTO CONTATTI) PER LA FINESTRA D'ATTACCO";
    };
    const struct {
        int record;
        CheckBox& box;
        const char* name;
        const char* window;
    } cases[] = {{strike, main().Check5, "BOMB. AEREO AUTO/MANUALE", "FrmAuto"},
                 {bombarding, main().Check7, "BOMB. NAVALE AUTO/MANUALE", "FrmBombNav"},
                 {patrolling, main().Check6, "PATROL AUTO/MANUALE", "FrmPatrol"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.box.toolTipText().trimmed(), c.name) << "the name the box shows";
        pick(c.record);
        EXPECT_EQ(line(), tick(c.name));
        EXPECT_TRUE(shown.isEmpty()) << "fought by hand";
        c.box.doClick();
        pick(c.record);
        EXPECT_EQ(shown, QStringList{c.window});
        shown.clear();
        c.box.doClick();
    }
    // A naval encounter has no attack window: its legend stays.
    pick(meeting);
    EXPECT_EQ(line(),
              " GN=Numero del GN - Nv=Numero Navi - kn=velocità - * distanza dal GN nemico - > Rotta");
    EXPECT_TRUE(shown.isEmpty());
    platform::testing::setModalHandler(nullptr);
}
