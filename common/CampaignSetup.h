// A campaign's general settings (name & ".Stp"), the six per-base set-up columns and the mine
// fields with their map rectangles. Every file here is a text file of one whole number a line.
#pragma once

#include "Globals.h"

#include <QString>
#include <array>

// One per-base set-up file: its name stem and the table it fills.
struct SetUpColumn {
    const char* stem;
    BaseColumn Globals::*table;
};
constexpr int kSetUpColumns = 6;
// In the order the files are read: PortoSetUp, AeroPortoSetUp, BaseSetUp, PuntiSetUp, NaviSetUp,
// AereiSetUp.
const std::array<SetUpColumn, kSetUpColumns>& setUpColumns();

QString settingsFilePath();          // GamesPath & CampaignName & ".Stp"
QString setUpFilePath(int column);   // GamesPath & stem & CampaignName & ".txt", column 0..5
QString mineFilePath();              // GamesPath & CampaignName & "mine.dat"
QString mineRectFilePath(int bound); // DataPath & "\Minex1.txt", ..., bound 0..3: x1, x2, y1, y2

// Writers for the new-campaign windows: items 1..28 of the settings, bases 1..15 of a set-up
// column, each on channel 1, then every channel closed.
void writeSettingsFile(const std::array<long long, kSettings + 1>& items);
void writeSetUpFile(int column, const std::array<long long, kBases + 1>& values);

// Reads the six set-up files, the settings and the four mine-rectangle lists, each on channel 1
// followed by closing every channel. Nothing is changed unless every file reads whole: a missing
// or short file, or a value out of range, raises platform::FileError naming it.
void CaricaSetUpGioco();
// Writes MineFields (fields 1..24, rows 1..5) on channel 4, then closes every channel.
void SalvaMine();
// Reads the mine file back the same way, all or nothing.
void CaricaMine();
