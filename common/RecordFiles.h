// The campaign's ship and aircraft record files: their names, and record access on the numbered
// channels. Every ship record read or written goes through G().ShipRecordBuffer.
#pragma once

#include "common/records/RecordFormat.h"

#include <QString>
#include <functional>

using recordformat::AircraftRecord;
using recordformat::ShipRecord;

// GamesPath & "NaviAlle" / "NaviAsse" & CampaignName & ".dat" (side 1 / 2).
QString shipFilePath(int side);
// The base's name & "AereiAsse" (bases 1..11) or "AereiAlle" (12..15) & campaign & ".dat".
QString baseAircraftFileName(int base, const QString& campaign);
// That file of the open campaign in GamesPath.
QString baseAircraftFilePath(int base);
// The carrier code of carrier n, as its ship record's field 34 holds it: "P" & n.
QString carrierCode(int n);
// GamesPath & the trimmed carrier code & CampaignName & ".dat".
QString carrierAircraftFilePath(const QString& code);

// Opens the side's ship file on a channel for records of 179 bytes, after setting PathNaviAlle or
// PathNaviAsse to it; SelectedItem and the result are its record count. With no side in play
// nothing is opened and the result is 0. A file missing while the side's groups or ports count
// ships, or one that is not a whole number of records, raises platform::FileError: nothing is
// made or read.
int openShipFile(int channel, int side);
// Opens the side's ship file on the ships' channel (2) and reads its records in order into
// ShipRecordBuffer, calling visit with each record number until it returns false; then closes the
// channel. With no side in play nothing is read.
void forEachShip(int side, const std::function<bool(int record)>& visit);
// Record access through ShipRecordBuffer on a channel opened for ship records.
void readShip(int channel, int record);
void writeShip(int channel, int record);
int appendShip(int channel); // written at count + 1; returns the record number
// The number of ship records written through writeShip and appendShip so far: a routine that
// keeps what it learnt of a ship file knows by it whether the file has changed since.
long long shipRecordWrites();

// Opens an aircraft file (a base's or a carrier's) for the side on a channel for records of 149
// bytes, after setting PathAereiAlle or PathAereiAsse to it; returns its record count. A file
// that is not a whole number of records raises platform::FileError.
int openAircraftFile(int channel, const QString& path, int side);
AircraftRecord readAircraft(int channel, int record);
void writeAircraft(int channel, int record, const AircraftRecord& aircraft);
int appendAircraft(int channel, const AircraftRecord& aircraft);

// A record file of a new campaign made from a side archive: `target` written anew, empty, then
// given the records of `archive` that `keep` accepts, in their order, the dropped ones closed up;
// `prepare`, when given, sees each record first, dropped or not. With no archive the target stays
// empty. Ship records pass through ShipRecordBuffer. Channels 1 and 2 are used, and every channel
// is closed after.
void copyShipRecords(const QString& archive, const QString& target,
                     const std::function<bool(const ShipRecord&)>& keep,
                     const std::function<void(ShipRecord&)>& prepare = {});
void copyAircraftRecords(const QString& archive, const QString& target,
                         const std::function<bool(const AircraftRecord&)>& keep);
