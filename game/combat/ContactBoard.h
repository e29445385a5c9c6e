// The rules of the contact board apart from its window: which of the hour's contacts it lists and
// how, who attacks whom in a contact, the groups near the attacked one, the defender's alert
// state, the hand-over to the attack windows, and the plot's scale.
#pragma once

#include "common/ContactRecord.h"

#include <QRect>
#include <QString>
#include <vector>

namespace contactboard {

// Contact-file channel of the board.
constexpr int kChannel = 13;

// The plot's scale: twips per map unit of a naval group's offset, and its step 1..9 (the index of
// the NearValues caption).
constexpr double kDefaultPlotScale = 3.4;
constexpr int kDefaultPlotStep = 5;
constexpr double kPlotScaleChange = 0.8;
constexpr int kFirstPlotStep = 1;
constexpr int kLastPlotStep = 9;
// Air groups are plotted at a fixed 1.5 twips per map unit, whatever the scale.
constexpr double kAirPlotScale = 1.5;

// Side colours of the board and the plot.
long sideColour(int side);
// "ALLE" or "ASSE" for side 1 or 2.
QString sideCaption(int side);
// The side a board caption names ("ALLE", "ASSE" with blanks around allowed), 0 for any other.
int sideOfCaption(const QString& caption);

// A group's row in a side's naval or air table; a row of zeros for a number outside 1..50.
const Int16* navalRow(int side, int group);
const Int16* airRow(int side, int group);

// A side's values in a contact record.
struct ContactSide {
    int side = 0;
    int sees = 0, group = 0, die = 0, attacks = 0, course = 0, ships = 0, knots = 0;
};
ContactSide contactSide(const ContactRecord& c, int side);

// The side that saw and attacks in a contact (the Allies first), 0 when neither did.
int seeingAttacker(const ContactRecord& c);
// The side that attacks on the attack path (the Allies first, whether or not they saw), 0 none.
int strikingSide(const ContactRecord& c);
// Kinds 6 to 9: air strikes and naval bombardments of bases.
bool isBaseAttack(int kind);
// Kinds 2 to 5: the attacker's number is an air group.
bool isAirContact(int kind);

// A base's name, or "NESSUNA BASE" for a number outside 1..15 (an air group sent at no base).
QString baseNameOrNone(int base);
// The short name of a course 0..8 (entry 0 is empty); empty outside that range.
QString courseText(int course);

// An item of a board list: its text and its ItemData.
struct ListItem {
    QString text;
    int data = 0;
};

// The board's line for a contact; no text when the board does not list it.
QString contactLine(const ContactRecord& c);
// The hour's contacts, oldest first: the last `hourCount` records of the contact file (never
// record 0 or before, whatever the count), read on the board's channel, which is closed again.
std::vector<ListItem> hourContacts(int hourCount, int* recordsRead = nullptr);

// The main window's boxes that send a contact to its attack window, ticked, or leave it to be fought
// by hand, unticked; by the names the boxes show the player.
extern const QString kPatrolBox;      // "PATROL AUTO/MANUALE"
extern const QString kAirStrikeBox;   // "BOMB. AEREO AUTO/MANUALE"
extern const QString kBombardmentBox; // "BOMB. NAVALE AUTO/MANUALE"
// The box that would send the contact to an attack window when none of its boxes is ticked: its
// name, the first one the contact calls for; empty when a ticked box sends it already, or when no
// box would (no side attacks, or no attack window fights such a contact).
QString boxToTick(const ContactRecord& c, int autoPatrol, int autoBombAir, int autoBombNaval);
// The message line's words for a contact left to be fought by hand: the box to tick.
QString boxToTickText(const QString& box);

// The attack time: the hour before the game's hour ("23" at hour 0), a colon and 4 x the roll.
QString attackTime(long long hour, int roll);

// The defender's alert state by the die difference (attacker's die minus defender's), naval
// contacts only.
QString alertCaption(int dieDifference);
extern const QString kPatrolAlert;

// A group near the attacked one: a naval group (for the neighbours' list) or an air group flying
// combat air patrol over one of them (for the patrols' list), with the point it is plotted at.
struct NearEntry {
    bool air = false;
    ListItem item;
    int x = 0, y = 0;
};
// The naval groups of `side` lying less than 241 map units from (x, y), `exclude` left out, and
// the air groups patrolling over any of them (over `exclude` too), in table order. Neighbours are
// shown with the side's contact course; `blankBeforeGn` puts a blank between the distance and
// "GN". TargetDistance keeps the last distance worked out.
std::vector<NearEntry> nearGroups(int side, int x, int y, int exclude, int course, bool blankBeforeGn);

// The attacker's line of a naval contact (kind 1), with ItemData the group.
ListItem navalAttackerItem(const ContactRecord& c, int side, long long hour);
// The attacker's line of an air contact (kinds 2 to 5).
ListItem airAttackerItem(const ContactRecord& c, int side, long long hour);
// The attacker's line on the attack path: air group for class 2, naval group for class 1, no
// text for any other class.
ListItem strikeAttackerItem(const ContactRecord& c, int side, long long hour);

// The class counts of the attacking naval group of a bombardment, for the message line (empty
// when no side attacks).
QString attackingGroupClasses(const ContactRecord& c);

// Fills OperationContext elements 1 to 4, 8 to 17 and 20 from the contact in the contact-record
// buffer (CurrentContact), record number `record`.
void CompilaContestoOperazione(int record);
// The attack path's part: elements 5 to 7 (attacking side, its group, the attacker's class).
void fillAttacker(int side);

// The detail a side list shows for its group on a double-click.
QString patrolDetail(int side, int group);       // an air group over a naval group
QString navalOrderDetail(int side, int group);   // a naval group's order
QString attackingAirDetail(int side, int group); // the attacking air group

// The plot's offset of a group `delta` map units away at `scale`, to the nearest twip.
int plotOffset(double scale, int delta);

// The words of the board for the hour's contact records it does not list (sightings with no
// attack), `listed` of the `read` records listed; empty when it lists them all.
QString unlistedContactsText(int read, int listed);

// The first places of the board and of its plot on a screen's free area, top left of each client
// area: the board at the bottom left, over the land of the map's corner, the plot just above it;
// on a screen too low for both, the plot at the board's right. `title` and `border` are the frame
// the window manager adds above and around a client area.
struct BoardPlaces {
    QPoint board, plot;
};
BoardPlaces boardPlaces(const QRect& area, const QSize& board, const QSize& plot, int title, int border);

} // namespace contactboard
