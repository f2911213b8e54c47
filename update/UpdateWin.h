// The update notice: a newer version is out. "サイトを見に行く" opens the
// maker's web site and closes the notice; "また後で" only closes it. At
// most one is open.
#pragma once

#include "platform/widgets/Label.h"
#include "platform/widgets/PushButton.h"
#include "platform/widgets/Window.h"

class UpdateWin : public platform::Window {
    Q_OBJECT
public:
    UpdateWin();

    // The open notice, or a new one.
    static UpdateWin* ImplicitInstance();

    void Layout() override;
    void CreateControls() override;
    void CreateControls0();

    platform::Label* Label1() const;
    platform::PushButton* PushButton1() const;
    platform::PushButton* PushButton2() const;

    void PushButton1_Action(platform::PushButton& button);
    void PushButton2_Action(platform::PushButton& button);
};
