// Reading the sub-version record out of the chunk that holds it: the
// sub-version text after the chunk's last separator and the edition byte in
// the field before it.
#pragma once

#include "Header.h"
#include "platform/core/ByteString.h"

namespace inspect {

// Longest sub-version text shown.
inline constexpr qsizetype kSubVersionLength = 9;

// The first 9 bytes of the chunk's last field at `separator` (the whole
// chunk's first 9 when it holds no separator). Meaningful only when the
// chunk has at least one field.
platform::Bytes SubVersionOf(const platform::Bytes& chunk, const platform::Bytes& separator);

// The edition byte: in the second-to-last field (the only field when there
// is one), the byte 12 (big-endian) or 13 (little-endian) bytes before the
// field's end. A field too short to hold it gives no byte (empty): nothing
// before the field is ever read.
platform::Bytes EditionByteOf(const platform::Bytes& chunk, ByteOrder order);

enum class Edition { Macintosh, Windows, NotUnderstood };

// 0x00 Macintosh, 0x01 Windows; any other byte, or none, NotUnderstood.
Edition EditionOf(const platform::Bytes& editionByte);

// True when the sub-version text's third byte is "5" (release CS5.5); a
// text shorter than 3 bytes never is.
bool CallsForCS55(const platform::Bytes& subVersionText);

}  // namespace inspect
