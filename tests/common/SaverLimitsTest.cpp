// The savers write nothing that the next opening would refuse: a value outside its range is
// refused before the file is touched, with the file, the line or record, the field, the value and
// the range named.
#include "CampaignFixture.h"
#include "common/BaseTable.h"
#include "common/CampaignChecks.h"
#include "common/CampaignRanges.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"
#include "platform/Files.h"

#include <QDir>
#include <QMap>
#include <functional>
#include <gtest/gtest.h>

using testsupport::readBytes;

namespace {

namespace S = recordformat::ship;
namespace A = recordformat::aircraft;

class SaverLimits : public ::testing::Test {
  protected:
    void SetUp() override {
        SalvaTabelleGruppi();
        SalvaDatiBasi();
    }
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> out;
        const QDir folder(platform::diskPath(G().GamesPath));
        for (const QString& name : folder.entryList(QDir::Files))
            out[name] = readBytes(folder.filePath(name));
        return out;
    }
    // `save` is refused with `told` and leaves every file as it was; `undo` puts the value back.
    void expectRefused(const std::function<void()>& save, const QString& told,
                       const std::function<void()>& undo) {
        const QMap<QString, QByteArray> before = files();
        try {
            save();
            ADD_FAILURE() << "saved: " << told.toStdString();
        } catch (const platform::FileError& e) {
            EXPECT_EQ(e.message(), told);
        }
        G().Files.closeAll();
        EXPECT_EQ(files(), before) << told.toStdString();
        undo();
    }
    CampaignFolder campaign;
};

} // namespace

TEST_F(SaverLimits, AValueTheOpeningWouldRefuseIsNotWritten) {
    Globals& g = G();
    const QString limit = QStringLiteral("Limite della campagna raggiunto: ");
    const QString bases = campaign.game("StackProvaDatiBasi.dat"),
                  state = campaign.game("StackProvaeventigioco.dat");

    // The base table and the game state: each end of a range, and no number.
    g.BaseTable[2][BaseCol::AircraftPresent] = -1;
    expectRefused(SalvaDatiBasi, limit + bases + ", riga 34, base 2, campo 4 (-1): deve essere tra 0 e 32767",
                  [&] { g.BaseTable[2][BaseCol::AircraftPresent] = 0; });
    g.BaseTable[15][BaseCol::ShipsPresent] = 32768;
    expectRefused(SalvaDatiBasi,
                  limit + bases + ", riga 430, base 15, campo 10 (32768): deve essere tra 0 e 32767",
                  [&] { g.BaseTable[15][BaseCol::ShipsPresent] = 0; });
    g.setState(StateItem::Day, 32767);
    expectRefused(SalvaDatiBasi, limit + state + ", riga 1, voce 1 (32767): deve essere tra 0 e 32766",
                  [&] { g.setState(StateItem::Day, 0); });
    g.setState(StateItem::ShipsLostAsse, 2147483648LL);
    expectRefused(SalvaDatiBasi,
                  limit + state + ", riga 19, voce 19 (2147483648): deve essere tra 0 e 2147483647",
                  [&] { g.setState(StateItem::ShipsLostAsse, 0); });
    g.GameState[StateItem::Weather] = QStringLiteral("nebbia");
    expectRefused(SalvaDatiBasi,
                  limit + state + ", riga 3, voce 3 (\"nebbia\"): deve essere un numero intero",
                  [&] { g.setState(StateItem::Weather, 0); });
    // A value with no range of its own holds whatever its cell holds.
    g.BaseTable[1][BaseCol::Unused1] = -100000;
    g.setState(StateItem::LossTotalAsse, -7);
    EXPECT_NO_THROW(SalvaDatiBasi());

    // A group in use has its counts' ranges; one not in use holds anything.
    g.GaTableAsse[3][GaCol::InUse] = 1;
    g.GaTableAsse[3][GaCol::ShotDown] = -2;
    expectRefused(SalvaTabelleGruppi,
                  limit + campaign.game("StackProvaAereiAsse.dat") +
                      ", riga 106, gruppo 3, colonna 6 (-2): deve essere tra 0 e 32767",
                  [&] { g.GaTableAsse[3][GaCol::InUse] = 0; });
    EXPECT_NO_THROW(SalvaTabelleGruppi()) << "the same row out of use";

    // A ship record and an aircraft line, written in place or appended.
    openShipFile(20, kAxis);
    ShipRecord& ship = g.ShipRecordBuffer;
    ship.setText(S::TIPO, QStringLiteral("CT"));
    appendShip(20);
    ship.setNumber(S::NUMERO_GN, 51);
    const QString ships = campaign.game("NaviAsseProva.dat");
    expectRefused([] { writeShip(20, 1); },
                  limit + ships + ", record 1, campo 36 NUMERO GN (\"51\"): deve essere tra 0 e 50",
                  [] { openShipFile(20, kAxis); });
    expectRefused([] { appendShip(20); },
                  limit + ships + ", record 2, campo 36 NUMERO GN (\"51\"): deve essere tra 0 e 50", [] {});
    G().Files.closeAll();
    g.BaseNames[12] = QStringLiteral("MALTA HQ");
    AircraftRecord line;
    line.setNumber(A::Pronti, -5);
    const QString malta = campaign.game("MALTA HQAereiAlleProva.dat");
    openAircraftFile(21, baseAircraftFilePath(12), kAllies);
    expectRefused([&line] { appendAircraft(21, line); },
                  limit + malta + ", record 1, campo 22 PRONTI (\"-5\"): deve essere tra 0 e 999", [] {});
}
