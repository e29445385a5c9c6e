#include "Pictures.h"

#include "Globals.h"
#include "Messages.h"
#include "platform/Controls.h"
#include "platform/Files.h"

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
    // One look at the file tells both.
    auto& decoded = G().PictureCache;
    const std::optional<platform::FileStamp> file = platform::fileStamp(path);
    if (!file) {
        reportMissing(path);
        return QImage();
    }
    const auto found = decoded.constFind(file->path);
    if (found != decoded.constEnd() && found->modifiedNs == file->changedNs && found->size == file->length)
        return found->image;
    QImage img;
    if (!img.load(file->path)) {
        decoded.remove(file->path);
        reportMissing(path);
        return QImage();
    }
    decoded.insert(file->path, {file->changedNs, file->length, img});
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
