// Every text file of a campaign read through the loaders the campaign's opening uses, and the
// slot file and reference lists read by the start window: the first byte picks the file, the
// rest is its content; the other files stay as a new campaign leaves them.
#include "FuzzSupport.h"

#include "common/BaseTable.h"
#include "common/CampaignSetup.h"
#include "common/GameSlots.h"
#include "common/GroupTables.h"

namespace {
const char* const kStackWords[] = {"NaviAlle.dat",  "NaviAsse.dat",      "AereiAlle.dat",
                                   "AereiAsse.dat", "NomeAereiAlle.dat", "NomeAereiAsse.dat",
                                   "DatiBasi.dat",  "eventigioco.dat"};
constexpr int kFiles = 8 + kSetUpColumns + 4; // stack files, set-up files, settings, mine, slot file, names

QByteArray lines(const QByteArray& value, int count) {
    return (value + "\r\n").repeated(count);
}

// A new campaign's files, written once.
void writeNewCampaign() {
    for (int k = 0; k < 8; ++k)
        fuzzsupport::put(stackFile(kStackWords[k]), k == 4 || k == 5 ? lines("\"\"", 150)
                                                    : k == 6         ? lines("0", 450)
                                                    : k == 7         ? lines("\"0\"", 40)
                                                                     : lines("0", 2500));
    for (int c = 0; c < kSetUpColumns; ++c) fuzzsupport::put(setUpFilePath(c), lines("1", 15));
    fuzzsupport::put(settingsFilePath(), lines("30", 28));
    fuzzsupport::put(mineFilePath(), lines("0", 120));
}

QString pathOf(int file) {
    if (file < 8) return stackFile(kStackWords[file]);
    if (file < 8 + kSetUpColumns) return setUpFilePath(file - 8);
    if (file == 8 + kSetUpColumns) return settingsFilePath();
    if (file == 9 + kSetUpColumns) return mineFilePath();
    if (file == 10 + kSetUpColumns) return G().SlotFilePath;
    return G().DataPath + "\\basename.txt";
}

void load(int file) {
    if (file < 6) return CaricaTabelleGruppi();
    if (file < 8) return CaricaDatiBasi();
    if (file < 9 + kSetUpColumns) return CaricaSetUpGioco();
    if (file == 9 + kSetUpColumns) return CaricaMine();
    if (file == 10 + kSetUpColumns) {
        readGameSlots();
        for (int s = 1; s <= kSlots; ++s) isDamagedSlot(G().GameSlots[s]);
        computeNextFreeSlot();
        return;
    }
    CaricaTabelleNomi();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzsupport::makeProgramFolder();
    static const bool written = (writeNewCampaign(), true);
    (void)written;
    if (size < 1) return 0;
    const int file = data[0] % kFiles;
    const QString path = pathOf(file);
    const QByteArray before = platform::readWholeFile(path);
    fuzzsupport::put(path, fuzzsupport::bytesOf(data + 1, size - 1));
    fuzzsupport::refusalsAllowed([&] { load(file); });
    fuzzsupport::put(path, before);
    return 0;
}
