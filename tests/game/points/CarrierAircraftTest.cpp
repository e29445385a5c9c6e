// The Allied carriers' aircraft: the flight line that embarks aircraft against acquisition points
// and the view of the aircraft on board the carriers in service.
#include "PointsCampaign.h"
#include "common/RecordFiles.h"
#include "game/points/FrmStatusPort.h"
#include "game/points/FrnLineaV.h"
#include "tests/game/main/ShipFiles.h"
#include "tests/support/LayoutCheck.h"

using namespace platform;
using namespace carriers;
namespace F = recordformat::ship;
namespace A = recordformat::aircraft;

namespace {

struct Type {
    const char* name;
    int year;
    int cost;
    int ready = 0;
    int inFlight = 0;
    int lost = 0;
};

class CarrierAircraft : public PointsCampaign {
  protected:
    void SetUp() override {
        PointsCampaign::SetUp();
        Globals& g = G();
        g.GameSettings[3] = 1941;
        g.GameSettings[4] = 100;
        using shipfiles::addShip;
        addShip(kAllies, {{F::NOME, "Ark Royal"},
                          {F::TIPO, "PA"},
                          {F::AEREI, 3},
                          {F::AEREIM, 1},
                          {F::CodicePortaerei, "P1"},
                          {F::PORTO, kGibilterra}});
        addShip(kAllies, {{F::NOME, "Eagle"},
                          {F::TIPO, "PL"},
                          {F::AEREI, 21},
                          {F::CodicePortaerei, "P2"},
                          {F::PORTO, kAlessandria}});
        addShip(kAllies, {{F::NOME, "Illustrious"},
                          {F::TIPO, "PA"},
                          {F::STATUS, 3},
                          {F::CodicePortaerei, "P3"},
                          {F::PORTO, kGibilterra}});
        addShip(kAllies, {{F::NOME, "Formidable"},
                          {F::TIPO, "PA"},
                          {F::Cancellato, "XXX"},
                          {F::CodicePortaerei, "P4"},
                          {F::PORTO, kGibilterra}});
        addShip(kAllies, {{F::NOME, "Victorious"},
                          {F::TIPO, "PA"},
                          {F::STATUS, 0},
                          {F::CodicePortaerei, "P5"},
                          {F::PORTO, kGibilterra}});
        addShip(kAllies,
                {{F::NOME, "Indomitable"}, {F::TIPO, "PA"}, {F::CodicePortaerei, "P6"}, {F::NUMERO_GN, 7}});
        addShip(kAllies, {{F::NOME, "Hermes"}, {F::TIPO, "PL"}, {F::CodicePortaerei, "P7"}, {F::PORTO, 12}});
        addShip(kAllies, {{F::NOME, "Jervis"}, {F::PORTO, kGibilterra}});
        writeAirFile(
            "P1",
            {{"Fairey Fulmar", 1940, 5, 1, 2, 3}, {"Grumman Wildcat", 1942, 7}, {"Swordfish", 1936, 8}});
    }
    void writeAirFile(const QString& code, const QList<Type>& types) {
        openAircraftFile(1, carrierAircraftFilePath(code), kAllies);
        for (const Type& t : types) {
            AircraftRecord a;
            a.setText(A::Nazione, "GB Gran Bretagna");
            a.setText(A::Nome, t.name);
            a.setText(A::Ruolo, "CPI");
            a.setNumber(A::Anno, t.year);
            a.setNumber(A::Costo, t.cost);
            a.setText(A::Silurante, "S");
            a.setText(A::Bombardiere, "-");
            a.setText(A::Imbarcato, "1");
            a.setNumberWithSign(A::Pronti, t.ready);
            a.setNumberWithSign(A::InVolo, t.inFlight);
            a.setNumberWithSign(A::Persi, t.lost);
            appendAircraft(1, a);
        }
        G().Files.close(1);
    }
    AircraftRecord airRecord(const QString& code, int record) {
        openAircraftFile(1, carrierAircraftFilePath(code), kAllies);
        const AircraftRecord a = readAircraft(1, record);
        G().Files.close(1);
        return a;
    }
    QStringList items(const ListBox& l) {
        QStringList out;
        for (int i = 0; i < l.listCount(); ++i) out << l.list(i);
        return out;
    }
};

LineValues values(long long points, long long space, long long used, long long type, long long cost) {
    LineValues v{};
    v[PointsLeft] = points;
    v[Space] = space;
    v[SpaceUsed] = used;
    v[TypeEmbarked] = type;
    v[UnitCost] = cost;
    return v;
}

} // namespace

TEST_F(CarrierAircraft, PlusNeedsThirtyPointsAndNeverTakesThemBelowZero) {
    EXPECT_FALSE(canEmbark(values(29, 10, 0, 0, 5))) << "even for a type costing less";
    LineValues v = values(34, 10, 0, 0, 30);
    EXPECT_TRUE(canEmbark(v));
    EXPECT_TRUE(embarkOne(v));
    EXPECT_EQ(v[PointsLeft], 4);
    EXPECT_FALSE(canEmbark(v)) << "below 30 after the aircraft";
    EXPECT_FALSE(canEmbark(values(40, 10, 0, 0, 41))) << "a type costing more than the points left";
    LineValues full = values(100, 3, 3, 1, 5);
    EXPECT_FALSE(embarkOne(full)) << "no room on the carrier";
    EXPECT_EQ(full[PointsLeft], 100);
    LineValues none = values(100, 3, 2, 0, 5);
    EXPECT_FALSE(disembarkOne(none)) << "none of the type on board";
}

TEST_F(CarrierAircraft, EmbarkingAtGibilterraWritesTheAirFileTheShipAndChargesThePoints) {
    FrnLineaV& w = form<FrnLineaV>();
    EXPECT_EQ(w.Label3.caption(), "1941");
    EXPECT_EQ(items(w.List1), (QStringList{"P1 PA Ark Royal    3/1 GI", "P2 PL Eagle        21/0 AL"}))
        << "only the carriers in service at GIBILTERRA and ALESSANDRIA";
    EXPECT_FALSE(w.Command2.enabled());
    w.List1_Click();
    w.List2_Click();
    EXPECT_TRUE(w.Command1.enabled()) << "a click with nothing selected does nothing";
    w.List1.doPick(0);
    EXPECT_EQ(w.Frame1.caption(), "Ark Royal");
    EXPECT_EQ(w.Label5.caption(), "GIBILTERRA");
    EXPECT_EQ(items(w.List2),
              (QStringList{"CPI Fairey Fulmar  -/S [1940]", "CPI Swordfish      -/S [1936]"}));
    EXPECT_FALSE(w.Command1.enabled());
    EXPECT_FALSE(w.List1.enabled());
    w.List2.doPick(0);
    const QStringList shown = {"100", "3", "1", "1", "5", "5"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w.Label1[i].caption(), shown[i]) << i;
    EXPECT_TRUE(w.Command2.enabled());
    EXPECT_TRUE(w.Command3.enabled());
    EXPECT_EQ(testsupport::layoutAndTitleFaults(w), "");
    EXPECT_EQ(testsupport::tabFaults(w), "");

    for (int k = 0; k < 3; ++k) w.Command2.doClick();
    EXPECT_EQ(w.values()[SpaceUsed], 3) << "the third aircraft finds no room";
    EXPECT_EQ(w.values()[PointsLeft], 90);
    EXPECT_EQ(w.Label1[5].caption(), "15");
    EXPECT_FALSE(w.List2.enabled());
    w.Command3.doClick();
    EXPECT_EQ(w.values()[PointsSpent], 5);
    EXPECT_EQ(savedState(StateItem::AcquisitionUsedAlle), "0") << "nothing charged before saving";

    w.Command5.doClick();
    EXPECT_EQ(savedState(StateItem::AcquisitionUsedAlle), "5");
    EXPECT_EQ(airRecord("P1", 1).whole(A::Pronti), 2);
    EXPECT_EQ(shipfiles::field(kAllies, 1, F::AEREIM), 2);
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_EQ(w.List2.listCount(), 0);
    EXPECT_EQ(w.Label1[0].caption(), "0");
    EXPECT_EQ(w.List1.list(0), "P1 PA Ark Royal    3/2 GI");

    // Disembarked aircraft give their points back.
    w.List1.doPick(0);
    w.List2.doPick(0);
    w.Command3.doClick();
    w.Command3.doClick();
    EXPECT_FALSE(w.Command3.enabled());
    w.Command4.doClick();
    EXPECT_EQ(airRecord("P1", 1).whole(A::Pronti), 2) << "reset writes nothing";
    w.List1.doPick(0);
    w.List2.doPick(0);
    w.Command3.doClick();
    w.Command5.doClick();
    EXPECT_EQ(savedState(StateItem::AcquisitionUsedAlle), "0");
    EXPECT_EQ(shipfiles::field(kAllies, 1, F::AEREIM), 1);

    // A carrier without an air file lists no aircraft and makes no file.
    w.List1.doPick(1);
    EXPECT_EQ(w.List2.listCount(), 0);
    EXPECT_FALSE(fileExists(carrierAircraftFilePath("P2")));
    w.Command4.doClick();
    w.Command1.doClick();
    EXPECT_FALSE(isLoaded<FrnLineaV>());
}

TEST_F(CarrierAircraft, TheAircraftOnBoardTheCarriersInService) {
    FrmStatusPort& w = form<FrmStatusPort>();
    EXPECT_EQ(items(w.List1), (QStringList{"P1 PA Ark Royal    3/1 GI", "P2 PL Eagle        21/0 AL",
                                           "P6 PA Indomitable  0/0 GN: 7", "P7 PL Hermes       0/0 MA"}));
    w.List1.doPick(0);
    EXPECT_EQ(w.Label3.caption(), "Ark Royal" + QString(21, ' ') + "  P1");
    EXPECT_EQ(items(w.List2), (QStringList{"CPI Fairey Fulmar  -/S [1940]   p:1  v:2  a:3",
                                           "CPI Swordfish      -/S [1936]   p:0  v:0  a:0"}));
    w.List2.doPick(0);
    EXPECT_EQ(testsupport::layoutAndTitleFaults(w), "");
    EXPECT_EQ(testsupport::tabFaults(w), "");
    EXPECT_EQ(w.Label2[0].caption(), "1");
    EXPECT_EQ(w.Label2[1].caption(), "2");
    EXPECT_EQ(w.Label2[2].caption(), "3");
    w.List1.doPick(1);
    EXPECT_EQ(w.Label2[0].caption(), "");
    w.Command1.doClick();
    EXPECT_FALSE(isLoaded<FrmStatusPort>());
}
