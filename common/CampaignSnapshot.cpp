#include "CampaignSnapshot.h"

#include "BaseTable.h"
#include "CampaignSetup.h"
#include "DataFolder.h"
#include "GroupTables.h"

#include <memory>

CampaignSnapshot::CampaignSnapshot() {
    const Globals& g = G();
    for (const QString& name : campaignFileNames(g.CampaignName)) {
        const QString path = g.GamesPath + name;
        const bool existed = platform::fileExists(path);
        files_.append({path, existed, existed ? platform::readWholeFile(path) : QByteArray()});
    }
}

void CampaignSnapshot::restore() const {
    Globals& g = G();
    try {
        g.Files.closeAll();
    } catch (const platform::FileError&) {
        // What a channel still held belongs to the step being undone.
    }
    std::unique_ptr<platform::FileError> first;
    for (const File& f : files_) {
        try {
            if (f.existed)
                platform::writeWholeFile(f.path, f.bytes);
            else if (platform::fileExists(f.path) && !platform::deleteFile(f.path))
                throw platform::FileError(QStringLiteral("Impossibile eliminare il file %1").arg(f.path),
                                          f.path);
        } catch (const platform::FileError& e) {
            if (!first) first = std::make_unique<platform::FileError>(e);
        }
    }
    if (first) throw *first;
    CaricaTabelleGruppi();
    CaricaMine();
    CaricaDatiBasi();
}
