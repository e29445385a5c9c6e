#include "LostShipList.h"

#include "common/Globals.h"
#include "platform/Colors.h"
#include "platform/Files.h"

#include <algorithm>

namespace lostships {

namespace {

// The place of a loss: on the map, or on one of the Allies' off-map routes.
constexpr int kGibraltarRoute = 1;
constexpr int kAlexandriaRoute = 2;

// Records first..last of the file, each in its side's list.
Losses listRecords(int first, int last) {
    Losses losses;
    if (first > last) return losses;
    const platform::RecordFile file(lostShipFilePath(), LostShipRecord::kLength);
    for (int i = first; i <= last; ++i) {
        const LostShipRecord r = decodeLostShip(file.get(i));
        SideLosses& side = r.Side == kAllies ? losses.allies : losses.axis;
        side.lines.push_back({lossLine(r), i});
        side.ships += 1;
        side.tonnage += r.Tonnage;
    }
    return losses;
}

QString whenText(const LostShipRecord& r) {
    return QStringLiteral("Il %1° giorno di campagna alle ore: %2").arg(r.Day + 1).arg(r.Hour);
}

} // namespace

QString lossLine(const LostShipRecord& r) {
    return r.Type + u' ' + r.Name + u' ' + QString::number(r.Tonnage);
}

Losses lossesOfLastHour(long long sunk) {
    const int count = lostShipCount();
    // A count beyond the file's records lists what the file holds.
    const long long first = std::max<long long>(1, count - sunk + 1);
    return sunk > 0 ? listRecords(int(first), count) : Losses{};
}

Losses allLosses() {
    return listRecords(1, lostShipCount());
}

LossMark lossMark(const LostShipRecord& r, bool alliedList) {
    LossMark m;
    m.text = QStringLiteral("X ") + r.Name;
    m.colour = r.Side == kAllies ? platform::vbYellow : platform::vbBlack;
    m.message = whenText(r);
    if (alliedList && (r.Place == kGibraltarRoute || r.Place == kAlexandriaRoute)) {
        m.message.prepend(r.Place == kGibraltarRoute ? QStringLiteral("Rotta Gibilt. ")
                                                     : QStringLiteral("Rotta Aless. "));
        return m;
    }
    // A ship lost in port has no group and so no point of its own (0, 0).
    if (r.X != 0 || r.Y != 0)
        m.at = std::pair{r.X, r.Y};
    else if (r.Port >= 1 && r.Port <= kBases)
        m.at = std::pair{int(G().BaseMapXY[r.Port][1]), int(G().BaseMapXY[r.Port][2])};
    return m;
}

} // namespace lostships
