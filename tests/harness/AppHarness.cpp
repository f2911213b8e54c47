// Test harness for the widget suites.
#include "AppHarness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include "TarnwickConfig.h"
#include "app/Class1.h"
#include "app/Startup.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Quit.h"
#include "platform/widgets/Runtime.h"
#include "platform/widgets/Window.h"

namespace harness {

namespace {

QuitRecord quitRecord;

// Polls every 5 ms for a modal widget of type W; runs `act` on it once.
template <typename W>
QTimer* PollForModal(int limitMs, std::function<void(W*)> act) {
    auto* timer = new QTimer;
    auto* elapsed = new int(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, elapsed, limitMs, act] {
        *elapsed += 5;
        if (auto* modal = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            act(modal);
        } else if (*elapsed > limitMs) {
            timer->stop();
        }
    });
    QObject::connect(timer, &QObject::destroyed, [elapsed] { delete elapsed; });
    timer->start(5);
    return timer;
}

class UrlSink : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

UrlSink* urlSink = nullptr;

UpdateCheckRecord updateChecks;

class TestApp : public Class1 {
public:
    bool UpdateCheck(const QByteArray& app_id, const QByteArray& ver,
                     const QByteArray& regi) override {
        ++updateChecks.calls;
        updateChecks.arguments = {app_id, ver, regi};
        updateChecks.windowsOpenAtCall = platform::WindowCount();
        return updateChecks.answer;
    }
};

}  // namespace

UpdateCheckRecord& UpdateChecks() { return updateChecks; }

void StartApplication() {
    platform::SetQuitAction([](int code) {
        ++quitRecord.count;
        quitRecord.code = code;
    });
    ResetQuits();
    static bool started = false;
    if (started) return;
    started = true;
    platform::SetBundleInfo({QString::fromUtf8(config::kProductName), config::kMajorVersion,
                             config::kMinorVersion, config::kBugVersion,
                             QString::fromUtf8(config::kLongVersion)});
    platform::RunFrameworkInitialization(&Startup);
    static TestApp app;
    app.SetMenuBar(platform::GetAppObject()->GetMenuBar());
    platform::RuntimeRegisterAppObject(&app);
    ApplicationAddMenuHandlers();
}

QuitRecord& Quits() { return quitRecord; }

void ResetQuits() {
    quitRecord = {};
    platform::ResetQuitRequest();
}

struct MessageBoxAnswerer::Poll {
    QTimer* timer;
};

MessageBoxAnswerer::MessageBoxAnswerer(int limitMs) : poll_(new Poll) {
    poll_->timer = PollForModal<QMessageBox>(limitMs, [this](QMessageBox* box) {
        text_ = box->text();
        answered_ = true;
        box->button(QMessageBox::Ok)->click();
    });
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    delete poll_->timer;
    delete poll_;
}

struct OpenDialogDriver::Poll {
    QTimer* timer;
};

OpenDialogDriver::OpenDialogDriver(QString path, int limitMs)
    : path_(std::move(path)), poll_(new Poll) {
    poll_->timer = PollForModal<QFileDialog>(limitMs, [this](QFileDialog* dialog) {
        driven_ = true;
        filters_ = dialog->nameFilters();
        if (path_.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typing the path is what works reliably across dialogs in one run.
        if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            edit->setText(path_);
        static_cast<QDialog*>(dialog)->accept();
    });
}

OpenDialogDriver::~OpenDialogDriver() {
    delete poll_->timer;
    delete poll_;
}

void CloseAllWindows() {
    while (platform::Window* w = platform::WindowAt(0)) delete w;
    QApplication::processEvents();
    ResetQuits();
}

UrlCapture::UrlCapture() {
    if (urlSink == nullptr) urlSink = new UrlSink;
    urlSink->opened.clear();
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), urlSink, "open");
}

UrlCapture::~UrlCapture() {
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

const QStringList& UrlCapture::Opened() const { return urlSink->opened; }

}  // namespace harness

#include "AppHarness.moc"
