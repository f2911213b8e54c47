// Start-up and the event loop.
#include "Runtime.h"

#include <QApplication>
#include <QTimer>
#include <memory>

#include "Application.h"
#include "DocumentQueue.h"
#include "EventDispatch.h"
#include "MenuBarWindow.h"
#include "MenuItem.h"
#include "Quit.h"
#include "TextStyle.h"
#include "Window.h"

namespace platform {

void RunFrameworkInitialization(void (*startup)()) {
    const BundleInfo& info = GetBundleInfo();
    QCoreApplication::setApplicationName(info.name);
    QCoreApplication::setApplicationVersion(info.longVersion);
    InstallFontSubstitutions();
    startup();
}

int RuntimeRun(const QList<QByteArray>& documents) {
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
        PostOpenDocuments(documents);
    });
    const int code = QuitRequested() ? QuitCode() : QApplication::exec();
    DropQueuedDocuments();
    while (Window* w = WindowAt(0)) delete w;
    return code;
}

}  // namespace platform
