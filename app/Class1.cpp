// Document intake, menu handlers and enabling of the application object.
#include "Class1.h"

#include "FileTypes.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/MenuItem.h"
#include "platform/widgets/OpenDialog.h"
#include "windows/Window2.h"

using namespace platform;

Class1* App() {
    Application* app = GetAppObject();
    if (app == nullptr) return nullptr;
    auto* cast = dynamic_cast<Class1*>(app);
    if (cast == nullptr) throw RuntimeException("IllegalCastException");
    return cast;
}

MenuItem* hiraku() {
    MenuBar* bar = NotNil(NotNil(App())->GetMenuBar());
    return bar->Lookup(QStringLiteral("hiraku"));
}

AppleMenuItem* kono() {
    MenuBar* bar = NotNil(NotNil(App())->GetMenuBar());
    return dynamic_cast<AppleMenuItem*>(bar->Lookup(QStringLiteral("kono")));
}

void Class1::Event_EnableMenuItems() {
    NotNil(hiraku())->Enable();
    NotNil(kono())->Enable();
}

void Class1::Event_OpenDocument(FolderItem* item) {
    if (item != nullptr) {
        VersionCheck(item);
        return;
    }
    if (auto chosen = GetOpenFolderItem(FileTypes::pIndd->Name)) VersionCheck(chosen.get());
}

bool Class1::_hiraku_Action() {
    if (auto chosen = GetOpenFolderItem(QStringLiteral("indd"))) VersionCheck(chosen.get());
    return false;
}

bool Class1::_kono_Action() {
    NotNil(Window2::ImplicitInstance())->Show();
    return false;
}
