// Steps of building one control: a new control registered under its name
// and reached by that name from then on; text size and unit of a text
// control.
#pragma once

#include "platform/core/Exceptions.h"
#include "platform/widgets/Window.h"

namespace platform {

template <typename C>
C* Build(platform::Window& window, const char* name) {
    window.AddControl(QString::fromLatin1(name), window.New<C>());
    return platform::NotNil(window.Control<C>(QString::fromLatin1(name)));
}

// Sizes are pixels (unit 0).
template <typename C>
void SizeText(C* control, double size) {
    control->Style().SetTextSize(size);
    control->Style().SetTextUnit(0);
}

}  // namespace platform
