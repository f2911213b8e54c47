// The property lists of the controls of the result and About windows. Both
// windows keep one fixed order of entries per kind of control; the values
// that differ between controls come in as a design row.
#pragma once

#include <QByteArray>

#include "platform/widgets/PropertyList.h"

namespace platform {

struct ControlPlace {
    const char* name;
    qint32 left;
    qint32 top;
    qint32 width;
    qint32 height;
    qint32 tabIndex;
};

struct LabelDesign {
    ControlPlace place;
    QByteArray text;
    qint32 textAlign;
    platform::Color textColor;
    bool bold;
    bool underline;
};

QByteArray PushButtonList(const ControlPlace& place, const QByteArray& caption);
QByteArray LabelList(const LabelDesign& design);
QByteArray CanvasList(const ControlPlace& place);

inline constexpr platform::Color kBlack{0x00, 0x00, 0x00};
inline constexpr platform::Color kLinkBlue{0x00, 0x00, 0xFF};
inline constexpr platform::Color kLinkRed{0xFF, 0x00, 0x00};

}  // namespace platform
