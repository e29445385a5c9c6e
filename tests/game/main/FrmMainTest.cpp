#include "game/main/FrmMain.h"
#include "common/Messages.h"

#include "TestCampaign.h"
#include "common/Dice.h"
#include "common/MapRoutines.h"
#include "game/main/MapPanels.h"
#include "game/start/FrmGame.h"
#include "platform/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace platform;
using testsupport::readBytes;

namespace {

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::testing::resetForms();
        resetGlobals();
    }
    // Writes the campaign and opens it as "APRI GIOCO" does.
    FrmMain& open(const testcampaign::Options& o = {}) {
        testcampaign::write(o);
        choose(o.name);
        EXPECT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
        return form<FrmMain>();
    }
    void choose(const QString& name = QStringLiteral("Prova")) { testcampaign::choose(name); }
    QString campaignFile(const QString& name) const { return folder.file("Data/giochi/" + name); }
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
};

} // namespace

TEST_F(MainWindow, OpensWithTheMapTheBasesTheClockAndTheWeather) {
    FrmMain& f = open({.season = 3, .day = 4, .hour = 10, .weather = 2});
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();
    EXPECT_FALSE(isLoaded<FrmGame>()) << "the start window closes";
    EXPECT_EQ(f.caption(), "Zeltwar WW2 Gioco :  Prova");
    EXPECT_EQ(f.windowState(), 2);
    EXPECT_EQ(G().MapPicture, &f.PicBitMap);
    EXPECT_EQ(f.PicBitMap.image().size(), QSize(2034, 924)) << "the day map is loaded";
    // The base squares: red for the Axis bases, yellow for Malta, none for the off-map bases.
    const int x = G().BaseMapXY[1][1], y = G().BaseMapXY[1][2];
    EXPECT_EQ(f.PicBitMap.point(x, y + 100), vbRed);
    EXPECT_EQ(f.PicBitMap.point(G().BaseMapXY[12][1], G().BaseMapXY[12][2] + 100), vbYellow);
    EXPECT_EQ(f.Label30.caption(), "10");
    EXPECT_EQ(f.Label31.caption(), "5/25");
    EXPECT_EQ(f.Label32.caption(), "1941 Estate");
    EXPECT_EQ(f.Image1.toolTipText(), " GIORNO ");
    EXPECT_TRUE(f.Image1.hasPicture() && f.Image25.hasPicture() && f.Image26.hasPicture());
    EXPECT_EQ(f.Label74.caption(), "     Poca      Grosso      Forte");
    EXPECT_EQ(G().WeatherSeverity, 2);
    EXPECT_EQ(G().DayFlag, 1);
    EXPECT_EQ(f.Label83.foreColor(), vbCyan);
    // The state at load: only the map, the clock, the marks and the four buttons.
    EXPECT_TRUE(f.Frame6.visible() && f.Command22.enabled() && f.Command17.enabled());
    for (Control* c :
         std::initializer_list<Control*>{&f.Frame3, &f.Frame24, &f.Frame12, &f.Frame9, &f.Frame4, &f.Frame7,
                                         &f.Label95, &f.Frame1, &f.Frame2, &f.Picture1})
        EXPECT_FALSE(c->visible()) << c->name().toStdString();
    EXPECT_FALSE(f.Frame1.enabled() || f.Frame2.enabled()) << "off-map bases disabled";
    EXPECT_FALSE(f.MnAcqTaranto.enabled() || f.MnAcqGibilterra.enabled() || f.MnUtilSuper.enabled());
    EXPECT_EQ(f.Label64.backColor(), vbBlack);
}

TEST_F(MainWindow, ControlsStandWhereTheDesignPutsThem) {
    FrmMain& f = open();
    struct Where {
        Control* c;
        int left, top, width, height;
    };
    for (const Where& w : std::initializer_list<Where>{{&f.Frame11, 3150, 0, 3495, 2535},
                                                       {&f.Picture1, 1200, 720, 11415, 8295},
                                                       {&f.Frame27, 7305, 8400, 3615, 2295},
                                                       {&f.List12, 8040, 720, 3495, 2430},
                                                       {&f.Command22, 7920, 0, 495, 495},
                                                       {&f.Check6, 13440, 1800, 495, 495},
                                                       {&f.Frame12, 0, 4620, 3855, 6150},
                                                       {&f.Frame5, 3915, 8400, 2295, 2295},
                                                       {&f.Frame1, 13335, 9480, 555, 615},
                                                       {&f.Frame3, 15000, 7440, 2175, 3255},
                                                       {&f.Command17, 15180, 7800, 1815, 975},
                                                       {&f.Frame6, 13200, 0, 2055, 1695},
                                                       {&f.Label17, 10980, 8430, 3960, 990}}) {
        EXPECT_EQ(&w.c->parent(), &f.PicBitMap) << w.c->name().toStdString() << " floats over the map";
        EXPECT_EQ((QList<int>{w.c->left(), w.c->top(), w.c->width(), w.c->height()}),
                  (QList<int>{w.left, w.top, w.width, w.height}))
            << w.c->name().toStdString();
    }
    EXPECT_EQ(f.Command22.toolTipText(), "RUN TIME (assicurarsi che tutti abbiano mosso)");
    EXPECT_EQ(f.Command6.caption(), "2  a&sse");
    EXPECT_TRUE(f.Option1[0].value());
    EXPECT_EQ(f.Label85[12].toolTipText(), "STRESS DA ATTIVITA (limite stress 13, test di rientro)");
    EXPECT_TRUE(f.Check1.value() == 0 || f.Check1.value() == 1);
}

TEST_F(MainWindow, StartUpReadsTheFilesInItsOrder) {
    testcampaign::write();
    // Removed in the order the start-up must meet them: each open names the first still missing.
    const QStringList order = {folder.file("Data/basename.txt"),       folder.file("Data/coobasiX.txt"),
                               campaignFile("StackProvaNaviAlle.dat"), campaignFile("Provamine.dat"),
                               campaignFile("StackProvaDatiBasi.dat"), campaignFile("PortoSetUpProva.txt"),
                               folder.file("Data/ordinenavi.txt")};
    QList<QByteArray> kept;
    for (const QString& p : order) {
        kept << readBytes(p);
        ASSERT_TRUE(QFile::remove(p)) << p.toStdString();
    }
    for (int i = 0; i < order.size(); ++i) {
        errors.messages.clear();
        choose();
        EXPECT_FALSE(apriGioco());
        // (Without the base names the start window cannot read them either, and says so too.)
        ASSERT_GE(errors.messages.size(), 1);
        const QString missing = order[i].section('/', -1);
        EXPECT_TRUE(errors.messages[0].contains(missing, Qt::CaseInsensitive))
            << missing.toStdString() << " in: " << errors.messages[0].toStdString();
        EXPECT_FALSE(isLoaded<FrmMain>());
        EXPECT_TRUE(isLoaded<FrmGame>() && form<FrmGame>().visible()) << "back at the start window";
        testsupport::writeBytes(order[i], kept[i]);
    }
}

TEST_F(MainWindow, AShortCampaignFileLeavesEverythingAsItWas) {
    testcampaign::write();
    // Extra lines are ignored by the reader but would go if the file were written again.
    const QString state = campaignFile("StackProvaeventigioco.dat");
    testsupport::writeBytes(state, readBytes(state) + "\"extra\"\r\n");
    const QByteArray stateBefore = readBytes(state);
    const QString settings = campaignFile("Prova.Stp");
    testsupport::writeBytes(settings, readBytes(settings).left(20));
    choose();
    EXPECT_FALSE(apriGioco());
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("Prova.Stp")) << errors.messages[0].toStdString();
    EXPECT_EQ(readBytes(state), stateBefore) << "nothing is written";
    EXPECT_EQ(G().MapPicture, nullptr);
    EXPECT_FALSE(programEnded()) << "a failed open does not end the program";
}

TEST_F(MainWindow, StateOfTheHourAtLoad) {
    {
        FrmMain& f = open({.hour = 1, .contacts = 2, .sunk = 3});
        EXPECT_TRUE(f.Label95.visible()) << "mines can be laid at one o'clock";
        EXPECT_EQ(f.Label64.backColor(), vbMagenta);
        EXPECT_FALSE(f.Command22.enabled()) << "contacts of the hour pending";
        EXPECT_EQ(G().DayFlag, 0);
        EXPECT_EQ(f.Label83.foreColor(), vbWhite);
        EXPECT_EQ(f.Image1.toolTipText(), " NOTTE ");
        EXPECT_TRUE(G().MapPicturePath.endsWith("med1colnight.bmp"));
        EXPECT_EQ(f.PicBitMap.point(kSeaReferenceX, kSeaReferenceY), RGB(20, 30, 70)) << "the night map";
    }
    platform::testing::resetForms();
    FrmMain& f = open({.hour = 2});
    EXPECT_FALSE(f.Label95.visible());
    EXPECT_TRUE(f.Command22.enabled());
}

TEST_F(MainWindow, SideCycle) {
    FrmMain& f = open();
    f.Command17.doClick();
    EXPECT_TRUE(f.Frame3.visible() && f.Command5.visible() && f.Command6.visible());
    EXPECT_FALSE(f.Command22.enabled() || f.Command17.enabled());
    EXPECT_FALSE(f.Frame13.enabled()) << "mode buttons wait for a side";
    EXPECT_TRUE(f.Image5.hasPicture()) << "kvz.ico for no side";

    f.Frame25.setVisible(true);
    f.Command5.doClick();
    EXPECT_EQ(G().CurrentSide, kAllies);
    EXPECT_FALSE(f.Command6.visible());
    EXPECT_FALSE(f.MnAcqTaranto.enabled());
    EXPECT_TRUE(f.Frame13.enabled() && f.MnAcq.enabled() && f.MnUtil.enabled());
    EXPECT_EQ(f.Frame8.caption(), "ALLEATI");
    EXPECT_EQ(f.Frame3.backColor(), vbYellow);
    EXPECT_EQ(f.Image5.picture().size(), QSize(32, 32));
    EXPECT_TRUE(f.Frame25.visible()) << "the Allied button leaves the overlays";
    EXPECT_EQ(f.Label17.caption(), "Messaggi e gestione Campi Minati");

    // A group being formed holds the screen: "&Chiudi" does nothing.
    G().NewGroupNumber = 3;
    f.Command4.doClick();
    EXPECT_EQ(G().CurrentSide, kAllies);
    EXPECT_TRUE(f.Frame3.visible());
    G().NewGroupNumber = 0;

    G().GnPosX = 500;
    G().SelectedBase = 14;
    f.Check1.setValue(1);
    f.Command4.doClick();
    EXPECT_EQ(G().CurrentSide, 0);
    EXPECT_EQ(G().GnPosX, 0);
    EXPECT_EQ(G().SelectedBase, 0);
    EXPECT_FALSE(f.Frame3.visible() || f.Frame25.visible());
    EXPECT_EQ(f.Frame8.caption(), "");
    EXPECT_TRUE(f.Command22.enabled() && f.Command17.enabled());
    EXPECT_EQ(f.Check1.value(), 0);
    EXPECT_EQ(f.Label23.caption(), "STP");

    f.Command17.doClick();
    EXPECT_TRUE(f.Command5.visible() && f.Command6.visible()) << "both sides again";
    EXPECT_TRUE(f.Frame13.enabled()) << "nothing disables the mode buttons again";
    G().setState(StateItem::StressAsse, 1);
    f.Frame25.setVisible(true);
    f.Command6.doClick();
    EXPECT_EQ(G().CurrentSide, kAxis);
    EXPECT_FALSE(f.Command5.visible());
    EXPECT_FALSE(f.MnAcqGibilterra.enabled());
    EXPECT_EQ(f.Frame8.caption(), "ASSE");
    EXPECT_EQ(f.Frame3.backColor(), vbRed);
    EXPECT_FALSE(f.Frame25.visible()) << "the Axis button hides the overlays";
    EXPECT_EQ(f.Option2[0].foreColor(), vbRed) << "stress warning of the Axis";

    // With contacts of the hour pending the hour button stays off after "&Chiudi".
    G().setState(StateItem::Contacts, 1);
    f.Command4.doClick();
    EXPECT_FALSE(f.Command22.enabled());
    EXPECT_EQ(f.Option2[0].foreColor(), vbBlack);

    // Side buttons are refused while a group is being formed.
    f.Command17.doClick();
    G().NewGroupNumber = 5;
    f.Command5.doClick();
    EXPECT_EQ(G().CurrentSide, 0);
    EXPECT_TRUE(f.Command6.visible());
}

TEST_F(MainWindow, WeatherPanelAndDisplayThroughTheDay) {
    FrmMain& f = open({.season = 1, .hour = 8, .weather = 3});
    f.Image1.doClick();
    EXPECT_TRUE(f.Frame24.visible());
    EXPECT_FALSE(f.Frame6.visible());
    f.Image17.doClick();
    EXPECT_FALSE(f.Frame24.visible());
    EXPECT_TRUE(f.Frame6.visible());
    EXPECT_TRUE(f.Label17.caption().startsWith(" ATT: ASSE con Aerei-2"));

    // Winter: hours 8 and 16 are daylight, 0 and 17 night.
    const QList<QPair<int, int>> hours = {{0, 0}, {7, 0}, {8, 1}, {16, 1}, {17, 0}};
    for (auto [hour, day] : hours) {
        G().setState(StateItem::Hour, hour);
        f.AggiornaDisplay();
        EXPECT_EQ(G().DayFlag, day) << hour;
        EXPECT_EQ(G().DayNightIconName, QString(day ? "sole3.ico" : "luna3.ico")) << hour;
        EXPECT_TRUE(G().SeaBedPicturePath.endsWith(day ? "MedFondaliG.bmp" : "MedFondaliN.bmp"));
    }
    EXPECT_EQ(f.Label75.caption(), "     Visib -2    Navi -2   NoAerei");
    EXPECT_EQ(f.Label32.caption(), "1941 Inverno");
    // The display saves the game state each time.
    EXPECT_TRUE(readBytes(campaignFile("StackProvaeventigioco.dat")).startsWith("\"0\"\r\n\"17\"\r\n\"3\""));
}

TEST_F(MainWindow, SeasonalWeatherRollsOnlyInTheHourlyStep) {
    FrmMain& f = open({.season = 2, .hour = 1, .weather = 3});
    EXPECT_EQ(G().WeatherSeverity, 3) << "opening at hour 1 rolls nothing";
    G().HourStepActive = 1;
    G().BaseTable[1][BaseCol::ActivationAttempts] = 20;
    G().BaseTable[2][BaseCol::ActivationAttempts] = 3;
    G().BaseAirfieldLevel[1] = 6;
    {
        // Fifteen recovery rolls, then the d100 weather roll.
        QList<int> faces(15, 1);
        faces[0] = 10;
        faces << 46;
        ChosenDice dice(faces);
        f.AggiornaDisplay();
        EXPECT_EQ(dice.sides.first(), 18) << "airfield level 6 rolls d18";
        EXPECT_EQ(dice.sides[1], 30);
        EXPECT_EQ(dice.sides.last(), 100);
    }
    EXPECT_EQ(G().BaseTable[1][BaseCol::ActivationAttempts], 4);
    EXPECT_EQ(G().BaseTable[2][BaseCol::ActivationAttempts], 0) << "never below 0";
    EXPECT_EQ(G().WeatherSeverity, 1) << "spring 46 is level 1";
    EXPECT_EQ(G().GameState[StateItem::Weather], "1");
    EXPECT_EQ(f.Label74.caption(), "     Media     Mosso    Raffiche ");
    G().setState(StateItem::Hour, 5);
    f.AggiornaDisplay();
    EXPECT_EQ(G().GameState[StateItem::Weather], "1") << "no roll at other hours";
}

TEST_F(MainWindow, AMissingIconLeavesABlankPictureAndAMessage) {
    testcampaign::write({.hour = 10, .weather = 1});
    QFile::remove(folder.file("Ico/mare1.ico"));
    // The program shows the pictures reported missing in a message box.
    setProblemSink([](const QString& m) { showError(m); });
    choose();
    ASSERT_TRUE(apriGioco());
    FrmMain& f = form<FrmMain>();
    EXPECT_FALSE(f.Image25.hasPicture());
    EXPECT_TRUE(f.Image26.hasPicture());
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("mare1.ico"));
    f.AggiornaDisplay();
    EXPECT_EQ(errors.messages.size(), 1) << "told once";
    setProblemSink({});
}

TEST_F(MainWindow, ClosingEndsTheProgram) {
    FrmMain& f = open();
    f.MnFileChiudi.doClick();
    EXPECT_TRUE(programEnded());
    EXPECT_FALSE(isLoaded<FrmMain>());
}

TEST_F(MainWindow, CoursePadShowsTheWorkingGroup) {
    FrmMain& f = open();
    G().GnRouteHours = 7;
    G().GnSpeed = 200;
    G().GnKnots = 20;
    G().GnCourse = 3;
    MostraRottaGN();
    EXPECT_EQ(f.Combo7.text(), "7");
    EXPECT_EQ(f.Label23.caption(), " 20");
    EXPECT_EQ(f.Label21.backColor(), 0xC0C000);
    EXPECT_EQ(f.Label19.backColor(), 0xFFFFC0);
    G().GnSpeed = 0;
    MostraRottaGN();
    EXPECT_EQ(f.Label23.caption(), "STP");
    AzzeraEtichetteRotta();
    EXPECT_EQ(f.Label21.backColor(), 0xFFFFC0);

    G().CurrentSide = kAllies;
    MostraPannelliMappa();
    EXPECT_TRUE(f.Frame1.visible() && f.Frame2.visible());
    NascondiPannelliMappa();
    EXPECT_FALSE(f.Frame1.visible() || f.Frame2.visible());
}
