// The update query: asks the maker's update server whether a newer version
// of the program exists. The answer is yes only when the reply body is
// exactly "true"; every failure is a silent no.
#pragma once

#include <QByteArray>
#include <QSslConfiguration>
#include <QString>
#include <optional>

#include "platform/core/HttpLimits.h"

namespace update {

// Whom the query asks and how. The program's is ProgramEndpoint(); a test
// points the query at its own server, trusting its own authority, with
// small bounds.
struct Endpoint {
    QString url;
    // Nil: the system's trust store.
    std::optional<QSslConfiguration> ssl;
    platform::HttpLimits limits;
};

// "https://" + the update host + "/www/ssl/check.php", the system's trust
// store and the program's bounds.
Endpoint ProgramEndpoint();

// The version as the server knows it: the three numbers' decimal texts
// joined with nothing between them (1.2.0 gives "120").
QByteArray VersionText(int major, int minor, int bug);

// Posts the form app_id, ver, regi to the endpoint and waits for the
// answer. Blocks; user input is not served meanwhile.
bool RunUpdateQuery(const QByteArray& appId, const QByteArray& ver, const QByteArray& regi,
                    const Endpoint& endpoint);

}  // namespace update
