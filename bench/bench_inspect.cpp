// Benchmark of the document reader: a document whose record lies in its last
// chunk is searched end to end; the time is set against `cat FILE >
// /dev/null` on the same warm file, and the peak resident memory is shown
// for two document sizes to show that it does not grow with the document.
//
// Usage: bench_inspect [directory]   (default: the system's temp directory)
#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "inspect/Header.h"
#include "inspect/SubVersionRecord.h"
#include "platform/core/BinaryStream.h"

namespace {

constexpr qint64 kMiB = qint64{1} << 20;
constexpr int kRuns = 3;
constexpr qint64 kWriteBlock = kMiB;

// Little-endian CS4 header fields and the record found under the
// release-4-to-7 marker.
constexpr qint64 kOrderOffset = 24;
constexpr qint64 kReleaseOffset = 29;
const QByteArray kMarker = QByteArray::fromHex("4e0e666a30e630");
const QByteArray kRecord =
    QByteArray::fromHex("01") + QByteArray(12, 'f') + QByteArray::fromHex("0940") + "6.0.6.622";

// Fills the document with pseudo-random bytes (a fair case for the marker
// search), the header fields at their offsets and the marker and record in
// the last chunk.
bool WriteDocument(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray block(kWriteBlock, Qt::Uninitialized);
    quint64 state = 0x9E3779B97F4A7C15u;
    for (qint64 written = 0; written < size;) {
        for (qsizetype i = 0; i < block.size(); ++i) {
            state = state * 6364136223846793005u + 1442695040888963407u;
            block[i] = static_cast<char>(state >> 56);
        }
        const qint64 n = std::min<qint64>(block.size(), size - written);
        if (file.write(block.constData(), n) != n) return false;
        written += n;
    }
    const qint64 lastChunk = size - static_cast<qint64>(inspect::kChunkSize);
    const bool ok = file.seek(kOrderOffset) && file.putChar(0x01) && file.seek(kReleaseOffset) &&
                    file.putChar(0x06) && file.seek(lastChunk + 100) && file.write(kMarker) > 0 &&
                    file.seek(size - kRecord.size()) && file.write(kRecord) > 0;
    return ok && file.flush();
}

double BestOf(const std::function<bool()>& run) {
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!run()) return -1;
        best = std::min(best, static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

bool Cat(const QString& path) {
    QProcess cat;
    cat.start("/bin/sh", {"-c", "cat \"$1\" > /dev/null", "sh", path});
    return cat.waitForFinished(-1) && cat.exitStatus() == QProcess::NormalExit &&
           cat.exitCode() == 0;
}

// The program's two stages, each on a stream of its own.
bool Inspect(const QString& path) {
    const auto headerStream = platform::BinaryStream::OpenForReading(path);
    const auto stream = platform::BinaryStream::OpenForReading(path);
    if (!headerStream || !stream) return false;
    const inspect::Header header = inspect::ReadHeader(*headerStream);
    const inspect::SubVersionRecord record = inspect::ReadSubVersionRecord(*stream, header, [] {});
    return header.release == inspect::Release::CS4 && record.subVersion == "6.0.6.622" &&
           record.edition == inspect::Edition::Windows;
}

long PeakKiB() {
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Writes, warms and measures one document; false on any failure.
bool Measure(const QString& dir, qint64 size, bool compareWithCat) {
    const QString path = QDir(dir).filePath(QStringLiteral("bench-%1.indd").arg(size));
    if (!WriteDocument(path, size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    Cat(path);  // warm the page cache
    const double inspectTime = BestOf([&] { return Inspect(path); });
    const long peak = PeakKiB();
    std::printf("%5lld MiB document: inspection %.3f s, peak RSS %ld KiB\n", size / kMiB,
                inspectTime, peak);
    bool ok = inspectTime >= 0;
    if (ok && compareWithCat) {
        const double catTime = BestOf([&] { return Cat(path); });
        ok = catTime > 0;
        if (ok) {
            std::printf("%5lld MiB document: cat %.3f s; inspection / cat = %.2f\n", size / kMiB,
                        catTime, inspectTime / catTime);
        }
    }
    if (!ok) std::fprintf(stderr, "measurement failed (wrong result or cat failed)\n");
    QFile::remove(path);
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString base = args.size() > 1 ? args.at(1) : QDir::tempPath();
    QTemporaryDir dir(QDir(base).filePath("inspect_bench_XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a directory in %s\n", qPrintable(base));
        return 1;
    }
    std::printf("best of %d runs, warm page cache, directory %s\n", kRuns, qPrintable(base));
    if (!Measure(dir.path(), 128 * kMiB, false)) return 1;
    if (!Measure(dir.path(), 1024 * kMiB, true)) return 1;
    return 0;
}
