// libFuzzer target for the document reader. The input, repeated a number of
// times chosen by its first byte (so that short inputs still make documents
// that span many chunks and several reads), becomes a document in an
// in-memory file; the whole inspection runs on it with a small search
// start. Besides crashes, leaks and hangs, it aborts when the answer breaks
// an invariant or when the chunk found differs from a plain chunk-by-chunk
// search over the same bytes.
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "inspect/ChunkSearch.h"
#include "inspect/Inspection.h"
#include "inspect/MarkerScan.h"
#include "inspect/Patterns.h"
#include "platform/core/BinaryStream.h"

namespace {

constexpr quint64 kFuzzSearchStart = 64;
constexpr int kMaxRepeats = 40;

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// The in-memory file, made once and rewritten for every input.
int DocumentFd() {
    static const int fd = memfd_create("fuzz_inspect.indd", MFD_CLOEXEC);
    Check(fd >= 0, "memfd_create");
    return fd;
}

void WriteDocument(int fd, const QByteArray& document) {
    Check(ftruncate(fd, 0) == 0, "ftruncate");
    qsizetype done = 0;
    while (done < document.size()) {
        const ssize_t n = pwrite(fd, document.constData() + done,
                                 static_cast<size_t>(document.size() - done), done);
        if (n < 0 && errno == EINTR) continue;
        Check(n > 0, "pwrite");
        done += n;
    }
}

// The chunk loop written the plain way, over the bytes in memory.
struct Reference {
    QByteArray chunk;
    int yields = 0;
};

Reference ChunkByChunk(const QByteArray& document, const QByteArray& marker, quint64 start) {
    Reference result;
    const auto size = static_cast<quint64>(document.size());
    for (quint64 position = start;;) {
        result.chunk = position < size
                           ? document.mid(static_cast<qsizetype>(position), inspect::kChunkSize)
                           : QByteArray();
        if (platform::InStrB(0, result.chunk, marker) > 0) break;
        const quint64 end = position + static_cast<quint64>(result.chunk.size());
        position += static_cast<quint64>(inspect::kChunkSize);
        ++result.yields;
        if (end >= size) break;
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const int repeats =
        input.isEmpty() ? 1 : 1 + static_cast<unsigned char>(input[0]) % kMaxRepeats;
    const QByteArray document = input.repeated(repeats);
    const int fd = DocumentFd();
    WriteDocument(fd, document);
    const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);

    // The whole inspection; no exception is expected from a readable file.
    int yields = 0;
    const inspect::Inspection result =
        inspect::InspectFile(path, kFuzzSearchStart, [&yields] { ++yields; });
    Check(result.searched == (result.release != inspect::Release::Unknown), "searched");
    Check(result.fieldCount >= 0, "field count");
    Check(result.fieldCount > 0 || result.subVersion.isEmpty(), "sub-version without fields");
    Check(result.subVersion.size() <= inspect::kSubVersionLength, "sub-version length");
    Check(!result.cs55 || (result.subVersion.size() >= 3 && result.subVersion[2] == '5'), "cs55");

    // The chunk search against the plain loop, for the marker the header
    // asks for (or the release-4-to-7 one of the little-endian order).
    const inspect::Header header = inspect::ReadHeaderFields(document.left(inspect::kHeaderSize));
    const inspect::Patterns& patterns = inspect::PatternsFor(header.order);
    const QByteArray& marker = inspect::MarkerFor(header.releaseByte, patterns);
    const Reference expected = ChunkByChunk(document, marker, kFuzzSearchStart);
    const auto stream = platform::BinaryStream::OpenForReading(path);
    Check(stream != nullptr, "open");
    int searchYields = 0;
    const QByteArray chunk = inspect::FindMarkerChunk(
        *stream, marker, [&searchYields] { ++searchYields; }, kFuzzSearchStart);
    Check(chunk == expected.chunk, "chunk differs from the chunk-by-chunk search");
    Check(searchYields == expected.yields, "yields differ from the chunk-by-chunk search");
    if (result.searched) Check(yields == expected.yields, "inspection yields");

    // The scan on the raw input with a small chunk size, against InStrB.
    const qsizetype chunkSize = input.isEmpty() ? 1 : 1 + static_cast<unsigned char>(input[0]) % 64;
    qsizetype firstChunk = -1;
    for (qsizetype at = 0; at < input.size(); at += chunkSize) {
        if (platform::InStrB(0, input.mid(at, chunkSize), patterns.separator) > 0) {
            firstChunk = at / chunkSize;
            break;
        }
    }
    const qsizetype found = inspect::FindWholeMarker(input, patterns.separator, chunkSize);
    Check((found < 0 ? -1 : found / chunkSize) == firstChunk, "scan differs from InStrB");

    // The record functions on the raw input as a chunk, in both orders.
    for (const auto order : {inspect::ByteOrder::BigEndian, inspect::ByteOrder::LittleEndian}) {
        const QByteArray& separator = inspect::PatternsFor(order).separator;
        if (platform::CountFields(input, separator) > 0) {
            Check(inspect::SubVersionOf(input, separator).size() <= inspect::kSubVersionLength,
                  "sub-version of the input");
        }
        Check(inspect::EditionByteOf(input, order).size() <= 1, "edition byte");
    }
    return 0;
}
