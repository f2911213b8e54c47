// Property lists: the design values of a window or control, as a byte
// string of entries placed back to back. Each entry is the property's name
// in ASCII, one space (0x20), then the value, encoded by the property's
// type, which the reader knows from the name:
//   integer  4 bytes, signed, big-endian
//   Boolean  1 byte, 0x00 or 0x01
//   color   3 bytes, red, green, blue
//   text     4-byte big-endian byte count, then that many UTF-8 bytes
#pragma once

#include <QByteArray>
#include <initializer_list>
#include <variant>
#include <vector>

namespace platform {

struct Color {
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

using PropertyValue = std::variant<qint32, bool, Color, QByteArray>;

enum class PropertyType { Integer, Boolean, Color, Text, Unknown };

// The type of a property, by its name; Unknown for names no list uses.
PropertyType TypeOfProperty(const QByteArray& name);

// Value makers for readable list tables.
inline PropertyValue Integer(qint32 value) { return value; }
inline PropertyValue Boolean(bool value) { return value; }
inline PropertyValue ColorValue(quint8 red, quint8 green, quint8 blue) {
    return Color{red, green, blue};
}
inline PropertyValue Text(const char* utf8) { return QByteArray(utf8); }
inline PropertyValue Text(const QByteArray& utf8) { return utf8; }

// Index of a control that is no member of a control array.
inline constexpr qint32 kNoControlArray = -2147483647 - 1;

struct PropertyEntry {
    QByteArray name;
    PropertyValue value;
};

// Encodes entries in the order given.
QByteArray EncodePropertyList(std::initializer_list<PropertyEntry> entries);
QByteArray EncodePropertyList(const std::vector<PropertyEntry>& entries);

// Decodes a list. Reading stops at the first entry that cannot be read
// whole (an unknown name, whose value length is unknowable, or a list that
// ends inside an entry); the entries before it are returned.
std::vector<PropertyEntry> DecodePropertyList(const QByteArray& list);

// What a property list is applied to.
class PropertyTarget {
public:
    virtual ~PropertyTarget() = default;
    // Sets one property; a name the object does not have is ignored.
    virtual void SetProperty(const QByteArray& name, const PropertyValue& value) = 0;
};

// Applies a list to an object: each property in list order, as if through
// its own setter.
void SetProperties(PropertyTarget& target, const QByteArray& list);

// Typed reads of a value, for SetProperty implementations; a value of
// another type gives the type's empty value.
qint32 AsInteger(const PropertyValue& value);
bool AsBoolean(const PropertyValue& value);
Color AsColor(const PropertyValue& value);
QByteArray AsText(const PropertyValue& value);

}  // namespace platform
