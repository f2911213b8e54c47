// Command-line parsing. QCommandLineParser defines the options and writes
// the usage text, but it reads QStrings, in which a file name that is not
// UTF-8 loses its bytes; and it would refuse a document named like an
// unknown option. So the arguments are sorted here, as bytes: an argument
// spelled exactly like one of the options goes to the parser, everything
// else is a document.
#include "CommandLine.h"

#include <QCommandLineParser>

#include "TarnwickConfig.h"

namespace {

bool SpellsOption(const QByteArray& argument, const QCommandLineOption& option) {
    for (const QString& name : option.names()) {
        const QByteArray dashes = name.size() == 1 ? "-" : "--";
        if (argument == dashes + name.toLatin1()) return true;
    }
    return false;
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tells which release of Adobe InDesign wrote each document."));
    // Not addHelpOption(): it also offers Qt's own options, which this
    // program never hands to Qt.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("documents"),
                                 QStringLiteral("InDesign documents to open."),
                                 QStringLiteral("[--] [DOCUMENT...]"));

    CommandLine line;
    QStringList options{QString::fromLocal8Bit(argv[0])};
    bool onlyDocuments = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (onlyDocuments) {
            line.documents << argument;
        } else if (argument == "--") {
            onlyDocuments = true;
        } else if (SpellsOption(argument, help) || SpellsOption(argument, version)) {
            options << QString::fromLatin1(argument);
        } else {
            line.documents << argument;
        }
    }
    parser.parse(options);
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::ShowHelp;
        line.text = parser.helpText();
    } else if (parser.isSet(version)) {
        line.action = CommandLine::Action::ShowVersion;
        line.text = QStringLiteral("%1 %2\n").arg(QString::fromUtf8(config::kProductName),
                                                  QString::fromUtf8(config::kLongVersion));
    }
    return line;
}
