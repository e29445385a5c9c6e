// Every number field of the ship and aircraft records that a card fills, walked through the three
// programs: a card at the field's limits is saved by Torvcard, inserted by Torvsetup and copied by
// the wizard into a campaign that opens; one past them is refused by each, naming the field and
// its range.
#include "cards/format/ArchiveRecords.h"
#include "common/Globals.h"
#include "common/records/RecordRanges.h"
#include "game/main/CampaignOpen.h"
#include "game/start/NewCampaign.h"
#include "platform/Numbers.h"
#include "setup/SideArchive.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/game/start/WizardFixtures.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace recordformat;

namespace {

// The card with value `n` set to `v`; the anti-aircraft total (AAC) is set through its first
// value, the other two at 0.
template <class Card> Card with(Card card, int n, long long v) {
    card[n] = QString::number(v);
    return card;
}
ShipValues shipCardWith(int field, long long v) {
    if (field == ship::AAC) {
        ShipValues c = with(setuptest::destroyerCard(), 42, v);
        c[45] = c[48] = QStringLiteral("0");
        return c;
    }
    return with(setuptest::destroyerCard(), cardValueOfShipField(field), v);
}
aircraftcard::AircraftData aircraftCardWith(int field, long long v) {
    return with(setuptest::fighterCard(), cardValueOfAircraftField(field), v);
}

bool fits(const RecordLayout& layout, int field, long long v) {
    return QString::number(v).size() <= layout.field(field).width;
}

// What each program says of one past a field's limit.
struct Past {
    QString torvcard;  // the refusal of the card's saving
    QString torvsetup; // the refusal of the card's reading
    QString wizard;    // what the wizard says of an archive record made before, when it can hold it
};

// A walk of one record kind: the cards at every field's limits go into the side archive at
// `good`, the records one past them that an archive could hold (written by hand, as an archive
// made before the check) into `bad`.
template <class Record, class CardOf, class Refusal, class Checked, class Insert>
void walk(std::span<const FieldRule> rules, const RecordLayout& layout, CardOf cardOf, Refusal refusal,
          Checked checked, Insert insert, const QString& good, const QString& bad, const QString& archives,
          int& walkedFields, int& goodRecords, int& badRecords) {
    for (const FieldRule& rule : rules) {
        const bool fromCard = layout.length == ShipRecord::kLength
                                  ? cardValueOfShipField(rule.field) != 0 || rule.field == ship::AAC
                                  : cardValueOfAircraftField(rule.field) != 0;
        if (!fromCard) continue;
        ++walkedFields;
        const std::string name = rule.name;
        for (long long v : {rule.range.low, rule.range.high}) {
            EXPECT_EQ(refusal(cardOf(rule.field, v)), QString()) << name << " " << v;
            sidearchive::appendToArchive(good, insert(checked(cardOf(rule.field, v))));
            ++goodRecords;
        }
        for (long long v : {rule.range.low - 1, rule.range.high + 1}) {
            Past past;
            past.torvcard = refusal(cardOf(rule.field, v));
            try {
                checked(cardOf(rule.field, v));
            } catch (const platform::RangeError& e) {
                past.torvsetup = e.message();
            }
            if (fits(layout, rule.field, v)) {
                Record r = insert(checked(cardOf(rule.field, rule.range.high)));
                r.setText(rule.field, QString::number(v));
                platform::deleteFile(bad);
                sidearchive::appendToArchive(bad, r);
                past.wizard = newcampaign::refusedArchiveRecords(archives).join('\n');
                ++badRecords;
            }
            QStringList all = {past.torvcard, past.torvsetup};
            if (fits(layout, rule.field, v)) all << past.wizard;
            for (const QString& said : all) {
                EXPECT_TRUE(said.contains(rule.name) && said.contains(rangeText(rule.range)))
                    << name << " " << v << ": \"" << said.toStdString() << "\"";
            }
        }
    }
}

} // namespace

TEST(CardRanges, EachCardFieldAtItsLimitsReachesACampaignThatOpensOnePastIsRefusedByEachProgram) {
    resetGlobals();
    testsupport::ProgramFolder folder;
    wizardtest::removeShippedArchives(folder);
    testcampaign::write();
    const QString archives = G().AppPath + "\\archivio\\";
    using sidearchive::archivePath;
    const QString alliedShips = archivePath(archives, "ALLEATI", sidearchive::kShips);
    const QString axisShips = archivePath(archives, "ASSE", sidearchive::kShips);
    const QString alliedAircraft = archivePath(archives, "ALLEATI", sidearchive::kAircraft);
    const QString axisAircraft = archivePath(archives, "ASSE", sidearchive::kAircraft);

    int fields = 0, good = 0, bad = 0;
    walk<ShipRecord>(
        shipFieldRules(), shipLayout(), shipCardWith, shipCardRefusal, checkedShipArchiveRecord,
        [](const ShipRecord& r) { return sidearchive::shipToInsert(r, QStringLiteral("Limite")); },
        alliedShips, axisShips, archives, fields, good, bad);
    walk<AircraftRecord>(
        aircraftFieldRules(), aircraftLayout(), aircraftCardWith, aircraftCardRefusal,
        checkedAircraftArchiveRecord,
        [](const AircraftRecord& r) { return sidearchive::aircraftToInsert(r, QStringLiteral("Limite")); },
        alliedAircraft, axisAircraft, archives, fields, good, bad);
    EXPECT_EQ(fields, 13 + 11) << "the card fills 13 number fields of a ship and 11 of an aircraft line";
    EXPECT_GE(bad, 2) << "a tonnage past 65000 still fits its five digits";

    // An archive made before holding a record past a limit beside one at it: the wizard copies only
    // the one a campaign can hold, and says why once.
    ShipRecord past = sidearchive::shipToInsert(checkedShipArchiveRecord(shipCardWith(ship::STAZZA, 65000)),
                                                QStringLiteral("Fuori"));
    past.setText(ship::STAZZA, QStringLiteral("70000"));
    platform::deleteFile(axisShips);
    sidearchive::appendToArchive(axisShips, past);
    sidearchive::appendToArchive(
        axisShips, sidearchive::shipToInsert(checkedShipArchiveRecord(setuptest::destroyerCard()),
                                             QStringLiteral("Dentro")));
    platform::deleteFile(axisAircraft);
    const QStringList said = newcampaign::refusedArchiveRecords(archives);
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains("1 record non copiati") && said[0].contains("Fuori"))
        << said[0].toStdString();

    const int carriers = newcampaign::CopiaArchivioNavi(archives);
    newcampaign::CopiaArchivioAerei(archives);
    newcampaign::CreaFileAereiPortaerei(archives, carriers);
    EXPECT_EQ(platform::fileLength(shipFilePath(kAllies)), qint64(ShipRecord::kLength) * 26);
    EXPECT_EQ(platform::fileLength(shipFilePath(kAxis)), qint64(ShipRecord::kLength));
    EXPECT_EQ(platform::fileLength(baseAircraftFilePath(12)), qint64(AircraftRecord::kLength) * 22);

    testcampaign::choose();
    EXPECT_NO_THROW(loadCampaign());
}
