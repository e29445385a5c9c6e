#include "CampaignJournal.h"

#include "DataFolder.h"
#include "Globals.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QString campaignFolder() {
    return QDir(platform::diskPath(G().GamesPath)).absolutePath();
}

// The journal goes, and its going reaches the disk: the campaign is whole again.
void removeJournal(const QString& path) {
    if (platform::fileExists(path) && !platform::deleteFile(path))
        throw platform::FileError(QStringLiteral("Impossibile eliminare il file %1").arg(path), path);
    platform::syncFolder(G().GamesPath);
}

platform::FileError notUndone(const platform::FileError& e) {
    return platform::FileError(
        QStringLiteral("L'ultima ora non è stata completata e non è stato possibile annullarla:\n%1")
            .arg(e.message()),
        e.path());
}

// The copies that the whole-file writer makes beside a file ("<file>.XXXXXX") and renames over it:
// one is left behind only when the program was killed while writing it. It was never part of the
// campaign.
void removeHalfWritten(const QString& campaign) {
    const QStringList names = campaignFileNames(campaign) << journalFileName(campaign);
    for (const QString& file : platform::filesIn(G().GamesPath)) {
        const bool copy = std::any_of(names.cbegin(), names.cend(), [&file](const QString& name) {
            return file.size() == name.size() + 7 && file.startsWith(name + u'.', Qt::CaseInsensitive);
        });
        if (copy) platform::deleteFile(campaignPath(file, campaign));
    }
}

} // namespace

QString journalFileName(const QString& campaign) {
    return campaign + QStringLiteral(".jnl");
}

CampaignJournal::CampaignJournal()
    : before_(CampaignSnapshot::Growing::Length), path_(campaignPath(journalFileName(G().CampaignName))),
      folder_(campaignFolder()) {
    platform::writeWholeFile(path_, before_.toBytes());
    platform::setChangeWatch([this](const QString& path, qint64 from) { watch(path, from); });
    watching_ = true;
}

CampaignJournal::~CampaignJournal() {
    if (watching_) platform::setChangeWatch({});
}

void CampaignJournal::watch(const QString& path, qint64 from) {
    const QFileInfo file(path);
    if (file.absolutePath() != folder_) return;
    if (!before_.covers(file.fileName(), from))
        throw platform::FileError(
            QStringLiteral("Il file %1 non può essere cambiato in questa fase: non potrebbe essere riportato "
                           "com'era.")
                .arg(path),
            path);
    changed_.insert(path);
}

void CampaignJournal::commit() {
    platform::setChangeWatch({});
    watching_ = false;
    for (const QString& path : changed_) platform::syncFile(path);
    platform::syncFolder(G().GamesPath);
    removeJournal(path_);
}

void CampaignJournal::rollBack() {
    // The watch stays while the files go back: closing the channels may still write, and every
    // change that putting back makes is one the journal covers.
    before_.putBack();
    platform::setChangeWatch({});
    watching_ = false;
    removeJournal(path_);
}

bool rollBackLeftJournal() {
    removeHalfWritten(G().CampaignName);
    const QString path = campaignPath(journalFileName(G().CampaignName));
    if (!platform::fileExists(path)) return false;
    try {
        CampaignSnapshot::fromBytes(platform::readWholeFile(path), path).putBack();
        removeJournal(path);
    } catch (const platform::FileError& e) {
        throw notUndone(e);
    }
    return true;
}
