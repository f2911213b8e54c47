// The application's menu bar on a desktop without a screen menu bar: a
// small window holding only the bar. It stands for the application:
// documents dropped on it are opened, and closing it quits.
#pragma once

#include <QWidget>

class QMenuBar;

namespace platform {

class MenuBar;

class MenuBarWindow : public QWidget {
    Q_OBJECT
public:
    explicit MenuBarWindow(MenuBar* bar);
    QMenuBar* View() const { return view_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QMenuBar* view_;
};

}  // namespace platform
