// Window over a top-level QWidget: an optional menu bar view above a
// content area of the designed size.
#include "Window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "DocumentDrop.h"
#include "DocumentQueue.h"
#include "EventDispatch.h"
#include "MenuBarView.h"
#include "MenuItem.h"
#include "WindowStack.h"

namespace platform {

namespace {

// Frame code of a floating window: above the program's other windows.
constexpr int kFrameFloating = 7;
// Placement codes: the system's document placement (each new window a step
// down and right from the last, below the menu bar window; each run of ten
// starts a step further right, so the first hundred never cover each other
// exactly), and centred on the main screen.
constexpr int kPlacementDefault = 0;
constexpr int kPlacementMainScreen = 2;
constexpr int kCascadeStep = 24;
constexpr int kCascadeSteps = 10;
const QPoint kCascadeOrigin(40, 80);

QPoint NextCascadePosition(const QRect& available) {
    static int placed = 0;
    const int down = placed % kCascadeSteps;
    const int run = (placed / kCascadeSteps) % kCascadeSteps;
    ++placed;
    return available.topLeft() + kCascadeOrigin + kCascadeStep * QPoint(down + run, down);
}

}  // namespace

Window::Window(QString className, bool implicitInstance)
    : QWidget(nullptr), className_(std::move(className)), implicit_(implicitInstance) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetMinAndMaxSize);
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("content"));
    layout_->addWidget(content_);
}

Window::~Window() { Forget(); }

void Window::Constructor() {
    // From here on the window is open: it is listed, and an implicit
    // instance is found by its class.
    StackBringToFront(this);
    Layout();
    CreateControls();
    ApplyTabOrder();
    built_ = true;
    UpdateFlags();
    UpdateGeometry();
    UpdateBackground();
    Event_Open();
    if (visible_) Show();
}

void Window::ApplyTabOrder() {
    // Tab follows the controls' TabIndex, whatever order they were made in.
    std::vector<RectControl*> order;
    for (const auto& [name, control] : controls_) order.push_back(control);
    std::stable_sort(order.begin(), order.end(), [](const RectControl* a, const RectControl* b) {
        return a->TabIndex() < b->TabIndex();
    });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
}

void Window::Show() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!isVisible() && !placed_ && screen != nullptr) {
        placed_ = true;
        const QRect available = screen->availableGeometry();
        if (placement_ == kPlacementMainScreen) {
            QRect frame(QPoint(), sizeHint().expandedTo(size()));
            frame.moveCenter(available.center());
            move(frame.topLeft());
        } else if (placement_ == kPlacementDefault) {
            move(NextCascadePosition(available));
        }
    }
    // A minimised window comes back when shown again.
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    // Of a batch of documents only the last window is made active, and it
    // ends in front as it would anyway. Each activation makes Qt look through
    // every window of the program: activating them all would make a batch
    // cost the square of its length.
    if (!MoreDocumentsFollow()) activateWindow();
    StackBringToFront(this);
}

void Window::Close() { close(); }

void Window::SetMenuBar(MenuBar* bar) {
    if (bar == menuBar_) return;
    menuBar_ = bar;
    delete menuBarView_;
    menuBarView_ = nullptr;
    if (bar != nullptr) {
        menuBarView_ = CreateMenuBarView(bar, this);
        layout_->setMenuBar(menuBarView_);
        menuBarView_->setVisible(menuBarVisible_);
    }
    if (built_) UpdateGeometry();
}

void Window::AddControl(const QString& name, RectControl* control) {
    control->Widget()->setObjectName(name);
    controls_[name] = control;
}

RectControl* Window::ControlByName(const QString& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

void Window::SetProperty(const QByteArray& name, const PropertyValue& value) {
    // clang-format off
    if (name == "Placement")           placement_ = AsInteger(value);
    else if (name == "Frame")          frame_ = AsInteger(value);
    else if (name == "Width")          width_ = AsInteger(value);
    else if (name == "Height")         height_ = AsInteger(value);
    else if (name == "MinWidth")       minWidth_ = AsInteger(value);
    else if (name == "MinHeight")      minHeight_ = AsInteger(value);
    else if (name == "MaxWidth")       maxWidth_ = AsInteger(value);
    else if (name == "MaxHeight")      maxHeight_ = AsInteger(value);
    else if (name == "Resizeable")     resizeable_ = AsBoolean(value);
    else if (name == "HasBackColor")   hasBackColor_ = AsBoolean(value);
    else if (name == "BackColor")      backColor_ = AsColor(value);
    else if (name == "Title")          SetTitle(QString::fromUtf8(AsText(value)));
    else if (name == "Visible")        visible_ = AsBoolean(value);
    else if (name == "MenuBarVisible") menuBarVisible_ = AsBoolean(value);
    else if (name == "CloseButton")    closeButton_ = AsBoolean(value);
    else if (name == "MaximizeButton") maximizeButton_ = AsBoolean(value);
    else if (name == "MinimizeButton") minimizeButton_ = AsBoolean(value);
    // Composite, FullScreen (always False here), LiveResize (Qt always
    // redraws while resizing) and MacProcID have nothing to change here.
    // clang-format on
    if (menuBarView_ != nullptr && name == "MenuBarVisible")
        menuBarView_->setVisible(menuBarVisible_);
    if (built_) {
        UpdateFlags();
        UpdateGeometry();
        UpdateBackground();
    }
}

void Window::UpdateGeometry() {
    if (resizeable_) {
        content_->setMinimumSize(minWidth_, minHeight_);
        content_->setMaximumSize(maxWidth_, maxHeight_);
    } else {
        content_->setFixedSize(width_, height_);
    }
    const int barHeight =
        (menuBarView_ != nullptr && menuBarVisible_) ? menuBarView_->sizeHint().height() : 0;
    layout_->activate();
    resize(std::clamp(width_, minWidth_, maxWidth_),
           std::clamp(height_, minHeight_, maxHeight_) + barHeight);
}

void Window::UpdateFlags() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton_) flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton_) flags |= Qt::WindowMaximizeButtonHint;
    // A tool window with no parent is transient for the whole program: the
    // window manager keeps it above the program's windows, not above others.
    if (frame_ == kFrameFloating) flags |= Qt::Tool;
    if (flags != windowFlags()) {
        const bool wasVisible = isVisible();
        setWindowFlags(flags);
        if (wasVisible) show();
    }
}

void Window::UpdateBackground() {
    content_->setAutoFillBackground(hasBackColor_);
    if (hasBackColor_) {
        QPalette p = content_->palette();
        p.setColor(QPalette::Window, QColor(backColor_.red, backColor_.green, backColor_.blue));
        content_->setPalette(p);
    }
}

bool Window::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && isVisible()) StackBringToFront(this);
    return QWidget::event(e);
}

void Window::closeEvent(QCloseEvent* e) {
    if (e->spontaneous() && HandlerRunning()) {
        // The close box was used while a handler works on the windows:
        // close once it has finished.
        e->ignore();
        Dispatch([self = QPointer<Window>(this)] {
            if (self) self->Close();
        });
        return;
    }
    e->accept();
    Forget();
}

void Window::keyPressEvent(QKeyEvent* e) {
    // Return and Enter press the default button wherever the focus is.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        for (auto* button : content_->findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isEnabled() && button->isVisible()) {
                button->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(e);
}

void Window::dragEnterEvent(QDragEnterEvent* e) { AcceptDocumentDrag(e); }

void Window::dropEvent(QDropEvent* e) { OpenDroppedDocuments(e); }

void Window::Forget() { StackRemove(this); }

// Only windows put themselves on the stack.
Window* WindowAt(int index) { return static_cast<Window*>(StackAt(index)); }

int WindowCount() { return StackSize(); }

Window* GetImplicitWindow(const QString& className) {
    for (int i = 0; Window* w = WindowAt(i); ++i)
        if (w->IsImplicitInstance() && w->ClassName() == className) return w;
    return nullptr;
}

}  // namespace platform
