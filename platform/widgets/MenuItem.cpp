// Menu model.
#include "MenuItem.h"

#include "Application.h"
#include "Quit.h"

namespace platform {

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;

void MenuItem::SetName(const QString& name) { name_ = name; }

void MenuItem::SetText(const QString& text) {
    text_ = text;
    emit Changed();
}

void MenuItem::SetKeyboardShortcut(const QString& shortcut) {
    shortcut_ = shortcut;
    emit Changed();
}

void MenuItem::SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }

void MenuItem::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    emit EnabledChanged();
}

void MenuItem::Append(MenuItem* child) {
    children_.emplace_back(child);
    emit ChildAppended(child);
}

MenuItem* MenuItem::Child(const QString& name) const {
    for (const auto& c : children_)
        if (c->Name() == name) return c.get();
    return nullptr;
}

MenuItem* MenuItem::Lookup(const QString& name) const {
    for (const auto& c : children_) {
        if (c->Name() == name) return c.get();
        if (MenuItem* below = c->Lookup(name)) return below;
    }
    return nullptr;
}

void MenuItem::Action() {
    if (Application* app = GetAppObject()) app->HandleMenuCommand(Name());
}

void QuitMenuItem::Action() { Quit(0); }

namespace {
void ResetToAutoEnable(MenuItem& item) {
    for (const auto& c : item.Children()) {
        // Menus themselves (items with children) stay open to the user.
        c->SetEnabled(c->Children().empty() ? c->AutoEnable() : true);
        ResetToAutoEnable(*c);
    }
}
}  // namespace

void MenuBar::UpdateEnabling() {
    ResetToAutoEnable(*this);
    if (Application* app = GetAppObject()) app->Event_EnableMenuItems();
}

}  // namespace platform
