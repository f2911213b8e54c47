// FileType registry.
#include "FileType.h"

#include <map>

namespace platform {

namespace {
std::map<QString, FileType>& Registry() {
    static std::map<QString, FileType> types;
    return types;
}
}  // namespace

QString FileType::ToText() const {
    Registry()[Name] = *this;
    return Name;
}

const FileType* FindFileType(const QString& name) {
    const auto found = Registry().find(name);
    return found == Registry().end() ? nullptr : &found->second;
}

}  // namespace platform
