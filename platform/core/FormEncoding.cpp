// Form encoding; see FormEncoding.h.
#include "FormEncoding.h"

#include <array>

namespace platform {

namespace {

// The characters the server wants escaped, in the order they are replaced.
// Per cent comes first so that no "%" written for a later character is
// escaped again, and "+" is escaped before spaces turn into "+".
// clang-format off
constexpr std::array<char, 27> kEscaped = {
    '%', '&', '=', ',', '/', '\\', ']', '[', '{', '}', '`', '~', '-', '_',
    '(', ')', '*', '^', '$', '#', '!', '+', ';', '<', '>', '\r', '\n',
};
// clang-format on

}  // namespace

QByteArray EscapeFormText(const QByteArray& text) {
    QByteArray out = text;
    for (const char c : kEscaped) {
        const QByteArray code =
            QByteArray("%") +
            QByteArray::number(static_cast<unsigned char>(c), 16).toUpper().rightJustified(2, '0');
        out.replace(c, code);
    }
    out.replace(' ', '+');
    return out;
}

QByteArray EncodeForm(const Dictionary& form) {
    QByteArray body;
    for (qsizetype i = 0; i < form.Count(); ++i) {
        if (i > 0) body += '&';
        body += EscapeFormText(form.Key(i));
        body += '=';
        body += EscapeFormText(form.ValueAt(i));
    }
    return body;
}

}  // namespace platform
