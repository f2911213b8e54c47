// What the widget suites share: the application started as the program
// starts it (without its event loop), quits recorded instead of performed,
// modal boxes and dialogs answered from timers, and windows cleaned up
// between cases.
#pragma once

#include <QtWidgets>
#include <functional>

namespace harness {

// Runs the program's start-up once per process (bundle data, fonts, the
// document type, the application object, its menu bar and handlers); every
// call puts the quit recorder and the application object (back) in place.
void StartApplication();

// The update check of the application object the suites run: it answers
// `answer` and records its arguments instead of asking a server.
struct UpdateCheckRecord {
    bool answer = false;
    int windowsOpenAtCall = -1;
    QList<QByteArray> arguments;
};
UpdateCheckRecord& UpdateChecks();

// Quit requests are recorded, not performed.
struct QuitRecord {
    int count = 0, code = -1;
};
QuitRecord& Quits();

// Answers the next modal message box with OK once it is up (after running
// `whileUp`), recording its text, the window it stands over and its centre;
// gives up after `limitMs`.
struct MessageBoxAnswerer {
    explicit MessageBoxAnswerer(int limitMs = 5000, std::function<void()> whileUp = {});
    bool Answered() const { return answered; }
    const QString& Text() const { return text; }
    bool answered = false;
    QString text;
    QPointer<QWidget> parent;
    QPoint centre;
    std::unique_ptr<QTimer> poll;
};

// Drives the next modal open dialog: types `path` and accepts it, or
// cancels when `path` is empty. Gives up after `limitMs`.
struct OpenDialogDriver {
    explicit OpenDialogDriver(const QString& path, int limitMs = 5000);
    bool Driven() const { return driven; }
    const QStringList& NameFilters() const { return filters; }
    bool driven = false;
    QStringList filters;
    std::unique_ptr<QTimer> poll;
};

// Closes and deletes every program window; resets quits.
void CloseAllWindows();

// Captured openings of links (http, https, mailto).
class UrlCapture : public QObject {
    Q_OBJECT
public:
    UrlCapture();
    ~UrlCapture() override;
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

}  // namespace harness
