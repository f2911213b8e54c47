// URL splitting and request writing; see HttpRequest.h.
#include "HttpRequest.h"

namespace platform {

namespace {

bool IsSafeUrlText(const QByteArray& text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F) return false;
    }
    return true;
}

}  // namespace

std::optional<UrlParts> SplitUrl(const QString& url, quint16 defaultPort) {
    const QByteArray text = url.toUtf8();
    const qsizetype schemeEnd = text.indexOf("://");
    if (schemeEnd < 0) return std::nullopt;
    const QByteArray rest = text.mid(schemeEnd + 3);
    const qsizetype slash = rest.indexOf('/');
    const QByteArray server = slash < 0 ? rest : rest.left(slash);

    UrlParts parts;
    parts.path = slash < 0 ? QByteArray("/") : rest.mid(slash);
    parts.port = defaultPort;
    const qsizetype colon = server.indexOf(':');
    parts.host = colon < 0 ? server : server.left(colon);
    if (colon >= 0) {
        const QByteArray digits = server.mid(colon + 1);
        if (digits.size() > 5) return std::nullopt;
        for (const char c : digits) {
            if (c < '0' || c > '9') return std::nullopt;
        }
        // An empty port reads as 0, which means the default.
        const int port = digits.isEmpty() ? 0 : digits.toInt();
        if (port > 65535) return std::nullopt;
        if (port != 0) parts.port = static_cast<quint16>(port);
    }
    if (parts.host.isEmpty() || !IsSafeUrlText(parts.host) || !IsSafeUrlText(parts.path)) {
        return std::nullopt;
    }
    return parts;
}

QByteArray BuildPostRequest(const QByteArray& path, const Dictionary& headers,
                            const QByteArray& body) {
    QByteArray request = "POST " + path + " HTTP/1.0\r\n";
    for (qsizetype i = 0; i < headers.Count(); ++i) {
        request += headers.Key(i) + ": " + headers.ValueAt(i) + "\r\n";
    }
    request += "\r\n";
    request += body;
    return request;
}

}  // namespace platform
