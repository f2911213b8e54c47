// SO_PEERCRED: the user the peer ran as when it connected or listened.
#include "PeerUser.h"

#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {
std::optional<uid_t> thisUserForTesting;
}  // namespace

bool PeerIsThisUser(qintptr descriptor) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (descriptor < 0 || ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED,
                                       &credentials, &size) != 0)
        return false;
    return credentials.uid == thisUserForTesting.value_or(::geteuid());
}

void SetThisUserForTesting(std::optional<uid_t> user) { thisUserForTesting = user; }

}  // namespace platform
