// Test harness for the widget suites.
#include "AppHarness.h"

#include <QtWidgets>
#include <tuple>

#include "TarnwickConfig.h"
#include "app/Class1.h"
#include "app/Startup.h"
#include "platform/widgets/Quit.h"
#include "platform/widgets/Runtime.h"
#include "platform/widgets/Window.h"

namespace harness {

namespace {

QuitRecord quitRecord;
UpdateCheckRecord updateChecks;

// A timer, owned by the caller, that polls every 5 ms for a modal widget of
// type W and runs `act` on it once; it gives up after `limitMs`.
template <typename W, typename Act>
std::unique_ptr<QTimer> PollForModal(int limitMs, Act act) {
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(),
                     [t = timer.get(), rounds = limitMs / 5, act]() mutable {
                         auto* modal = qobject_cast<W*>(QApplication::activeModalWidget());
                         if (modal != nullptr || --rounds < 0) t->stop();
                         if (modal != nullptr) act(modal);
                     });
    timer->start(5);
    return timer;
}

struct TestApp : Class1 {
    bool UpdateCheck(const QByteArray& app_id, const QByteArray& ver,
                     const QByteArray& regi) override {
        updateChecks.arguments = {app_id, ver, regi};
        updateChecks.windowsOpenAtCall = platform::WindowCount();
        return updateChecks.answer;
    }
};

}  // namespace

UpdateCheckRecord& UpdateChecks() { return updateChecks; }

static void ResetQuits() { quitRecord = {}, platform::ResetQuitRequest(); }

void StartApplication() {
    platform::SetQuitAction([](int code) { quitRecord = {quitRecord.count + 1, code}; });
    ResetQuits();
    static TestApp* started = nullptr;
    if (started) return platform::RuntimeRegisterAppObject(started);
    platform::SetBundleInfo({QString::fromUtf8(config::kProductName), config::kMajorVersion,
                             config::kMinorVersion, config::kBugVersion,
                             QString::fromUtf8(config::kLongVersion)});
    platform::RunFrameworkInitialization(&Startup);
    static TestApp app;
    app.SetMenuBar(platform::GetAppObject()->GetMenuBar());
    platform::RuntimeRegisterAppObject(started = &app);
    ApplicationAddMenuHandlers();
}

QuitRecord& Quits() { return quitRecord; }

MessageBoxAnswerer::MessageBoxAnswerer(int limitMs, std::function<void()> whileUp) {
    poll = PollForModal<QMessageBox>(limitMs, [this, whileUp](QMessageBox* box) {
        if (whileUp) whileUp();
        std::tie(answered, text, parent) = std::tuple(true, box->text(), box->parentWidget());
        centre = box->frameGeometry().center();
        box->button(QMessageBox::Ok)->click();
    });
}

OpenDialogDriver::OpenDialogDriver(const QString& path, int limitMs) {
    poll = PollForModal<QFileDialog>(limitMs, [this, path](QFileDialog* dialog) {
        std::tie(driven, filters) = std::tuple(true, dialog->nameFilters());
        if (path.isEmpty()) return dialog->reject();
        // Typing the path is what works reliably across dialogs in one run.
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept();
        if (dialog->isVisible()) dialog->reject();  // refused: give up rather than wait
    });
}

void CloseAllWindows() {
    while (platform::Window* w = platform::WindowAt(0)) delete w;
    QApplication::processEvents();
    ResetQuits();
}

UrlCapture::UrlCapture() {
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlCapture::~UrlCapture() {
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

}  // namespace harness
