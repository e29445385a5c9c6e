#include "CampaignSetup.h"

#include <vector>

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

constexpr long long kMin16 = -32768, kMax16 = 32767;
constexpr long long kMin32 = -2147483648LL, kMax32 = 2147483647LL;

// Reads count whole numbers of a text file on a channel, then closes every channel. A value that
// would not fit its table is refused with the file's name.
std::vector<long long> readWholes(int channel, const QString& path, int count, long long least,
                                  long long most) {
    platform::Channels& files = G().Files;
    std::vector<long long> values;
    files.openInput(channel, path);
    try {
        platform::TextReader& in = files.input(channel);
        for (int i = 0; i < count; ++i) {
            const long long v = in.readWhole();
            if (v < least || v > most)
                throw platform::FileError(
                    QStringLiteral("Valore fuori dai limiti (%1) alla riga %2 del file %3")
                        .arg(v)
                        .arg(i + 1)
                        .arg(in.path()),
                    in.path());
            values.push_back(v);
        }
    } catch (...) {
        files.close(channel);
        throw;
    }
    files.closeAll();
    return values;
}

void writeWholes(int channel, const QString& path, const long long* values, int count) {
    platform::Channels& files = G().Files;
    files.openOutput(channel, path);
    platform::TextWriter& out = files.output(channel);
    for (int i = 0; i < count; ++i) out.writeNumber(values[i]);
    files.closeAll();
}

} // namespace

const std::array<SetUpColumn, kSetUpColumns>& setUpColumns() {
    return kColumns;
}

QString settingsFilePath() {
    return G().GamesPath + G().CampaignName + ".Stp";
}

QString setUpFilePath(int column) {
    return G().GamesPath + kColumns.at(column).stem + G().CampaignName + ".txt";
}

QString mineFilePath() {
    return G().GamesPath + G().CampaignName + "mine.dat";
}

QString mineRectFilePath(int bound) {
    return G().DataPath + "\\" + kRectFiles[bound];
}

void writeSettingsFile(const std::array<long long, kSettings + 1>& items) {
    writeWholes(1, settingsFilePath(), items.data() + 1, kSettings);
}

void writeSetUpFile(int column, const std::array<long long, kBases + 1>& values) {
    writeWholes(1, setUpFilePath(column), values.data() + 1, kBases);
}

void CaricaSetUpGioco() {
    std::vector<long long> columns[kSetUpColumns];
    for (int c = 0; c < kSetUpColumns; ++c)
        columns[c] = readWholes(1, setUpFilePath(c), kBases, kMin16, kMax16);
    const std::vector<long long> settings = readWholes(1, settingsFilePath(), kSettings, kMin32, kMax32);
    std::vector<long long> rects[4];
    for (int b = 0; b < 4; ++b) rects[b] = readWholes(1, mineRectFilePath(b), kMineFields, kMin16, kMax16);

    Globals& g = G();
    for (int c = 0; c < kSetUpColumns; ++c)
        for (int base = 1; base <= kBases; ++base) (g.*kColumns[c].table)[base] = columns[c][base - 1];
    for (int i = 1; i <= kSettings; ++i) g.GameSettings[i] = settings[i - 1];
    for (int f = 1; f <= kMineFields; ++f) {
        MineFieldRect& r = g.MineFieldRects[f];
        r.x1 = rects[0][f - 1];
        r.x2 = rects[1][f - 1];
        r.y1 = rects[2][f - 1];
        r.y2 = rects[3][f - 1];
    }
}

void SalvaMine() {
    long long values[kMineFields * kMineRows];
    int n = 0;
    for (int f = 1; f <= kMineFields; ++f)
        for (int r = 1; r <= kMineRows; ++r) values[n++] = G().MineFields[f][r];
    writeWholes(4, mineFilePath(), values, n);
}

void CaricaMine() {
    const std::vector<long long> values =
        readWholes(4, mineFilePath(), kMineFields * kMineRows, kMin16, kMax16);
    int n = 0;
    for (int f = 1; f <= kMineFields; ++f)
        for (int r = 1; r <= kMineRows; ++r) G().MineFields[f][r] = values[n++];
}
