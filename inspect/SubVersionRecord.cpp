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

platform::Bytes EditionByteOf(const platform::Bytes& chunk, const platform::Bytes& separator,
                              qsizetype fields, ByteOrder order) {
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

}  // namespace

SubVersionRecord ReadSubVersionRecord(platform::BinaryStream& stream, const Header& header,
                                      const std::function<void()>& yield, quint64 searchStart) {
    const Patterns& patterns = PatternsFor(header.order);
    const platform::Bytes chunk =
        FindMarkerChunk(stream, MarkerFor(header.releaseByte, patterns), yield, searchStart);
    SubVersionRecord record;
    record.fieldCount = platform::CountFields(chunk, patterns.separator);
    if (record.fieldCount == 0) return record;
    record.subVersion = platform::LeftB(
        platform::NthField(chunk, patterns.separator, record.fieldCount), kSubVersionLength);
    record.edition =
        EditionOf(EditionByteOf(chunk, patterns.separator, record.fieldCount, header.order));
    return record;
}

bool CallsForCS55(const platform::Bytes& subVersionText) {
    return platform::MidB(subVersionText, kCS55DigitPosition, 1) == kCS55Digit;
}

}  // namespace inspect
