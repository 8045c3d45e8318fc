#pragma once

#include "app/commandline.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

class Journal;

// What --add-weight or --export-csv did, for main() to print.
struct JournalCommandResult
{
    int status = 0;
    QByteArray output; // for standard output
    QStringList errors; // one line each, for standard error, without the program's name
};

// A command that stored or wrote nothing, for this reason (kept to one line).
JournalCommandResult refusedCommand(const QString& reason);
// Names a file the journal had to move aside on opening, in the result's errors.
void noteMovedAside(const Journal& journal, JournalCommandResult& result);

// Stores the weigh-in the command line gives (on `today` when it names no day), or
// exports every weigh-in as CSV. A file the journal had to move aside is named in
// the errors even when the command went well.
JournalCommandResult runJournalCommand(const CommandLine& command, Journal& journal, const QDate& today);
