// Shared by the fuzz targets: a program folder of their own with the shipped reference lists, a
// campaign name, and the file a target's input is written to. A refusal (an exception the
// programs report to the player) is an expected outcome; only crashes and sanitizer reports count.
#pragma once

#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/ReferenceLists.h"
#include "platform/Files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <exception>

namespace fuzzsupport {

inline const QString kCampaign = QStringLiteral("Prova");

// Makes the program folder once per process: Data with the shipped lists, the campaign folder.
inline void makeProgramFolder() {
    static bool made = false;
    if (made) return;
    made = true;
    const QString base = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QByteArray tmpl = QFile::encodeName(base + "/zeltwar-fuzz-XXXXXX");
    if (!mkdtemp(tmpl.data())) std::abort();
    const QString folder = QFile::decodeName(tmpl);
    QDir().mkpath(folder + "/Data/giochi");
    const QDir shipped(QStringLiteral(SHIPPED_DATA_DIR "/Data"));
    for (const QString& f : shipped.entryList(QDir::Files))
        QFile::copy(shipped.filePath(f), folder + "/Data/" + f);
    QFile::copy(shipped.filePath("giochi/NomeGiochi.txt"), folder + "/Data/giochi/NomeGiochi.txt");
    platform::setAppFolder(folder);
    resetGlobals();
    buildPathGlobals();
    G().CampaignName = kCampaign;
    CaricaTabelleNomi();
}

inline QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Writes the input as a file (straight, so that every byte reaches the reader as given).
inline void put(const QString& path, const QByteArray& bytes) {
    QFile f(platform::diskPath(path));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) std::abort();
}

// Runs a reader; what it refuses is fine.
template <class F> void refusalsAllowed(F&& read) {
    try {
        read();
    } catch (const std::exception&) {
    }
    try {
        G().Files.closeAll();
    } catch (const std::exception&) {
    }
}

} // namespace fuzzsupport
