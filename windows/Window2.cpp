// About window: build sequence and handlers.
#include "Window2.h"

#include "LinkLabel.h"
#include "PictureGetters.h"
#include "TarnwickConfig.h"
#include "Window2Lists.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/ControlBuild.h"

using namespace platform;
namespace lists = windows::window2;
using platform::Build;
using platform::SizeText;

namespace {
const QString kClassName = QStringLiteral("Window2.Window2");
}

Window2::Window2() : Window(kClassName, true) {}

Window2* Window2::ImplicitInstance() {
    if (Window* open = GetImplicitWindow(kClassName)) return dynamic_cast<Window2*>(open);
    auto* created = new Window2;
    created->Constructor();
    return created;
}

void Window2::Layout() { SetProperties(*this, lists::WindowProperties()); }

void Window2::CreateControls() { CreateControls0(); }

void Window2::CreateControls0() {
    auto* button = Build<PushButton>(*this, "PushButton1");
    SizeText(button, 12);
    SetProperties(*button, lists::PushButton1Properties());
    button->Action = [this](PushButton& b) { PushButton1_Action(b); };

    auto* web = Build<Label>(*this, "StaticText1");
    SizeText(web, 11);
    SetProperties(*web, lists::StaticText1Properties());
    web->MouseExit = [this](Label& l) { StaticText1_MouseExit(l); };
    web->MouseEnter = [this](Label& l) { StaticText1_MouseEnter(l); };
    web->MouseDown = [this](Label& l, int x, int y) { return StaticText1_MouseDown(l, x, y); };
    web->MouseUp = [this](Label& l, int x, int y) { StaticText1_MouseUp(l, x, y); };

    auto* logo = Build<Canvas>(*this, "Canvas1");
    logo->SetBackdrop(windows::_x_pelnor::pelnor());
    SetProperties(*logo, lists::Canvas1Properties());

    auto* mail = Build<Label>(*this, "StaticText2");
    SizeText(mail, 11);
    SetProperties(*mail, lists::StaticText2Properties());
    mail->MouseUp = [this](Label& l, int x, int y) { StaticText2_MouseUp(l, x, y); };
    mail->MouseExit = [this](Label& l) { StaticText2_MouseExit(l); };
    mail->MouseEnter = [this](Label& l) { StaticText2_MouseEnter(l); };
    mail->MouseDown = [this](Label& l, int x, int y) { return StaticText2_MouseDown(l, x, y); };

    auto* product = Build<Label>(*this, "StaticText3");
    SizeText(product, 12);
    SetProperties(*product, lists::StaticText3Properties());

    auto* version = Build<Label>(*this, "StaticText5");
    SizeText(version, 9);
    SetProperties(*version, lists::StaticText5Properties());
}

void Window2::Event_Open() {
    Label* version = NotNil(StaticText5());
    const QString longVersion = NotNil(GetAppObject())->LongVersion();
    version->SetText("Ver. " + longVersion.toUtf8());
}

PushButton* Window2::PushButton1() const {
    return Control<PushButton>(QStringLiteral("PushButton1"));
}
Label* Window2::StaticText1() const { return Control<Label>(QStringLiteral("StaticText1")); }
Canvas* Window2::Canvas1() const { return Control<Canvas>(QStringLiteral("Canvas1")); }
Label* Window2::StaticText2() const { return Control<Label>(QStringLiteral("StaticText2")); }
Label* Window2::StaticText3() const { return Control<Label>(QStringLiteral("StaticText3")); }
Label* Window2::StaticText5() const { return Control<Label>(QStringLiteral("StaticText5")); }

void Window2::PushButton1_Action(PushButton&) {
    // The About window itself, not whichever window is in front.
    NotNil(ImplicitInstance())->Close();
}

void Window2::StaticText1_MouseExit(Label& label) { windows::link::Exit(label); }
void Window2::StaticText1_MouseEnter(Label& label) { windows::link::Enter(label); }
bool Window2::StaticText1_MouseDown(Label& label, int, int) { return windows::link::Down(label); }
void Window2::StaticText1_MouseUp(Label&, int, int) {
    windows::link::Up(QString::fromUtf8(config::kSiteAddress));
}
void Window2::StaticText2_MouseUp(Label&, int, int) {
    windows::link::Up(QString::fromUtf8(lists::MailAddress()));
}
void Window2::StaticText2_MouseExit(Label& label) { windows::link::Exit(label); }
void Window2::StaticText2_MouseEnter(Label& label) { windows::link::Enter(label); }
bool Window2::StaticText2_MouseDown(Label& label, int, int) { return windows::link::Down(label); }
