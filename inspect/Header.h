// The header stage: the first bytes of a document give its byte order, its
// release byte and the release they name.
#pragma once

#include "platform/core/BinaryStream.h"
#include "platform/core/ByteString.h"

namespace inspect {

enum class ByteOrder { BigEndian, LittleEndian };

enum class Release { Unknown, CS, CS2, CS3, CS4, CS5 };

// Bytes read from the start of a document to decide its release.
inline constexpr qsizetype kHeaderSize = 48;

struct Header {
    ByteOrder order = ByteOrder::LittleEndian;
    platform::Bytes releaseByte;  // one byte, or empty when the header is too short
    Release release = Release::Unknown;
};

// Reads 48 bytes from the start of `stream` and decides. The byte at offset
// 24 is 0x02 in a big-endian document (release byte at offset 32); anything
// else, or no byte at all, means little-endian (release byte at offset 29).
// Release bytes 0x03 to 0x07 name CS to CS5; any other byte, or none, is
// Unknown. A short read gives what exists; read failures surface as
// platform::IOException.
Header ReadHeader(platform::BinaryStream& stream);

}  // namespace inspect
