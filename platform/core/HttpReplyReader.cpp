// Reply reading; see HttpReplyReader.h.
#include "HttpReplyReader.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

// The longest doubled line end, CR LF CR LF.
constexpr qsizetype kLongestTerminator = 4;

}  // namespace

std::optional<HttpReplyReader::HeaderEnd> HttpReplyReader::FindHeaderEnd(QByteArrayView data) {
    QByteArrayView lineEnd = "\r";
    if (data.indexOf(QByteArrayView("\r\n")) >= 0) {
        lineEnd = "\r\n";
    } else if (data.indexOf('\n') >= 0) {
        lineEnd = "\n";
    }
    const QByteArray ownKind = lineEnd.toByteArray() + lineEnd.toByteArray();
    const std::array<QByteArrayView, 4> searches = {ownKind, "\n\n", "\r\n\r\n", "\r\r"};
    for (const QByteArrayView terminator : searches) {
        const qsizetype at = data.indexOf(terminator);
        if (at >= 0) return HeaderEnd{at, terminator.size()};
    }
    return std::nullopt;
}

int HttpReplyReader::ParseStatusCode(QByteArrayView headerBlock) {
    qsizetype lineLength = headerBlock.size();
    for (qsizetype i = 0; i < headerBlock.size(); ++i) {
        if (headerBlock[i] == '\r' || headerBlock[i] == '\n') {
            lineLength = i;
            break;
        }
    }
    const QByteArrayView firstLine = headerBlock.first(lineLength);
    const qsizetype space = firstLine.indexOf(' ');
    if (space < 0) return 0;
    QByteArrayView field = firstLine.sliced(space + 1);
    const qsizetype nextSpace = field.indexOf(' ');
    if (nextSpace >= 0) field = field.first(nextSpace);
    // A status code has three digits; anything longer or not a number is no
    // status at all.
    if (field.isEmpty() || field.size() > 3) return 0;
    int code = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') return 0;
        code = code * 10 + (c - '0');
    }
    return code;
}

HttpReplyReader::HttpReplyReader(const HttpLimits& limits)
    : maxHeaderBlock_(std::max<qsizetype>(limits.maxHeaderBlock, 0)),
      maxBody_(std::max<qsizetype>(limits.maxBody, 0)) {}

void HttpReplyReader::Feed(QByteArrayView bytes) {
    if (Stopped() || bytes.isEmpty()) return;
    if (headerComplete_) {
        AppendBody(bytes);
        return;
    }
    pending_.append(bytes);
    const std::optional<HeaderEnd> end = FindHeaderEnd(pending_);
    if (!end) {
        // A terminator that is still to come could have up to three of its
        // bytes here already; the block before it is longer than the limit
        // once even that does not fit.
        if (pending_.size() > maxHeaderBlock_ + kLongestTerminator - 1) {
            headerTooLarge_ = true;
            pending_.clear();
        }
        return;
    }
    if (end->blockLength > maxHeaderBlock_) {
        headerTooLarge_ = true;
        pending_.clear();
        return;
    }
    headerBlock_ = pending_.left(end->blockLength);
    statusCode_ = ParseStatusCode(headerBlock_);
    headerComplete_ = true;
    const QByteArray rest = pending_.mid(end->blockLength + end->terminatorLength);
    pending_.clear();
    AppendBody(rest);
}

void HttpReplyReader::ConnectionClosed() {
    if (closed_) return;
    if (!headerComplete_ && !headerTooLarge_) {
        const QByteArray everything = pending_;
        pending_.clear();
        AppendBody(everything);
    }
    closed_ = true;
}

void HttpReplyReader::AppendBody(QByteArrayView bytes) {
    const qsizetype room = maxBody_ + 1 - body_.size();
    if (room <= 0) return;
    body_.append(bytes.first(std::min(room, bytes.size())));
}

}  // namespace platform
