// The byte patterns that locate the sub-version record, one set per byte
// order.
#pragma once

#include "Header.h"
#include "platform/core/ByteString.h"

namespace inspect {

struct Patterns {
    platform::Bytes separator;          // splits a chunk into fields
    platform::Bytes release3Marker;     // marks the record of release byte 0x03
    platform::Bytes release4to7Marker;  // marks the record of release bytes 0x04 to 0x07
};

// The patterns of a byte order, exactly as the bytes stand in the document
// (each entry one raw byte, 0xE6 included).
const Patterns& PatternsFor(ByteOrder order);

// The release-3 marker for release byte 0x03, the release-4-to-7 marker for
// any other.
const platform::Bytes& MarkerFor(const platform::Bytes& releaseByte, const Patterns& patterns);

}  // namespace inspect
