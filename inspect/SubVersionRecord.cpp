// Field arithmetic of the sub-version record. Positions derived from the
// data go through MidB/NthField, which never read outside their text.
#include "SubVersionRecord.h"

#include "Patterns.h"

namespace inspect {

namespace {

// Bytes that follow the edition byte up to the last separator.
constexpr qsizetype kBigEndianTrailerLength = 11;
constexpr qsizetype kLittleEndianTrailerLength = 12;

constexpr int kMacintoshCode = 0x00;
constexpr int kWindowsCode = 0x01;

// "5" as the third byte of the sub-version text means CS5.5.
constexpr qsizetype kCS55DigitPosition = 3;
const char kCS55Digit[] = "5";

}  // namespace

platform::Bytes SubVersionOf(const platform::Bytes& chunk, const platform::Bytes& separator) {
    const qsizetype fields = platform::CountFields(chunk, separator);
    return platform::LeftB(platform::NthField(chunk, separator, fields), kSubVersionLength);
}

platform::Bytes EditionByteOf(const platform::Bytes& chunk, ByteOrder order) {
    const platform::Bytes& separator = PatternsFor(order).separator;
    const qsizetype fields = platform::CountFields(chunk, separator);
    const platform::Bytes field =
        platform::NthField(chunk, separator, fields > 1 ? fields - 1 : fields);
    const qsizetype trailer =
        order == ByteOrder::BigEndian ? kBigEndianTrailerLength : kLittleEndianTrailerLength;
    const qsizetype position = platform::LenB(field) - trailer;
    if (position < 1) return {};
    return platform::MidB(field, position, 1);
}

Edition EditionOf(const platform::Bytes& editionByte) {
    if (editionByte == platform::Chr(kMacintoshCode)) return Edition::Macintosh;
    if (editionByte == platform::Chr(kWindowsCode)) return Edition::Windows;
    return Edition::NotUnderstood;
}

bool CallsForCS55(const platform::Bytes& subVersionText) {
    return platform::MidB(subVersionText, kCS55DigitPosition, 1) == kCS55Digit;
}

}  // namespace inspect
