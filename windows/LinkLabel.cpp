// Link label behaviour.
#include "LinkLabel.h"

#include "platform/widgets/ControlLists.h"
#include "platform/widgets/MessageBox.h"

namespace windows::link {

void Enter(platform::Label& label) { label.SetTextColor(platform::kLinkRed); }
void Exit(platform::Label& label) { label.SetTextColor(platform::kLinkBlue); }
bool Down(platform::Label&) { return true; }
void Up(const QString& address) { platform::ShowURL(address); }

}  // namespace windows::link
