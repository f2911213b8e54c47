// The document type the program opens.
#pragma once

#include "platform/widgets/FileType.h"

namespace FileTypes {

extern platform::FileType* pIndd;

// Creates and registers pIndd.
void Initialize();

}  // namespace FileTypes
