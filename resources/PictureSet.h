// The program's eight pictures, each with the file name the program loads it
// by: one badge per InDesign release, one for an unknown release, and the
// maker's logo.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace pictures {

struct NamedPicture {
    QString fileName;
    QImage image;
};

// All eight pictures drawn in `family` (see PictureFontFamily()).
std::vector<NamedPicture> DrawPictureSet(const QString& family);

}  // namespace pictures
