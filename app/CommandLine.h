// The program's command line: --help and --version, and documents.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion };
    Action action = Action::Run;
    // What --help or --version prints.
    QString text;
    // Every other argument, in order, as the bytes it was given.
    QList<QByteArray> documents;
};

// Reads argv[1..argc-1]. Only the exact spellings of the program's own
// options are options; after "--" every argument is a document, and any
// other argument is one too, even when it starts with "-". Needs a
// QCoreApplication (for the program's name in the usage line).
CommandLine ParseCommandLine(int argc, const char* const* argv);
