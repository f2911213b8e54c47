// The table of the program's pictures.
#include "PictureSet.h"

#include <QColor>

#include "MakerLogo.h"
#include "PictureNames.h"
#include "ReleaseBadge.h"
#include "TarnwickConfig.h"

namespace pictures {

namespace {

struct BadgeRow {
    const char* fileName;
    const char* label;
    QRgb fill;
    int textHeight;  // of the lettering's ink, in pixels
};

// One distinct color per release; grey with a question mark when the
// release is not known, its lone mark drawn larger.
// clang-format off
constexpr BadgeRow kBadges[] = {
    {kCsFile,   "CS",    0x2F6DB5, 20},
    {kCs2File,  "CS2",   0x2E8B57, 20},
    {kCs3File,  "CS3",   0xC8611A, 20},
    {kCs4File,  "CS4",   0x6B4BA1, 20},
    {kCs5File,  "CS5",   0xB5352A, 20},
    {kCs55File, "CS5.5", 0x157A80, 20},
    {kIndFile,  "?",     0x8C8C8C, 30},
};
// clang-format on

}  // namespace

std::vector<NamedPicture> DrawPictureSet(const QString& family) {
    std::vector<NamedPicture> set;
    for (const BadgeRow& row : kBadges) {
        set.push_back({QString::fromLatin1(row.fileName),
                       DrawReleaseBadge(QString::fromLatin1(row.label), QColor(row.fill),
                                        row.textHeight, family)});
    }
    set.push_back({QString::fromLatin1(kPelnorFile),
                   DrawMakerLogo(QString::fromUtf8(config::kProductName), family)});
    return set;
}

}  // namespace pictures
