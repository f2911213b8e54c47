// A Qt menu bar that shows a menu model. Any number of views may show one
// model; each follows the model's texts, shortcuts and enabled states.
#pragma once

#include <QMenuBar>

namespace platform {

class MenuBar;

// A new view of `model`, owned by `parent`.
QMenuBar* CreateMenuBarView(MenuBar* model, QWidget* parent);

// The key sequence of a shortcut text such as "Cmd+O" (the command key is
// Ctrl here); empty for an empty text.
QKeySequence KeySequenceOf(const QString& shortcut);

}  // namespace platform
