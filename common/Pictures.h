// Pictures read from the program folder (icons, maps, the pictures of a window's design).
#pragma once

#include <QImage>
#include <QString>

namespace platform {
class Image;
class PictureBox;
} // namespace platform

// The picture in a file; a missing or unreadable file gives a null picture and a message naming
// it (once per file in a run), never an error that stops the caller.
QImage designPicture(const QString& path);
// Loads a picture file into a control; a missing one leaves the control blank, with the message.
bool loadPictureInto(platform::Image& image, const QString& path);
bool loadPictureInto(platform::PictureBox& picture, const QString& path);
