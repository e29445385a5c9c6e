// What the main window's overlays and reports of the hour show, as plain values the window draws
// or lists: the zones of the last activities, the naval contacts the side saw this hour, the
// detection radius of a base, and the commitment of a naval group against a contact.
#pragma once

#include "common/ContactRecord.h"

#include <QString>
#include <optional>
#include <vector>

struct MapCircle {
    int x, y, radius;
    long colour;
};

// Channels the reports use: the numbers the activity writer and the contact board use.
constexpr int kChannelActivities = 12;
constexpr int kChannelContacts = 13;
// Activities the zones show at most.
constexpr int kActivityZones = 120;

// The zones of the newest 120 activities, newest first: a blue circle of 140 less its age in
// records, and a red one of 180 less its age for the activities of the present hour (GameState
// item 2) among the newest B + 1, B being the newest record's running number.
std::vector<MapCircle> activityZones();

// The line of the contact list for a contact the side saw, with its record number.
struct ContactLine {
    QString text;
    int record;
};
// "GN:" group " N:" ships " K:" knots " (" distance ")", then " ATT" when the side attacks or
// " BmNv" for an enemy bombardment; nothing for a contact the side did not see or an air contact.
std::optional<QString> contactLine(const ContactRecord& c, int side);
// The lines of the hour's contacts (the last ContattiGestiti records of the contact file).
std::vector<ContactLine> contactLinesOfHour(int side);

// Detection radius of a base of this level in this weather; 0 for a level outside 1..6.
int baseDetectionRadius(int level, int weather);

// Committing the side's naval group against contact `record`: the side with the better detection
// value attacks; equal values let both attack. A group is committed once an hour (column 1 of the
// side's attack marks, cleared at the start of each hour).
enum class AttackCommit {
    Written,          // the record now carries the attack flags
    AlreadyCommitted, // the side's group of this contact attacks elsewhere (or here) this hour
    Outmatched,       // the enemy has the better detection value: nothing written
    NoGroup,          // the contact has no group of this side
    Failed,           // the record could not be read or written
};
struct AttackOutcome {
    AttackCommit result = AttackCommit::Failed;
    int group = 0;   // the side's group of the contact
    QString failure; // for Failed
};
AttackOutcome commitNavalAttack(int side, int record);
// The list line of a committed contact: "ATT" when it does not end in it already, then "?".
QString committedLine(const QString& line);
