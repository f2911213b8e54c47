// What a link label does: blue at rest, red while the pointer is over it;
// a press is claimed so that its release, wherever it happens, opens the
// link's fixed address.
#pragma once

#include <QString>

#include "platform/widgets/Label.h"

namespace windows::link {

void Enter(platform::Label& label);
void Exit(platform::Label& label);
bool Down(platform::Label& label);
void Up(const QString& address);

}  // namespace windows::link
