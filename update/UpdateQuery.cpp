// The update query; see UpdateQuery.h.
#include "UpdateQuery.h"

#include "TarnwickConfig.h"
#include "platform/core/ByteString.h"
#include "platform/core/Dictionary.h"
#include "platform/widgets/HTTPSecureSocket.h"

namespace update {

Endpoint ProgramEndpoint() {
    return {QStringLiteral("https://") + QString::fromUtf8(config::kUpdateHost) +
                QStringLiteral("/www/ssl/check.php"),
            std::nullopt,
            {}};
}

QByteArray VersionText(int major, int minor, int bug) {
    return platform::Str(major) + platform::Str(minor) + platform::Str(bug);
}

bool RunUpdateQuery(const QByteArray& appId, const QByteArray& ver, const QByteArray& regi,
                    const Endpoint& endpoint) {
    platform::HTTPSecureSocket socket;
    socket.SetLimits(endpoint.limits);
    if (endpoint.ssl) socket.SetSslConfiguration(*endpoint.ssl);

    platform::Dictionary form;
    form.SetValue("app_id", appId);
    form.SetValue("ver", ver);
    form.SetValue("regi", regi);
    socket.SetFormData(form);

    const QByteArray body = socket.Post(endpoint.url, endpoint.limits.inactivitySeconds);
    socket.Close();
    // Neither the status code nor the error code matters: only this answer
    // means yes.
    return body == "true";
}

}  // namespace update
