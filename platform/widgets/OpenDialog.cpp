// Open dialog over QFileDialog. Qt's own dialog rather than the desktop's,
// so it behaves the same everywhere and can be driven in tests.
#include "OpenDialog.h"

#include <dirent.h>

#include <QFileDialog>
#include <QFileInfo>

#include "FileType.h"
#include "FolderItem.h"

namespace platform {

namespace {

QString FilterOf(const QString& typeName) {
    const FileType* type = FindFileType(typeName);
    if (type == nullptr) return {};
    QStringList patterns;
    for (const QString& ext : type->Extensions.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        patterns << QLatin1Char('*') + ext.trimmed();
    return QStringLiteral("%1 (%2)").arg(type->Name, patterns.join(QLatin1Char(' ')));
}

// Qt's file model shows a name that is not UTF-8 with replacement marks, and
// the path it hands back names no file. Each such part is looked up among
// its folder's entries by how it shows; empty when no single entry matches.
QByteArray NativePathOf(const QString& absolutePath) {
    QByteArray native;
    for (const QString& part : absolutePath.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QByteArray folder = native.isEmpty() ? QByteArray("/") : native;
        native += '/';
        if (!part.contains(QChar::ReplacementCharacter)) {
            native += QFile::encodeName(part);
            continue;
        }
        QList<QByteArray> matches;
        if (DIR* dir = opendir(folder.constData())) {
            while (const dirent* entry = readdir(dir))
                if (QString::fromUtf8(entry->d_name) == part) matches << entry->d_name;
            closedir(dir);
        }
        if (matches.size() != 1) return {};
        native += matches.first();
    }
    return native;
}

class Dialog : public QFileDialog {
public:
    QByteArray chosen;  // the file-system bytes of the file chosen

protected:
    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty() && !QFileInfo::exists(files.first()) &&
            files.first().contains(QChar::ReplacementCharacter)) {
            chosen = NativePathOf(files.first());
            // Found by its bytes: Qt's own check would call it missing.
            if (!chosen.isEmpty()) return QDialog::accept();
        }
        QFileDialog::accept();
    }
};

}  // namespace

std::unique_ptr<FolderItem> GetOpenFolderItem(const QString& typeName) {
    Dialog dialog;
    dialog.setObjectName(QStringLiteral("openDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QString filter = FilterOf(typeName);
    if (!filter.isEmpty()) dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    if (!dialog.chosen.isEmpty()) return std::make_unique<FolderItem>(dialog.chosen);
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return nullptr;
    return std::make_unique<FolderItem>(chosen.first());
}

}  // namespace platform
