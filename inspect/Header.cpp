// Decoding of the header fields; every byte is taken through MidB, which
// answers "no byte" outside the data.
#include "Header.h"

namespace inspect {

namespace {

// Offsets from the start of the document (0-based).
constexpr qsizetype kByteOrderOffset = 24;
constexpr qsizetype kBigEndianReleaseOffset = 32;
constexpr qsizetype kLittleEndianReleaseOffset = 29;
constexpr int kBigEndianMark = 0x02;

// Release bytes in the order they are tested.
constexpr int kFirstReleaseCode = 0x03;
constexpr Release kReleases[] = {Release::CS, Release::CS2, Release::CS3, Release::CS4,
                                 Release::CS5};

platform::Bytes ByteAtOffset(const platform::Bytes& data, qsizetype offset) {
    return platform::MidB(data, offset + 1, 1);
}

Release DecideRelease(const platform::Bytes& releaseByte) {
    int code = kFirstReleaseCode;
    for (const Release release : kReleases) {
        if (releaseByte == platform::Chr(code)) return release;
        ++code;
    }
    return Release::Unknown;
}

}  // namespace

Header ReadHeader(platform::BinaryStream& stream) {
    stream.SetPosition(0);
    const platform::Bytes bytes = stream.Read(kHeaderSize);
    Header header;
    if (ByteAtOffset(bytes, kByteOrderOffset) == platform::Chr(kBigEndianMark)) {
        header.order = ByteOrder::BigEndian;
        header.releaseByte = ByteAtOffset(bytes, kBigEndianReleaseOffset);
    } else {
        header.releaseByte = ByteAtOffset(bytes, kLittleEndianReleaseOffset);
    }
    header.release = DecideRelease(header.releaseByte);
    return header;
}

}  // namespace inspect
