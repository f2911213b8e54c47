// The application's resources folder, found from the folder that holds the
// executable: share/tarnwick beside it once installed, "Resources" beside it
// in the build tree.
#pragma once

#include <QString>
#include <memory>

namespace platform {

class FolderItem;

// The first of those folders that exists; nil when neither does.
std::unique_ptr<FolderItem> GetApplicationBundleResources();

// Points the lookup at another folder (tests); an empty path restores it.
void SetApplicationBundleResourcesForTesting(const QString& folder);

}  // namespace platform
