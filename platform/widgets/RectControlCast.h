// RuntimeCheckCast, kept apart so RectControl.h stays a plain declaration.
#pragma once

#include "platform/core/Exceptions.h"

namespace platform {

template <typename Control>
Control* RuntimeCheckCast(RectControl* control) {
    if (control == nullptr) return nullptr;
    auto* cast = dynamic_cast<Control*>(control);
    if (cast == nullptr) throw RuntimeException("IllegalCastException");
    return cast;
}

}  // namespace platform
