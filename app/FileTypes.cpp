// The "indd" document type.
#include "FileTypes.h"

#include "platform/core/Exceptions.h"

namespace FileTypes {

platform::FileType* pIndd = nullptr;

void Initialize() {
    static platform::FileType indd;
    pIndd = &indd;
    platform::NotNil(pIndd)->Name = QStringLiteral("indd");
    pIndd->Extensions = QStringLiteral(".indd");
    pIndd->MacType = QStringLiteral("????");
    pIndd->MacCreator = QStringLiteral("InDn");
    (void)pIndd->ToText();
}

}  // namespace FileTypes
