// Document types the program offers in its open dialog.
#pragma once

#include <QString>

namespace platform {

struct FileType {
    QString Name;
    QString Extensions;  // ".indd"; several are separated by ";"
    QString MacType;
    QString MacCreator;

    // Registers the type under its name and returns the name, as the
    // type's conversion to text does.
    QString ToText() const;
};

// The registered type of that name, or nil.
const FileType* FindFileType(const QString& name);

}  // namespace platform
