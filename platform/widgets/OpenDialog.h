// The modal open dialog.
#pragma once

#include <QString>
#include <memory>

namespace platform {

class FolderItem;

// Lets the user choose one document of the registered type `typeName`;
// nil when the user cancels.
std::unique_ptr<FolderItem> GetOpenFolderItem(const QString& typeName);

}  // namespace platform
