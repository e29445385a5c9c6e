#include "CardGlobals.h"

#include "platform/Files.h"

#include <QDir>
#include <memory>

namespace {
std::unique_ptr<CardGlobals>& instance() {
    static std::unique_ptr<CardGlobals> g = std::make_unique<CardGlobals>();
    return g;
}
} // namespace

CardGlobals& CG() {
    return *instance();
}

void resetCardGlobals() {
    instance() = std::make_unique<CardGlobals>();
    HelpFilePath.clear();
}

bool EnsureFolder(const QString& path) {
    if (platform::folderExists(path)) return true;
    QString p = platform::diskPath(path);
    while (p.endsWith(u'/') && p.size() > 1) p.chop(1);
    if (!QDir().mkdir(p))
        throw platform::FileError(QStringLiteral("Impossibile creare la cartella %1").arg(p), p);
    return false;
}

QString ReplaceAll(const QString& text, const QString& search) {
    QString out = text;
    if (search.isEmpty()) return out;
    for (int at = out.indexOf(search); at >= 0; at = out.indexOf(search)) out.remove(at, 1);
    return out;
}

void digitsOnlyKey(int& keyAscii) {
    if (!(keyAscii >= 0 && keyAscii <= 9) && !(keyAscii >= '0' && keyAscii <= '9') && keyAscii != 8)
        keyAscii = 0;
}

QString cardSavedMessage(const QString& cardPath) {
    // The file as the file manager shows it: its name on disk, the system's separators.
    const QString file = platform::diskPath(cardPath);
    const QString folder = platform::diskPath(CG().AppFolder + u'\\');
    const QString shown = file.startsWith(folder) ? file.mid(folder.size()) : file;
    return QStringLiteral("Scheda salvata: ") + QDir::toNativeSeparators(shown);
}
