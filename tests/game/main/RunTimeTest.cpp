// The hour button in the main window: the phases in their order with the side in play at each
// status code, the progress bar, the alarms, the contact button, and an hour undone when a phase
// fails.
#include "game/main/FrmMain.h"

#include "game/combat/FrmContatti.h"

#include "TestCampaign.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "game/main/HourStep.h"
#include "game/main/HourTrace.h"
#include "platform/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Every roll gives the same face (or the die's top when it has fewer faces).
class SteadyDice {
  public:
    explicit SteadyDice(int face) {
        setDiceSource([face](int sides) { return std::min(face, std::max(sides, 1)); });
    }
    ~SteadyDice() { setDiceSource({}); }
};

class HourButton : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        setHourObserver({});
        platform::testing::resetForms();
        resetGlobals();
    }
    // A group in use of two destroyers at a point at sea, standing still; its row agrees with its
    // ships, as the passes that rebuild it from them find it.
    Int16* group(int side, int n, int x, int y, int aircraftAShip = 0) {
        Int16* r = G().gnTable(side)[n];
        r[GnCol::InUse] = 1, r[GnCol::MaxKnots] = 30, r[GnCol::Ships] = 2, r[GnCol::MinOperativity] = 100,
        r[GnCol::Destroyers] = 2, r[GnCol::X] = x, r[GnCol::Y] = y;
        r[GnCol::CapAircraft] = 2 * aircraftAShip, r[GnCol::CapLevel] = aircraftAShip > 0 ? 1 : 0;
        for (int i = 0; i < 2; ++i)
            ships[side - 1] << testcampaign::Ship{.group = n, .aircraft = aircraftAShip};
        return r;
    }
    FrmMain& open(const testcampaign::Options& o = {}) {
        testcampaign::write(o);
        for (int side : {kAllies, kAxis}) testcampaign::appendShips(side, ships[side - 1]);
        const auto slot = G().GameSlots[1];
        resetGlobals();
        buildPathGlobals();
        G().GameSlots[1] = slot;
        G().SelectedSlot = 1;
        G().CampaignName = o.name;
        EXPECT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
        return form<FrmMain>();
    }
    // Runs one hour, recording its steps; a status code carries the side in play when it is shown.
    QString hour(FrmMain& f) {
        QStringList steps;
        setHourObserver([&](const QString& s) {
            steps << (s.startsWith('[') ? s + QString::number(G().CurrentSide) : s);
            if (onStep) onStep(s);
        });
        f.Command22.doClick();
        setHourObserver({});
        return steps.join(' ');
    }
    QByteArray campaignBytes() const {
        QByteArray all;
        for (const QString& name : campaignFileNames(G().CampaignName))
            all += name.toLatin1() + ':' + testsupport::readBytes(G().GamesPath + name) + '\n';
        return all;
    }
    std::function<void(const QString&)> onStep;
    QList<testcampaign::Ship> ships[2];
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
};

// The values a progress bar shows at each of its paintings.
class PaintedValues : public QObject {
  public:
    explicit PaintedValues(ProgressBar& bar) : bar_(bar) { bar.widget()->installEventFilter(this); }
    ~PaintedValues() override { bar_.widget()->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) values << bar_.value();
        return false;
    }
    QList<int> values;

  private:
    ProgressBar& bar_;
};

QString passes(const char* name, const QString& after = {}) {
    return QStringLiteral("%1/1 %1/2").arg(QLatin1String(name)) + (after.isEmpty() ? "" : " " + after);
}

} // namespace

TEST_F(HourButton, PhasesInTheirOrderWithTheirCodes) {
    group(kAllies, 2, 8500, 4500);
    group(kAxis, 5, 12000, 2000);
    FrmMain& f = open({.hour = 10, .weather = 0});
    SteadyDice dice(50);
    // FaseGAx works through both sides itself: the side it leaves in play is its own business.
    const QString steps = hour(f).replace(QRegularExpression("\\[GA1\\]\\d"), "[GA1]");
    const QStringList expected = {"[EVG]0 1 2 3",
                                  passes("InizioOraNavi", "4"),
                                  "[TSG]2 AggiornaGNDaNavi/1#2 AggiornaGNDaNavi/2#5 5",
                                  "[EVV]0",
                                  passes("TipoGN", "6"),
                                  "[GAx]0 FaseGAx 7",
                                  "[GA1] FaseGA1 8 9",
                                  passes("MuoviGAInVolo", "10"),
                                  "[CAP]2",
                                  passes("PattugliaCAP", "11"),
                                  passes("RicognizioneOra", "12"),
                                  "[BBA]2",
                                  passes("ArrivoGA", "13"),
                                  "[MIN]2",
                                  passes("ColpiMine", "14"),
                                  "[MGN]2 15 MuoviGN/1 16 MuoviGN/2 17",
                                  "[TST]0",
                                  passes("DanniNaviOra", "18"),
                                  "[BAS]0 19 20",
                                  "[BBN]0",
                                  passes("ContattiGNOra", "21"),
                                  "[TSG]2 AggiornaGNDaNavi/1#2 AggiornaGNDaNavi/2#5 22",
                                  "[AVV]0 23",
                                  "[SCA]0",
                                  passes("FaseSCA", "24"),
                                  "[CAR]0",
                                  passes("FaseCAR", "25"),
                                  "[RIF]0",
                                  passes("FaseRIF", "26"),
                                  "[RIP]0",
                                  passes("FaseRIP", "27"),
                                  passes("AggiornaBasiOra", "28"),
                                  passes("ChiusuraNaviOra"),
                                  "[CAA]0",
                                  passes("FaseCAA", "29 30"),
                                  "[DMN]0 31 BordiMappaGA/0 32 CircleAttivita/0 [STP]0"};
    EXPECT_EQ(steps.toStdString(), expected.join(' ').toStdString());
    EXPECT_EQ(errors.messages, QStringList());
    EXPECT_EQ(boxes.prompts, QStringList());

    Globals& g = G();
    EXPECT_EQ(g.GameState[StateItem::Hour], "11");
    EXPECT_EQ(g.CurrentSide, 0);
    EXPECT_EQ(g.HourStepActive, 0);
    EXPECT_EQ(f.ProgressBar1.value(), 32);
    EXPECT_EQ(f.ProgressBar1.max(), 32);
    EXPECT_FALSE(f.ProgressBar1.visible());
    EXPECT_TRUE(f.Command17.visible());
    EXPECT_TRUE(f.Command22.enabled()) << "no contacts this hour";
    EXPECT_EQ(f.Label29.caption(), "0") << "the activities of the hour";
    EXPECT_TRUE(f.Label17.visible());
    EXPECT_EQ(f.PicBitMap.mousePointer(), 0);
    EXPECT_EQ(f.Label32.backColor(), vbRed);
    EXPECT_FALSE(f.Label80.visible() || f.Label87.visible() || f.Label101.visible() || f.Label18.visible());
    // What the hour saved: the clock reached the file.
    EXPECT_EQ(testsupport::readLines(G().GamesPath + "StackProvaeventigioco.dat").at(1), "\"11\"");
}

TEST_F(HourButton, EndOfDayAndMineDecayAndEveryProgressPoint) {
    FrmMain& f = open({.hour = 22, .weather = 2});
    SteadyDice dice(50); // the weather stays at 2
    const QString steps = hour(f);
    EXPECT_TRUE(steps.contains("[CAA]0 FaseCAA/1 FaseCAA/2 29 AggiornaNaviOra/1 AggiornaNaviOra/2 30"));
    EXPECT_TRUE(steps.contains("[DMN]0 DecadimentoMine/1 DecadimentoMine/2 31"));
    QList<int> progress;
    for (const QString& s : steps.split(' '))
        if (s.at(0).isDigit()) progress << s.toInt();
    QList<int> all;
    for (int i = 1; i <= 32; ++i) all << i;
    EXPECT_EQ(progress, all);

    f.Check5.setValue(1);
    const QString next = hour(f); // hour 0 of the next day
    EXPECT_EQ(G().GameState[StateItem::Day], "1");
    EXPECT_EQ(G().GameState[StateItem::Hour], "0");
    EXPECT_FALSE(next.contains("AggiornaNaviOra"));
    EXPECT_EQ(f.Check5.value(), 0) << "the automatic boxes are reset at each hour";
    EXPECT_FALSE(f.Label95.visible());
    hour(f);
    EXPECT_TRUE(f.Label95.visible()) << "mines at one o'clock";
    EXPECT_EQ(G().GameState[StateItem::RandomListAlle], "0");
    EXPECT_EQ(G().GameState[StateItem::RandomListAsse], "0");
}

// The hour runs without the event loop: its progress bar is painted while it runs, from its first
// point to its last, each painting showing the hour further on.
TEST_F(HourButton, TheProgressBarIsPaintedWhileTheHourRuns) {
    group(kAllies, 2, 8500, 4500);
    FrmMain& f = open();
    SteadyDice dice(50);
    QApplication::processEvents(); // the window on the screen, as the player sees it
    ASSERT_TRUE(f.PicBitMap.widget()->isVisible());
    PaintedValues painted(f.ProgressBar1);
    QStringList codes; // the status code at each of its paintings
    class CodePaints : public QObject {
      public:
        CodePaints(Label& l, QStringList& out) : label(l), codes(out) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) codes << label.caption();
            return false;
        }
        Label& label;
        QStringList& codes;
    } codePaints(f.Label29, codes);
    f.Label29.widget()->installEventFilter(&codePaints);
    f.Command22.doClick();
    f.Label29.widget()->removeEventFilter(&codePaints);
    ASSERT_FALSE(codes.isEmpty());
    EXPECT_EQ(codes.first(), "EVG") << "the code painted with the bar";
    ASSERT_FALSE(painted.values.isEmpty()) << "painted before the hour's end";
    EXPECT_EQ(painted.values.first(), 1);
    EXPECT_EQ(painted.values.last(), kLastHourProgress);
    EXPECT_TRUE(std::is_sorted(painted.values.begin(), painted.values.end()));
    EXPECT_FALSE(f.ProgressBar1.visible()) << "hidden at the end";
}

// The map under the progress bar is not painted whole at each of the bar's paintings: it shows the
// last hour's until the hour has drawn it, then the hour's, once.
TEST_F(HourButton, TheMapIsPaintedWholeOnceTheHourHasDrawnIt) {
    group(kAllies, 2, 8500, 4500);
    FrmMain& f = open();
    SteadyDice dice(50);
    QApplication::processEvents();
    QWidget* map = f.PicBitMap.widget();
    // The map alone, without the controls over it.
    class WholePaints : public QObject {
      public:
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && !looking)
                whole += static_cast<QPaintEvent*>(e)->rect() == map->rect();
            return false;
        }
        QWidget* map = nullptr;
        bool looking = false; // a look of the test's own
        int whole = 0;
    } paints;
    paints.map = map;
    auto shown = [&] {
        QImage image(map->size(), QImage::Format_RGB32);
        paints.looking = true;
        map->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        paints.looking = false;
        return image;
    };
    const QImage before = shown();
    map->installEventFilter(&paints);
    QImage during;
    onStep = [&](const QString& s) {
        if (s == "[STP]") during = shown();
    };
    hour(f);
    EXPECT_EQ(paints.whole, 0);
    EXPECT_EQ(during, before) << "the last hour's map until the hour's end";
    QApplication::processEvents();
    EXPECT_EQ(paints.whole, 1);
    map->removeEventFilter(&paints);
}

TEST_F(HourButton, AlarmsOfTheHour) {
    Int16* stops = group(kAllies, 1, 8500, 4500);
    stops[GnCol::Step] = 100, stops[GnCol::Course] = 5, stops[GnCol::RouteHours] = 1,
    stops[GnCol::Knots] = 10;
    FrmMain& f = open({.hour = 10});
    SteadyDice dice(50);
    onStep = [](const QString& s) {
        if (s == "[TST]") G().setState(StateItem::SunkLastHour, 2); // a ship sinks
        if (s == "[CAP]") G().AirReturnFlag = 1;
        if (s == "[MGN]") G().MineHitAlarm = 1;
    };
    hour(f);
    EXPECT_TRUE(f.Label80.visible()) << "GN FERMO";
    EXPECT_TRUE(f.Label101.visible()) << "RIENTRO AEREI";
    EXPECT_TRUE(f.Label18.visible()) << "GN Colpito da Mine";
    EXPECT_FALSE(f.Label87.visible());
    EXPECT_EQ(f.Label64.backColor(), vbMagenta);
    EXPECT_EQ(G().GnTableAlle[1][GnCol::X], 8600);
    EXPECT_EQ(G().GnTableAlle[1][GnCol::Step], 0);

    onStep = {};
    hour(f);
    EXPECT_FALSE(f.Label80.visible() || f.Label101.visible() || f.Label18.visible());
    EXPECT_EQ(f.Label64.backColor(), vbBlack);
}

TEST_F(HourButton, ContactsHoldTheHourButtonUntilTheContactBoardCloses) {
    // Two groups 100 apart; the eights move the weather to 1. The Allies see with aircraft, patrol,
    // die and type 2 + 1 + 8 + 10 = 21 the Axis group hidden by distance, weather, die and type at
    // 1 + 1 + 8 + 10 = 20.
    group(kAllies, 1, 8500, 4500, 2)[28] = 3;
    group(kAxis, 1, 8600, 4500)[28] = 7;
    FrmMain& f = open({.hour = 10});
    SteadyDice dice(8);
    hour(f);
    EXPECT_EQ(G().GameState[StateItem::Contacts], "1");
    EXPECT_EQ(G().GameState[StateItem::Activities], "1");
    EXPECT_FALSE(f.Command22.enabled());
    EXPECT_TRUE(f.Label87.visible()) << "AVVISTAMENTO O CONTATTO!!!";
    EXPECT_EQ(f.Label29.caption(), "1");
    EXPECT_EQ(G().GnTableAsse[1][GnCol::Seen], 2);

    f.Command23.doClick();
    ASSERT_TRUE(isLoaded<FrmContatti>());
    EXPECT_FALSE(f.Command22.enabled()) << "the board holds the hour button";
    EXPECT_EQ(f.Label17.caption(), "E' buona norma verificare che tutti i combattimenti siano stai eseguiti");
    form<FrmContatti>().Command1.doClick();
    EXPECT_TRUE(f.Command22.enabled()) << "the board's close button gives the hour button back";

    hour(f);
    EXPECT_EQ(G().GameState[StateItem::Contacts], "1") << "they meet again";
    EXPECT_EQ(G().ContattiGestiti, 1);
    openContactFile(20);
    EXPECT_EQ(G().Files.random(20).count(), 2);
    G().Files.close(20);
}

TEST_F(HourButton, AFailingPhaseLeavesTheCampaignAsItWas) {
    Int16* sailing = group(kAllies, 1, 8500, 4500);
    sailing[GnCol::Step] = 100, sailing[GnCol::Course] = 5, sailing[GnCol::RouteHours] = 6,
    sailing[GnCol::Knots] = 10;
    group(kAxis, 1, 5844 + 500, 4021);              // 500 from MALTA HQ's look-out point
    G().BaseTable[12][BaseCol::SightingValue] = 19; // which sees it as well as it hides: an activity
    FrmMain& f = open({.hour = 10, .weather = 1});
    const QByteArray before = campaignBytes();
    const Int16 x = G().GnTableAlle[1][GnCol::X];
    ASSERT_FALSE(fileExists(G().GamesPath + "ProvaAttivita.dat"));

    SteadyDice dice(9);
    onStep = [](const QString& s) {
        if (s != "[BBN]") return;
        EXPECT_TRUE(fileExists(G().GamesPath + "ProvaAttivita.dat")) << "written before the failure";
        EXPECT_NE(G().GnTableAlle[1][GnCol::X], 8500);
        throw FileError("Impossibile scrivere il file prova.dat", "prova.dat");
    };
    const QString steps = hour(f);
    ASSERT_TRUE(steps.contains("[BAS]0 19 20"));
    ASSERT_EQ(boxes.prompts.size(), 1);
    EXPECT_TRUE(
        boxes.prompts[0].startsWith("L'ora non è stata eseguita:\nImpossibile scrivere il file prova.dat"))
        << boxes.prompts[0].toStdString();
    EXPECT_TRUE(boxes.prompts[0].endsWith("La campagna è com'era prima dell'ora."));
    EXPECT_EQ(campaignBytes(), before) << "every campaign file as before the hour";
    EXPECT_FALSE(fileExists(G().GamesPath + "ProvaAttivita.dat")) << "the base sighting's record is gone";
    Globals& g = G();
    EXPECT_EQ(g.GnTableAlle[1][GnCol::X], x) << "the tables are read back";
    EXPECT_EQ(g.GameState[StateItem::Hour], "10");
    EXPECT_EQ(g.WeatherSeverity, 1);
    EXPECT_EQ(g.HourStepActive, 0);
    EXPECT_EQ(g.CurrentSide, 0);
    EXPECT_TRUE(f.Command22.enabled());
    EXPECT_FALSE(f.ProgressBar1.visible());
    EXPECT_TRUE(f.Command17.visible());
    EXPECT_EQ(f.Label30.caption(), "10");

    onStep = {};
    hour(f); // the same hour again, whole this time
    EXPECT_EQ(g.GameState[StateItem::Hour], "11");
    EXPECT_EQ(g.GnTableAlle[1][GnCol::X], x + 100);
    EXPECT_EQ(boxes.prompts.size(), 1);
}
