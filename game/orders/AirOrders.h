// The rules of the air panel as plain values: the line of an air group in the list and the list
// filter, the enemy groups the side sighted, which order a group may take, the judgement of a
// target (range, hours to the target, margin, the base under a strike), the order written into the
// group's row, and the losses entered by hand. The panel's handlers (game/orders/FrmMain_air*.cpp)
// read the controls, call these and write the controls back.
#pragma once

#include "common/ContactRecord.h"

#include <QString>
#include <QStringList>
#include <optional>

// ---------------------------------------------------------------- the list

// "GA3/12-" the first 22 characters of the aircraft name " *" and the order tag: "7cp" for a patrol
// over naval group 7, "-pt", "-rc", "4ia" against group 4, "9bm" on base 9, else the target group.
QString airListLine(int side, int group);
// Whether a group's row is listed under `filter` (0 all, 1 interception, 2 reconnaissance, patrol
// or combat air patrol, 3 take-off or return, 4 more than 12 flight hours).
bool listedUnderAirFilter(const platform::Int16* row, int filter);

// ---------------------------------------------------------------- enemy groups sighted

// What a contact says of the two sides from the viewpoint of `side` (1 or 2).
struct ContactView {
    int enemyGroup = 0;
    int enemyCourse = 0;
    int enemyFires = 0;
    int viewerMargin = 0; // the viewer's sighting margin: above 1 identifies the ships
    int ownGroup = 0;
    int ownFires = 0;
};
ContactView contactView(const ContactRecord& c, int side);
// The line of the sighted-groups list for a contact in which `side` saw an enemy group with
// ships; none otherwise. " ATT" ends it when the side attacks with an air group that has aircraft
// in action.
std::optional<QString> airContactLine(const ContactRecord& c, int side);
// The enemy group's ships by class group, or "NAVI NON IDENTIF." for a margin of 1 or less; the
// submarines' part reads " SA/SC" in the air panel and " -SA/SC" in the contact panel.
QString enemyComposition(int enemySide, int enemyGroup, int viewerMargin, bool contactPanel);
// The naval contact panel's range: 210 less 10 a weather level.
int navalAttackRange(int weather);
// A naval contact (kind 1) closer than that range may be attacked.
bool navalAttackOffered(const ContactRecord& c, int weather);

// ---------------------------------------------------------------- the order

// The picked group's values an order choice looks at.
struct OrderGroupValues {
    int previousMode = 0; // MapClickMode before the choice
    int turnsDone = 0;    // hours flown on the present order (column 22)
    int torpedoes = 0;    // torpedoes a plane
    int bombs = 0;        // bombs a plane
    int targetGn = 0;     // the enemy group picked in the sighted-groups list
};
struct OrderChoice {
    bool accepted = false;
    QString caption;      // Label91: the order's caption, or "Non Permesso"
    QString reason;       // why a refused order is refused, for the message line
    int mapClickMode = 0; // what the next map press means when accepted
};
// The order label's word for a target the order may not have (a base of its own side).
extern const QString kTargetRefused;
// Every caption the order label (Label91) takes but the target's base name: each order's, and
// the words of a refused order and of a refused target.
QStringList airOrderCaptions();
// Order 1..7 for a group with these values.
OrderChoice chooseAirOrder(int order, const OrderGroupValues& v);
// Orders whose target is judged on the map or in the contact list (2 to 6).
bool orderHasTarget(int order);
// Why an interception has no target: no enemy group picked in the sighted-groups list.
QString noInterceptTargetReason();

// ---------------------------------------------------------------- the target

// The base whose 180 × 180 box holds the point (1..15, the first in order), 20 for none.
constexpr int kNoBaseUnder = 20;
int baseUnderPoint(int x, int y);
// The Allies strike the Axis bases 1..11; the Axis MALTA HQ, MALTA BS and GIBILTERRA (12..14).
bool strikeAllowed(int side, int base);

// The mission radius of a group of `speed` km/h and endurance `endurance` (as CerchioMissione draws
// it); the usable endurance and the mission speed of the state object are left as they were.
int missionRange(int speed, int endurance);
// The step the hours to a target are counted in: Int(miles × 10 / 8 + 0.5).
int targetStep(int miles);
// The step a map target shows and writes: Int(miles × 10 / 15).
int shownStep(int miles);
// Int(distance / step + delay); none for a step of 0 or a result beyond 16 bits.
std::optional<int> hoursToTarget(int distance, int step, int delay);
// The interception percentage of a target at `distance`: the band value (doubled while the map
// press sets the target) plus 5 for an enemy on fire; three times that for an interception.
int interceptPercentFor(int distance, int fireModifier, bool interception);

// Why a target is refused.
enum class TargetRefusal {
    None,
    NoGroup,    // no group picked, or not one of the side's groups in use
    NoOrder,    // no order 1..7 chosen
    NoTarget,   // no point, no enemy group, or no naval group to cover
    OutOfRange, // beyond the mission radius
    NoMargin,   // the usable endurance does not outlast the hours to the target
    BaseRefused // a strike on no base, an own base or ALESSANDRIA
};
// Everything the confirmation knows of the order in preparation.
struct AirOrderDraft {
    int side = 0;
    int group = 0;
    int order = 0;
    int originX = 0, originY = 0;       // the range centre
    int targetX = 0, targetY = 0;       // the pressed point
    int interceptX = 0, interceptY = 0; // the enemy group's point (order 5)
    int targetGn = 0;                   // the enemy group (order 5)
    int capGn = 0;                      // the naval group covered (order 2)
    int speed = 0, endurance = 0, takeOffDelay = 0;
};
// The order judged again from its values, as the confirmation must before it writes.
TargetRefusal checkAirOrder(const AirOrderDraft& d);

// ---------------------------------------------------------------- the order written

struct AirOrderRow {
    int order = 0;
    int targetGn = 0, targetBase = 0;
    int usableEndurance = 0;
    int targetX = 0, targetY = 0; // below 1: the group's origin
    int step = 0;                 // column 27, as the panel shows it
    int radius = 0;
    int contactTime = 0;
    std::optional<int> turnsToTarget = std::nullopt; // none: column 32 keeps what it held
    int searchTurns = 0;
    int interceptPercent = 0;
    int distance = 0;
    int mapClickMode = 0;
    int capGn = 0;
};
// Int(distance / step + 0.5) for column 32; none for a step of 0.
std::optional<int> turnsToTargetColumn(int distance, int step);
// Writes the order into row `group` of the side's table: a return (7) changes the order only;
// orders 1..6 write the target and start the group from its origin. Nothing is written for a
// group outside 1..50 or an order outside 1..7; false then.
bool writeAirOrder(int side, int group, const AirOrderRow& o);

// ---------------------------------------------------------------- losses entered by hand

struct LossEntry {
    bool accepted = false;
    int value = 0;         // the new damaged (column 5) or shot-down (column 6) count
    int remaining = 0;     // aircraft still flying
    bool sentHome = false; // no aircraft left: ordered home
};
// `answer` of the input box added to column 5 or 6 of the group: digits only (an empty answer is
// 0), and the damaged and shot down together never more than the group's aircraft.
LossEntry enterAirLosses(int side, int group, int column, const QString& answer);
