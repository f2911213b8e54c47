// The application's resources folder: "Resources" in the parent of the
// folder that holds the executable.
#pragma once

#include <QString>
#include <memory>

namespace platform {

class FolderItem;

// Nil when the folder does not exist.
std::unique_ptr<FolderItem> GetApplicationBundleResources();

// Points the lookup at another folder (tests); an empty path restores it.
void SetApplicationBundleResourcesForTesting(const QString& folder);

}  // namespace platform
