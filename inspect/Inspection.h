// The whole reading of one document, without any window: header, release,
// search, sub-version and edition. Used by the fuzzer, the benchmark and the
// tests; the result window does the same steps between its label writes.
#pragma once

#include <QString>
#include <functional>

#include "ChunkSearch.h"
#include "Header.h"
#include "SubVersionRecord.h"
#include "platform/core/ByteString.h"

namespace inspect {

struct Inspection {
    ByteOrder order = ByteOrder::LittleEndian;  // from the header
    Release release = Release::Unknown;         // from the header
    bool searched = false;                      // false for Unknown
    qsizetype fieldCount = 0;
    platform::Bytes subVersion;  // empty when fieldCount == 0
    bool cs55 = false;
    Edition edition = Edition::NotUnderstood;  // meaningless when fieldCount == 0
};

// Opens the document twice, as the program does: once for the 48-byte
// header (closed at once), and for a known release once more for the
// search. Throws platform::NilObjectException when either open gives no
// stream; read failures surface as platform::IOException.
Inspection InspectFile(const QString& path, quint64 searchStart = kSearchStart,
                       const std::function<void()>& yield = {});

}  // namespace inspect
