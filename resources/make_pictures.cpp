// Build-time tool: draws the program's pictures and writes them, as PNG data
// under the file names the program loads, into the folder given as argument.
// Exits non-zero, saying why, when a picture cannot be drawn or written.
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "PictureSet.h"
#include "PictureText.h"

int main(int argc, char* argv[]) {
    // Text drawing needs a QGuiApplication (for its font database).
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER\n");
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
    return 0;
}
