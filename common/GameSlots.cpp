#include "GameSlots.h"

#include "DataFolder.h"

#include <QDir>

namespace {
using Slots = Globals::GameSlot[kSlots + 1];
}

void readGameSlots() {
    Globals& g = G();
    Slots read;
    readOnChannel(kChannelLists, g.SlotFilePath, CloseRule::AllChannels, [&](platform::TextReader& r) {
        for (int s = 1; s <= kSlots; ++s) {
            read[s].name = r.readText();
            read[s].days = readWhole16(r);
            read[s].season = readWhole16(r);
            read[s].year = readWhole16(r);
        }
        // A fifth campaign would be lost at the next write of the four slots.
        if (!r.atEnd())
            throw platform::FileError(
                QStringLiteral("Il file %1 contiene più di quattro giochi: non viene usato né "
                               "riscritto. Lasciare al massimo quattro giochi nel file.")
                    .arg(r.path()),
                r.path());
    });
    for (int s = 1; s <= kSlots; ++s) g.GameSlots[s] = read[s];
}

void SalvaNomiGiochi() {
    const Globals& g = G();
    writeOnChannel(kChannelLists, g.SlotFilePath, CloseRule::AllChannels, [&](platform::TextWriter& w) {
        for (int s = 1; s <= kSlots; ++s) {
            w.writeText(g.GameSlots[s].name);
            w.writeNumber(g.GameSlots[s].days);
            w.writeNumber(g.GameSlots[s].season);
            w.writeNumber(g.GameSlots[s].year);
        }
    });
}

bool isDamagedSlot(const Globals::GameSlot& slot) {
    return slot.name != kFreeSlotName && !isSafeCampaignName(slot.name.trimmed());
}

QStringList campaignsOnDisk() {
    // Every campaign has its base set-up file, the file whose presence makes a name taken.
    static const QString prefix = QStringLiteral("BaseSetUp"), suffix = QStringLiteral(".txt");
    QStringList names;
    for (const QString& file : platform::filesIn(G().GamesPath)) {
        if (!file.startsWith(prefix, Qt::CaseInsensitive) || !file.endsWith(suffix, Qt::CaseInsensitive))
            continue;
        const QString name = file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
        if (isSafeCampaignName(name) && name.compare(kFreeSlotName, Qt::CaseSensitive) != 0) names << name;
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

QString rebuildSlotFileIfMissing() {
    Globals& g = G();
    if (platform::fileExists(g.SlotFilePath)) return {};
    const QStringList found = campaignsOnDisk();
    // The file named as the file manager shows it.
    const QString shown = QDir::toNativeSeparators(platform::diskPath(g.SlotFilePath));
    if (found.size() > kSlots)
        throw platform::FileError(
            QStringLiteral("Il file %1 manca e nella cartella dei giochi ci sono %2 giochi (%3): "
                           "più di quattro, il file non viene ricostruito.")
                .arg(shown)
                .arg(found.size())
                .arg(found.join(QStringLiteral(", "))),
            g.SlotFilePath);
    Globals::GameSlot rebuilt[kSlots + 1];
    for (int s = 1; s <= kSlots; ++s) rebuilt[s] = {kFreeSlotName, 0, 0, 0};
    for (int s = 1; s <= found.size(); ++s) {
        rebuilt[s].name = found[s - 1];
        // Length, season and year come from the campaign's settings when they can be read.
        try {
            readOnChannel(kChannelLists, campaignPath(found[s - 1] + ".Stp", found[s - 1]),
                          CloseRule::AllChannels, [&](platform::TextReader& r) {
                              const Int16 days = readWhole16(r), season = readWhole16(r),
                                          year = readWhole16(r);
                              rebuilt[s].days = days;
                              rebuilt[s].season = season;
                              rebuilt[s].year = year;
                          });
        } catch (const platform::FileError&) {
        }
    }
    for (int s = 1; s <= kSlots; ++s) g.GameSlots[s] = rebuilt[s];
    SalvaNomiGiochi();
    if (found.isEmpty()) return {};
    return QStringLiteral(
               "Il file %1 mancava: è stato ricostruito con i giochi trovati nella cartella dei giochi "
               "(%2).")
        .arg(shown, found.join(QStringLiteral(", ")));
}

int computeNextFreeSlot() {
    Globals& g = G();
    int free = kSlots + 1;
    for (int s = 1; s <= kSlots; ++s)
        if (g.GameSlots[s].name == kFreeSlotName) {
            free = s;
            break;
        }
    g.NextFreeSlot = free;
    return free;
}
