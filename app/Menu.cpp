// Menu bar construction from its item table.
#include "Menu.h"

#include "TarnwickConfig.h"
#include "platform/core/Exceptions.h"

using namespace platform;

namespace {

enum class Kind { Item, Quit, About };

// The menu a row is attached to; nullptr for the bar itself.
struct MenuRow {
    Kind kind;
    const char* name;
    const char* text;
    const char* shortcut;  // nullptr: never set
    bool autoEnable;
    const char* menu;
};

// clang-format off
const MenuRow kFileMenu[] = {
    {Kind::Item,  "UntitledMenu2", "File",  "",      false, nullptr},
    {Kind::Item,  "hiraku",        "開く",  "Cmd+O", false, "UntitledMenu2"},
    {Kind::Quit,  "FileQuit",      "Quit",  "Cmd+Q", true,  "UntitledMenu2"},
};
const MenuRow kEditMenu[] = {
    {Kind::Item,  "UntitledMenu0", "Edit",  "",      false, nullptr},
    {Kind::Item,  "EditUndo",      "Undo",  "Cmd+Z", false, "UntitledMenu0"},
    {Kind::Item,  "UntitledMenu1", "-",     nullptr, false, "UntitledMenu0"},
    {Kind::Item,  "EditCut",       "Cut",   "Cmd+X", false, "UntitledMenu0"},
    {Kind::Item,  "EditCopy",      "Copy",  "Cmd+C", false, "UntitledMenu0"},
    {Kind::Item,  "EditPaste",     "Paste", "Cmd+V", false, "UntitledMenu0"},
    {Kind::Item,  "EditClear",     "Clear", "",      false, "UntitledMenu0"},
    {Kind::About, "kono",          config::kProductName, "", false, "UntitledMenu0"},
};
// clang-format on

MenuItem* NewItem(Kind kind) {
    switch (kind) {
        case Kind::Quit:
            return new QuitMenuItem;
        case Kind::About:
            return new AppleMenuItem;
        case Kind::Item:
            break;
    }
    return new MenuItem;
}

template <size_t N>
void BuildRows(MenuBar& bar, const MenuRow (&rows)[N]) {
    for (const MenuRow& row : rows) {
        MenuItem* item = NotNil(NewItem(row.kind));
        item->SetName(QString::fromUtf8(row.name));
        item->SetAutoEnable(row.autoEnable);
        item->SetText(QString::fromUtf8(row.text));
        if (row.shortcut != nullptr) item->SetKeyboardShortcut(QString::fromUtf8(row.shortcut));
        if (row.menu == nullptr) {
            bar.Append(item);
        } else {
            NotNil(bar.Child(QString::fromUtf8(row.menu)))->Append(item);
        }
    }
}

Menu* implicitInstance = nullptr;

}  // namespace

Menu* Menu::ImplicitInstance() {
    if (implicitInstance == nullptr) {
        implicitInstance = new Menu;
        implicitInstance->Constructor();
    }
    return implicitInstance;
}

void Menu::Constructor() {
    Untitled1();
    Untitled2();
}

void Menu::Untitled1() { BuildRows(*this, kFileMenu); }
void Menu::Untitled2() { BuildRows(*this, kEditMenu); }
