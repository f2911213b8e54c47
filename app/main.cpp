// Tarnwick's executable: every argument is a document to open.
#include <QApplication>

#include "Startup.h"
#include "TarnwickConfig.h"
#include "platform/Application.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    platform::SetBundleInfo({QString::fromUtf8(config::kProductName), config::kMajorVersion,
                             config::kMinorVersion, config::kBugVersion,
                             QString::fromUtf8(config::kLongVersion)});
    QStringList documents = QCoreApplication::arguments();
    documents.removeFirst();
    return Main(documents);
}
