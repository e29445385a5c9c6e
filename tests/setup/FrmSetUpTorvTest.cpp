#include "setup/FrmSetUpTorv.h"
#include "setup/SetupGlobals.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/support/LayoutCheck.h"
#include "tests/support/TestSupport.h"

#include "cards/help/Form1_info1.h"
#include "common/records/RecordFormat.h"
#include "platform/Dialogs.h"
#include "platform/Printing.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace platform;
using namespace recordformat;
using setuptest::destroyerCard;
using setuptest::fighterCard;
using setuptest::writeShipClass;

namespace {

class SetUpWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSetupGlobals();
        makeFolder(folder.path() + "/Archivio");
        makeFolder(folder.path() + "/Navi");
        makeFolder(folder.path() + "/Aerei");
        FileDialog::setTestHandler([this](const FileDialog& d, bool) {
            dialogs << d.DialogTitle + "|" + d.Filter + "|" + d.InitDir;
            return chosen;
        });
        Printer::forcePdf(true);
        Printer::setPdfFolder(folder.path() + "/Stampe");
    }
    void TearDown() override {
        FileDialog::setTestHandler(nullptr);
        Printer::forcePdf(false);
        Printer::setPdfFolder(QString());
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
    }

    FrmSetUpTorv& window() { return form<FrmSetUpTorv>(); }

    // Chooses side and kind and opens the card, as the player does.
    void openShips(OptionButton& side, const QString& card) {
        side.doClick();
        window().Option3.doClick();
        chosen = card;
        window().Command1.doClick();
    }

    QStringList items(const ListBox& l) {
        QStringList out;
        for (int i = 0; i < l.listCount(); ++i) out << l.list(i);
        return out;
    }

    testsupport::ProgramFolder folder{false};
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
    QString chosen;
    QStringList dialogs;
};

} // namespace

TEST_F(SetUpWindow, AKindBeforeASideOpensNoCard) {
    FrmSetUpTorv& w = window();
    EXPECT_FALSE(w.Command1.enabled());
    EXPECT_FALSE(w.Command2.enabled());
    EXPECT_EQ(SG().ArchiveSide, 1);
    w.Option3.doClick();
    EXPECT_TRUE(w.Frame4.visible());
    EXPECT_FALSE(w.Command1.enabled()) << "an archive without its side word is no archive of the game";
    EXPECT_EQ(w.Label9.caption(), "");
    w.Option2.doClick();
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_FALSE(w.Command2.enabled());
    EXPECT_EQ(w.Label9.caption(), "NAVI ASSE");
    w.Option4.doClick();
    EXPECT_TRUE(w.Command2.enabled());
    EXPECT_FALSE(w.Command1.enabled());
    EXPECT_EQ(w.Label9.caption(), "AEREI ASSE");
    EXPECT_TRUE(w.Frame5.visible());
    EXPECT_FALSE(w.Frame4.visible());
}

TEST_F(SetUpWindow, ShipsInsertedFromACardReadBackFieldByField) {
    const ShipValues card = destroyerCard();
    const QStringList names = {"Alfredo Oriani", "Vittorio Alfieri", "Giosuè Carducci", "Vincenzo Gioberti"};
    const QString path = writeShipClass(folder.path() + "/Navi", card, names);
    FrmSetUpTorv& w = window();
    openShips(w.Option2, path);
    ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();
    EXPECT_EQ(dialogs, QStringList{"Seleziona il Record Nave da aprire|File Dati Nave (*.sns)|*.sns|" +
                                   folder.path() + "\\Navi\\"});
    EXPECT_EQ(w.Label1.caption(), "Oriani");
    EXPECT_EQ(w.Label2.caption(), "CT Cacciatorpediniere");
    EXPECT_EQ(w.Label3.caption(), "IT");
    EXPECT_EQ(w.Label4.caption(), "1940");
    EXPECT_EQ(items(w.List1), names);
    EXPECT_TRUE(w.List1.enabled());
    EXPECT_FALSE(w.Frame2.enabled()) << "the kind is locked once a card is open";

    w.List1.doPickDouble(2);
    w.List1.doPickDouble(0);
    w.List1.doPickDouble(0);
    EXPECT_EQ(items(w.List2), (QStringList{"Giosuè Carducci", "Alfredo Oriani", "Vittorio Alfieri"}));
    EXPECT_EQ(items(w.List1), QStringList{"Vincenzo Gioberti"}) << "each name goes in once";
    EXPECT_EQ(w.Label6.caption(), "3");
    ASSERT_EQ(w.List3.listCount(), 3);
    EXPECT_EQ(w.List3.list(0), "CT_" + QString("Giosuè Carducci").leftJustified(30));

    // The archive as the wizard reads it: the game's lower-case name, the game's record layout.
    RecordFile archive(folder.path() + "\\archivio\\assenavi.dat", ShipRecord::kLength);
    ASSERT_EQ(archive.count(), 3);
    ShipRecord r;
    readRecord(archive, 2, r);
    EXPECT_FALSE(r.isDeleted());
    EXPECT_EQ(r.trimmed(ship::NOME), "Alfredo Oriani");
    EXPECT_EQ(r.trimmed(ship::CLASSE), card[1]);
    EXPECT_EQ(r.trimmed(ship::TIPO), card[2].left(2));
    EXPECT_EQ(r.trimmed(ship::NAZIONE), card[4]);
    const std::pair<int, int> numbers[] = {
        {ship::STAZZA, 7},       {ship::ANNODATI, 5},      {ship::NODI, 8},     {ship::OPERATIVITA, 14},
        {ship::DIR_TIRO, 12},    {ship::CARGO, 15},        {ship::COSTO, 16},   {ship::RESISTENZA, 10},
        {ship::C_A_INCENDI, 11}, {ship::AEREI, 22},        {ship::AAM, 50},     {ship::MA, 13},
        {ship::NODIM, 8},        {ship::OPERATIVITAM, 14}, {ship::D_TIROM, 12}, {ship::CARGOM, 15},
        {ship::RESISTENZAM, 10}, {ship::C_A_INCENDIM, 11}, {ship::AEREIM, 22},  {ship::AAMM, 50},
        {ship::MAM, 13}};
    for (const auto& [field, value] : numbers)
        EXPECT_EQ(r.whole(field), card[value].toInt()) << "field " << field << " from card value " << value;
    EXPECT_EQ(r.whole(ship::AAC), 12);
    EXPECT_EQ(r.whole(ship::AACM), 12);
    EXPECT_EQ(r.whole(ship::STATUS), 0);
    EXPECT_EQ(r.whole(ship::INCENDI_ATTIVI), 0);
    EXPECT_EQ(r.whole(ship::NUMERO_GN), 0);
    EXPECT_EQ(r.whole(ship::PORTO), 0) << "a new ship is in no port until the wizard places it";
}

TEST_F(SetUpWindow, NationGateOfTheShipNames) {
    const QString ru = writeShipClass(folder.path() + "/Navi", destroyerCard("Gnevny", "RU Unione Sovietica"),
                                      {"Gnevny", "Grozny"});
    const QString gb = writeShipClass(folder.path() + "/Navi", destroyerCard("Jervis", "GB Gran Bretagna"),
                                      {"Jervis", "Janus"});
    const QString us =
        writeShipClass(folder.path() + "/Navi", destroyerCard("Benson", "US Stati Uniti"), {"Benson"});
    const QString de = writeShipClass(folder.path() + "/Navi", destroyerCard("Z1", "DE Germania"), {"Z1"});
    const QString it = writeShipClass(folder.path() + "/Navi", destroyerCard(), {"Oriani"});
    FrmSetUpTorv& w = window();
    struct Case {
        QString card;
        OptionButton* side;
        bool open;
    } cases[] = {{ru, &w.Option1, false}, {ru, &w.Option2, false}, {gb, &w.Option1, true},
                 {gb, &w.Option2, false}, {us, &w.Option1, true},  {us, &w.Option2, false},
                 {it, &w.Option2, true},  {it, &w.Option1, false}, {de, &w.Option2, true},
                 {de, &w.Option1, false}};
    for (const Case& c : cases) {
        openShips(*c.side, c.card);
        EXPECT_GT(w.List1.listCount(), 0) << c.card.toStdString();
        EXPECT_EQ(w.List1.enabled(), c.open) << c.card.toStdString() << " side " << SG().ArchiveSide;
        EXPECT_EQ(w.Label20.caption().isEmpty(), c.open) << "a closed list says why";
        w.Command3.doClick();
    }
    openShips(w.Option2, gb);
    EXPECT_EQ(w.Label20.caption(), "Le navi GB entrano solo nell'archivio ALLEATI");
    openShips(w.Option1, ru);
    EXPECT_EQ(w.Label20.caption(), "Le navi RU non entrano in nessun archivio");
    w.Command3.doClick();
    // A side changed after the card empties the names: nothing of the card is left to insert.
    openShips(w.Option1, gb);
    w.Option2.doClick();
    EXPECT_EQ(w.List1.listCount(), 0);
    EXPECT_EQ(w.Label3.caption(), "");
    EXPECT_FALSE(w.List1.enabled());
}

TEST_F(SetUpWindow, NameListBesideACardOfAnyName) {
    const QString odd = writeShipClass(folder.path() + "/Navi", destroyerCard("Roma"), {"Roma", "Littorio"},
                                       "Roma copia.sns");
    openShips(window().Option2, odd);
    EXPECT_EQ(items(window().List1), (QStringList{"Roma", "Littorio"}));
    EXPECT_TRUE(SG().CardPath.endsWith("/IT Italia/cp_Roma1940.SNN")) << SG().CardPath.toStdString();
    // The path written the old way, in another letter case.
    window().Command3.doClick();
    openShips(window().Option2, folder.path() + "\\navi\\it italia\\ROMA COPIA.SNS");
    EXPECT_EQ(items(window().List1), (QStringList{"Roma", "Littorio"}));
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();
}

TEST_F(SetUpWindow, AShortOrUnlistedCardLeavesNothingOfThePreviousOne) {
    const QString good = writeShipClass(folder.path() + "/Navi", destroyerCard(), {"Oriani", "Alfieri"});
    FrmSetUpTorv& w = window();
    openShips(w.Option2, good);
    ASSERT_EQ(w.List1.listCount(), 2);

    const QString shortCard = folder.path() + "/Navi/IT Italia/CortoCT1940.sns";
    testsupport::writeBytes(shortCard, "\"Corto\"\r\n\"CT Cacciatorpediniere\"\r\n");
    chosen = shortCard;
    w.Command1.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("CortoCT1940.sns")) << errors.messages[0].toStdString();
    EXPECT_EQ(w.Label1.caption(), "");
    EXPECT_EQ(w.List1.listCount(), 0);
    EXPECT_EQ(SG().CardShipRecord.bytes(), ShipRecord().bytes());
    EXPECT_TRUE(SG().ShipCardValues[1].isEmpty());

    // A card without its name list: said by name, and no ship can be inserted.
    ShipValues lone = destroyerCard("Solo");
    const QString lonePath = folder.path() + "/Navi/IT Italia/SoloCT1940.sns";
    writeShipCard(lonePath, lone);
    chosen = lonePath;
    w.Command1.doClick();
    ASSERT_EQ(errors.messages.size(), 2);
    EXPECT_TRUE(errors.messages[1].contains("cp_Solo1940")) << errors.messages[1].toStdString();
    EXPECT_EQ(w.Label1.caption(), "Solo");
    EXPECT_EQ(w.List1.listCount(), 0);
}

TEST_F(SetUpWindow, CancelLeavesTheKindLockedUntilReset) {
    FrmSetUpTorv& w = window();
    openShips(w.Option1, QString());
    EXPECT_FALSE(w.Frame2.enabled());
    EXPECT_EQ(w.Label6.caption(), "0");
    EXPECT_TRUE(fileExists(folder.path() + "/Archivio/ALLEATINavi.Dat")) << "the listing creates the archive";
    w.Command3.doClick();
    EXPECT_TRUE(w.Frame2.enabled());
    EXPECT_FALSE(w.Frame4.visible());
    EXPECT_FALSE(w.Option3.value());
    EXPECT_EQ(SG().SideWord, "ALLEATI");
    w.Option4.doClick();
    EXPECT_TRUE(w.Command2.enabled());
    EXPECT_EQ(w.Label9.caption(), "AEREI ALLEATI");
}

TEST_F(SetUpWindow, AircraftOfAnyNationInsertedOnePerClick) {
    const QString card = folder.path() + "/Aerei/IT Italia/FiatCR.42FalcoCPT1939.SNK";
    makeFolder(folder.path() + "/Aerei/IT Italia");
    aircraftcard::writeCard(card, fighterCard());
    FrmSetUpTorv& w = window();
    w.Option1.doClick();
    w.Option4.doClick();
    chosen = card;
    w.Command2.doClick();
    ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();
    EXPECT_EQ(dialogs.last(), "Seleziona il Record Aereo da aprire|File Dati Aereo (*.SNK)|*.SNK|" +
                                  folder.path() + "\\Aerei\\");
    EXPECT_EQ(items(w.List4), QStringList{"Fiat CR.42 Falco"});
    EXPECT_EQ(w.Label10.caption(), "Fiat CR.42 Falco");
    EXPECT_EQ(w.Label12.caption(), "IT");
    EXPECT_EQ(w.Label11.caption(), "CPT - Caccia terrestre");
    EXPECT_EQ(w.Label13.caption(), "1939");
    EXPECT_EQ(w.Label16.caption(), "Non Imbarcato");
    EXPECT_FALSE(w.List1.enabled());
    EXPECT_TRUE(w.List4.enabled()) << "aircraft are not gated by nation";

    EXPECT_EQ(w.Label21.caption(), "") << "nothing of it in the archive yet";
    w.List4.doPick(0);
    EXPECT_EQ(w.Label21.caption(), QString::fromUtf8("Nell'archivio c'è già un record identico di questo "
                                                     "aereo: un click ne aggiunge un altro."));
    w.List4.doPick(0);
    EXPECT_EQ(w.List5.listCount(), 2) << "each click still appends";
    EXPECT_EQ(w.Label8.caption(), "2");
    EXPECT_TRUE(
        w.Label21.caption().startsWith(QString::fromUtf8("Nell'archivio ci sono già 2 record identici")));
    // The card opened again finds them there before any click; another side's archive does not.
    w.Command2.doClick();
    EXPECT_TRUE(w.Label21.caption().contains("2 record identici"));
    EXPECT_EQ(testsupport::layoutAndTitleFaults(w), "");
    w.Option2.doClick();
    EXPECT_EQ(w.Label21.caption(), "");
    RecordFile archive(folder.path() + "/archivio/alleatiaerei.dat", AircraftRecord::kLength);
    ASSERT_EQ(archive.count(), 2);
    AircraftRecord r;
    readRecord(archive, 2, r);
    const aircraftcard::AircraftData c = fighterCard();
    for (int field = aircraft::Nazione; field <= aircraft::Disponibilita; ++field)
        EXPECT_EQ(r.trimmed(field), c[field].left(field == aircraft::Ruolo ? 3 : 40)) << "field " << field;
    EXPECT_EQ(r.trimmed(aircraft::Silurante), "-");
    EXPECT_EQ(r.trimmed(aircraft::Imbarcato), "0");
    EXPECT_EQ(r.whole(aircraft::Pronti), 0);
}

TEST_F(SetUpWindow, DeleteMarkFromTheArchiveList) {
    const QString path = writeShipClass(folder.path() + "/Navi", destroyerCard(), {"A", "B", "C", "D", "E"});
    FrmSetUpTorv& w = window();
    openShips(w.Option2, path);
    for (int i = 0; i < 5; ++i) w.List1.doPickDouble(0);
    ASSERT_EQ(w.Label6.caption(), "5");
    w.List3.doPick(1);
    EXPECT_EQ(SG().SelectedRecord, 2);
    EXPECT_EQ(w.Label17.caption(), "2");
    EXPECT_TRUE(w.Command5.enabled());
    EXPECT_FALSE(w.Command6.enabled());
    w.Command5.doClick();
    EXPECT_EQ(w.Label6.caption(), "4");
    EXPECT_EQ(w.List3.listCount(), 4);
    EXPECT_EQ(w.List3.itemData(1), 3);
    EXPECT_FALSE(w.Command5.enabled());
    EXPECT_EQ(w.Label1.caption(), "");
    EXPECT_EQ(fileLength(folder.path() + "/Archivio/ASSENavi.Dat"), 5 * 179);

    // The card stays open: another class name still goes in with the card's values.
    openShips(w.Option2,
              writeShipClass(folder.path() + "/Navi", destroyerCard("Soldati"), {"Aviere", "Ascari"}));
    w.List3.doPick(0);
    w.Command5.doClick();
    w.List1.doPickDouble(0);
    EXPECT_EQ(w.Label6.caption(), "4");
    RecordFile archive(folder.path() + "/Archivio/ASSENavi.Dat", ShipRecord::kLength);
    ShipRecord r;
    readRecord(archive, 6, r);
    EXPECT_EQ(r.trimmed(ship::CLASSE), "Soldati");
    EXPECT_EQ(r.trimmed(ship::NOME), "Aviere");

    // The record picked goes with the archive list when another list is shown.
    w.List3.doPick(0);
    w.Command3.doClick();
    w.Option4.doClick();
    EXPECT_EQ(w.Label17.caption(), "");
    EXPECT_EQ(SG().SelectedRecord, 0);
}

TEST_F(SetUpWindow, PrintsTheLiveListOnly) {
    const QString stampe = folder.path() + "/Stampe";
    const QString path = writeShipClass(folder.path() + "/Navi", destroyerCard(), {"Oriani", "Alfieri"});
    FrmSetUpTorv& w = window();
    openShips(w.Option2, path);
    w.Command7.doClick();
    EXPECT_TRUE(QDir(stampe).entryList(QDir::Files).isEmpty()) << "a live count of 0 prints nothing";

    w.List1.doPickDouble(0);
    w.List1.doPickDouble(0);
    w.List3.doPick(0);
    w.Command5.doClick();
    w.Command7.doClick();
    ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();
    const QStringList pdfs = QDir(stampe).entryList({"*.pdf"}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_GT(fileLength(stampe + "/" + pdfs[0]), 500);
    EXPECT_EQ(SG().PrintFlag, 0);
    EXPECT_FALSE(printer().jobOpen());
    EXPECT_EQ(w.List3.listCount(), 1);
    const QStringList printed = printer().jobText();
    ASSERT_GE(printed.size(), 6);
    EXPECT_EQ(printed[1], "NAVI ASSE");
    EXPECT_EQ(printed[3], "NOMECLASSENAZ.TIPOL.COSTO");
    EXPECT_EQ(printed.last(), "AlfieriOrianiITCT118") << "one line for the live ship, none for the deleted";
    ASSERT_FALSE(boxes.prompts.isEmpty());
    EXPECT_TRUE(boxes.prompts.last().contains(pdfs[0]));
}

TEST_F(SetUpWindow, MissingArchiveFolderIsNamed) {
    QDir(folder.path() + "/Archivio").removeRecursively();
    const QString path = writeShipClass(folder.path() + "/Navi", destroyerCard(), {"Oriani"});
    openShips(window().Option2, path);
    ASSERT_FALSE(errors.messages.isEmpty());
    EXPECT_TRUE(errors.messages[0].contains("Archivio")) << errors.messages[0].toStdString();
    EXPECT_FALSE(folderExists(folder.path() + "/Archivio")) << "the program makes no folder";
}

TEST_F(SetUpWindow, DestroyingTakesTwoSteps) {
    const QString path = writeShipClass(folder.path() + "/Navi", destroyerCard(), {"Oriani"});
    FrmSetUpTorv& w = window();
    openShips(w.Option2, path);
    w.List1.doPickDouble(0);
    const QString archive = folder.path() + "/Archivio/ASSENavi.Dat";
    ASSERT_TRUE(fileExists(archive));
    w.Label19.doDblClick();
    EXPECT_TRUE(fileExists(archive)) << "the hidden KILL label does nothing";
    w.Command9.doClick();
    EXPECT_TRUE(w.Label19.visible());
    w.Command9.doClick();
    EXPECT_FALSE(w.Label19.visible());
    w.Command9.doClick();
    w.Label19.doDblClick();
    EXPECT_FALSE(fileExists(archive));
    EXPECT_FALSE(w.Label19.visible());
    EXPECT_TRUE(w.Frame2.enabled()) << "destroying resets the window";

    w.Option3.doClick();
    w.Command9.doClick();
    w.Label19.doDblClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("ASSENavi.Dat"));
}

TEST_F(SetUpWindow, HelpHidesTheUnitPanels) {
    testsupport::writeBytes(folder.path() + "/Data/setuptorvhelp.txt", "Aiuto\r\n");
    FrmSetUpTorv& w = window();
    w.Option1.doClick();
    w.Option3.doClick();
    QString shown;
    platform::testing::setModalHandler([&](Form& f) {
        if (auto* v = dynamic_cast<Form1_info1*>(&f)) shown = v->txtWordProc.text();
    });
    w.Image5.doClick();
    EXPECT_EQ(shown.trimmed(), "Aiuto");
    EXPECT_FALSE(w.Frame4.visible());
    w.Option3.doClick();
    EXPECT_TRUE(w.Frame4.visible());
}

TEST_F(SetUpWindow, ACardNoCampaignCouldHoldIsNotReadAndAShipAgainIsTold) {
    ShipValues heavy = destroyerCard("Pesante");
    heavy[7] = QStringLiteral("70000");
    const QString refused = writeShipClass(folder.path() + "/Navi", heavy, {"Pesante"});
    FrmSetUpTorv& w = window();
    openShips(w.Option2, refused);
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("STAZZA") && errors.messages[0].contains("tra 0 e 65000"))
        << errors.messages[0].toStdString();
    EXPECT_EQ(w.List1.listCount(), 0) << "nothing to insert";
    EXPECT_EQ(SG().CardShipRecord.bytes(), ShipRecord().bytes());

    // The same card read twice: the ships already in the archive are named, and a double-click
    // still appends another record.
    const QString good = writeShipClass(folder.path() + "/Navi", destroyerCard(), {"Oriani", "Alfieri"});
    chosen = good;
    w.Command1.doClick();
    EXPECT_EQ(w.Label22.caption(), "");
    w.List1.doPickDouble(0);
    EXPECT_EQ(w.Label22.caption(), "");
    w.Command1.doClick();
    EXPECT_EQ(w.Label22.caption(),
              "Nell'archivio c'è già un record identico di Oriani: un doppio click ne aggiunge un altro.");
    w.List1.doPickDouble(1);
    w.Command1.doClick();
    EXPECT_EQ(
        w.Label22.caption(),
        "Nell'archivio ci sono già record identici di 2 navi della lista: un doppio click ne aggiunge un "
        "altro.");
    w.List1.doPickDouble(0);
    EXPECT_EQ(w.Label6.caption(), "3") << "the rule still appends it";
    EXPECT_EQ(errors.messages.size(), 1);
}

// The same card garbled by hand that the card editor refuses is refused here, in the same words.
TEST_F(SetUpWindow, AGarbledCardIsRefusedAtItsLine) {
    const QString path = writeShipClass(folder.path() + "/Navi", destroyerCard(), {"Oriani", "Alfieri"});
    const QByteArray card = testsupport::readBytes(path);
    testsupport::writeBytes(path, QByteArray(card).replace("\"1750\"", "\"ABCDE\""));
    FrmSetUpTorv& w = window();
    openShips(w.Option2, path);
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(errors.messages[0], "Scheda nave non leggibile: " + diskPath(path) +
                                      ", riga 7 (stazza standard): \"ABCDE\" non è un numero.");
    EXPECT_EQ(w.List1.listCount(), 0) << "nothing to insert";
    EXPECT_EQ(w.Label1.caption(), "");
    EXPECT_EQ(SG().CardShipRecord.bytes(), ShipRecord().bytes());
    testsupport::writeBytes(path, card);
    w.Command1.doClick();
    EXPECT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(w.List1.listCount(), 2);
}

// An archive cut in the middle of a record (a copy or a disk that stopped short) is told when it
// is listed and before anything is appended; the record cut short is written over only when the
// user goes on, and the archive is left as it is when they do not.
TEST_F(SetUpWindow, AnArchiveCutShortIsToldBeforeAnythingIsAppended) {
    const QString path =
        writeShipClass(folder.path() + "/Navi", destroyerCard(), {"Oriani", "Alfieri", "Carducci"});
    FrmSetUpTorv& w = window();
    openShips(w.Option2, path);
    w.List1.doPickDouble(0);
    w.List1.doPickDouble(0);
    const QString archive = diskPath(folder.path() + "/Archivio/ASSENavi.Dat");
    const QByteArray whole = testsupport::readBytes(archive);
    ASSERT_EQ(whole.size(), 2 * ShipRecord::kLength);
    EXPECT_EQ(w.Label23.caption(), "");
    const QByteArray cut = whole + whole.left(150);
    testsupport::writeBytes(archive, cut);

    w.Command1.doClick();
    EXPECT_EQ(w.List3.listCount(), 2) << "the record cut short is not listed";
    EXPECT_EQ(w.Label6.caption(), "2");
    EXPECT_EQ(w.Label23.caption(),
              "ATTENZIONE: l'archivio finisce con un record tagliato a metà (150 byte dopo "
              "il record 2), non elencato. Il prossimo inserimento lo scarta.");
    EXPECT_EQ(testsupport::layoutAndTitleFaults(w), "");

    testsupport::MessageBoxes asked({vbNo, vbYes});
    w.List1.doPickDouble(2);
    ASSERT_EQ(asked.prompts.size(), 1);
    EXPECT_EQ(asked.prompts[0], "L'archivio " + archive +
                                    " finisce con un record tagliato a metà: 150 byte dopo il record 2.\n\n"
                                    "Sì: il record tagliato è scartato e il nuovo è scritto come record 3.\n"
                                    "No: non si inserisce nulla e l'archivio resta com'è.");
    EXPECT_EQ(asked.titles[0], "Archivio tagliato");
    EXPECT_EQ(asked.styles[0], vbYesNo + vbExclamation);
    EXPECT_EQ(testsupport::readBytes(archive), cut) << "no: the archive as it was";
    EXPECT_EQ(w.List1.listCount(), 3) << "and the ship still to insert";
    EXPECT_EQ(w.List2.listCount(), 0);

    w.List1.doPickDouble(2);
    ASSERT_EQ(asked.prompts.size(), 2);
    const QByteArray now = testsupport::readBytes(archive);
    ASSERT_EQ(now.size(), 3 * ShipRecord::kLength) << "yes: written after the last whole record";
    EXPECT_EQ(now.left(whole.size()), whole);
    RecordFile file(archive, ShipRecord::kLength);
    ShipRecord r;
    readRecord(file, 3, r);
    EXPECT_EQ(r.trimmed(ship::NOME), "Carducci");
    EXPECT_EQ(w.Label23.caption(), "") << "whole again";
    EXPECT_EQ(w.Label6.caption(), "3");
    w.List1.doPickDouble(0);
    EXPECT_EQ(asked.prompts.size(), 2) << "a whole archive asks nothing";

    // Aircraft the same way, the cut told also when the card is opened.
    const QString fighter = folder.path() + "/Aerei/IT Italia/FiatCR.42FalcoCPT1939.SNK";
    makeFolder(folder.path() + "/Aerei/IT Italia");
    aircraftcard::writeCard(fighter, fighterCard());
    testsupport::writeBytes(folder.path() + "/Archivio/ASSEAerei.Dat", QByteArray(40, 'x'));
    w.Command3.doClick();
    w.Option4.doClick();
    chosen = fighter;
    w.Command2.doClick();
    EXPECT_EQ(w.List3.listCount(), 0);
    EXPECT_EQ(w.Label23.caption(),
              "ATTENZIONE: l'archivio finisce con un record tagliato a metà (40 byte prima "
              "di ogni record intero), non elencato. Il prossimo inserimento lo scarta.");
    testsupport::MessageBoxes again({vbNo});
    w.List4.doPick(0);
    ASSERT_EQ(again.prompts.size(), 1);
    EXPECT_EQ(testsupport::readBytes(folder.path() + "/Archivio/ASSEAerei.Dat"), QByteArray(40, 'x'));
    EXPECT_EQ(w.List5.listCount(), 0);
    EXPECT_EQ(errors.messages, QStringList());
}
