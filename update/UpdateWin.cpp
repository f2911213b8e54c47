// Update notice: build sequence and handlers.
#include "UpdateWin.h"

#include "TarnwickConfig.h"
#include "UpdateWinLists.h"
#include "platform/core/Exceptions.h"
#include "platform/widgets/ControlBuild.h"
#include "platform/widgets/MessageBox.h"

using namespace platform;
namespace lists = update::updatewin;

namespace {
const QString kClassName = QStringLiteral("UpdateWin.UpdateWin");
}

UpdateWin::UpdateWin() : Window(kClassName, true) {}

UpdateWin* UpdateWin::ImplicitInstance() {
    if (Window* open = GetImplicitWindow(kClassName)) return dynamic_cast<UpdateWin*>(open);
    auto* created = new UpdateWin;
    created->Constructor();
    return created;
}

void UpdateWin::Layout() { SetProperties(*this, lists::WindowProperties()); }

void UpdateWin::CreateControls() { CreateControls0(); }

void UpdateWin::CreateControls0() {
    // No text sizes: the controls keep the desktop's.
    auto* notice = platform::Build<Label>(*this, "Label1");
    notice->Style().SetTextUnit(0);
    SetProperties(*notice, lists::Label1Properties());

    auto* later = platform::Build<PushButton>(*this, "PushButton1");
    later->Style().SetTextUnit(0);
    SetProperties(*later, lists::PushButton1Properties());
    later->Action = [this](PushButton& b) { PushButton1_Action(b); };

    auto* visit = platform::Build<PushButton>(*this, "PushButton2");
    visit->Style().SetTextUnit(0);
    SetProperties(*visit, lists::PushButton2Properties());
    visit->Action = [this](PushButton& b) { PushButton2_Action(b); };
}

Label* UpdateWin::Label1() const { return Control<Label>(QStringLiteral("Label1")); }
PushButton* UpdateWin::PushButton1() const {
    return Control<PushButton>(QStringLiteral("PushButton1"));
}
PushButton* UpdateWin::PushButton2() const {
    return Control<PushButton>(QStringLiteral("PushButton2"));
}

void UpdateWin::PushButton1_Action(PushButton&) { NotNil(ImplicitInstance())->Close(); }

void UpdateWin::PushButton2_Action(PushButton&) {
    // The address first; the notice closes whether or not a browser starts.
    ShowURL(QString::fromUtf8(config::kSiteAddress));
    NotNil(ImplicitInstance())->Close();
}
