// Folders that only this user can enter: where the hand-over socket may lie
// without another local user being able to take its name first.
#pragma once

#include <QString>

namespace platform {

// Why `path` is not a folder of this user's alone (missing, a link, not a
// folder, another owner, open to group or others); empty when it is one.
QString PrivateFolderProblem(const QString& path);

struct PrivateFolder {
    QString path;     // empty when there is none
    QString problem;  // why there is none
};

// The user's runtime folder ($XDG_RUNTIME_DIR) when it is the user's alone;
// otherwise "tarnwick-<uid>" in the temporary folder, made with mode 0700
// if it is not there yet. Where someone else made that one first, or made
// it open to others, there is none.
PrivateFolder PrivateRuntimeFolder();

}  // namespace platform
