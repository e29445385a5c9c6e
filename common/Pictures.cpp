#include "Pictures.h"

#include "Globals.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

namespace {
void reportMissing(const QString& path) {
    if (G().MissingPictures.contains(path)) return;
    G().MissingPictures.insert(path);
    platform::showError(QStringLiteral("Immagine mancante o illeggibile: %1").arg(path));
}
} // namespace

QImage designPicture(const QString& path) {
    QImage img;
    if (!platform::fileExists(path) || !img.load(platform::diskPath(path))) {
        reportMissing(path);
        return QImage();
    }
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
