// Link label behaviour.
#include "LinkLabel.h"

#include "ControlLists.h"
#include "platform/MessageBox.h"

namespace windows::link {

void Enter(platform::Label& label) { label.SetTextColor(kLinkRed); }
void Exit(platform::Label& label) { label.SetTextColor(kLinkBlue); }
bool Down(platform::Label&) { return true; }
void Up(const QString& address) { platform::ShowURL(address); }

}  // namespace windows::link
