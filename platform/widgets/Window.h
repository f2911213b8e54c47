// A window of the program, built from property lists:
//   Constructor() raises Layout (the window's list), CreateControls (the
//   controls, each built completely before the next), then Open, and shows
//   the window when its list says Visible.
// Width and Height are those of the content area; a menu bar, when the
// window shows one, sits above it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>

#include "PropertyList.h"
#include "RectControl.h"

class QMenuBar;
class QVBoxLayout;

namespace platform {

class MenuBar;

class Window : public QWidget, public PropertyTarget {
    Q_OBJECT
public:
    // `className` names the window's class; an implicit-instance class has
    // at most one open window, found by GetImplicitWindow.
    Window(QString className, bool implicitInstance);
    ~Window() override;

    void Constructor();

    // Window events, for subclasses.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Event_Open() {}

    void Show();
    void Close();

    QString Title() const { return windowTitle(); }
    void SetTitle(const QString& title) { setWindowTitle(title); }

    MenuBar* GetMenuBar() const { return menuBar_; }
    void SetMenuBar(MenuBar* bar);
    QMenuBar* MenuBarView() const { return menuBarView_; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    QSize MinimumSize() const { return {minWidth_, minHeight_}; }
    QSize MaximumSize() const { return {maxWidth_, maxHeight_}; }
    bool Resizeable() const { return resizeable_; }
    int Placement() const { return placement_; }
    int Frame() const { return frame_; }
    bool HasBackColor() const { return hasBackColor_; }
    Color BackColor() const { return backColor_; }

    // The area the controls are placed in.
    QWidget* Content() const { return content_; }

    // A new control of class C in this window, not yet registered.
    template <typename C>
    C* New() {
        return new C(content_);
    }
    void AddControl(const QString& name, RectControl* control);
    RectControl* ControlByName(const QString& name) const;
    template <typename C>
    C* Control(const QString& name) const {
        return RuntimeCheckCast<C>(ControlByName(name));
    }

    const QString& ClassName() const { return className_; }
    bool IsImplicitInstance() const { return implicit_; }

    void SetProperty(const QByteArray& name, const PropertyValue& value) override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void UpdateGeometry();
    void ApplyTabOrder();
    void UpdateFlags();
    void UpdateBackground();
    void Forget();

    QString className_;
    bool implicit_;
    QVBoxLayout* layout_;
    QWidget* content_;
    MenuBar* menuBar_ = nullptr;
    QMenuBar* menuBarView_ = nullptr;
    std::map<QString, RectControl*> controls_;

    int placement_ = 0;
    int frame_ = 0;
    int width_ = 100;
    int height_ = 100;
    int minWidth_ = 64;
    int minHeight_ = 64;
    int maxWidth_ = 32000;
    int maxHeight_ = 32000;
    bool resizeable_ = true;
    bool hasBackColor_ = false;
    Color backColor_{255, 255, 255};
    bool visible_ = false;
    bool menuBarVisible_ = true;
    bool closeButton_ = true;
    bool maximizeButton_ = false;
    bool minimizeButton_ = false;
    bool built_ = false;
    bool placed_ = false;
};

// The open windows, frontmost first: WindowAt(0) is the frontmost window;
// nil past the end.
Window* WindowAt(int index);
int WindowCount();

// The open window of an implicit-instance class, or nil.
Window* GetImplicitWindow(const QString& className);

}  // namespace platform
