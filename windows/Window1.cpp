// Result window: build sequence and handlers.
#include "Window1.h"

#include "LinkLabel.h"
#include "TarnwickConfig.h"
#include "Window1Lists.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/ControlBuild.h"

using namespace platform;
namespace lists = windows::window1;

Window1::Window1() : Window(QStringLiteral("Window1.Window1"), false) {}

void Window1::Layout() {
    // The application's one menu bar, shown in every result window.
    SetMenuBar(NotNil(GetAppObject())->GetMenuBar());
    SetProperties(*this, lists::WindowProperties());
}

void Window1::CreateControls() { CreateControls0(); }

using platform::Build;
using platform::SizeText;

void Window1::CreateControls0() {
    auto* button = Build<PushButton>(*this, "PushButton2");
    SizeText(button, 12);
    SetProperties(*button, lists::PushButton2Properties());
    button->Action = [this](PushButton& b) { PushButton2_Action(b); };

    auto* product = Build<Label>(*this, "StaticText1");
    SizeText(product, 12);
    SetProperties(*product, lists::StaticText1Properties());

    auto* release = Build<Label>(*this, "StaticText2");
    SizeText(release, 12);
    SetProperties(*release, lists::StaticText2Properties());

    auto* canvas = Build<Canvas>(*this, "Canvas1");
    SetProperties(*canvas, lists::Canvas1Properties());

    auto* edition = Build<Label>(*this, "StaticText3");
    SizeText(edition, 10);
    SetProperties(*edition, lists::StaticText3Properties());

    auto* link = Build<Label>(*this, "StaticText4");
    SizeText(link, 12);
    SetProperties(*link, lists::StaticText4Properties());
    link->MouseDown = [this](Label& l, int x, int y) { return StaticText4_MouseDown(l, x, y); };
    link->MouseExit = [this](Label& l) { StaticText4_MouseExit(l); };
    link->MouseEnter = [this](Label& l) { StaticText4_MouseEnter(l); };
    link->MouseUp = [this](Label& l, int x, int y) { StaticText4_MouseUp(l, x, y); };

    auto* subVersion = Build<Label>(*this, "StaticText5");
    SizeText(subVersion, 14);
    SetProperties(*subVersion, lists::StaticText5Properties());
}

PushButton* Window1::PushButton2() const {
    return Control<PushButton>(QStringLiteral("PushButton2"));
}
Label* Window1::StaticText1() const { return Control<Label>(QStringLiteral("StaticText1")); }
Label* Window1::StaticText2() const { return Control<Label>(QStringLiteral("StaticText2")); }
Canvas* Window1::Canvas1() const { return Control<Canvas>(QStringLiteral("Canvas1")); }
Label* Window1::StaticText3() const { return Control<Label>(QStringLiteral("StaticText3")); }
Label* Window1::StaticText4() const { return Control<Label>(QStringLiteral("StaticText4")); }
Label* Window1::StaticText5() const { return Control<Label>(QStringLiteral("StaticText5")); }

void Window1::PushButton2_Action(PushButton&) {
    // The frontmost window, whichever it is: not necessarily this one.
    if (Window* front = WindowAt(0)) front->Close();
}

bool Window1::StaticText4_MouseDown(Label& label, int, int) { return windows::link::Down(label); }
void Window1::StaticText4_MouseExit(Label& label) { windows::link::Exit(label); }
void Window1::StaticText4_MouseEnter(Label& label) { windows::link::Enter(label); }
void Window1::StaticText4_MouseUp(Label&, int, int) {
    windows::link::Up(QString::fromUtf8(config::kSiteAddress));
}
