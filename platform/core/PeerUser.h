// Who is at the other end of a local socket, from the socket's peer
// credentials: the kernel's word, which the peer cannot forge.
#pragma once

#include <sys/types.h>

#include <QtGlobal>
#include <optional>

namespace platform {

// True when the process at the other end of the connected local socket
// `descriptor` runs as this program's user; false when it runs as another
// or cannot be told.
bool PeerIsThisUser(qintptr descriptor);

// Tests: takes `user` as this program's user in the check above, so that a
// peer of the same user can play another user. Nil restores the real one.
void SetThisUserForTesting(std::optional<uid_t> user);

}  // namespace platform
