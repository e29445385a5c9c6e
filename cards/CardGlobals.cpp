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
    QString shown = cardPath;
    const QString folder = CG().AppFolder + u'\\';
    if (shown.startsWith(folder, Qt::CaseInsensitive)) shown.remove(0, folder.size());
    return QStringLiteral("Scheda salvata: ") + shown;
}
