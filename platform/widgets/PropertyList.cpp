// Property list encoding, decoding and application.
#include "PropertyList.h"

#include <QHash>

namespace platform {

namespace {

const QHash<QByteArray, PropertyType>& TypeTable() {
    // clang-format off
    static const QHash<QByteArray, PropertyType> table = [] {
        QHash<QByteArray, PropertyType> t;
        for (const char* n : {"Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth",
                              "MaxHeight", "Frame", "MacProcID", "Index", "Left", "Top",
                              "TabPanelIndex", "TabIndex", "ButtonStyle", "TextAlign"})
            t.insert(n, PropertyType::Integer);
        for (const char* n : {"Composite", "HasBackColor", "Visible", "FullScreen",
                              "MenuBarVisible", "CloseButton", "Resizeable", "LiveResize",
                              "MaximizeButton", "MinimizeButton", "LockLeft", "LockTop",
                              "LockRight", "LockBottom", "TabStop", "Default", "Cancel", "Enabled",
                              "AutoDeactivate", "Bold", "Italic", "Underline", "Multiline",
                              "Selectable", "Transparent", "UseFocusRing", "AcceptFocus",
                              "AcceptTabs", "DoubleBuffer", "EraseBackground"})
            t.insert(n, PropertyType::Boolean);
        for (const char* n : {"BackColor", "TextColor"})
            t.insert(n, PropertyType::Color);
        for (const char* n : {"Title", "Name", "Caption", "HelpTag", "TextFont", "Text",
                              "DataSource", "DataField", "InitialParent"})
            t.insert(n, PropertyType::Text);
        return t;
    }();
    // clang-format on
    return table;
}

void AppendBigEndian32(QByteArray& out, quint32 value) {
    out.append(static_cast<char>((value >> 24) & 0xFF));
    out.append(static_cast<char>((value >> 16) & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
    out.append(static_cast<char>(value & 0xFF));
}

quint32 ReadBigEndian32(const QByteArray& in, qsizetype at) {
    quint32 value = 0;
    for (qsizetype i = 0; i < 4; ++i) value = (value << 8) | static_cast<quint8>(in[at + i]);
    return value;
}

void AppendEntry(QByteArray& out, const PropertyEntry& entry) {
    out.append(entry.name);
    out.append(' ');
    std::visit(
        [&out](const auto& v) {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, qint32>) {
                AppendBigEndian32(out, static_cast<quint32>(v));
            } else if constexpr (std::is_same_v<V, bool>) {
                out.append(static_cast<char>(v ? 1 : 0));
            } else if constexpr (std::is_same_v<V, Color>) {
                out.append(static_cast<char>(v.red));
                out.append(static_cast<char>(v.green));
                out.append(static_cast<char>(v.blue));
            } else {
                AppendBigEndian32(out, static_cast<quint32>(v.size()));
                out.append(v);
            }
        },
        entry.value);
}

}  // namespace

PropertyType TypeOfProperty(const QByteArray& name) {
    return TypeTable().value(name, PropertyType::Unknown);
}

QByteArray EncodePropertyList(std::initializer_list<PropertyEntry> entries) {
    QByteArray out;
    for (const auto& e : entries) AppendEntry(out, e);
    return out;
}

QByteArray EncodePropertyList(const std::vector<PropertyEntry>& entries) {
    QByteArray out;
    for (const auto& e : entries) AppendEntry(out, e);
    return out;
}

std::vector<PropertyEntry> DecodePropertyList(const QByteArray& list) {
    std::vector<PropertyEntry> entries;
    qsizetype at = 0;
    while (at < list.size()) {
        const qsizetype space = list.indexOf(' ', at);
        if (space <= at) break;
        const QByteArray name = list.mid(at, space - at);
        at = space + 1;
        const qsizetype left = list.size() - at;
        switch (TypeOfProperty(name)) {
            case PropertyType::Integer:
                if (left < 4) return entries;
                entries.push_back({name, static_cast<qint32>(ReadBigEndian32(list, at))});
                at += 4;
                break;
            case PropertyType::Boolean:
                if (left < 1) return entries;
                entries.push_back({name, list[at] != 0});
                at += 1;
                break;
            case PropertyType::Color:
                if (left < 3) return entries;
                entries.push_back(
                    {name, Color{static_cast<quint8>(list[at]), static_cast<quint8>(list[at + 1]),
                                 static_cast<quint8>(list[at + 2])}});
                at += 3;
                break;
            case PropertyType::Text: {
                if (left < 4) return entries;
                const quint32 count = ReadBigEndian32(list, at);
                if (count > static_cast<quint32>(left - 4)) return entries;
                entries.push_back({name, list.mid(at + 4, static_cast<qsizetype>(count))});
                at += 4 + static_cast<qsizetype>(count);
                break;
            }
            case PropertyType::Unknown:
                return entries;
        }
    }
    return entries;
}

void SetProperties(PropertyTarget& target, const QByteArray& list) {
    for (const auto& entry : DecodePropertyList(list)) target.SetProperty(entry.name, entry.value);
}

qint32 AsInteger(const PropertyValue& value) {
    const auto* v = std::get_if<qint32>(&value);
    return v ? *v : 0;
}

bool AsBoolean(const PropertyValue& value) {
    const auto* v = std::get_if<bool>(&value);
    return v ? *v : false;
}

Color AsColor(const PropertyValue& value) {
    const auto* v = std::get_if<Color>(&value);
    return v ? *v : Color{};
}

QByteArray AsText(const PropertyValue& value) {
    const auto* v = std::get_if<QByteArray>(&value);
    return v ? *v : QByteArray();
}

}  // namespace platform
