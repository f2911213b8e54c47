// The design of the About window: its list and those of its six controls,
// in creation order.
#pragma once

#include <QByteArray>

namespace windows::window2 {

QByteArray WindowProperties();
QByteArray PushButton1Properties();
QByteArray StaticText1Properties();
QByteArray Canvas1Properties();
QByteArray StaticText2Properties();
QByteArray StaticText3Properties();
QByteArray StaticText5Properties();

// The web address as the About window shows it: without its final "/".
QByteArray ShownSiteAddress();
// "mailto:" and the contact address, shown and opened alike.
QByteArray MailAddress();

}  // namespace windows::window2
