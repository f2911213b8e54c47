// The pattern tables. The two release-4-to-7 markers are not byte-reversed
// copies of each other; each is used exactly as it stands.
#include "Patterns.h"

#include <initializer_list>

namespace inspect {

namespace {

constexpr int kRelease3Code = 0x03;

platform::Bytes BytesOf(std::initializer_list<int> codes) {
    platform::Bytes bytes;
    for (const int code : codes) bytes += platform::Chr(code);
    return bytes;
}

}  // namespace

const Patterns& PatternsFor(ByteOrder order) {
    // clang-format off
    static const Patterns kBigEndian{
        BytesOf({0x40, 0x09}),
        BytesOf({0x40, 0x09, 0x33, 0x2E}),
        BytesOf({0x4E, 0x0D, 0x66, 0x0E, 0x30, 0x6A, 0x30}),
    };
    static const Patterns kLittleEndian{
        BytesOf({0x09, 0x40}),
        BytesOf({0x09, 0x40, 0x33, 0x2E}),
        BytesOf({0x4E, 0x0E, 0x66, 0x6A, 0x30, 0xE6, 0x30}),
    };
    // clang-format on
    return order == ByteOrder::BigEndian ? kBigEndian : kLittleEndian;
}

const platform::Bytes& MarkerFor(const platform::Bytes& releaseByte, const Patterns& patterns) {
    return releaseByte == platform::Chr(kRelease3Code) ? patterns.release3Marker
                                                       : patterns.release4to7Marker;
}

}  // namespace inspect
