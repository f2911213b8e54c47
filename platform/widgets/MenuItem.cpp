// Menu model.
#include "MenuItem.h"

#include <utility>
#include <vector>

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

namespace {
// While the bar's enabling is worked out, items are switched off and on
// again on the way; each tells only once the whole is done, and only if it
// ends up changed (every window that carries the item's command hears it).
bool enablingUnderWay = false;

// Ends however the application's part ends.
struct EnablingUnderWay {
    EnablingUnderWay() { enablingUnderWay = true; }
    ~EnablingUnderWay() { enablingUnderWay = false; }
};

}  // namespace

void MenuItem::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (!enablingUnderWay) emit EnabledChanged();
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

// Every item below `item` with its enabled state.
void Collect(const MenuItem& item, std::vector<std::pair<MenuItem*, bool>>& states) {
    for (const auto& c : item.Children()) {
        states.emplace_back(c.get(), c->Enabled());
        Collect(*c, states);
    }
}

}  // namespace

void MenuBar::UpdateEnabling() {
    std::vector<std::pair<MenuItem*, bool>> before;
    Collect(*this, before);
    {
        const EnablingUnderWay underWay;
        for (const auto& [item, enabled] : before) {
            // Menus themselves (items with children) stay open to the user.
            item->SetEnabled(item->Children().empty() ? item->AutoEnable() : true);
        }
        if (Application* app = GetAppObject()) app->Event_EnableMenuItems();
    }
    for (const auto& [item, enabled] : before)
        if (item->Enabled() != enabled) emit item->EnabledChanged();
}

}  // namespace platform
