// Encoding of a form as an application/x-www-form-urlencoded request body,
// the way the update server expects it (which is not RFC 3986 escaping:
// letters, digits and many punctuation marks pass unchanged).
#pragma once

#include <QByteArray>

#include "Dictionary.h"

namespace platform {

// One text escaped for a form: each character of the escape table becomes
// "%" and its code in two upper-case hexadecimal digits, then every space
// becomes "+". Every other byte passes unchanged.
QByteArray EscapeFormText(const QByteArray& text);

// "key=value" for every entry, in the dictionary's order, key and value
// escaped, joined by "&".
QByteArray EncodeForm(const Dictionary& form);

}  // namespace platform
