// Private folders, checked on the folder itself (lstat): a link could be
// made to point elsewhere later.
#include "PrivateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace platform {

QString PrivateFolderProblem(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISLNK(st.st_mode)) return QStringLiteral("%1 is a link").arg(path);
    if (!S_ISDIR(st.st_mode)) return QStringLiteral("%1 is not a folder").arg(path);
    if (st.st_uid != ::geteuid()) return QStringLiteral("%1 belongs to another user").arg(path);
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return QStringLiteral("%1 is open to other users").arg(path);
    return {};
}

PrivateFolder PrivateRuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && PrivateFolderProblem(runtime).isEmpty()) return {runtime, {}};
    // No runtime folder of the user's own, as under su or an ssh login
    // without a session manager: one of the program's own. The temporary
    // folder's sticky bit keeps others from replacing it once it is ours.
    const QString own = QDir::tempPath() + QStringLiteral("/tarnwick-%1").arg(::geteuid());
    const QByteArray native = QFile::encodeName(own);
    if (::mkdir(native.constData(), S_IRWXU) == 0) ::chmod(native.constData(), S_IRWXU);
    if (QString problem = PrivateFolderProblem(own); !problem.isEmpty()) return {{}, problem};
    return {own, {}};
}

}  // namespace platform
