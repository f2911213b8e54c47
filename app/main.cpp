// Tarnwick's executable: every argument is a document to open.
#include <QApplication>

#include "Startup.h"
#include "TarnwickConfig.h"
#include "platform/widgets/Application.h"

int main(int argc, char* argv[]) {
    // Taken before QApplication sees them, as the bytes they are: a file
    // name need not be UTF-8.
    QList<QByteArray> documents;
    for (int i = 1; i < argc; ++i) documents << QByteArray(argv[i]);
    QApplication application(argc, argv);
    platform::SetBundleInfo({QString::fromUtf8(config::kProductName), config::kMajorVersion,
                             config::kMinorVersion, config::kBugVersion,
                             QString::fromUtf8(config::kLongVersion)});
    return Main(documents);
}
