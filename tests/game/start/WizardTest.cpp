// The new-campaign wizard driven as a player drives it, from the start window's menu to the start
// window again, with small archives; then every file of the new campaign.
#include "WizardFixtures.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "game/start/FrmBasi.h"
#include "game/start/FrmGame.h"
#include "game/start/FrmMezziGratis.h"
#include "game/start/FrmSetUpGen.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QListWidget>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;
using namespace wizardtest;
using testsupport::readLines;

namespace {
class Wizard : public ::testing::Test {
  protected:
    void SetUp() override {
        removeShippedArchives(folder);
        resetGlobals();
    }
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
    }
    QString games(const QString& name) const { return folder.file("Data/giochi/" + name); }

    // The start window's menu opens the general set-up; `drive` plays it as the player would.
    void startWizard(const std::function<void(FrmSetUpGen&)>& drive) {
        FrmGame& start = form<FrmGame>();
        platform::testing::setModalHandler([&](Form& f) { drive(static_cast<FrmSetUpGen&>(f)); });
        start.MnSetupGenerale.doClick();
        platform::testing::setModalHandler(nullptr);
    }
    // Names the campaign and confirms the general set-up with its defaults, length chosen.
    void createCampaign(const QString& typed, int lengthIndex = 0) {
        startWizard([&](FrmSetUpGen& w) {
            w.Text1.doDblClick();
            w.Text1.doType(typed);
            w.Combo1.doPick(lengthIndex);
            w.Command3.doClick();
        });
    }
    // Saves the bases with chosen dice: d140 faces 1..11 for bases 1..11, d260 faces 100 and 260.
    FrmMezziGratis& saveBases(FrmBasi& b) {
        ChosenDice dice({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 100, 260});
        b.Command2.doClick();
        EXPECT_EQ(dice.sides, (QList<int>{140, 140, 140, 140, 140, 140, 140, 140, 140, 140, 140, 260, 260}));
        return form<FrmMezziGratis>();
    }
    static int indexOf(const ListBox& l, const QString& start) {
        for (int i = 0; i < l.listCount(); ++i)
            if (l.list(i).startsWith(start)) return i;
        return -1;
    }
    static void placeShip(FrmMezziGratis& m, const QString& item) {
        const int i = indexOf(m.List1, item);
        ASSERT_GE(i, 0) << item.toStdString();
        m.List1.doPickDouble(i);
    }
    static void addAircraft(FrmMezziGratis& m, int base, const QString& type, int count) {
        m.Combo2.doPick(base);
        m.List3.doPick(indexOf(m.List3, type));
        for (int i = 0; i < count; ++i) m.Command6.doClick();
        m.Command8.doClick();
    }
    static QByteArray record(const QString& path, int length, int n) {
        RecordFile f(path, length);
        return f.get(n);
    }

    testsupport::ProgramFolder folder;
};
} // namespace

TEST_F(Wizard, CreatesACompleteCampaignFromTheArchives) {
    writeStandardArchives(folder);
    testsupport::MessageBoxes boxes;
    testsupport::Errors errors;

    startWizard([](FrmSetUpGen& w) {
        EXPECT_EQ(w.caption(), "SetUp Generale del Nuovo Gioco");
        EXPECT_EQ(w.Combo1.text(), "30") << "the defaults of the data folder";
        EXPECT_EQ(w.Combo2.text(), "3");
        w.Text1.doDblClick();
        w.Text1.doType("Tob ruk-9x");
        EXPECT_EQ(w.Text1.text(), "Tobrukx") << "only letters can be typed";
        w.Combo1.doPick(0);
        w.Combo2.doPick(1);
        EXPECT_EQ(w.Label23[0].caption(), "24000");
        EXPECT_EQ(w.Label24[3].caption(), "30545");
        w.Command3.doClick();
    });
    EXPECT_FALSE(isLoaded<FrmSetUpGen>());
    ASSERT_TRUE(isLoaded<FrmGame>());
    EXPECT_FALSE(form<FrmGame>().visible()) << "the start window waits, hidden";

    ASSERT_TRUE(isLoaded<FrmBasi>());
    FrmBasi& b = form<FrmBasi>();
    EXPECT_TRUE(b.visible());
    EXPECT_EQ(b.Label17.caption(), "Tobrukx");
    EXPECT_EQ(b.box(0, 1).text(), "1");
    b.box(4, 12).doDblClick();
    b.box(4, 12).doType("2");
    b.box(5, 13).doDblClick();
    b.box(5, 13).doType("10");
    b.box(0, 10).setText("5"); // a greyed box: saved as 0 whatever it shows
    FrmMezziGratis& m = saveBases(b);
    EXPECT_FALSE(isLoaded<FrmBasi>());
    EXPECT_TRUE(m.visible());
    EXPECT_EQ(m.caption(), "SetUpMezzi Tobrukx");
    EXPECT_EQ(m.carrierCount(), 3);

    // Allied ships: a submarine at MALTA HQ, the rest at GIBILTERRA.
    m.Command2.doClick();
    m.Command1.doClick();
    EXPECT_TRUE(m.Frame1.visible());
    EXPECT_EQ(m.Frame1.caption(), "NAVI ALLEATI");
    EXPECT_EQ(m.List1.listCount(), 4);
    EXPECT_EQ(m.Label4.caption(), "10");
    m.Combo1.doPick(0);
    placeShip(m, "CT Jervis");
    EXPECT_EQ(m.List2.listCount(), 0) << "MALTA HQ takes submarines only";
    placeShip(m, "SA Upholder");
    m.Combo1.doPick(1);
    placeShip(m, "CT Jervis");
    placeShip(m, "CT Kelly");
    placeShip(m, "IL Orion");
    EXPECT_EQ(m.Label12.caption(), "4");
    EXPECT_EQ(m.Label4.caption(), "6");
    EXPECT_EQ(m.Label11.caption(), "3/60");
    EXPECT_EQ(m.List2.list(0), "SA Upholder" + QString(11, ' ') + "Base N:12");
    m.Label14.doClick();
    EXPECT_FALSE(m.Frame1.visible());

    // Axis ships at TARANTO and NAPOLI.
    m.Command3.doClick();
    m.Command1.doClick();
    EXPECT_EQ(m.Frame1.caption(), "NAVI ASSE");
    EXPECT_EQ(m.List1.listCount(), 4);
    m.Combo1.doPick(0);
    placeShip(m, "IP Zara");
    placeShip(m, "IL Abruzzi");
    m.Combo1.doPick(1);
    placeShip(m, "CT Alpino");
    placeShip(m, "SA Scire");
    m.Label14.doClick();

    // Allied aircraft: MALTA BS stops at its capacity of 10; three aircraft added at MALTA HQ
    // and not confirmed go back to the pool when the base changes.
    m.Command4.doClick();
    m.Command1.doClick();
    EXPECT_TRUE(m.Frame2.visible());
    EXPECT_EQ(m.Label20.caption(), "40");
    addAircraft(m, 1, "CPT Hurricane", 12);
    EXPECT_EQ(m.Label22.caption(), "10");
    EXPECT_EQ(m.aircraftPool(), 30);
    m.Combo2.doPick(0);
    m.List3.doPick(0);
    for (int i = 0; i < 3; ++i) m.Command6.doClick();
    EXPECT_EQ(m.aircraftPool(), 27);
    addAircraft(m, 3, "BMR Wellington", 30);
    EXPECT_EQ(m.aircraftPool(), 0);
    EXPECT_FALSE(m.Frame2.visible());
    EXPECT_TRUE(m.Command5.enabled());

    // Axis aircraft, Italian types only; the last confirmation ends the wizard.
    m.Command5.doClick();
    m.Command1.doClick();
    EXPECT_EQ(m.Label20.caption(), "50");
    EXPECT_TRUE(m.Label28.caption().startsWith("ATTENZIONE:  CASTELVETRANO E SIRACUSA"));
    m.Combo2.doPick(0);
    EXPECT_EQ(m.List3.listCount(), 2);
    addAircraft(m, 0, "CPT Macchi", 30);
    addAircraft(m, 9, "ASI SM.79", 20);
    EXPECT_FALSE(isLoaded<FrmMezziGratis>());
    FrmGame& start = form<FrmGame>();
    EXPECT_TRUE(start.visible());
    EXPECT_EQ(start.slotName(1).caption(), "Tobrukx");
    EXPECT_EQ(start.Label18.caption(), QString::fromUtf8("Prossimo Slot Libero N° 2"));
    EXPECT_TRUE(boxes.prompts.isEmpty()) << boxes.prompts.join("|").toStdString();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join("|").toStdString();

    // ---- the files of the campaign
    const QString n = "Tobrukx";
    QStringList expected = {"NomeGiochi.txt", n + ".Stp", n + "mine.dat", "NaviAlle" + n + ".dat",
                            "NaviAsse" + n + ".dat"};
    for (const char* stem :
         {"PortoSetUp", "AeroPortoSetUp", "BaseSetUp", "PuntiSetUp", "NaviSetUp", "AereiSetUp"})
        expected << stem + n + ".txt";
    for (const char* word : {"NaviAlle.dat", "NaviAsse.dat", "AereiAlle.dat", "AereiAsse.dat",
                             "NomeAereiAlle.dat", "NomeAereiAsse.dat", "DatiBasi.dat", "eventigioco.dat"})
        expected << "Stack" + n + word;
    for (int base = 1; base <= 15; ++base)
        expected << G().BaseNames[base] + (base <= 11 ? "AereiAsse" : "AereiAlle") + n + ".dat";
    for (int carrier = 1; carrier <= 3; ++carrier) expected << "P" + QString::number(carrier) + n + ".dat";
    QStringList present = filesIn(G().GamesPath);
    expected.sort();
    present.sort();
    EXPECT_EQ(present, expected) << "no contact, activity or lost-ship file before the first hour";

    EXPECT_EQ(readLines(games("NomeGiochi.txt")),
              (QStringList{"\"Tobrukx\"", "15", "2", "1941", "\"nn\"", "0", "0", "0", "\"nn\"", "0", "0", "0",
                           "\"nn\"", "0", "0", "0"}));
    EXPECT_EQ(readLines(games(n + ".Stp")),
              (QStringList{"15",    "2",     "1941", "32000", "36000", "6000", "7500", "0",    "0",  "20",
                           "16",    "15",    "15",   "17",    "14",    "10",   "8",    "50",   "45", "0",
                           "24000", "17631", "250",  "550",   "625",   "390",  "450",  "30545"}));
    auto column = [&](const QString& stem) { return readLines(games(stem + n + ".txt")); };
    EXPECT_EQ(column("PortoSetUp"),
              (QStringList{"1", "1", "2", "2", "3", "3", "2", "4", "4", "0", "0", "2", "0", "1", "1"}));
    EXPECT_EQ(column("AeroPortoSetUp"),
              (QStringList{"3", "2", "2", "4", "3", "2", "2", "2", "4", "1", "5", "3", "2", "4", "2"}));
    EXPECT_EQ(column("BaseSetUp"),
              (QStringList{"1", "1", "2", "2", "3", "2", "2", "3", "3", "3", "5", "1", "3", "1", "1"}));
    EXPECT_EQ(column("PuntiSetUp"), (QStringList{"650", "600", "450", "400", "350", "400", "750", "650",
                                                 "500", "300", "150", "450", "250", "700", "800"}));
    EXPECT_EQ(column("NaviSetUp"), (QStringList{"60", "50", "30", "30", "20", "20", "30", "12", "10", "0",
                                                "0", "2", "0", "60", "70"}));
    EXPECT_EQ(column("AereiSetUp"), (QStringList{"60", "60", "60", "30", "50", "70", "80", "80", "40", "100",
                                                 "20", "40", "10", "40", "100"}));

    for (const char* word : {"NaviAlle.dat", "NaviAsse.dat", "AereiAlle.dat", "AereiAsse.dat"})
        EXPECT_EQ(readLines(games("Stack" + n + word)), QStringList(2500, "0")) << word;
    for (const char* word : {"NomeAereiAlle.dat", "NomeAereiAsse.dat"})
        EXPECT_EQ(readLines(games("Stack" + n + word)), QStringList(150, "\"\"")) << word;
    EXPECT_EQ(readLines(games("Stack" + n + "eventigioco.dat")), QStringList(40, "\"0\""));
    EXPECT_EQ(readLines(games(n + "mine.dat")), QStringList(120, "0"));

    const QStringList bases = readLines(games("Stack" + n + "DatiBasi.dat"));
    ASSERT_EQ(bases.size(), 450);
    auto field = [&](int base, int f) { return bases[(base - 1) * 30 + f - 1].toInt(); };
    const int sighting[] = {11, 11, 11, 11, 10, 11, 11, 10, 10, 10, 9, 11, 10, 11, 11};
    const int arrived[] = {71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 220, 380, 0, 0};
    const int ships[] = {2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 3, 0};
    const int aircraft[] = {30, 0, 0, 0, 0, 0, 0, 0, 0, 20, 0, 0, 10, 0, 30};
    int others = 0;
    for (int base = 1; base <= 15; ++base) {
        EXPECT_EQ(field(base, 15), sighting[base - 1]) << base;
        EXPECT_EQ(field(base, 21), arrived[base - 1]) << base;
        EXPECT_EQ(field(base, 10), ships[base - 1]) << base;
        EXPECT_EQ(field(base, 4), aircraft[base - 1]) << base;
        for (int f = 1; f <= 30; ++f)
            if (f != 4 && f != 10 && f != 15 && f != 21) others += field(base, f) != 0;
    }
    EXPECT_EQ(others, 0);

    // Ships: the live archive records in archive order, carriers coded, the placed ones in port.
    const QString alle = games("NaviAlle" + n + ".dat");
    ASSERT_EQ(fileLength(alle), 8 * 179);
    auto ship = [&](const QString& path, int r) {
        recordformat::ShipRecord s;
        s.setBytes(record(path, 179, r));
        return s;
    };
    const QStringList alliedNames = {"Illustrious", "Argus", "Jervis",   "Kelly",
                                     "Upholder",    "Orion", "Warspite", "Laforey"};
    const QStringList alliedPorts = {"  ", "  ", "14", "14", "12", "14", "  ", "  "};
    for (int r = 1; r <= 8; ++r) {
        const auto s = ship(alle, r);
        EXPECT_EQ(s.trimmed(2), alliedNames[r - 1]);
        EXPECT_EQ(s.text(37), alliedPorts[r - 1]) << r;
        EXPECT_EQ(s.text(36), "   ") << "no ship is in a naval group";
        EXPECT_EQ(s.text(19), alliedPorts[r - 1] == "  " ? " " : "1");
        EXPECT_EQ(s.text(20), alliedPorts[r - 1] == "  " ? "0" : "1");
    }
    EXPECT_EQ(ship(alle, 1).text(34), "P1 ");
    EXPECT_EQ(ship(alle, 2).text(34), "P3 ");
    const QString asse = games("NaviAsse" + n + ".dat");
    ASSERT_EQ(fileLength(asse), 5 * 179);
    const QStringList axisPorts = {"1 ", "1 ", "2 ", "  ", "2 "};
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(ship(asse, r).text(37), axisPorts[r - 1]) << r;

    // Aircraft: every base a full copy of its side's live types, the free ones where placed.
    auto ready = [&](int base, int r) {
        recordformat::AircraftRecord a;
        a.setBytes(record(G().GamesPath + G().BaseNames[base] + (base <= 11 ? "AereiAsse" : "AereiAlle") + n +
                              ".dat",
                          149, r));
        return a.text(22);
    };
    for (int base = 1; base <= 15; ++base)
        EXPECT_EQ(fileLength(G().GamesPath + G().BaseNames[base] + (base <= 11 ? "AereiAsse" : "AereiAlle") +
                             n + ".dat"),
                  3 * 149)
            << base;
    EXPECT_EQ(ready(13, 1), "10 ");
    EXPECT_EQ(ready(12, 1), "   ") << "the aircraft given back left no count";
    EXPECT_EQ(ready(15, 3), "30 ");
    EXPECT_EQ(ready(1, 1), "30 ");
    EXPECT_EQ(ready(10, 2), "20 ");
    EXPECT_EQ(ready(10, 3), "   ");
    for (int carrier = 1; carrier <= 3; ++carrier)
        EXPECT_EQ(fileLength(games("P" + QString::number(carrier) + n + ".dat")), 149);
}

TEST_F(Wizard, GeneralSetUpRefusesBadNamesAndValuesBeforeWritingAnything) {
    testsupport::writeBytes(games("NomeGiochi.txt"), "\"ALPHA\"\r\n30\r\n1\r\n1940\r\n" +
                                                         QByteArray("\"nn\"\r\n0\r\n0\r\n0\r\n").repeated(3));
    testsupport::writeBytes(games("Bravo.Stp"), "30\r\n");
    const QStringList before = filesIn(folder.file("Data/giochi"));
    testsupport::MessageBoxes boxes;
    startWizard([&](FrmSetUpGen& w) {
        EXPECT_FALSE(w.Command3.enabled()) << "a name must be typed first";
        w.Text1.doDblClick();
        w.Text1.doType("Ab");
        EXPECT_FALSE(w.Command3.enabled());
        w.Text1.doType("c");
        EXPECT_TRUE(w.Command3.enabled());
        // A pasted name that is no campaign name leaves "Avanti" disabled.
        for (const char* pasted : {"Ab c1", "../x", "a/b"}) {
            w.Text1.setText(pasted);
            EXPECT_FALSE(w.Command3.enabled()) << pasted;
        }
        w.Text1.setText("alpha");
        w.Command3.doClick();
        EXPECT_EQ(w.Text1.text(), "alpha") << "the refusal is not written into the name";
        EXPECT_FALSE(w.Command3.enabled());
        w.Text1.setText("bravo");
        w.Command3.doClick();
        w.Text1.setText("Charlie");
        w.Command2.doClick();
        w.Command3.doClick();
        w.Command1.doClick();
        w.Combo1.setText("0");
        w.Command3.doClick();
        w.Combo1.setText("45");
        EXPECT_EQ(w.Label23[0].caption(), "56000") << "a typed length counts too";
        w.Combo12.setText("molto");
        w.Command3.doClick();
        EXPECT_TRUE(isLoaded<FrmSetUpGen>());
        w.Command4.doClick();
    });
    ASSERT_EQ(boxes.prompts.size(), 5);
    EXPECT_TRUE(boxes.prompts[0].startsWith("Nome Doppio"));
    EXPECT_TRUE(boxes.prompts[1].startsWith("Nome Doppio"));
    EXPECT_TRUE(boxes.prompts[2].contains("Durata"));
    EXPECT_TRUE(boxes.prompts[3].contains("almeno un giorno"));
    EXPECT_TRUE(boxes.prompts[4].contains("Coefficente Riparazione"));
    EXPECT_FALSE(isLoaded<FrmSetUpGen>());
    EXPECT_TRUE(form<FrmGame>().visible()) << "back to the start window";
    EXPECT_EQ(filesIn(folder.file("Data/giochi")), before) << "nothing was written";
}

TEST_F(Wizard, ResetEmptiesTheValuesAndKeepsTheTargets) {
    startWizard([&](FrmSetUpGen& w) {
        QStringList targets;
        for (int i = 0; i < 4; ++i) targets << w.Label23[i].caption() << w.Label24[i].caption();
        w.Command2.doClick();
        for (ComboBox* c : {&w.Combo1, &w.Combo2, &w.Combo4, &w.Combo7, &w.Combo10, &w.Combo19})
            EXPECT_EQ(c->text(), "") << c->name().toStdString();
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(w.Label23[i].caption(), targets[2 * i]) << "Allied target " << i;
            EXPECT_EQ(w.Label24[i].caption(), targets[2 * i + 1]) << "Axis target " << i;
        }
        EXPECT_NE(targets[0], "");
        w.Combo1.doPick(1);
        EXPECT_NE(w.Label23[0].caption(), targets[0]) << "a value picked after the reset counts again";
        w.Command4.doClick();
    });
}

TEST_F(Wizard, BasesGridCapsAndClosedPorts) {
    testsupport::MessageBoxes noArchives;
    createCampaign("Delta");
    FrmBasi& b = form<FrmBasi>();
    EXPECT_EQ(b.caption(), "Navi e Porti");
    EXPECT_FALSE(b.Command4.enabled());
    EXPECT_FALSE(b.box(0, 10).enabled());
    EXPECT_FALSE(b.box(4, 13).enabled());
    EXPECT_TRUE(b.box(1, 10).enabled());
    const struct {
        int column;
        const char* typed;
        const char* shown;
    } caps[] = {{0, "7", "6"},     {1, "9", "6"},   {2, "8", "6"},
                {3, "950", "900"}, {4, "95", "90"}, {5, "350", "300"}};
    for (const auto& c : caps) {
        TextBox& t = b.box(c.column, 2);
        t.doDblClick();
        EXPECT_FALSE(b.Command2.enabled());
        t.doType(c.typed);
        EXPECT_EQ(t.text(), c.shown) << c.column;
        EXPECT_TRUE(b.Command2.enabled());
    }
    b.box(3, 3).doType("x");
    EXPECT_EQ(b.box(3, 3).text(), "450") << "only digits can be typed";
    b.Command3.doClick();
    EXPECT_EQ(b.box(5, 15).text(), "");
    EXPECT_FALSE(b.Command2.enabled());
    b.box(2, 1).doType("9");
    EXPECT_TRUE(b.Command2.enabled()) << "one box of 1 or more is enough";
    saveBases(b);
    EXPECT_EQ(readLines(games("BaseSetUpDelta.txt")),
              (QStringList{"6", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(readLines(games("PortoSetUpDelta.txt")), QStringList(15, "0"));
}

TEST_F(Wizard, ShipPhaseQuotaAndFullPort) {
    writeStandardArchives(folder);
    createCampaign("Echo");
    FrmBasi& b = form<FrmBasi>();
    b.box(4, 14).setText("1");
    FrmMezziGratis& m = saveBases(b);
    m.Command2.doClick();
    m.Command1.doClick();
    EXPECT_EQ(m.Label11.caption(), "0/0");
    EXPECT_EQ(m.Label1[0].caption(), "IP");
    EXPECT_EQ(m.Label2[2].caption(), "2");
    EXPECT_EQ(m.Combo1.listCount(), 3);
    m.Combo1.doPick(1);
    m.List1.doPick(0);
    EXPECT_TRUE(m.Label6.caption().startsWith("Kn:36"));
    placeShip(m, "CT Jervis");
    EXPECT_EQ(m.Label2[2].caption(), "1");
    m.List1.doPick(0);
    EXPECT_EQ(m.Label6.caption(), "") << "a full port shows no details";
    placeShip(m, "CT Kelly");
    EXPECT_EQ(m.Label2[2].caption(), "1") << "GIBILTERRA is full";
    m.Combo1.doPick(2);
    placeShip(m, "CT Kelly");
    placeShip(m, "SA Upholder");
    placeShip(m, "IL Orion");
    EXPECT_EQ(m.Label14.backColor(), 0x0000FFL) << "quota left: FINE stays red";
    m.Label14.doClick();
    EXPECT_FALSE(m.Command2.enabled());
    EXPECT_TRUE(m.Command3.enabled());
    m.Command3.doClick();
    EXPECT_EQ(m.Combo1.listCount(), 6);
    EXPECT_EQ(m.Combo1.list(5), "CAGLIARI");
}

TEST_F(Wizard, AnAircraftPhaseWithoutRoomCanBeEnded) {
    writeShipArchive(folder, "ALLEATI", {{"CT", "Jervis"}});
    testsupport::MessageBoxes boxes;
    createCampaign("Foxtrot");
    FrmMezziGratis& m = saveBases(form<FrmBasi>());
    ASSERT_EQ(boxes.prompts.size(), 1);
    EXPECT_TRUE(boxes.prompts[0].contains("assenavi.dat", Qt::CaseInsensitive));
    EXPECT_TRUE(boxes.prompts[0].contains("alleatiaerei.dat", Qt::CaseInsensitive));
    m.Command2.doClick();
    m.Command1.doClick();
    m.Label14.doClick();
    m.Command3.doClick();
    m.Command1.doClick();
    EXPECT_EQ(m.List1.listCount(), 0);
    m.Label14.doClick();
    m.Command4.doClick();
    m.Command1.doClick();
    EXPECT_TRUE(m.Command9.enabled()) << "no types to place: the phase can be ended";
    m.Command9.doClick();
    EXPECT_TRUE(m.Command5.enabled());
    m.Command5.doClick();
    m.Command1.doClick();
    m.Command9.doClick();
    EXPECT_FALSE(isLoaded<FrmMezziGratis>());
    EXPECT_TRUE(form<FrmGame>().visible());
}

TEST_F(Wizard, PendingAircraftAndTheEndButton) {
    writeStandardArchives(folder);
    createCampaign("Golf");
    FrmBasi& b = form<FrmBasi>();
    // The box changed last decides whether saving is allowed.
    for (int base = 15; base >= 12; --base) b.box(5, base).setText(base == 12 ? "5" : "0");
    FrmMezziGratis& m = saveBases(b);
    for (CommandButton* phase : {&m.Command2, &m.Command3}) {
        phase->doClick();
        m.Command1.doClick();
        m.Label14.doClick();
    }
    m.Command4.doClick();
    m.Command1.doClick();
    m.Combo2.doPick(0);
    m.Command6.doClick();
    EXPECT_EQ(m.pendingAircraft(), 0) << "no type chosen";
    m.List3.doPick(1);
    EXPECT_TRUE(m.Label23.caption().startsWith("Kh:480"));
    for (int i = 0; i < 7; ++i) m.Command6.doClick();
    EXPECT_EQ(m.pendingAircraft(), 5);
    EXPECT_EQ(m.Label22.caption(), "5");
    EXPECT_FALSE(m.Command9.enabled()) << "unconfirmed aircraft must be confirmed or taken back";
    m.Command7.doClick();
    EXPECT_EQ(m.pendingAircraft(), 4);
    m.Command8.doClick();
    EXPECT_EQ(m.pendingAircraft(), 0);
    m.Command7.doClick();
    EXPECT_EQ(m.aircraftPool(), 36) << "confirmed aircraft are not taken back";
    EXPECT_FALSE(m.Command9.enabled());
    m.List3.doPick(0);
    m.Command6.doClick();
    m.Command8.doClick();
    EXPECT_EQ(m.List4.listCount(), 2);
    EXPECT_TRUE(m.Command9.enabled()) << "every base is full";
    EXPECT_EQ(G().BaseTable[12][BaseCol::AircraftPresent], 5);
    m.Command9.doClick();
    EXPECT_FALSE(m.Frame2.visible());
    EXPECT_TRUE(m.Command5.enabled());
}

// A bomber line and a torpedo line of one type: the lists tell them apart by the role, and the
// aircraft go to the line the player picked last, with the arrow keys or the mouse.
TEST_F(Wizard, FreeAircraftGoToTheLinePickedLastByKeyOrMouse) {
    writeStandardArchives(folder);
    writeAircraftArchive(folder, "ALLEATI",
                         {{"GB Gran Bretagna", "Wellington Mk IC", "BMR"},
                          {"GB Gran Bretagna", "Wellington Mk IC", "ASI"},
                          {"GB Gran Bretagna", "Hurricane Mk I", "CPT"}});
    createCampaign("India");
    FrmMezziGratis& m = saveBases(form<FrmBasi>());
    for (CommandButton* phase : {&m.Command2, &m.Command3}) {
        phase->doClick();
        m.Command1.doClick();
        m.Label14.doClick();
    }
    m.Command4.doClick();
    m.Command1.doClick();
    m.Combo2.doPick(0);
    ASSERT_EQ(m.List3.list(0).trimmed(), "BMR Wellington Mk IC");
    ASSERT_EQ(m.List3.list(1).trimmed(), "ASI Wellington Mk IC");

    m.show();
    auto* list = static_cast<QListWidget*>(m.List3.widget());
    const auto clickRow = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    };
    clickRow(2);
    QTest::keyClick(list, Qt::Key_Up); // the torpedo line
    for (int i = 0; i < 3; ++i) m.Command6.doClick();
    m.Command6.widget()->setFocus();
    clickRow(0); // the bomber line, with the mouse
    m.Command8.doClick();
    EXPECT_EQ(m.List4.list(0).simplified().toStdString(), "BMR Wellington Mk IC N:3");
    clickRow(1);
    m.Command6.doClick();
    m.Command8.doClick();
    EXPECT_EQ(m.List4.list(1).simplified().toStdString(), "ASI Wellington Mk IC N:1");
}

TEST_F(Wizard, ClosingAWizardWindowOffersToDeleteTheCampaign) {
    writeStandardArchives(folder);
    createCampaign("Hotel");
    {
        testsupport::MessageBoxes cancel({vbCancel});
        form<FrmBasi>().window()->close();
        EXPECT_TRUE(isLoaded<FrmBasi>()) << "cancel goes on with the wizard";
    }
    FrmMezziGratis& m = saveBases(form<FrmBasi>());
    {
        testsupport::MessageBoxes keep({vbNo});
        m.window()->close();
        ASSERT_EQ(keep.prompts.size(), 1);
        EXPECT_TRUE(keep.prompts[0].contains("Hotel"));
    }
    EXPECT_FALSE(isLoaded<FrmMezziGratis>());
    EXPECT_TRUE(form<FrmGame>().visible());
    EXPECT_EQ(form<FrmGame>().slotName(1).caption(), "Hotel") << "kept";

    createCampaign("India");
    {
        testsupport::MessageBoxes yes({vbYes});
        form<FrmBasi>().window()->close();
    }
    EXPECT_EQ(form<FrmGame>().slotName(2).caption(), "nn");
    EXPECT_FALSE(fileExists(games("India.Stp")));
    EXPECT_FALSE(fileExists(games("StackIndiaDatiBasi.dat")));
    EXPECT_TRUE(fileExists(games("Hotel.Stp")));
}

TEST_F(Wizard, AnArchiveRecordNoCampaignCanHoldIsToldOnceAndNotOffered) {
    writeStandardArchives(folder);
    // An archive made before its values were checked: Jervis displaces 70000 tons.
    const QString allied = folder.path() + "/Archivio/ALLEATINavi.Dat";
    QByteArray bytes = testsupport::readBytes(allied);
    const recordformat::FieldSpec tonnage = recordformat::shipLayout().field(recordformat::ship::STAZZA);
    bytes.replace(3 * recordformat::ShipRecord::kLength + tonnage.offset, tonnage.width, "70000");
    testsupport::writeBytes(allied, bytes);
    testsupport::MessageBoxes boxes;
    createCampaign("Golf");
    FrmMezziGratis& m = saveBases(form<FrmBasi>());
    ASSERT_EQ(boxes.prompts.size(), 1);
    EXPECT_TRUE(boxes.prompts[0].contains("alleatinavi.dat", Qt::CaseInsensitive) &&
                boxes.prompts[0].contains("Jervis") && boxes.prompts[0].contains("STAZZA") &&
                boxes.prompts[0].contains("tra 0 e 65000"))
        << boxes.prompts[0].toStdString();
    m.Command2.doClick();
    m.Command1.doClick();
    m.Combo1.doPick(2);
    EXPECT_LT(indexOf(m.List1, "CT Jervis"), 0) << "not offered";
    EXPECT_GE(indexOf(m.List1, "CT Kelly"), 0);
    EXPECT_EQ(boxes.prompts.size(), 1) << "said once";
}
