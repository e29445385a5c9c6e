#include "CampaignSetup.h"

#include "DataFolder.h"
#include "SaveBatch.h"

namespace {

const std::array<SetUpColumn, kSetUpColumns> kColumns = {{
    {"PortoSetUp", &Globals::BasePortLevel},
    {"AeroPortoSetUp", &Globals::BaseAirfieldLevel},
    {"BaseSetUp", &Globals::BaseLevel},
    {"PuntiSetUp", &Globals::BasePoints},
    {"NaviSetUp", &Globals::BaseShipCapacity},
    {"AereiSetUp", &Globals::BaseAircraftCapacity},
}};

const char* const kRectFiles[4] = {"Minex1.txt", "Minex2.txt", "Miney1.txt", "Miney2.txt"};

} // namespace

const std::array<SetUpColumn, kSetUpColumns>& setUpColumns() {
    return kColumns;
}

QString settingsFilePath() {
    return campaignPath(G().CampaignName + ".Stp");
}

QString setUpFilePath(int column) {
    return campaignPath(kColumns.at(column).stem + G().CampaignName + ".txt");
}

QString mineFilePath() {
    return campaignPath(G().CampaignName + "mine.dat");
}

QString mineRectFilePath(int bound) {
    return G().DataPath + "\\" + kRectFiles[bound];
}

void writeSettingsFile(const std::array<long long, kSettings + 1>& items) {
    writeOnChannel(kChannelLists, settingsFilePath(), CloseRule::AllChannels, [&](platform::TextWriter& w) {
        for (int i = 1; i <= kSettings; ++i) w.writeNumber(items[i]);
    });
}

void writeSetUpFile(int column, const std::array<long long, kBases + 1>& values) {
    writeOnChannel(kChannelLists, setUpFilePath(column), CloseRule::AllChannels,
                   [&](platform::TextWriter& w) {
                       for (int b = 1; b <= kBases; ++b) w.writeNumber(values[b]);
                   });
}

void CaricaSetUpGioco() {
    Int16 columns[kSetUpColumns][kBases + 1];
    Int32 settings[kSettings + 1];
    Int16 rects[4][kMineFields + 1];
    for (int c = 0; c < kSetUpColumns; ++c)
        readOnChannel(kChannelLists, setUpFilePath(c), CloseRule::AllChannels, [&](platform::TextReader& r) {
            for (int b = 1; b <= kBases; ++b) columns[c][b] = readWhole16(r, b);
        });
    readOnChannel(kChannelLists, settingsFilePath(), CloseRule::AllChannels, [&](platform::TextReader& r) {
        for (int i = 1; i <= kSettings; ++i) settings[i] = readWhole32(r, i);
    });
    for (int k = 0; k < 4; ++k)
        readOnChannel(kChannelLists, mineRectFilePath(k), CloseRule::AllChannels,
                      [&](platform::TextReader& r) {
                          for (int f = 1; f <= kMineFields; ++f) rects[k][f] = readWhole16(r, f);
                      });

    Globals& g = G();
    for (int c = 0; c < kSetUpColumns; ++c)
        for (int b = 1; b <= kBases; ++b) (g.*kColumns[c].table)[b] = columns[c][b];
    for (int i = 1; i <= kSettings; ++i) g.GameSettings[i] = settings[i];
    for (int f = 1; f <= kMineFields; ++f)
        g.MineFieldRects[f] = {rects[0][f], rects[1][f], rects[2][f], rects[3][f]};
}

void SalvaMine() {
    if (holdSave(SalvaMine)) {
        G().Files.closeAll();
        return;
    }
    writeOnChannel(kChannelGroups, mineFilePath(), CloseRule::AllChannels, [](platform::TextWriter& w) {
        for (int f = 1; f <= kMineFields; ++f)
            for (int r = 1; r <= kMineRows; ++r) w.writeNumber(G().MineFields[f][r]);
    });
}

void CaricaMine() {
    saveNowIfDue(SalvaMine);
    Int16 mines[kMineFields + 1][kMineRows + 1];
    readOnChannel(kChannelGroups, mineFilePath(), CloseRule::AllChannels, [&](platform::TextReader& r) {
        for (int f = 1; f <= kMineFields; ++f)
            for (int row = 1; row <= kMineRows; ++row)
                mines[f][row] = readWhole16(r, (f - 1) * kMineRows + row);
    });
    for (int f = 1; f <= kMineFields; ++f)
        for (int row = 1; row <= kMineRows; ++row) G().MineFields[f][row] = mines[f][row];
}
