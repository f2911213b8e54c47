// libFuzzer target for the document reader. The input, repeated a number of
// times chosen by its first byte (so that short inputs still make documents
// that span many chunks and several reads), becomes a document in an
// in-memory file; the program's two stages (header, then record) run on it
// with a small search start. Besides crashes, leaks and hangs, it aborts
// when the answer breaks an invariant or differs from a plain chunk-by-chunk
// search over the same bytes.
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "inspect/ChunkSearch.h"
#include "inspect/Header.h"
#include "inspect/MarkerScan.h"
#include "inspect/Patterns.h"
#include "inspect/SubVersionRecord.h"
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

    // The two stages, on streams of their own as the program opens them. The
    // record stage runs whatever the release, for the wider coverage.
    const auto headerStream = platform::BinaryStream::OpenForReading(path);
    Check(headerStream != nullptr, "open");
    const inspect::Header header = inspect::ReadHeader(*headerStream);
    Check(header.releaseByte.size() <= 1, "release byte");
    Check((header.release == inspect::Release::Unknown) ==
              (header.releaseByte.isEmpty() || header.releaseByte[0] < 3 ||
               header.releaseByte[0] > 7),
          "release");
    const auto stream = platform::BinaryStream::OpenForReading(path);
    Check(stream != nullptr, "open");
    int yields = 0;
    const inspect::SubVersionRecord record = inspect::ReadSubVersionRecord(
        *stream, header, [&yields] { ++yields; }, kFuzzSearchStart);

    // Against the plain loop over the bytes in memory.
    const inspect::Patterns& patterns = inspect::PatternsFor(header.order);
    const Reference expected =
        ChunkByChunk(document, inspect::MarkerFor(header.releaseByte, patterns), kFuzzSearchStart);
    const qsizetype fields = platform::CountFields(expected.chunk, patterns.separator);
    Check(yields == expected.yields, "yields differ from the chunk-by-chunk search");
    Check(record.fieldCount == fields, "field count differs from the chunk-by-chunk search");
    Check(fields == 0 ||
              record.subVersion ==
                  platform::LeftB(platform::NthField(expected.chunk, patterns.separator, fields),
                                  inspect::kSubVersionLength),
          "sub-version differs from the chunk-by-chunk search");
    Check(fields > 0 ||
              (record.subVersion.isEmpty() && record.edition == inspect::Edition::NotUnderstood),
          "a record without fields");
    Check(inspect::CallsForCS55(record.subVersion) ==
              (record.subVersion.size() >= 3 && record.subVersion[2] == '5'),
          "cs55");

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

    return 0;
}
