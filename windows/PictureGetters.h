// The program's pictures, each loaded from the resources folder at its first
// use and kept for the rest of the run. While loading fails a getter gives
// nil and tries again at its next call. A resources folder that yields no
// item for the file raises NilObjectException.
#pragma once

#include <memory>

#include "platform/widgets/Picture.h"

namespace windows {

using PicturePtr = std::shared_ptr<platform::Picture>;

// clang-format off
namespace _x_cs     { PicturePtr cs(); }
namespace _x_cs2    { PicturePtr cs2(); }
namespace _x_cs3    { PicturePtr cs3(); }
namespace _x_cs4    { PicturePtr cs4(); }
namespace _x_cs5    { PicturePtr cs5(); }
namespace _x_cs55   { PicturePtr cs55(); }
namespace _x_ind    { PicturePtr ind(); }
namespace _x_pelnor { PicturePtr pelnor(); }
// clang-format on

// Empties every cache, so a test starts as a fresh run does.
void ResetPictureCachesForTesting();

}  // namespace windows
