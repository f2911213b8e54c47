// A turn for the event loop during long work on the main thread, so windows
// repaint. User input is not delivered inside it, and the turns are spaced
// out so that calling this in a tight loop costs next to nothing.
#pragma once

namespace platform {

void RuntimeBackgroundTask();

}  // namespace platform
