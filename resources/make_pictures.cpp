// Build-time tool: draws the program's pictures and writes them, as PNG data
// under the file names the program loads, into the first folder given; and
// draws the program's icon into the second, laid out as an icon theme
// (<size>x<size>/apps/<name>.png). Exits non-zero, saying why, when a
// picture cannot be drawn or written.
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "AppIcon.h"
#include "PictureSet.h"
#include "PictureText.h"

int main(int argc, char* argv[]) {
    // Text drawing needs a QGuiApplication (for its font database).
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: make_pictures PICTURE_FOLDER ICON_THEME_FOLDER ICON_NAME\n");
        return 2;
    }
    const QString family = pictures::PictureFontFamily();
    if (family.isEmpty()) {
        std::fprintf(stderr, "make_pictures: no usable font (install fonts-ipafont-gothic)\n");
        return 1;
    }
    const QDir folder(args.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_pictures: cannot create folder %s\n", qPrintable(folder.path()));
        return 1;
    }
    for (const pictures::NamedPicture& picture : pictures::DrawPictureSet(family)) {
        const QString path = folder.filePath(picture.fileName);
        // The files end in .pct, so the format is named rather than guessed.
        QImageWriter writer(path, "png");
        if (!writer.write(picture.image)) {
            std::fprintf(stderr, "make_pictures: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(writer.errorString()));
            return 1;
        }
    }
    for (const int size : pictures::kIconSizes) {
        const QDir apps(QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size));
        const QString path = apps.filePath(args.at(3) + QStringLiteral(".png"));
        QImageWriter writer(path, "png");
        if (!apps.mkpath(QStringLiteral(".")) || !writer.write(pictures::DrawAppIcon(size))) {
            std::fprintf(stderr, "make_pictures: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
