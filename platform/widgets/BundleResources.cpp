// Resources folder lookup.
#include "BundleResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "FolderItem.h"
#include "TarnwickConfig.h"

namespace platform {

namespace {
QString overrideFolder;
}  // namespace

std::unique_ptr<FolderItem> GetApplicationBundleResources() {
    if (!overrideFolder.isEmpty()) {
        if (!QFileInfo(overrideFolder).isDir()) return nullptr;
        return std::make_unique<FolderItem>(overrideFolder);
    }
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& relative :
         {QString::fromUtf8(config::kResourcesFromBin), QStringLiteral("../Resources")}) {
        const QString folder = QDir::cleanPath(bin.filePath(relative));
        if (QFileInfo(folder).isDir()) return std::make_unique<FolderItem>(folder);
    }
    return nullptr;
}

void SetApplicationBundleResourcesForTesting(const QString& folder) { overrideFolder = folder; }

}  // namespace platform
