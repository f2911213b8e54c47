// The About window: logo, product name, version and two links. At most one
// is open; the About command shows it, building it first when needed.
#pragma once

#include "platform/widgets/Canvas.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/PushButton.h"
#include "platform/widgets/Window.h"

class Window2 : public platform::Window {
    Q_OBJECT
public:
    Window2();

    // The open About window, or a new one.
    static Window2* ImplicitInstance();

    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    void Event_Open() override;

    platform::PushButton* PushButton1() const;
    platform::Label* StaticText1() const;
    platform::Canvas* Canvas1() const;
    platform::Label* StaticText2() const;
    platform::Label* StaticText3() const;
    platform::Label* StaticText5() const;

    void PushButton1_Action(platform::PushButton& button);
    void StaticText1_MouseExit(platform::Label& label);
    void StaticText1_MouseEnter(platform::Label& label);
    bool StaticText1_MouseDown(platform::Label& label, int x, int y);
    void StaticText1_MouseUp(platform::Label& label, int x, int y);
    void StaticText2_MouseUp(platform::Label& label, int x, int y);
    void StaticText2_MouseExit(platform::Label& label);
    void StaticText2_MouseEnter(platform::Label& label);
    bool StaticText2_MouseDown(platform::Label& label, int x, int y);
};
