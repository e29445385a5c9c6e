#include "BaseTable.h"

#include "CampaignChecks.h"
#include "DataFolder.h"
#include "SaveBatch.h"

namespace {
const char* const kBaseFile = "DatiBasi.dat";
const char* const kStateFile = "eventigioco.dat";
} // namespace

bool hasPort(int base) {
    return base != 10 && base != 11 && base != 13;
}

void checkDatiBasiBeforeSaving() {
    checkBaseTableBeforeSaving(G().BaseTable, stackFile(kBaseFile));
    checkGameStateBeforeSaving(G().GameState, stackFile(kStateFile));
}

void SalvaDatiBasi() {
    if (holdSave(SalvaDatiBasi)) return;
    Globals& g = G();
    checkDatiBasiBeforeSaving();
    writeOnChannel(kChannelBaseTable, stackFile(kBaseFile), CloseRule::OwnChannel,
                   [&](platform::TextWriter& w) {
                       for (int b = 1; b <= kBases; ++b)
                           for (int f = 1; f <= kBaseFields; ++f) w.writeNumber(g.BaseTable[b][f]);
                   });
    writeOnChannel(kChannelBaseTable, stackFile(kStateFile), CloseRule::OwnChannel,
                   [&](platform::TextWriter& w) {
                       for (int i = 1; i <= kStateItems; ++i) w.writeText(g.GameState[i]);
                   });
}

void CaricaDatiBasi() {
    saveNowIfDue(SalvaDatiBasi);
    Globals& g = G();
    long long bases[kBases + 1][kBaseFields + 1];
    QString state[kStateItems + 1];
    readOnChannel(kChannelBaseTable, stackFile(kBaseFile), CloseRule::OwnChannel,
                  [&](platform::TextReader& r) {
                      // Read wide and checked whole, so that a refusal names the field.
                      for (int b = 1; b <= kBases; ++b)
                          for (int f = 1; f <= kBaseFields; ++f) bases[b][f] = r.readWhole();
                      checkBaseFields(bases, r.path());
                  });
    readOnChannel(kChannelBaseTable, stackFile(kStateFile), CloseRule::OwnChannel,
                  [&](platform::TextReader& r) {
                      for (int i = 1; i <= kStateItems; ++i) state[i] = r.readText();
                      checkGameStateItems(state, r.path());
                  });
    for (int b = 1; b <= kBases; ++b)
        for (int f = 1; f <= kBaseFields; ++f) g.BaseTable[b][f] = Int32(bases[b][f]);
    for (int i = 1; i <= kStateItems; ++i) g.GameState[i] = state[i];
}
