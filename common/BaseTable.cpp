#include "BaseTable.h"

#include "Globals.h"

void SalvaDatiBasi() {
    Globals& g = G();
    g.Files.openOutput(3, g.StackPrefix + g.CampaignName + "DatiBasi.dat");
    platform::TextWriter& bases = g.Files.output(3);
    for (int b = 1; b <= kBases; ++b)
        for (int f = 1; f <= 30; ++f) bases.writeNumber(g.BaseTable[b][f]);
    g.Files.close(3);

    g.Files.openOutput(3, g.StackPrefix + g.CampaignName + "eventigioco.dat");
    platform::TextWriter& state = g.Files.output(3);
    for (int i = 1; i <= 40; ++i) state.writeText(g.GameState[i]);
    g.Files.close(3);
}
