// Tarnwick's executable: options, then either the hand-over of the
// documents to the program already running, or the program itself.
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

#include "CommandLine.h"
#include "Startup.h"
#include "TarnwickConfig.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/SingleInstance.h"

namespace {

// Tests give each run a socket of its own, so they never meet each other
// or the user's running Tarnwick.
QString InstanceSocket() {
    return platform::InstanceSocketPath(
        qEnvironmentVariable("TARNWICK_INSTANCE_NAME", QStringLiteral("tarnwick")));
}

}  // namespace

int main(int argc, char* argv[]) {
    // Qt sees the program's name only: it takes arguments such as
    // "-platform" or "-reverse" as its own, which would swallow documents
    // of those names.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    CommandLine line;
    {
        // No display is needed to answer the options or to hand over.
        QCoreApplication core(qtArgc, qtArgv);
        line = ParseCommandLine(argc, argv);
        if (line.action != CommandLine::Action::Run) {
            std::fputs(line.text.toLocal8Bit().constData(), stdout);
            return 0;
        }
        if (platform::HandOverDocuments(InstanceSocket(), line.documents)) return 0;
    }
    QApplication application(qtArgc, qtArgv);
    platform::InstanceServer instance;
    if (!instance.Listen(InstanceSocket())) {
        std::fprintf(stderr, "tarnwick: running without taking documents from later launches\n");
    }
    platform::SetBundleInfo({QString::fromUtf8(config::kProductName), config::kMajorVersion,
                             config::kMinorVersion, config::kBugVersion,
                             QString::fromUtf8(config::kLongVersion)});
    return Main(line.documents);
}
