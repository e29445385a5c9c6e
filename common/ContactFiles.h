// The campaign's activity and contact files: the writers the hourly passes call when something is
// sighted or attacked, and record access for the readers. Both files only grow; the records of
// the present hour are the last GameState item 10 (activities) and item 11 (contacts) ones.
//
// Every contact writer builds its record from zero: a field the writer does not set is 0, not
// whatever the previous contact left there, so that a record says only what its writer found.
// The record written stays in CurrentContact.
#pragma once

#include "common/ContactRecord.h"

#include <QString>

QString activityFilePath(); // GamesPath & CampaignName & "Attivita.dat"
QString contactFilePath();  // GamesPath & CampaignName & "Contatto.dat"

// STMOSSA: the number read from the day's digits followed directly by the hour's (day 3, hour 14
// give 314). From day 328 on the text no longer fits 16 bits; the stamp is then held at 32767.
int moveStamp(long long day, long long hour);

// Appends an activity record of ActivityKind at the position of its kind, after raising
// ActivityCount and saving it as GameState item 10; LastActivityRecord := its record number.
// Channel 12.
void ScriviAttivita();
// Naval encounter and base sightings (kinds 1..3), channel 13.
void ScriviContattoGN();
// Reconnaissance sighting (kinds 4 and 5), channel 17; nothing when no unit acts or ActivityKind
// is 10.
void ScriviContattoRicognizione();
// Air group of CurrentSide at its target, channel 17; same guard.
void ScriviContattoGA();
// Naval bombardment of a base by CurrentSide's group, channel 17; same guard.
void ScriviContattoGN2();

// Record access on channels opened with the record's length.
int openActivityFile(int channel); // returns the record count
int openContactFile(int channel);
ActivityRecord readActivity(int channel, int record);
ContactRecord readContact(int channel, int record);
void writeContact(int channel, int record, const ContactRecord& contact);
// The number of the first record of the present hour in a file of fileCount records whose hour
// wrote hourCount of them (never below 1, so a count larger than the file reads the whole file).
int firstRecordOfHour(int fileCount, int hourCount);
