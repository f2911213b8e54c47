// The running program's side of one launch's list, from its queueing to its
// last document.
#include "HandOver.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <numeric>

#include "MenuBarWindow.h"
#include "platform/core/DocumentListMessage.h"
#include "platform/core/LocalSocket.h"

namespace platform {

namespace {

qsizetype live = 0;
qsizetype heldByAll = 0;

void BringMenuBarWindowToFront() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<MenuBarWindow*>(widget)) {
            window->showNormal();
            window->raise();
            window->activateWindow();
        }
    }
}

}  // namespace

HandOver::HandOver(int descriptor, const QList<QByteArray>& nativePaths)
    : descriptor_(descriptor),
      front_(nativePaths.isEmpty()),
      paths_(nativePaths),
      heldBytes_(
          std::accumulate(nativePaths.begin(), nativePaths.end(), qsizetype{0},
                          [](qsizetype sum, const QByteArray& p) { return sum + p.size(); })),
      launchEnd_(descriptor, QSocketNotifier::Read) {
    ++live;
    heldByAll += heldBytes_;
    connect(&launchEnd_, &QSocketNotifier::activated, this, &HandOver::LaunchSpoke);
    connect(&waitTimer_, &QTimer::timeout, this, &HandOver::SayWait);
    waitTimer_.start(kHandOverWaitEveryMs);
    SayWait();
}

HandOver::~HandOver() { End(); }

// Whatever its turn ends in, a list that answers nothing is let go at once:
// its queue drops it.
std::optional<QByteArray> HandOver::Next() {
    // An offer cannot go out on a list that has ended (its descriptor gone).
    if (!Offer()) return std::nullopt;
    // An empty list's one turn is the program's coming to the front.
    if (front_) {
        BringMenuBarWindowToFront();
        return std::nullopt;
    }
    const QByteArray path = paths_.value(next_++);
    if (next_ == paths_.size()) End();
    return path;
}

qsizetype HandOver::Remaining() const { return paths_.size() - next_; }

void HandOver::Abandon(bool failing) {
    // The rest of a failing batch goes with it, as its own documents would;
    // any other launch opens the rest itself. (Nothing goes out on a list
    // that has ended.)
    SendByte(descriptor_, failing ? kHandOverEnded : kHandOverRefused);
}

qsizetype HandOver::Count() { return live; }
qsizetype HandOver::HeldBytes() { return heldByAll; }

bool HandOver::Offer() {
    if (!SendByte(descriptor_, kHandOverReady)) return false;
    // Waited for here, not in the event loop: nothing the user does can come
    // between an offer and its answer.
    char answer{};
    Receipt receipt = ReceiveByte(descriptor_, kHandOverConfirmMs, answer);
    if (receipt == Receipt::Nothing) {
        // Too late from now on: once reading is shut, a Confirm still to be
        // sent fails to send (the launch then opens the document itself),
        // and one sent before is still read here.
        ::shutdown(descriptor_, SHUT_RD);
        receipt = ReceiveByte(descriptor_, 0, answer);
    }
    return receipt == Receipt::Byte && answer == kHandOverConfirm;
}

void HandOver::SayWait() {
    // Fails for a launch that has gone. (One that stopped reading would need
    // days of Waits to fill its buffer.)
    if (!SendByte(descriptor_, kHandOverWait)) End();
}

void HandOver::LaunchSpoke() {
    // Between offers a launch has nothing to say: it has closed, or it
    // breaks the exchange. Either way it is done here.
    End();
}

void HandOver::End() {
    if (descriptor_ < 0) return;
    launchEnd_.setEnabled(false);
    waitTimer_.stop();
    ::close(descriptor_);
    descriptor_ = -1;
    --live;
    heldByAll -= heldBytes_;
    heldBytes_ = 0;
    paths_.clear();
    next_ = 0;
}

}  // namespace platform
