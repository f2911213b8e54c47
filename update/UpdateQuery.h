// The update query: asks the maker's update server whether a newer version
// of the program exists. The answer is yes only when the reply body is
// exactly "true"; every failure is a silent no.
#pragma once

#include <QByteArray>
#include <QSslConfiguration>
#include <QString>
#include <optional>

#include "platform/widgets/HTTPSecureSocket.h"

namespace update {

// Seconds without progress after which the server is given up.
inline constexpr int kTimeoutSeconds = 100;

// How the query's socket is set up. The defaults are the program's: the
// system's trust store and the program's bounds; tests trust their own
// authority and use small bounds.
struct SocketSetup {
    platform::HttpLimits limits;
    std::optional<QSslConfiguration> ssl;
};

// The endpoint: "https://" + the update host + "/www/ssl/check.php".
QString UpdateURL();

// The version as the server knows it: the three numbers' decimal texts
// joined with nothing between them (1.2.0 gives "120").
QByteArray VersionText(int major, int minor, int bug);

// Posts the form app_id, ver, regi to `url` and waits for the answer.
// Blocks; user input is not served meanwhile.
bool RunUpdateQuery(const QByteArray& appId, const QByteArray& ver, const QByteArray& regi,
                    const QString& url, const SocketSetup& setup = {});

}  // namespace update
