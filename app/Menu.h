// The program's menu bar: File ("開く", "Quit") and Edit (Undo to Clear and
// the About item). One instance, shared by the application and every
// result window.
#pragma once

#include "platform/widgets/MenuItem.h"

class Menu : public platform::MenuBar {
    Q_OBJECT
public:
    // The one menu bar, built by the first call.
    static Menu* ImplicitInstance();

    void Constructor();
    void Untitled1();
    void Untitled2();
};
