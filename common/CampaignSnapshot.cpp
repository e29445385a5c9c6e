#include "CampaignSnapshot.h"

#include "BaseTable.h"
#include "CampaignSetup.h"
#include "ContactFiles.h"
#include "DataFolder.h"
#include "GroupTables.h"
#include "LostShips.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFileInfo>
#include <memory>

namespace {

constexpr quint32 kMagic = 0x5a574a31; // "ZWJ1"
constexpr auto kHash = QCryptographicHash::Md5;

bool growsOnly(const QString& name) {
    for (const QString& path : {activityFilePath(), contactFilePath(), lostShipFilePath()})
        if (QFileInfo(path).fileName().compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

} // namespace

void CampaignSnapshot::add(const QString& name, bool existed, bool byLength, qint64 length,
                           const QByteArray& bytes) {
    index_.insert(name.toLower(), int(files_.size()));
    files_.append({name, existed, byLength, length, bytes});
}

CampaignSnapshot::CampaignSnapshot(Growing growing) : campaign_(G().CampaignName) {
    for (const QString& name : campaignFileNames(campaign_)) {
        const QString path = campaignPath(name);
        const qint64 length = platform::fileLength(path);
        const bool byLength = growing == Growing::Length && growsOnly(name);
        const bool existed = length >= 0;
        add(name, existed, byLength, length,
            existed && !byLength ? platform::readWholeFile(path) : QByteArray());
    }
}

void CampaignSnapshot::restore() const {
    putBack();
    reloadCampaignTables();
}

void CampaignSnapshot::putBack() const {
    try {
        G().Files.closeAll();
    } catch (const platform::FileError&) {
        // What a channel still held belongs to the step being undone.
    }
    std::unique_ptr<platform::FileError> first;
    for (const File& f : files_) {
        const QString path = campaignPath(f.name, campaign_);
        try {
            if (!f.existed) {
                if (platform::fileExists(path) && !platform::deleteFile(path))
                    throw platform::FileError(QStringLiteral("Impossibile eliminare il file %1").arg(path),
                                              path);
            } else if (!f.byLength) {
                platform::writeWholeFile(path, f.bytes);
            } else {
                const qint64 now = platform::fileLength(path);
                if (now < f.length)
                    throw platform::FileError(
                        QStringLiteral("Il file %1 è più corto di prima: non può essere riportato com'era.")
                            .arg(path),
                        path);
                if (now > f.length) platform::cutFile(path, f.length);
            }
        } catch (const platform::FileError& e) {
            if (!first) first = std::make_unique<platform::FileError>(e);
        }
    }
    platform::syncFolder(G().GamesPath);
    if (first) throw *first;
}

bool CampaignSnapshot::covers(const QString& fileName, qint64 from) const {
    const auto it = index_.constFind(fileName.toLower());
    if (it == index_.cend()) return false;
    const File& f = files_[*it];
    return !f.existed || !f.byLength || from >= f.length;
}

QByteArray CampaignSnapshot::toBytes() const {
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << kMagic << campaign_ << quint32(files_.size());
    for (const File& f : files_) s << f.name << f.existed << f.byLength << f.length << f.bytes;
    return out + QCryptographicHash::hash(out, kHash);
}

CampaignSnapshot CampaignSnapshot::fromBytes(const QByteArray& bytes, const QString& path) {
    const auto damaged = [&path] {
        return platform::FileError(QStringLiteral("File danneggiato: %1").arg(path), path);
    };
    const qsizetype sum = QCryptographicHash::hashLength(kHash);
    if (bytes.size() < sum) throw damaged();
    const QByteArray body = bytes.left(bytes.size() - sum);
    if (QCryptographicHash::hash(body, kHash) != bytes.right(sum)) throw damaged();
    QDataStream s(body);
    s.setVersion(QDataStream::Qt_6_0);
    CampaignSnapshot snap{Read{}};
    quint32 magic = 0, count = 0;
    s >> magic >> snap.campaign_ >> count;
    if (magic != kMagic || snap.campaign_.compare(G().CampaignName, Qt::CaseInsensitive) != 0)
        throw damaged();
    for (quint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
        File f;
        s >> f.name >> f.existed >> f.byLength >> f.length >> f.bytes;
        // The name must lead to a file directly inside the campaign folder.
        campaignPath(f.name, snap.campaign_);
        snap.add(f.name, f.existed, f.byLength, f.length, f.bytes);
    }
    if (s.status() != QDataStream::Ok || !s.atEnd()) throw damaged();
    return snap;
}

void reloadCampaignTables() {
    CaricaTabelleGruppi();
    CaricaMine();
    CaricaDatiBasi();
}
