// The ship class card read from the cards Torvcard writes (the shipped ones in data/Navi are).
#include "game/main/frmNaveClasse.h"

#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/Messages.h"
#include "common/ReferenceLists.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;
namespace f = recordformat::ship;

namespace {

class ClassCard : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        buildPathGlobals();
        CaricaTabelleNomi();
        setMessageLineSinks([this](const QString& t) { messageLine = t; }, {});
    }
    void TearDown() override {
        setMessageLineSinks({}, {});
        platform::testing::resetForms();
        resetGlobals();
    }
    static void ship(const QString& cls, const QString& type, const QString& nation, const QString& year) {
        recordformat::ShipRecord& r = G().ShipRecordBuffer;
        r = recordformat::ShipRecord();
        r.setText(f::CLASSE, cls);
        r.setText(f::TIPO, type);
        r.setText(f::NAZIONE, nation);
        r.setText(f::ANNODATI, year);
    }
    testsupport::ProgramFolder folder;
    QString messageLine;
};

} // namespace

TEST_F(ClassCard, TheCardOfTheShipsClassFillsTheWindow) {
    ship(QStringLiteral("Hood"), QStringLiteral("IB"), QStringLiteral("GB"), QStringLiteral("1940"));
    ASSERT_TRUE(SchedaClasseNave()) << messageLine.toStdString();
    const ShipValues card = readShipCard(folder.file("Navi/GB Gran Bretagna/HoodIB1940.sns"));
    frmNaveClasse& w = form<frmNaveClasse>();
    EXPECT_EQ(w.caption(), "Hood - IB  (GB Gran Bretagna)");
    EXPECT_EQ(w.Label1[0].caption(), card[7]) << "tonnage";
    EXPECT_EQ(w.Label1[2].caption(), card[16]) << "cost";
    EXPECT_EQ(w.Label1[10].caption(), card[31]) << "vertical armour";
    EXPECT_EQ(w.Label1[18].caption(), card[24]) << "main guns";
    EXPECT_EQ(w.Label1[30].caption(), card[50]) << "AA machine guns";
    const double aa = leadingNumber(card[42]) + leadingNumber(card[45]) + leadingNumber(card[48]);
    EXPECT_GT(aa, 0);
    EXPECT_EQ(w.Label1[29].caption(), numberText(aa)) << "the AA guns' total, also from quoted values";
    EXPECT_EQ(w.Label2[29].caption(), "TOT. AAC  CANNONI");
}

TEST_F(ClassCard, AMissingCardIsToldOnTheMessageLine) {
    ship(QStringLiteral("Nessuna"), QStringLiteral("CT"), QStringLiteral("IT"), QStringLiteral("1940"));
    EXPECT_FALSE(SchedaClasseNave());
    EXPECT_EQ(messageLine, "SCHEDA CLASSE NON TROVATA: NessunaCT1940.SNS");
    EXPECT_FALSE(isLoaded<frmNaveClasse>());

    // The path is built from the record as it stands: blanks kept, an unknown nation has no folder.
    ship(QStringLiteral("Hood"), QStringLiteral("I"), QStringLiteral("XX"), QStringLiteral("40"));
    EXPECT_TRUE(classCardPath(G().ShipRecordBuffer).endsWith(QStringLiteral("\\NAVI\\\\HoodI 40  .SNS")))
        << classCardPath(G().ShipRecordBuffer).toStdString();
}
