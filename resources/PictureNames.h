// The file names of the program's pictures, in one place: the drawing tool
// writes them, the getters load them, and the build (resources/CMakeLists.txt)
// reads the quoted names ending in .pct from this file to know what the
// drawing tool makes.
#pragma once

namespace pictures {

// clang-format off
inline constexpr char kCsFile[]     = "cs.pct";
inline constexpr char kCs2File[]    = "cs2.pct";
inline constexpr char kCs3File[]    = "cs3.pct";
inline constexpr char kCs4File[]    = "cs4.pct";
inline constexpr char kCs5File[]    = "cs5.pct";
inline constexpr char kCs55File[]   = "cs55.pct";
inline constexpr char kIndFile[]    = "ind.pct";
inline constexpr char kPelnorFile[] = "pelnor.pct";
// clang-format on

}  // namespace pictures
