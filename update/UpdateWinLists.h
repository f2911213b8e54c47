// The design of the update notice: its list and those of its three
// controls, in creation order.
#pragma once

#include <QByteArray>

namespace update::updatewin {

QByteArray WindowProperties();
QByteArray Label1Properties();
QByteArray PushButton1Properties();
QByteArray PushButton2Properties();

}  // namespace update::updatewin
