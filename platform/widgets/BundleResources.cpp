// Resources folder lookup.
#include "BundleResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "FolderItem.h"

namespace platform {

namespace {
QString overrideFolder;
}  // namespace

std::unique_ptr<FolderItem> GetApplicationBundleResources() {
    const QString folder = !overrideFolder.isEmpty()
                               ? overrideFolder
                               : QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                 QStringLiteral("/../Resources"));
    if (!QFileInfo(folder).isDir()) return nullptr;
    return std::make_unique<FolderItem>(folder);
}

void SetApplicationBundleResourcesForTesting(const QString& folder) { overrideFolder = folder; }

}  // namespace platform
