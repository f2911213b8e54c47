// The outgoing side of a form post: splitting the URL into host, port and
// path, and writing the request bytes. Pure functions, so the exact bytes
// on the wire can be checked without a socket.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "Dictionary.h"

namespace platform {

struct UrlParts {
    QByteArray host;  // the server part without its port
    quint16 port = 0;
    QByteArray path;  // from the first "/" on; "/" when the URL has none
};

// Splits "scheme://host[:port][/path]". The scheme is not interpreted. A
// missing or empty port, or port 0, gives `defaultPort`. Nil for a URL that cannot
// be sent safely: no "://", an empty host, a port that is not a decimal
// number up to 65535, or a host or path holding anything but printable
// ASCII without spaces (which would let the URL add lines to the request).
std::optional<UrlParts> SplitUrl(const QString& url, quint16 defaultPort);

// An HTTP/1.0 POST: the request line, one "Name: value" line per header in
// the dictionary's order, an empty line, then the body. Lines end in CR LF;
// the body has no line end of its own.
QByteArray BuildPostRequest(const QByteArray& path, const Dictionary& headers,
                            const QByteArray& body);

}  // namespace platform
