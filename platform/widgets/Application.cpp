// The application object's menu handlers and the registry that holds it.
#include "Application.h"

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

}  // namespace platform
