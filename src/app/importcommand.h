#pragma once

#include "app/journalcommand.h"

#include <QByteArray>
#include <QDate>
#include <QString>

class Journal;

// --import-csv: reads the file as the progress window's import does, with the same
// rules and reasons, and stores every weigh-in that reads in one change to the
// journal. A file whose columns or dates cannot be told is read with the choice the
// person made in the window for files with its first line, or refused with how to
// make one. Standard output says what was added, replaced and unchanged; each line
// left out is one line of the errors. The status is 1 when nothing could be stored.
JournalCommandResult importWeighIns(const QString& path, Journal& journal, const QDate& today);

// The same for the file's bytes already read; `name` is how the messages call it.
JournalCommandResult importWeighIns(const QString& name, const QByteArray& data, Journal& journal, const QDate& today);
