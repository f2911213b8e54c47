// The menu bar window.
#include "MenuBarWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QVBoxLayout>

#include "DocumentDrop.h"
#include "EventDispatch.h"
#include "MenuBarView.h"
#include "Quit.h"

namespace platform {

MenuBarWindow::MenuBarWindow(MenuBar* bar) {
    setWindowTitle(QCoreApplication::applicationName());
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = CreateMenuBarView(bar, this);
    layout->setMenuBar(view_);
    // Sized from the bar itself: a fixed height would fold the menus away.
    const QSize hint = view_->sizeHint();
    setFixedSize(std::max(hint.width() + 40, 240), hint.height());
}

void MenuBarWindow::closeEvent(QCloseEvent* event) {
    // Closing the application's own window quits, as the Quit item does.
    event->ignore();
    Dispatch([] { Quit(0); });
}

void MenuBarWindow::dragEnterEvent(QDragEnterEvent* event) { AcceptDocumentDrag(event); }

void MenuBarWindow::dropEvent(QDropEvent* event) { OpenDroppedDocuments(event); }

}  // namespace platform
