// A later launch's list of documents, queued in the running program until
// its turn comes. Then each document is offered to the launch (Ready) and
// opened only once the launch has confirmed that it leaves it to us; the
// launch opens whatever it was never offered. Meanwhile the launch hears
// Wait now and then, so that it can tell a busy program from a stuck one.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSocketNotifier>
#include <QTimer>

#include "DocumentQueue.h"

namespace platform {

// Between two Waits to a queued launch; the launch gives up after
// kInstanceSilenceMs without a word.
inline constexpr int kHandOverWaitEveryMs = 250;
// How long the program waits for the launch to confirm an offer.
inline constexpr int kHandOverConfirmMs = 500;

class HandOver : public QObject, public DocumentSource {
    Q_OBJECT
public:
    // Takes the connection `descriptor`, over which `nativePaths` came whole,
    // and says Wait. Abandoned or not, it ends when destroyed.
    HandOver(int descriptor, const QList<QByteArray>& nativePaths);
    ~HandOver() override;

    std::optional<QByteArray> Next() override;
    qsizetype Remaining() const override;
    void Abandon(bool failing) override;

    // Lists not yet ended, and the bytes of the names they hold.
    static qsizetype Count();
    static qsizetype HeldBytes();

private:
    bool Offer();
    void SayWait();
    void LaunchSpoke();
    void End();

    int descriptor_;
    const bool front_;  // an empty list: it asks for the front
    QList<QByteArray> paths_;
    qsizetype next_ = 0;
    qsizetype heldBytes_ = 0;
    QSocketNotifier launchEnd_;
    QTimer waitTimer_;
};

}  // namespace platform
