// The incoming side of an HTTP/1.0 exchange: collects reply bytes as they
// arrive, finds the end of the header block, takes the status code and
// keeps the body. Knows nothing of sockets or time, so it can be fed any
// bytes in any pieces. Everything it keeps is bounded by its limits.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

#include "HttpLimits.h"

namespace platform {

class HttpReplyReader {
public:
    // Where a header block ends in some bytes: the block's length and the
    // length of the doubled line end after it.
    struct HeaderEnd {
        qsizetype blockLength = 0;
        qsizetype terminatorLength = 0;
    };

    // Finds the doubled line end that closes the header block. The kind of
    // line end is taken from the data (CR LF if it holds one, else LF, else
    // CR); its doubled form is searched first, then LF LF, CR LF CR LF and
    // CR CR. The first search that finds one decides, at its first place.
    static std::optional<HeaderEnd> FindHeaderEnd(QByteArrayView data);

    // The number in the second space-separated field of the first line, or
    // 0 when there is none.
    static int ParseStatusCode(QByteArrayView headerBlock);

    HttpReplyReader() : HttpReplyReader(HttpLimits{}) {}
    // Only the header block and body bounds apply here.
    explicit HttpReplyReader(const HttpLimits& limits);

    // Takes the next bytes of the reply. Ignored once the reader has
    // stopped (Stopped()).
    void Feed(QByteArrayView bytes);

    // The connection ended after having been established: that ends the
    // reply. Bytes still waiting for a header block count as body.
    void ConnectionClosed();

    bool HeaderComplete() const { return headerComplete_; }
    // The header block grew beyond its limit: the exchange has failed and
    // the body is empty.
    bool HeaderTooLarge() const { return headerTooLarge_; }
    // The body grew beyond its limit; Body() holds maxBody + 1 bytes.
    bool BodyTooLarge() const { return body_.size() > maxBody_; }
    // Nothing more is taken in: a limit was passed or the reply ended.
    bool Stopped() const { return headerTooLarge_ || BodyTooLarge() || closed_; }

    int StatusCode() const { return statusCode_; }
    const QByteArray& HeaderBlock() const { return headerBlock_; }
    const QByteArray& Body() const { return body_; }

    // Bytes held in all: those waiting for a header block, the header block
    // and the body.
    qsizetype BufferedBytes() const { return pending_.size() + headerBlock_.size() + body_.size(); }

private:
    void AppendBody(QByteArrayView bytes);

    qsizetype maxHeaderBlock_;
    qsizetype maxBody_;
    QByteArray pending_;  // bytes before the header block has ended
    QByteArray headerBlock_;
    QByteArray body_;
    int statusCode_ = 0;
    bool headerComplete_ = false;
    bool headerTooLarge_ = false;
    bool closed_ = false;
};

}  // namespace platform
