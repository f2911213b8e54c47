// Tarnwick's executable: options, then either the hand-over of the
// documents to the program already running, or the program itself.
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

#include "CommandLine.h"
#include "Startup.h"
#include "TarnwickConfig.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/InstanceClaim.h"
#include "platform/widgets/InstanceServer.h"

int main(int argc, char* argv[]) {
    // Qt sees the program's name only: it takes arguments such as
    // "-platform" or "-reverse" as its own, which would swallow documents
    // of those names.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    platform::InstanceClaim claim;
    {
        // No display is needed to answer the options or to hand over.
        QCoreApplication core(qtArgc, qtArgv);
        const CommandLine line = ParseCommandLine(argc, argv);
        if (line.action != CommandLine::Action::Run) {
            std::fputs(line.text.toLocal8Bit().constData(), stdout);
            return 0;
        }
        // Tests give each run a socket of its own, so they never meet each
        // other or the user's running Tarnwick.
        claim = platform::ClaimInstance(
            qEnvironmentVariable("TARNWICK_INSTANCE_NAME", QStringLiteral("tarnwick")),
            line.documents);
        if (claim.role == platform::InstanceClaim::Role::HandedOver) return 0;
        if (claim.role == platform::InstanceClaim::Role::Alone)
            platform::SayRunningAlone(claim.note);
    }
    QApplication application(qtArgc, qtArgv);
    // Holds the lock from here on; without a socket it lets the lock go,
    // and later launches need not wait for this program.
    platform::InstanceServer instance;
    if (QString problem; claim.role == platform::InstanceClaim::Role::Serve &&
                         !instance.Listen(claim.socketPath, std::move(claim.lock), &problem))
        platform::SayRunningAlone(problem);
    platform::SetBundleInfo({QString::fromUtf8(config::kProductName), config::kMajorVersion,
                             config::kMinorVersion, config::kBugVersion,
                             QString::fromUtf8(config::kLongVersion)});
    return Main(claim.documents);
}
