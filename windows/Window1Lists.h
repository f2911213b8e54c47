// The design of the result window: its list and those of its seven
// controls, in creation order.
#pragma once

#include <QByteArray>

namespace windows::window1 {

QByteArray WindowProperties();
QByteArray PushButton2Properties();
QByteArray StaticText1Properties();
QByteArray StaticText2Properties();
QByteArray Canvas1Properties();
QByteArray StaticText3Properties();
QByteArray StaticText4Properties();
QByteArray StaticText5Properties();

}  // namespace windows::window1
