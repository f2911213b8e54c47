// The document header: the byte order and the release byte read from the
// first bytes of a document, and the release they name.
#pragma once

#include "platform/core/ByteString.h"

namespace inspect {

enum class ByteOrder { BigEndian, LittleEndian };

// Bytes read from the start of a document to decide its release.
inline constexpr qsizetype kHeaderSize = 48;

struct Header {
    ByteOrder order;
    platform::Bytes releaseByte;  // one byte, or empty when the header is too short
};

// The byte at offset 24 is 0x02 in a big-endian document (release byte at
// offset 32); anything else, or no byte at all, means little-endian (release
// byte at offset 29). Short headers give what exists.
Header ReadHeaderFields(const platform::Bytes& header);

enum class Release { Unknown, CS, CS2, CS3, CS4, CS5 };

// 0x03 to 0x07 name CS to CS5; any other byte, or none, is Unknown.
Release DecideRelease(const platform::Bytes& releaseByte);

}  // namespace inspect
