#include "Pictures.h"

#include "Globals.h"
#include "Messages.h"
#include "platform/Controls.h"
#include "platform/Files.h"

#include <QFileInfo>

namespace {
void reportMissing(const QString& path) {
    if (G().MissingPictures.contains(path)) return;
    G().MissingPictures.insert(path);
    reportProblem(QStringLiteral("Immagine mancante o illeggibile: %1").arg(path));
}
} // namespace

QImage designPicture(const QString& path) {
    // The map is put back several times an hour; a picture is decoded again only when its file
    // changed.
    auto& decoded = G().PictureCache;
    const QString disk = platform::diskPath(path);
    const QFileInfo file(disk);
    if (!file.exists() || !file.isFile()) {
        reportMissing(path);
        return QImage();
    }
    const auto found = decoded.constFind(disk);
    if (found != decoded.constEnd() && found->modified == file.lastModified() && found->size == file.size())
        return found->image;
    QImage img;
    if (!img.load(disk)) {
        decoded.remove(disk);
        reportMissing(path);
        return QImage();
    }
    decoded.insert(disk, {file.lastModified(), file.size(), img});
    return img;
}

bool loadPictureInto(platform::Image& image, const QString& path) {
    const QImage img = designPicture(path);
    image.setPicture(img);
    return !img.isNull();
}

bool loadPictureInto(platform::PictureBox& picture, const QString& path) {
    const QImage img = designPicture(path);
    picture.setPicture(img);
    return !img.isNull();
}
