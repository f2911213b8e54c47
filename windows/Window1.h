// The result window: one per inspected document. It shows the release
// picture and name, the edition and the sub-version; its link opens the
// maker's web site and "閉じる" closes the frontmost window.
#pragma once

#include "platform/widgets/Canvas.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/PushButton.h"
#include "platform/widgets/Window.h"

class Window1 : public platform::Window {
    Q_OBJECT
public:
    Window1();

    void Layout() override;
    void CreateControls() override;
    void CreateControls0();

    platform::PushButton* PushButton2() const;
    platform::Label* StaticText1() const;
    platform::Label* StaticText2() const;
    platform::Canvas* Canvas1() const;
    platform::Label* StaticText3() const;
    platform::Label* StaticText4() const;
    platform::Label* StaticText5() const;

    void PushButton2_Action(platform::PushButton& button);
    bool StaticText4_MouseDown(platform::Label& label, int x, int y);
    void StaticText4_MouseExit(platform::Label& label);
    void StaticText4_MouseEnter(platform::Label& label);
    void StaticText4_MouseUp(platform::Label& label, int x, int y);
};
