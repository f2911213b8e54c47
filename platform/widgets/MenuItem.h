// The menu model: a tree of items, the bar at its root. Views of it (one Qt
// menu bar per window that shows it) follow every change.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace platform {

class MenuItem : public QObject {
    Q_OBJECT
public:
    MenuItem();
    ~MenuItem() override;

    QString Name() const { return name_; }
    void SetName(const QString& name);
    QString Text() const { return text_; }
    void SetText(const QString& text);
    // "Cmd+O": the command key and a capital letter; empty for none.
    QString KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(const QString& shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool autoEnable);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Enables the item for the menu display in progress.
    void Enable() { SetEnabled(true); }

    bool IsSeparator() const { return text_ == QLatin1String("-"); }

    // Adds `child` as the last child; the item owns it.
    void Append(MenuItem* child);
    // The direct child of that name, or nil.
    MenuItem* Child(const QString& name) const;
    // The item of that name anywhere below this one, or nil.
    MenuItem* Lookup(const QString& name) const;
    const std::vector<std::unique_ptr<MenuItem>>& Children() const { return children_; }

    // What choosing the item does: run the handler the application has
    // registered under the item's name.
    virtual void Action();

signals:
    void Changed();  // text or shortcut
    void EnabledChanged();
    void ChildAppended(platform::MenuItem* child);

private:
    QString name_;
    QString text_;
    QString shortcut_;
    bool autoEnable_ = false;
    bool enabled_ = false;
    std::vector<std::unique_ptr<MenuItem>> children_;
};

// The item that quits the application.
class QuitMenuItem : public MenuItem {
    Q_OBJECT
public:
    void Action() override;
};

// The About item.
class AppleMenuItem : public MenuItem {
    Q_OBJECT
};

// The root of a menu tree; its children are the menus of the bar.
class MenuBar : public MenuItem {
    Q_OBJECT
public:
    // Sets every item's enabled state for a menu display: items that enable
    // themselves on, the rest off, then the application's EnableMenuItems.
    void UpdateEnabling();
};

}  // namespace platform
