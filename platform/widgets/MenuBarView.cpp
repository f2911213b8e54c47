// Menu bar views: one QMenu per menu and, in it, one QAction per item, kept
// in step with the model through its signals; and one command per item,
// shared by every view, that carries the item's shortcut.
#include "MenuBarView.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "EventDispatch.h"
#include "MenuItem.h"

namespace platform {

namespace {

void Perform(MenuItem* item) {
    Dispatch([item = QPointer<MenuItem>(item)] {
        if (item) item->Action();
    });
}

// The item's command: one action per item, shared by the whole program,
// which alone carries the item's shortcut. Its shortcut is registered once,
// so it works in whichever of the program's windows is active (those
// without a menu bar too) and is never ambiguous.
QAction* CommandOf(MenuItem* item) {
    if (auto* existing = item->findChild<QAction*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    auto* command = new QAction(item->Text(), item);
    command->setObjectName(item->Name());
    command->setShortcutContext(Qt::ApplicationShortcut);
    auto sync = [command, item] {
        command->setShortcut(KeySequenceOf(item->KeyboardShortcut()));
        command->setEnabled(item->Enabled());
    };
    sync();
    QObject::connect(item, &MenuItem::Changed, command, sync);
    QObject::connect(item, &MenuItem::EnabledChanged, command, sync);
    QObject::connect(command, &QAction::triggered, command, [item] { Perform(item); });
    return command;
}

// What one menu shows of an item: an action of the menu's own, with the
// shortcut written after a tab, as menus lay it out. A menu ties itself to
// every action it shows with a unique connection, so showing the shared
// command in every window's menus would make each new window cost as much
// as the windows already open. Its enabling is brought up to date only as
// its own menu is about to show (ShowEnabling): following every item's
// changes in every window's menus would make opening a menu cost as much.
QAction* ShownAction(MenuItem* item, QMenu* menu) {
    auto* shown = new QAction(menu);
    shown->setMenuRole(QAction::NoRole);  // the About and Quit items stay where they are
    shown->setData(QVariant::fromValue<QObject*>(item));
    shown->setEnabled(item->Enabled());
    auto sync = [shown, item] {
        const QKeySequence keys = KeySequenceOf(item->KeyboardShortcut());
        shown->setText(keys.isEmpty()
                           ? item->Text()
                           : item->Text() + u'\t' + keys.toString(QKeySequence::NativeText));
    };
    sync();
    QObject::connect(item, &MenuItem::Changed, shown, sync);
    QObject::connect(shown, &QAction::triggered, shown, [item] { Perform(item); });
    return shown;
}

void ShowEnabling(QMenu* menu) {
    for (QAction* shown : menu->actions())
        if (auto* item = qobject_cast<MenuItem*>(shown->data().value<QObject*>()))
            shown->setEnabled(item->Enabled());
}

void AddItem(QMenuBar* view, QMenu* menu, MenuItem* item) {
    if (item->IsSeparator()) {
        menu->addSeparator();
        return;
    }
    // The window holding the view carries the command, unseen, for its key.
    view->window()->addAction(CommandOf(item));
    menu->addAction(ShownAction(item, menu));
}

void AddMenu(QMenuBar* view, MenuBar* model, MenuItem* menuModel) {
    QMenu* menu = view->addMenu(menuModel->Text());
    menu->setObjectName(menuModel->Name());
    for (const auto& item : menuModel->Children()) AddItem(view, menu, item.get());
    QObject::connect(menuModel, &MenuItem::ChildAppended, menu,
                     [view, menu](MenuItem* item) { AddItem(view, menu, item); });
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [model = QPointer<MenuBar>(model), menu = QPointer<QMenu>(menu)] {
                         Dispatch([model, menu] {
                             if (model) model->UpdateEnabling();
                             if (menu) ShowEnabling(menu);
                         });
                     });
}

}  // namespace

QKeySequence KeySequenceOf(const QString& shortcut) {
    if (shortcut.isEmpty()) return {};
    QString portable = shortcut;
    portable.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"));
    return QKeySequence(portable, QKeySequence::PortableText);
}

QMenuBar* CreateMenuBarView(MenuBar* model, QWidget* parent) {
    auto* view = new QMenuBar(parent);
    view->setNativeMenuBar(false);
    for (const auto& menu : model->Children()) AddMenu(view, model, menu.get());
    QObject::connect(model, &MenuItem::ChildAppended, view,
                     [view, model](MenuItem* menu) { AddMenu(view, model, menu); });
    return view;
}

}  // namespace platform
