// The scan compares 128 candidate positions at a time on the needle's first
// and last byte (16-byte compiler vector extensions, which every target
// compiles to what it has) and checks the few candidates in full. On data like a
// document's this runs at a fraction of the cost of copying the bytes in,
// where a byte-by-byte search costs several times that.
#include "MarkerScan.h"

#include <cstdint>
#include <cstring>

namespace inspect {

namespace {

constexpr qsizetype kLanes = 16;
constexpr qsizetype kBlock = 8 * kLanes;
using Lanes = unsigned char __attribute__((vector_size(kLanes)));

Lanes Broadcast(unsigned char byte) {
    Lanes lanes;
    for (qsizetype i = 0; i < kLanes; ++i) lanes[i] = byte;
    return lanes;
}

Lanes Load(const unsigned char* at) {
    Lanes lanes;
    std::memcpy(&lanes, at, sizeof lanes);
    return lanes;
}

bool Matches(const unsigned char* at, const unsigned char* needle, qsizetype length) {
    return std::memcmp(at, needle, static_cast<size_t>(length)) == 0;
}

}  // namespace

qsizetype FindBytes(QByteArrayView haystack, qsizetype from, QByteArrayView needle) {
    const qsizetype length = needle.size();
    if (length == 0 || from < 0 || haystack.size() - from < length) return -1;
    const auto* data = reinterpret_cast<const unsigned char*>(haystack.data());
    const auto* want = reinterpret_cast<const unsigned char*>(needle.data());
    const qsizetype lastStart = haystack.size() - length;

    const Lanes first = Broadcast(want[0]);
    const Lanes last = Broadcast(want[length - 1]);
    qsizetype start = from;
    // Blocks of kBlock starts, tested together; the loads reach at most the
    // byte at lastStart + length - 1, the haystack's last.
    for (; start + kBlock - 1 <= lastStart; start += kBlock) {
        Lanes any{};
        for (qsizetype lane = 0; lane < kBlock; lane += kLanes) {
            any |= (Load(data + start + lane) == first) &
                   (Load(data + start + lane + length - 1) == last);
        }
        std::uint64_t words[2];
        std::memcpy(words, &any, sizeof words);
        if ((words[0] | words[1]) == 0) continue;
        for (qsizetype at = start; at < start + kBlock; ++at) {
            if (data[at] == want[0] && Matches(data + at, want, length)) return at;
        }
    }
    for (; start <= lastStart; ++start) {
        if (data[start] == want[0] && Matches(data + start, want, length)) return start;
    }
    return -1;
}

qsizetype FindWholeMarker(QByteArrayView window, QByteArrayView marker, qsizetype chunkSize) {
    if (chunkSize <= 0) return -1;
    for (qsizetype from = 0;;) {
        const qsizetype at = FindBytes(window, from, marker);
        if (at < 0) return -1;
        const qsizetype chunkEnd = (at / chunkSize + 1) * chunkSize;
        if (at + marker.size() <= chunkEnd) return at;
        // Every later start in this chunk straddles its end too.
        from = chunkEnd;
    }
}

}  // namespace inspect
