// The application object and its events, version data and menu handlers.
#pragma once

#include <QString>
#include <functional>
#include <map>

namespace platform {

class FolderItem;
class MenuBar;

// The application's release data, set once at start-up.
struct BundleInfo {
    QString name;
    int majorVersion = 0;
    int minorVersion = 0;
    int bugVersion = 0;
    QString longVersion;
};
void SetBundleInfo(const BundleInfo& info);
const BundleInfo& GetBundleInfo();

class Application {
public:
    virtual ~Application() = default;

    // Application events; the framework raises them.
    virtual void Event_Open() {}
    virtual void Event_OpenDocument(FolderItem* item) { (void)item; }
    virtual void Event_EnableMenuItems() {}

    MenuBar* GetMenuBar() const { return menuBar_; }
    void SetMenuBar(MenuBar* bar) { menuBar_ = bar; }

    // Choosing the item named `name` runs `handler`.
    void AddMenuHandler(const QString& name, std::function<bool()> handler);
    // Runs the handler registered for `name`; false when there is none.
    bool HandleMenuCommand(const QString& name);

    int MajorVersion() const { return GetBundleInfo().majorVersion; }
    int MinorVersion() const { return GetBundleInfo().minorVersion; }
    int BugVersion() const { return GetBundleInfo().bugVersion; }
    QString LongVersion() const { return GetBundleInfo().longVersion; }

private:
    MenuBar* menuBar_ = nullptr;
    std::map<QString, std::function<bool()>> menuHandlers_;
};

// The one application object. Registering does not pass ownership.
void RuntimeRegisterAppObject(Application* app);
Application* GetAppObject();

}  // namespace platform
