#include "GroupTables.h"

#include "CampaignChecks.h"
#include "DataFolder.h"
#include "SaveBatch.h"

#include "platform/Colors.h"

#include <memory>

namespace {
constexpr int kNameItems = 3;
constexpr int kNoFreeGroup = 99;

// The six files in the order they are written and read: four tables, then the two name tables.
const char* const kTableWords[] = {"NaviAlle.dat", "NaviAsse.dat", "AereiAlle.dat", "AereiAsse.dat"};
const char* const kNamesWords[] = {"NomeAereiAlle.dat", "NomeAereiAsse.dat"};

struct Tables {
    GroupTable* table[4];
    GroupNames* names[2];
};

Tables tablesOf(Globals& g) {
    return {{&g.GnTableAlle, &g.GnTableAsse, &g.GaTableAlle, &g.GaTableAsse},
            {&g.GaNamesAlle, &g.GaNamesAsse}};
}

// Storage for tables read but not yet accepted.
struct ReadTables {
    GroupTable table[4];
    GroupNames names[2];
    Tables pointers() { return {{&table[0], &table[1], &table[2], &table[3]}, {&names[0], &names[1]}}; }
};

int firstFreeGroup(const GroupTable& table) {
    for (int n = 1; n <= kGroups; ++n)
        if (table[n][GnCol::InUse] == 0) return n;
    return kNoFreeGroup;
}
} // namespace

void SalvaTabelleGruppi() {
    Globals& g = G();
    const Tables t = tablesOf(g);
    g.Files.closeAll();
    if (holdSave(SalvaTabelleGruppi)) return;
    checkGroupTablesBeforeSaving();
    for (int k = 0; k < 4; ++k)
        writeOnChannel(kChannelGroups, stackFile(kTableWords[k]), CloseRule::AllChannels,
                       [&](platform::TextWriter& w) {
                           for (int n = 1; n <= kGroups; ++n)
                               for (int c = 1; c <= kGroupColumns; ++c) w.writeNumber((*t.table[k])[n][c]);
                       });
    for (int k = 0; k < 2; ++k)
        writeOnChannel(kChannelGroups, stackFile(kNamesWords[k]), CloseRule::AllChannels,
                       [&](platform::TextWriter& w) {
                           for (int n = 1; n <= kGroups; ++n)
                               for (int i = 1; i <= kNameItems; ++i) w.writeText((*t.names[k])[n][i]);
                       });
    g.Files.closeAll();
}

void checkGroupTablesBeforeSaving() {
    const Tables t = tablesOf(G());
    for (int k = 0; k < 4; ++k) checkGroupTableBeforeSaving(*t.table[k], k < 2, stackFile(kTableWords[k]));
}

void CaricaTabelleGruppi() {
    saveNowIfDue(SalvaTabelleGruppi);
    auto read = std::make_unique<ReadTables>();
    const Tables t = read->pointers();
    for (int k = 0; k < 4; ++k)
        readOnChannel(kChannelGroups, stackFile(kTableWords[k]), CloseRule::AllChannels,
                      [&](platform::TextReader& r) {
                          // Read wide and checked whole, so that a refusal names the cell.
                          static WideGroupTable wide;
                          for (int n = 1; n <= kGroups; ++n)
                              for (int c = 1; c <= kGroupColumns; ++c) wide[n][c] = r.readWhole();
                          checkGroupColumns(wide, k < 2, r.path());
                          for (int n = 1; n <= kGroups; ++n)
                              for (int c = 1; c <= kGroupColumns; ++c)
                                  (*t.table[k])[n][c] = Int16(wide[n][c]);
                      });
    for (int k = 0; k < 2; ++k)
        readOnChannel(kChannelGroups, stackFile(kNamesWords[k]), CloseRule::AllChannels,
                      [&](platform::TextReader& r) {
                          for (int n = 1; n <= kGroups; ++n)
                              for (int i = 1; i <= kNameItems; ++i) (*t.names[k])[n][i] = r.readText();
                      });
    const Tables into = tablesOf(G());
    for (int k = 0; k < 4; ++k)
        for (int n = 1; n <= kGroups; ++n)
            for (int c = 1; c <= kGroupColumns; ++c) (*into.table[k])[n][c] = (*t.table[k])[n][c];
    for (int k = 0; k < 2; ++k)
        for (int n = 1; n <= kGroups; ++n)
            for (int i = 1; i <= kNameItems; ++i) (*into.names[k])[n][i] = (*t.names[k])[n][i];
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
