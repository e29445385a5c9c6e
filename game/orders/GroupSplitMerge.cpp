#include "GroupSplitMerge.h"

#include "Carriers.h"
#include "NavalOrders.h"
#include "common/AirGroups.h"
#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/GroupTables.h"
#include "common/NavalGroupValues.h"
#include "common/RecordFiles.h"
#include "common/SaveBatch.h"
#include "common/UnitLists.h"
#include "game/main/HourStart.h"
#include "platform/Files.h"

#include <cmath>
#include <vector>

namespace F = recordformat::ship;
using platform::numberTextWithSign;

namespace {
// Recomputes group `group` from its ships as an existing group: ship count and order stay, and the
// speed in use drops to the slowest ship's when that is lower.
void recomputeGroup(int group) {
    Globals& g = G();
    const Int16 selected = g.SelectedGn;
    g.SelectedGn = Int16(group);
    g.DepartingGn = Int16(group);
    RicalcolaGN();
    g.SelectedGn = selected;
}

void addToState(int alliedItem, long long amount) {
    Globals& g = G();
    const int item = StateItem::sideItem(g.CurrentSide, alliedItem);
    g.setState(item, g.state(item) + amount);
}

// The ship in the buffer taken out of the class counts of `from` and counted into those of `to`.
void moveClassCounts(int from, int to) {
    Globals& g = G();
    AzzeraContaClassi();
    g.CountedGn = Int16(from);
    LeggiClassiGN();
    TogliNaveDaClasse();
    ScriviClassiGN();
    g.CountedGn = Int16(to);
    LeggiClassiGN();
    ContaNaviPerClasse();
    ScriviClassiGN();
}

// Closes the group ships' channel however the routine leaves.
struct ChannelCloser {
    int channel;
    ~ChannelCloser() { G().Files.close(channel); }
};
} // namespace

bool splitAllowed(int group) {
    const int side = G().CurrentSide;
    if (!groupInUse(side, group)) return false;
    const Int16* r = G().gnTable(side)[group];
    return r[GnCol::Ships] > 1 && r[GnCol::OffMap] <= 0;
}

SplitMove moveShipToSplitGroup(int source, int target, int record) {
    Globals& g = G();
    const int side = g.CurrentSide;
    SplitMove out;
    if (!groupInUse(side, source) || target < 1 || target > kGroups || target == source) return out;
    GroupTable& t = g.gnTable(side);
    if (t[source][GnCol::Ships] < 2) return out;

    ShipRecord& s = g.ShipRecordBuffer;
    g.Files.close(kChannelGroupShips);
    {
        ChannelCloser closer{kChannelGroupShips};
        const int count = openShipFile(kChannelGroupShips, side);
        if (record < 1 || record > count) return out;
        readShip(kChannelGroupShips, record);
        if (s.whole(F::NUMERO_GN) != source) return out;
        // The ship is written first: when it cannot be, no table has changed.
        s.setNumber(F::NUMERO_GN, target);
        writeShip(kChannelGroupShips, record);
    }
    out.moved = true;
    out.carrier = isCarrierType(s.trimmed(F::TIPO));
    out.listText = QStringLiteral("(GN:") + numberTextWithSign(target) + QStringLiteral(") * ") +
                   s.text(F::TIPO) + u'_' + s.text(F::NOME).left(16);

    SaveBatch batch;
    Int16* from = t[source];
    Int16* to = t[target];
    to[GnCol::InUse] = 1;
    to[GnCol::Side] = Int16(side);
    to[GnCol::UnderWay] = 1;
    for (int c : {GnCol::MaxKnots, GnCol::Order, GnCol::Knots, GnCol::X, GnCol::Y, GnCol::Step, GnCol::Course,
                  GnCol::RouteHours, GnCol::HoursSinceFormed})
        to[c] = from[c];
    moveClassCounts(source, target);
    from[GnCol::Ships] -= 1;
    to[GnCol::Ships] += 1;
    if (out.carrier) moveCarrierAirGroups(side, source, target, record);

    recomputeGroup(target);
    recomputeGroup(source);
    addToState(StateItem::AcquisitionUsedAlle, kSplitPricePerShip);
    addToState(StateItem::SplitCountAlle, kSplitPricePerShip);
    SalvaDatiBasi();
    batch.commit();
    return out;
}

bool mergeGroups(int open, int joining) {
    Globals& g = G();
    const int side = g.CurrentSide;
    if (open == joining || !groupInUse(side, open) || !groupInUse(side, joining)) return false;

    // Every ship of the joining group is found before any is written.
    ShipRecord& s = g.ShipRecordBuffer;
    g.Files.close(kChannelGroupShips);
    {
        ChannelCloser closer{kChannelGroupShips};
        const int count = openShipFile(kChannelGroupShips, side);
        std::vector<int> moving;
        for (int r = 1; r <= count; ++r) {
            readShip(kChannelGroupShips, r);
            if (s.whole(F::NUMERO_GN) == joining) moving.push_back(r);
        }
        // A write that fails leaves the ships written so far to the handler's transaction, which
        // puts the ship file back with the tables.
        for (const int r : moving) {
            readShip(kChannelGroupShips, r);
            s.setNumber(F::NUMERO_GN, open);
            writeShip(kChannelGroupShips, r);
        }
    }

    SaveBatch batch;
    // Every air group tied to the joining group follows it, so that none names a freed group.
    moveCarrierAirGroups(side, joining, open, 0);
    GroupTable& t = g.gnTable(side);
    Int16* a = t[open];
    Int16* b = t[joining];
    a[GnCol::Knots] = 0;
    a[GnCol::Step] = 0;
    for (int c : {GnCol::Ships, GnCol::Carriers, GnCol::Capitals, GnCol::Destroyers, GnCol::MinorWarships,
                  GnCol::Submarines, GnCol::OtherShips})
        a[c] = saturate16(a[c] + b[c]);
    a[GnCol::HoursSinceFormed] =
        saturate16(platform::roundHalfEven((a[GnCol::HoursSinceFormed] + b[GnCol::HoursSinceFormed]) / 2.0));
    for (int c : {GnCol::ExtraUse, GnCol::RegularUse})
        a[c] = saturate16(static_cast<long long>(std::floor((a[c] + b[c]) / 2.0)));
    addToState(StateItem::NavalMovesAlle, b[GnCol::HoursUnderWay]);
    for (int c = 1; c <= kGroupColumns; ++c) b[c] = 0;
    recomputeGroup(open);
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    batch.commit();
    return true;
}

QString groupTextFileName(int side, int group) {
    return (side == kAxis ? QStringLiteral("AsseGN") : QStringLiteral("AlleGN")) + numberTextWithSign(group) +
           QStringLiteral(".txt");
}

QString groupTextShipLine(const ShipRecord& s) {
    auto pair = [&s](int first, int second) { return s.text(first) + u'/' + s.text(second); };
    return s.text(F::TIPO) + u' ' + s.text(F::CLASSE).left(16) + u' ' + s.text(F::NOME).left(16) +
           QStringLiteral(" Res:") + pair(F::RESISTENZA, F::RESISTENZAM) + QStringLiteral(" Knt:") +
           pair(F::NODI, F::NODIM) + QStringLiteral(" Ope:") + pair(F::OPERATIVITA, F::OPERATIVITAM) +
           QStringLiteral(" CAI/I:") + pair(F::C_A_INCENDIM, F::INCENDI_ATTIVI);
}

QString writeGroupTextFile(int group, int listed) {
    Globals& g = G();
    const QString folder = groupTextFolder();
    platform::makeFolder(folder);
    platform::TextWriter w;
    w.writeText(QStringLiteral("Lista Navi del GN:") + numberTextWithSign(group) +
                QStringLiteral("   Num.Navi:") + numberTextWithSign(listed));
    w.writeText(
        QStringLiteral("___CLASSE:__________NOME:___________________________________________________"));
    forEachShip(g.CurrentSide, [&](int) {
        if (group > 0 && g.ShipRecordBuffer.whole(F::NUMERO_GN) == group)
            w.writeText(groupTextShipLine(g.ShipRecordBuffer));
        return true;
    });
    const QString path = folder + u'\\' + groupTextFileName(g.CurrentSide, group);
    w.commit(path);
    return path;
}
