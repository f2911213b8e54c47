// Open dialog over QFileDialog. Qt's own dialog rather than the desktop's,
// so it behaves the same everywhere and can be driven in tests.
#include "OpenDialog.h"

#include <QFileDialog>

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
}  // namespace

std::unique_ptr<FolderItem> GetOpenFolderItem(const QString& typeName) {
    QFileDialog dialog(nullptr);
    dialog.setObjectName(QStringLiteral("openDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QString filter = FilterOf(typeName);
    if (!filter.isEmpty()) dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return nullptr;
    return std::make_unique<FolderItem>(chosen.first());
}

}  // namespace platform
