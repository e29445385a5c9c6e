#include "CampaignSnapshot.h"

#include "BaseTable.h"
#include "CampaignSetup.h"
#include "ContactFiles.h"
#include "DataFolder.h"
#include "GroupTables.h"
#include "LostShips.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFileInfo>
#include <QtEndian>
#include <functional>
#include <memory>

namespace {

constexpr quint32 kMagicWhole = 0x5a574a31; // "ZWJ1": the earlier journal, one block
constexpr quint32 kMagic = 0x5a574a32;      // "ZWJ2": a header block, then a block a file
constexpr auto kHash = QCryptographicHash::Md5;

bool growsOnly(const QString& name) {
    for (QString path : {activityFilePath(), contactFilePath(), lostShipFilePath()})
        if (QFileInfo(path.replace(u'\\', u'/')).fileName().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A block: its length, its bytes (as `write` streams them) and their checksum, made in place: the
// hour's journal holds every file of the campaign.
QByteArray block(qsizetype expected, const std::function<void(QDataStream&)>& write) {
    const qsizetype sum = QCryptographicHash::hashLength(kHash);
    QByteArray out;
    out.reserve(4 + expected + sum);
    {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        buffer.seek(4);
        QDataStream s(&buffer);
        s.setVersion(QDataStream::Qt_6_0);
        write(s);
    }
    const QByteArrayView payload = QByteArrayView(out).sliced(4);
    qToLittleEndian(quint32(payload.size()), out.data());
    out.append(QCryptographicHash::hash(payload, kHash));
    return out;
}

// The block at `at`, moving `at` past it; false when it is cut short or damaged.
bool readBlock(const QByteArray& bytes, qsizetype& at, QByteArray& payload) {
    const qsizetype sum = QCryptographicHash::hashLength(kHash);
    if (bytes.size() - at < 4) return false;
    const qsizetype size = qFromLittleEndian<quint32>(bytes.constData() + at);
    if (bytes.size() - at - 4 < size + sum) return false;
    payload = bytes.mid(at + 4, size);
    if (QCryptographicHash::hash(payload, kHash) != bytes.mid(at + 4 + size, sum)) return false;
    at += 4 + size + sum;
    return true;
}

} // namespace

void CampaignSnapshot::add(const File& file) {
    const QString key = file.name.toLower();
    if (const auto it = index_.constFind(key); it != index_.cend()) {
        files_[*it] = file;
        last_ = *it;
        return;
    }
    last_ = int(files_.size());
    index_.insert(key, last_);
    files_.append(file);
}

CampaignSnapshot::CampaignSnapshot(Growing growing) : campaign_(G().CampaignName) {
    for (const QString& name : campaignFileNames(campaign_)) {
        const QString path = campaignPath(name);
        const qint64 length = platform::fileLength(path);
        const bool byLength = growing == Growing::Length && growsOnly(name);
        const bool existed = length >= 0;
        add({name, existed, byLength, length,
             existed && !byLength ? platform::readWholeFile(path) : QByteArray()});
    }
}

CampaignSnapshot CampaignSnapshot::empty(const QString& campaign) {
    return CampaignSnapshot(campaign);
}

bool CampaignSnapshot::keep(const QString& fileName, qint64 from) {
    if (covers(fileName, from)) return false;
    const QString path = campaignPath(fileName, campaign_);
    const qint64 length = platform::fileLength(path);
    File f{fileName, length >= 0, false, length, {}};
    if (const auto it = index_.constFind(fileName.toLower()); it != index_.cend()) {
        // Kept by its length, and now changed before it: only records were added past that length
        // so far, so the bytes up to it are still the old ones.
        f = files_[*it];
        f.byLength = false;
        f.bytes = platform::readWholeFile(path).left(f.length);
    } else if (f.existed && from >= length && growsOnly(fileName)) {
        f.byLength = true;
    } else if (f.existed) {
        f.bytes = platform::readWholeFile(path);
    }
    add(f);
    return true;
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

QByteArray CampaignSnapshot::entryBytes(const File& f) {
    return block(f.bytes.size() + 2 * f.name.size() + 32,
                 [&f](QDataStream& s) { s << f.name << f.existed << f.byLength << f.length << f.bytes; });
}

QByteArray CampaignSnapshot::headerBytes() const {
    return block(64, [this](QDataStream& s) {
        // The step follows the campaign, and what started an action follows the step: a reader that
        // knows them not reads the header as before.
        s << kMagic << campaign_ << step_.kind << step_.window << step_.control;
    });
}

QByteArray CampaignSnapshot::lastEntry() const {
    // An entry kept again (a growing file changed before its old end) took its first place: read
    // back after the first, it takes that place again.
    return last_ < 0 ? QByteArray() : entryBytes(files_[last_]);
}

QByteArray CampaignSnapshot::toBytes() const {
    QByteArray out = headerBytes();
    for (const File& f : files_) out += entryBytes(f);
    return out;
}

CampaignSnapshot CampaignSnapshot::fromBytes(const QByteArray& bytes, const QString& path) {
    const auto damaged = [&path] {
        return platform::FileError(QStringLiteral("File danneggiato: %1").arg(path), path);
    };
    const auto forThisCampaign = [&](const QString& campaign) {
        if (campaign.compare(G().CampaignName, Qt::CaseInsensitive) != 0) throw damaged();
        return CampaignSnapshot(campaign);
    };
    const auto readFile = [](QDataStream& s) {
        File f;
        s >> f.name >> f.existed >> f.byLength >> f.length >> f.bytes;
        return f;
    };
    qsizetype at = 0;
    QByteArray header;
    if (bytes.startsWith("ZWJ1")) {
        // The earlier journal: one block of every file, its checksum at its end.
        const qsizetype sum = QCryptographicHash::hashLength(kHash);
        const QByteArray body = bytes.left(bytes.size() - sum);
        if (QCryptographicHash::hash(body, kHash) != bytes.right(sum)) throw damaged();
        QDataStream s(body);
        s.setVersion(QDataStream::Qt_6_0);
        quint32 magic = 0, count = 0;
        QString campaign;
        s >> magic >> campaign >> count;
        if (magic != kMagicWhole) throw damaged();
        CampaignSnapshot snap = forThisCampaign(campaign);
        for (quint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
            const File f = readFile(s);
            campaignPath(f.name, snap.campaign_);
            snap.add(f);
        }
        if (s.status() != QDataStream::Ok || !s.atEnd()) throw damaged();
        return snap;
    }
    if (!readBlock(bytes, at, header)) {
        // A journal cut short in its header was never followed by a change.
        const bool whole = bytes.size() >= 4 && bytes.size() - 4 - QCryptographicHash::hashLength(kHash) >=
                                                    qsizetype(qFromLittleEndian<quint32>(bytes.constData()));
        if (whole) throw damaged();
        return CampaignSnapshot(G().CampaignName);
    }
    QDataStream hs(header);
    hs.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    QString campaign;
    hs >> magic >> campaign;
    if (magic != kMagic || hs.status() != QDataStream::Ok) throw damaged();
    CampaignSnapshot snap = forThisCampaign(campaign);
    Step step;
    hs >> step.kind;
    if (hs.status() == QDataStream::Ok) snap.step_.kind = step.kind;
    hs >> step.window >> step.control;
    if (hs.status() == QDataStream::Ok) {
        snap.step_.window = step.window;
        snap.step_.control = step.control;
    }
    QByteArray entry;
    while (readBlock(bytes, at, entry)) {
        QDataStream s(entry);
        s.setVersion(QDataStream::Qt_6_0);
        const File f = readFile(s);
        if (s.status() != QDataStream::Ok) throw damaged();
        // The name must lead to a file directly inside the campaign folder.
        campaignPath(f.name, snap.campaign_);
        snap.add(f);
    }
    return snap;
}

void reloadCampaignTables() {
    CaricaTabelleGruppi();
    CaricaMine();
    CaricaDatiBasi();
}
