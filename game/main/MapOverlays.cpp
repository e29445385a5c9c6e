#include "MapOverlays.h"

#include "common/ContactFiles.h"
#include "common/Globals.h"
#include "platform/Colors.h"
#include "platform/Numbers.h"

#include <exception>

using namespace platform;

std::vector<MapCircle> activityZones() {
    Globals& g = G();
    std::vector<MapCircle> zones;
    const long long hour = g.state(StateItem::Hour);
    g.Files.close(kChannelActivities);
    int n = openActivityFile(kChannelActivities);
    long long newest = 0;
    if (n > 0) newest = roundHalfEven(readActivity(kChannelActivities, n).Number);
    for (int k = 0; n > 0 && k < kActivityZones; --n, ++k) {
        const ActivityRecord a = readActivity(kChannelActivities, n);
        zones.push_back({a.X, a.Y, 140 - k, vbBlue});
        if (a.Hour == hour && k <= newest) zones.push_back({a.X, a.Y, 180 - k, vbRed});
    }
    g.Files.close(kChannelActivities);
    return zones;
}

std::optional<QString> contactLine(const ContactRecord& c, int side) {
    if (c.STB2 >= kActAlliedAirOnShips && c.STB2 <= kActAxisAirStrike) return std::nullopt;
    const bool allies = side == kAllies;
    if (!allies && side != kAxis) return std::nullopt;
    if ((allies ? c.STVEDELATO1 : c.STVEDELATO2) != 1) return std::nullopt;
    // The enemy group the side saw.
    const int group = allies ? c.STNSTACKLATO2 : c.STNSTACKLATO1;
    const int ships = allies ? c.STNUMNAVILATO2 : c.STNUMNAVILATO1;
    const int knots = allies ? c.STNODILATO2 : c.STNODILATO1;
    QString line = QStringLiteral("GN:%1 N:%2 K:%3 (%4)").arg(group).arg(ships).arg(knots).arg(c.STDISTANZA);
    if ((allies ? c.STATTACCOLATO1 : c.STATTACCOLATO2) == 1)
        line += QStringLiteral(" ATT");
    else if (c.STB2 == (allies ? kActAxisBombardment : kActAlliedBombardment))
        line += QStringLiteral(" BmNv");
    return line;
}

std::vector<ContactLine> contactLinesOfHour(int side) {
    Globals& g = G();
    std::vector<ContactLine> lines;
    g.Files.close(kChannelContacts);
    const int m = openContactFile(kChannelContacts);
    if (g.ContattiGestiti > 0) {
        for (int r = firstRecordOfHour(m, g.ContattiGestiti); r <= m; ++r) {
            if (const auto text = contactLine(readContact(kChannelContacts, r), side))
                lines.push_back({*text, r});
        }
    }
    g.Files.close(kChannelContacts);
    return lines;
}

int baseDetectionRadius(int level, int weather) {
    int radius = 0;
    if (level == 1 || level == 2)
        radius = 1100;
    else if (level == 3 || level == 4)
        radius = 900;
    else if (level == 5 || level == 6)
        radius = 800;
    else
        return 0;
    return radius - 100 * weather;
}

namespace {
// Marks a side's group as committed to a record, unless it is committed already.
void commit(int side, int group, int record) {
    if (group < 1 || group > kGroups) return;
    Int16(&marks)[kGroups + 1][3] = side == kAllies ? G().GnAttackMarksAlle : G().GnAttackMarksAsse;
    if (marks[group][Globals::kMarkContact] <= 0) marks[group][Globals::kMarkContact] = Int16(record);
}
} // namespace

AttackOutcome commitNavalAttack(int side, int record) {
    Globals& g = G();
    AttackOutcome out;
    out.result = AttackCommit::Failed;
    if (side != kAllies && side != kAxis) return out;
    const int enemy = side == kAllies ? kAxis : kAllies;
    try {
        g.Files.close(kChannelContacts);
        const int count = openContactFile(kChannelContacts);
        if (record < 1 || record > count) {
            g.Files.close(kChannelContacts);
            out.failure = QStringLiteral("contatto %1 assente").arg(record);
            return out;
        }
        ContactRecord c = readContact(kChannelContacts, record);
        g.CurrentContact = c;
        out.group = side == kAllies ? c.STNSTACKLATO1 : c.STNSTACKLATO2;
        const auto& marks = side == kAllies ? g.GnAttackMarksAlle : g.GnAttackMarksAsse;
        if (out.group < 1 || out.group > kGroups) {
            out.result = AttackCommit::NoGroup;
        } else if (marks[out.group][Globals::kMarkContact] > 0) {
            out.result = AttackCommit::AlreadyCommitted;
        } else {
            const int own = side == kAllies ? c.STDIFVEVLATO1 : c.STDIFVEVLATO2;
            const int theirs = side == kAllies ? c.STDIFVEVLATO2 : c.STDIFVEVLATO1;
            if (own < theirs) {
                out.result = AttackCommit::Outmatched;
            } else {
                // Equal values let both groups attack: both are then committed to this contact.
                c.STATTACCOLATO1 = side == kAllies || own == theirs ? 1 : 0;
                c.STATTACCOLATO2 = side == kAxis || own == theirs ? 1 : 0;
                writeContact(kChannelContacts, record, c);
                g.CurrentContact = c;
                commit(side, out.group, record);
                if (own == theirs)
                    commit(enemy, enemy == kAllies ? c.STNSTACKLATO1 : c.STNSTACKLATO2, record);
                out.result = AttackCommit::Written;
            }
        }
        g.Files.close(kChannelContacts);
    } catch (const std::exception& e) {
        g.Files.close(kChannelContacts);
        out.result = AttackCommit::Failed;
        out.failure = QString::fromUtf8(e.what());
    }
    return out;
}

QString committedLine(const QString& line) {
    if (line.endsWith(QStringLiteral("ATT?"))) return line;
    return (line.endsWith(QStringLiteral("ATT")) ? line : line + QStringLiteral("ATT")) + u'?';
}
