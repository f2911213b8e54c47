// The table of the program's pictures.
#include "PictureSet.h"

#include <QColor>

#include "MakerLogo.h"
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
    {"cs.pct",   "CS",    0x2F6DB5, 20},
    {"cs2.pct",  "CS2",   0x2E8B57, 20},
    {"cs3.pct",  "CS3",   0xC8611A, 20},
    {"cs4.pct",  "CS4",   0x6B4BA1, 20},
    {"cs5.pct",  "CS5",   0xB5352A, 20},
    {"cs55.pct", "CS5.5", 0x157A80, 20},
    {"ind.pct",  "?",     0x8C8C8C, 30},
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
    set.push_back({QStringLiteral("pelnor.pct"),
                   DrawMakerLogo(QString::fromUtf8(config::kProductName), family)});
    return set;
}

}  // namespace pictures
