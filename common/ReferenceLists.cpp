#include "ReferenceLists.h"

#include "DataFolder.h"

#include <vector>

namespace {
struct TextList {
    const char* file;
    int count;
    QString* target; // elements 1..count
};

void loadTextLists(const std::vector<TextList>& lists) {
    std::vector<QStringList> read;
    for (const TextList& l : lists) {
        QStringList values;
        readOnChannel(kChannelLists, G().DataPath + "\\" + l.file, CloseRule::AllChannels,
                      [&](platform::TextReader& r) {
                          for (int i = 0; i < l.count; ++i) values << r.readText();
                      });
        read.push_back(values);
    }
    for (size_t k = 0; k < lists.size(); ++k)
        for (int i = 0; i < lists[k].count; ++i) lists[k].target[i + 1] = read[k][i];
}

std::vector<Int16> readWholeList(const QString& path, int count) {
    std::vector<Int16> values;
    readOnChannel(kChannelLists, path, CloseRule::AllChannels, [&](platform::TextReader& r) {
        for (int i = 0; i < count; ++i) values.push_back(readWhole16(r));
    });
    return values;
}
} // namespace

void CaricaTabelleNomi() {
    Globals& g = G();
    loadTextLists({{"basename.txt", kBases, g.BaseNames},
                   {"rosaventi.txt", 8, g.CompassNames},
                   {"RosaShort.txt", 8, g.CompassShortNames},
                   {"nazioni.txt", 8, g.NationNames}});
}

void CaricaCoordinateBasi() {
    Globals& g = G();
    const std::vector<Int16> x = readWholeList(g.CoordXPath, kBases);
    const std::vector<Int16> y = readWholeList(g.CoordYPath, kBases);
    for (int b = 1; b <= kBases; ++b) {
        g.BaseMapXY[b][1] = x[b - 1];
        g.BaseMapXY[b][2] = y[b - 1];
    }
}

void CaricaOrdini() {
    Globals& g = G();
    loadTextLists({{"ordinenavi.txt", 5, g.NavalOrderNames},
                   {"ordineAEREI.txt", 7, g.AirOrderNames},
                   {"nearvalue.txt", 9, g.NearValues}});
}
