// Application object registry, start-up and the event loop.
#include "Application.h"

#include <QApplication>
#include <QTimer>
#include <memory>

#include "EventDispatch.h"
#include "FolderItem.h"
#include "MenuBarWindow.h"
#include "MenuItem.h"
#include "Quit.h"
#include "TextStyle.h"
#include "Window.h"

namespace platform {

namespace {
Application* registeredApp = nullptr;
BundleInfo bundleInfo;
}  // namespace

void SetBundleInfo(const BundleInfo& info) { bundleInfo = info; }
const BundleInfo& GetBundleInfo() { return bundleInfo; }

void Application::AddMenuHandler(const QString& name, std::function<bool()> handler) {
    menuHandlers_[name] = std::move(handler);
}

bool Application::HandleMenuCommand(const QString& name) {
    const auto found = menuHandlers_.find(name);
    if (found == menuHandlers_.end() || !found->second) return false;
    // What a handler returns ("handled") changes nothing here: every
    // command has exactly one handler.
    found->second();
    return true;
}

void RuntimeRegisterAppObject(Application* app) { registeredApp = app; }
Application* GetAppObject() { return registeredApp; }

void RunFrameworkInitialization(void (*startup)()) {
    QCoreApplication::setApplicationName(bundleInfo.name);
    QCoreApplication::setApplicationVersion(bundleInfo.longVersion);
    InstallFontSubstitutions();
    startup();
}

void PostOpenDocument(const QString& path) {
    Dispatch([path] {
        FolderItem item(path);
        if (Application* app = GetAppObject()) app->Event_OpenDocument(&item);
    });
}

int RuntimeRun(const QStringList& documents) {
    std::unique_ptr<MenuBarWindow> barWindow;
    if (Application* app = GetAppObject(); app != nullptr && app->GetMenuBar() != nullptr) {
        MenuBar* bar = app->GetMenuBar();
        Dispatch([bar] { bar->UpdateEnabling(); });
        barWindow = std::make_unique<MenuBarWindow>(bar);
        barWindow->show();
    }
    QTimer::singleShot(0, [documents] {
        Dispatch([] {
            if (Application* app = GetAppObject()) app->Event_Open();
        });
        for (const QString& path : documents) PostOpenDocument(path);
    });
    const int code = QuitRequested() ? QuitCode() : QApplication::exec();
    while (Window* w = WindowAt(0)) delete w;
    return code;
}

}  // namespace platform
