#include "GroupTables.h"

#include "DataFolder.h"

#include "platform/Colors.h"

#include <memory>

namespace {
constexpr int kNameItems = 3;
constexpr int kNoFreeGroup = 99;

// The six files in the order they are written and read.
struct Tables {
    GroupTable gnAlle, gnAsse, gaAlle, gaAsse;
    GroupNames namesAlle, namesAsse;
};

struct TableFile {
    const char* word;
    GroupTable Tables::*table;
};
struct NamesFile {
    const char* word;
    GroupNames Tables::*names;
};
const TableFile kTableFiles[] = {{"NaviAlle.dat", &Tables::gnAlle},
                                 {"NaviAsse.dat", &Tables::gnAsse},
                                 {"AereiAlle.dat", &Tables::gaAlle},
                                 {"AereiAsse.dat", &Tables::gaAsse}};
const NamesFile kNamesFiles[] = {{"NomeAereiAlle.dat", &Tables::namesAlle},
                                 {"NomeAereiAsse.dat", &Tables::namesAsse}};

void copyTable(GroupTable& to, const GroupTable& from) {
    for (int n = 0; n <= kGroups; ++n)
        for (int c = 0; c <= kGroupColumns; ++c) to[n][c] = from[n][c];
}

void copyNames(GroupNames& to, const GroupNames& from) {
    for (int n = 0; n <= kGroups; ++n)
        for (int i = 0; i <= kNameItems; ++i) to[n][i] = from[n][i];
}

// The tables as they stand in the state object, and back.
void take(Tables& t, Globals& g) {
    copyTable(t.gnAlle, g.GnTableAlle);
    copyTable(t.gnAsse, g.GnTableAsse);
    copyTable(t.gaAlle, g.GaTableAlle);
    copyTable(t.gaAsse, g.GaTableAsse);
    copyNames(t.namesAlle, g.GaNamesAlle);
    copyNames(t.namesAsse, g.GaNamesAsse);
}

void give(const Tables& t, Globals& g) {
    copyTable(g.GnTableAlle, t.gnAlle);
    copyTable(g.GnTableAsse, t.gnAsse);
    copyTable(g.GaTableAlle, t.gaAlle);
    copyTable(g.GaTableAsse, t.gaAsse);
    copyNames(g.GaNamesAlle, t.namesAlle);
    copyNames(g.GaNamesAsse, t.namesAsse);
}

int firstFreeGroup(const GroupTable& table) {
    for (int n = 1; n <= kGroups; ++n)
        if (table[n][1] == 0) return n;
    return kNoFreeGroup;
}
} // namespace

void SalvaTabelleGruppi() {
    Globals& g = G();
    auto t = std::make_unique<Tables>();
    take(*t, g);
    g.Files.closeAll();
    for (const TableFile& f : kTableFiles) {
        const GroupTable& table = (*t).*f.table;
        writeOnChannel(kChannelGroups, stackFile(f.word), CloseRule::AllChannels,
                       [&](platform::TextWriter& w) {
                           for (int n = 1; n <= kGroups; ++n)
                               for (int c = 1; c <= kGroupColumns; ++c) w.writeNumber(table[n][c]);
                       });
    }
    for (const NamesFile& f : kNamesFiles) {
        const GroupNames& names = (*t).*f.names;
        writeOnChannel(kChannelGroups, stackFile(f.word), CloseRule::AllChannels,
                       [&](platform::TextWriter& w) {
                           for (int n = 1; n <= kGroups; ++n)
                               for (int i = 1; i <= kNameItems; ++i) w.writeText(names[n][i]);
                       });
    }
    g.Files.closeAll();
}

void CaricaTabelleGruppi() {
    Globals& g = G();
    auto t = std::make_unique<Tables>();
    for (const TableFile& f : kTableFiles) {
        GroupTable& table = (*t).*f.table;
        readOnChannel(kChannelGroups, stackFile(f.word), CloseRule::AllChannels,
                      [&](platform::TextReader& r) {
                          for (int n = 1; n <= kGroups; ++n)
                              for (int c = 1; c <= kGroupColumns; ++c) table[n][c] = readWhole16(r);
                      });
    }
    for (const NamesFile& f : kNamesFiles) {
        GroupNames& names = (*t).*f.names;
        readOnChannel(kChannelGroups, stackFile(f.word), CloseRule::AllChannels,
                      [&](platform::TextReader& r) {
                          for (int n = 1; n <= kGroups; ++n)
                              for (int i = 1; i <= kNameItems; ++i) names[n][i] = r.readText();
                      });
    }
    give(*t, g);
}

void PrimoGNLibero() {
    Globals& g = G();
    g.NewGroupNumber = 0;
    int found = kNoFreeGroup;
    if (g.CurrentSide == kAllies || g.CurrentSide == kAxis) {
        GroupTable& table = g.gnTable(g.CurrentSide);
        found = firstFreeGroup(table);
        if (found != kNoFreeGroup)
            for (int c = 1; c <= kGroupColumns; ++c) table[found][c] = 0;
    }
    g.NewGroupNumber = found;
}

void PrimoGALibero() {
    Globals& g = G();
    g.NewGroupNumber = 0;
    g.NewGroupNumber = (g.CurrentSide == kAllies || g.CurrentSide == kAxis)
                           ? firstFreeGroup(g.gaTable(g.CurrentSide))
                           : kNoFreeGroup;
}

void ColoreLato() {
    Globals& g = G();
    if (g.CurrentSide == kAllies)
        g.SideColour = platform::vbYellow;
    else if (g.CurrentSide == kAxis)
        g.SideColour = platform::vbRed;
    else
        g.SideColour = platform::vbActiveBorder;
}
