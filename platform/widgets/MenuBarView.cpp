// Menu bar views: one QMenu per menu, one QAction per item, kept in step
// with the model through its signals.
#include "MenuBarView.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "EventDispatch.h"
#include "MenuItem.h"

namespace platform {

namespace {

void SyncAction(QAction* action, const MenuItem* item) {
    action->setText(item->Text());
    action->setShortcut(KeySequenceOf(item->KeyboardShortcut()));
    action->setEnabled(item->Enabled());
}

// One action per item, shared by every view: its shortcut is registered
// once, for the whole program, so it works in whichever of the program's
// windows is active (those without a menu bar too) and is never ambiguous.
QAction* ActionOf(MenuItem* item) {
    if (auto* existing = item->findChild<QAction*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    auto* action = new QAction(item->Text(), item);
    action->setObjectName(item->Name());
    action->setShortcutContext(Qt::ApplicationShortcut);
    // Keep the About and Quit items where the menu puts them.
    action->setMenuRole(QAction::NoRole);
    SyncAction(action, item);
    QObject::connect(item, &MenuItem::Changed, action,
                     [action, item] { SyncAction(action, item); });
    QObject::connect(action, &QAction::triggered, action, [item = QPointer<MenuItem>(item)] {
        Dispatch([item] {
            if (item) item->Action();
        });
    });
    return action;
}

void AddItem(QMenu* menu, MenuItem* item) {
    if (item->IsSeparator()) {
        menu->addSeparator();
        return;
    }
    menu->addAction(ActionOf(item));
}

void AddMenu(QMenuBar* view, MenuBar* model, MenuItem* menuModel) {
    QMenu* menu = view->addMenu(menuModel->Text());
    menu->setObjectName(menuModel->Name());
    for (const auto& item : menuModel->Children()) AddItem(menu, item.get());
    QObject::connect(menuModel, &MenuItem::ChildAppended, menu,
                     [menu](MenuItem* item) { AddItem(menu, item); });
    QObject::connect(menu, &QMenu::aboutToShow, menu, [model = QPointer<MenuBar>(model)] {
        Dispatch([model] {
            if (model) model->UpdateEnabling();
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
