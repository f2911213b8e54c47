// What the widget suites share: the application started as the program
// starts it (without its event loop), quits recorded instead of performed,
// modal boxes and dialogs answered from timers, and windows cleaned up
// between cases.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace harness {

// Runs the program's start-up once per process: bundle data, fonts, the
// document type, the application object and its menu bar and handlers.
// Every call puts the quit recorder (back) in place.
void StartApplication();

// The application object the suites run: the program's own, but for its
// update check, which answers `answer` and records its arguments instead of
// asking a server (the exchange itself has its own suite, on loopback).
struct UpdateCheckRecord {
    bool answer = false;
    int calls = 0;
    QList<QByteArray> arguments;
    int windowsOpenAtCall = -1;
};
UpdateCheckRecord& UpdateChecks();

// Quit requests are recorded, not performed.
struct QuitRecord {
    int count = 0;
    int code = -1;
};
QuitRecord& Quits();
void ResetQuits();

// Answers the next modal message box with OK once it is up, recording its
// text; gives up after `limitMs`.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(int limitMs = 5000);
    ~MessageBoxAnswerer();
    bool Answered() const { return answered_; }
    const QString& Text() const { return text_; }

private:
    bool answered_ = false;
    QString text_;
    struct Poll;
    Poll* poll_;
};

// Drives the next modal open dialog: types `path` and accepts it, or
// cancels when `path` is empty. Gives up after `limitMs`.
class OpenDialogDriver {
public:
    explicit OpenDialogDriver(QString path, int limitMs = 5000);
    ~OpenDialogDriver();
    bool Driven() const { return driven_; }
    const QStringList& NameFilters() const { return filters_; }

private:
    QString path_;
    bool driven_ = false;
    QStringList filters_;
    struct Poll;
    Poll* poll_;
};

// Closes and deletes every program window; resets quits.
void CloseAllWindows();

// Captured openings of links (http, https, mailto).
class UrlCapture {
public:
    UrlCapture();
    ~UrlCapture();
    const QStringList& Opened() const;
};

}  // namespace harness
