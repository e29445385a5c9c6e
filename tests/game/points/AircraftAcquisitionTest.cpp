// Buying aircraft: the random lists of each side at its bases, and a purchase through the window
// into the base's aircraft file and the base table.
#include "PointsCampaign.h"
#include "common/Dice.h"
#include "common/RecordFiles.h"
#include "game/points/FrmMezziAerei.h"
#include "platform/Dialogs.h"

using namespace platform;
using namespace acquisition;
namespace A = recordformat::aircraft;

namespace {

struct Type {
    QString nation;
    int year;
    int availability;
    int onHand = 0;
};

class AircraftAcquisition : public PointsCampaign {
  protected:
    void writeBaseFile(int side, int base, const QList<Type>& types) {
        openAircraftFile(1, baseAircraftFilePath(base), side);
        int n = 0;
        for (const Type& t : types) {
            AircraftRecord a;
            a.setText(A::Nazione, t.nation);
            a.setText(A::Nome, QStringLiteral("Tipo %1").arg(++n));
            a.setText(A::Ruolo, "CPT");
            a.setNumber(A::Anno, t.year);
            a.setNumber(A::Costo, 5);
            a.setNumber(A::Disponibilita, t.availability);
            a.setNumberWithSign(A::Pronti, t.onHand);
            appendAircraft(1, a);
        }
        G().Files.close(1);
    }
    std::vector<int> listed(int side, int base, const QList<int>& rolls) {
        ChosenDice dice(QList<int>{1} + rolls);
        std::vector<int> records;
        for (const ListedItem& t : drawAircraftList(side, base, 1941).types) records.push_back(t.data);
        return records;
    }
};

} // namespace

TEST_F(AircraftAcquisition, RandomListsOfEachSideAtItsBases) {
    const QList<Type> axisTypes = {{"IT Italia", 1940, 50},
                                   {"DE Germania", 1942, 0},
                                   {"IT Italia", 1941, 100},
                                   {"DE Germania", 1940, 30}};
    for (int base : {3, kSiracusa, kCastelvetrano}) {
        writeBaseFile(kAxis, base, axisTypes);
        G().BaseTable[base][BaseCol::PointsArrived] = 1000;
    }
    EXPECT_EQ(listed(kAxis, kCastelvetrano, {50, 125, 101, 125}), (std::vector<int>{1, 2, 4}))
        << "every German type at CASTELVETRANO";
    EXPECT_EQ(listed(kAxis, 3, {1, 1, 1, 1}), (std::vector<int>{1, 3})) << "no German type elsewhere";
    EXPECT_EQ(listed(kAxis, kSiracusa, {1, 1, 1, 30}), (std::vector<int>{1, 3, 4}))
        << "SIRACUSA takes any nation on the year and the availability";
    writeBaseFile(kAllies, 12, {{"GB Gran Bretagna", 1941, 100}, {"GB Gran Bretagna", 1942, 100}});
    G().BaseTable[12][BaseCol::PointsArrived] = 31;
    EXPECT_EQ(aircraftListRefusal(12), "");
    {
        ChosenDice dice({26, 100, 1});
        const AircraftDraw draw = drawAircraftList(kAllies, 12, 1941);
        EXPECT_EQ(dice.sides, (QList<int>{26, 100, 100}));
        EXPECT_EQ(draw.cost, 26);
        EXPECT_EQ(draw.acquirable, 17);
        ASSERT_EQ(draw.types.size(), 1u);
        EXPECT_EQ(draw.types[0].text, "CPT   Tipo 1" + QString(26, ' '));
    }
    EXPECT_EQ(savedBaseField(12, BaseCol::PointsUsed), "26") << "the list is paid for at once";
    EXPECT_EQ(aircraftListRefusal(12), "Punti spendibili insufficienti: 5, ne servono almeno 31");
    EXPECT_EQ(aircraftListRefusal(0), "Selezionare prima una base dalla lista");
    ChosenDice low({3, 1, 1, 1, 1});
    EXPECT_EQ(drawAircraftList(kAxis, 3, 1941).cost, 4) << "the cost is at least 4, for 2 aircraft";
}

TEST_F(AircraftAcquisition, APurchaseWritesTheBaseAircraftFileAndTheBaseTable) {
    Globals& g = G();
    g.CurrentSide = kAxis;
    writeBaseFile(kAxis, 1, {{"IT Italia", 1940, 100, 95}});
    g.BaseTable[1][BaseCol::PointsArrived] = 100;
    FrmMezziAerei& w = form<FrmMezziAerei>();
    EXPECT_EQ(w.caption(), "ACQUISIZIONE AEREI ASSE");
    EXPECT_EQ(w.List1.list(4), "(5)   SIRACUSA            DE");
    w.List1.doPick(0);
    EXPECT_EQ(w.Frame3.caption(), "TARANTO");
    EXPECT_EQ(w.List2.list(0), "CPT  Tipo 1" + QString(27, ' ') + " T:95   V:0");
    {
        ChosenDice dice({9, 1});
        w.Command2.doClick();
    }
    ASSERT_EQ(w.List3.listCount(), 1);
    EXPECT_EQ(w.Label10.caption(), "9");
    EXPECT_EQ(w.Label4.caption(), "6");
    // A list refused for want of points leaves the last one's aircraft to buy.
    g.BaseTable[1][BaseCol::PointsArrived] = 39;
    w.Command2.doClick();
    EXPECT_EQ(w.MessageLine.caption(), "Punti spendibili insufficienti: 30, ne servono almeno 31");
    EXPECT_EQ(w.purchase().acquirable, 6);
    g.BaseTable[1][BaseCol::PointsArrived] = 100;
    w.List3.doPick(0);
    EXPECT_EQ(w.Frame4.caption(), "Tipo 1");
    EXPECT_TRUE(w.Command3.enabled());
    for (int k = 0; k < 7; ++k) w.Command3.doClick();
    EXPECT_EQ(savedBaseField(1, BaseCol::AircraftPresent), "0") << "saved with the aircraft file only";
    EXPECT_EQ(w.MessageLine.caption(), "Nessun altro aereo acquisibile con questa lista");
    w.Command4.doClick();
    EXPECT_EQ(w.purchase().acquired, 5);
    EXPECT_EQ(g.BaseTable[1][BaseCol::AircraftPresent], 5);
    EXPECT_EQ(g.BaseTable[1][BaseCol::PointsUsed], 34);
    EXPECT_FALSE(w.Command1.enabled() || w.Command2.enabled() || w.List1.enabled() || w.List3.enabled());
    {
        testsupport::MessageBoxes boxes;
        EXPECT_FALSE(unloadForm(w, vbFormControlMenu)) << "aircraft added and not confirmed keep it open";
        EXPECT_EQ(boxes.titles, QStringList{"Chiudere senza salvare genera errori IRREVERSIBILI"});
    }

    w.Command5.doClick();
    openAircraftFile(1, baseAircraftFilePath(1), kAxis);
    EXPECT_EQ(readAircraft(1, 1).text(A::Pronti), "100") << "three digits kept";
    g.Files.close(1);
    EXPECT_EQ(w.List2.list(0), "CPT  Tipo 1" + QString(27, ' ') + " T:100  V:0");
    EXPECT_EQ(savedBaseField(1, BaseCol::AircraftPresent), "5");
    EXPECT_EQ(savedBaseField(1, BaseCol::PointsUsed), "34");
    EXPECT_FALSE(w.Command1.enabled()) << "one more aircraft may still be bought";
    w.Command6.doClick();
    EXPECT_TRUE(w.Command1.enabled());
    w.Command1.doClick();
    EXPECT_FALSE(isLoaded<FrmMezziAerei>());
}
