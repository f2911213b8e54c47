// InspectFile: the steps of the inspection in the program's order.
#include "Inspection.h"

#include "Patterns.h"
#include "platform/core/BinaryStream.h"
#include "platform/core/Exceptions.h"

namespace inspect {

Inspection InspectFile(const QString& path, quint64 searchStart,
                       const std::function<void()>& yield) {
    Inspection result;

    platform::Bytes header;
    {
        const auto stream = platform::BinaryStream::OpenForReading(path);
        header = platform::NotNil(stream.get())->Read(kHeaderSize);
        stream->Close();
    }
    const Header fields = ReadHeaderFields(header);
    const Patterns& patterns = PatternsFor(fields.order);
    result.order = fields.order;
    result.release = DecideRelease(fields.releaseByte);
    if (result.release == Release::Unknown) return result;

    platform::Bytes chunk;
    {
        const auto stream = platform::BinaryStream::OpenForReading(path);
        chunk = FindMarkerChunk(*platform::NotNil(stream.get()),
                                MarkerFor(fields.releaseByte, patterns), yield, searchStart);
        stream->Close();
    }
    result.searched = true;
    result.fieldCount = platform::CountFields(chunk, patterns.separator);
    if (result.fieldCount == 0) return result;
    result.subVersion = SubVersionOf(chunk, patterns.separator);
    result.cs55 = CallsForCS55(result.subVersion);
    result.edition = EditionOf(EditionByteOf(chunk, fields.order));
    return result;
}

}  // namespace inspect
