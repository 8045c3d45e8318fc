#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

// Keeping a document of the program's on paper or as a PDF file, and choosing files.
namespace DocumentOutput {

struct Document
{
    QString title; // of the printer's job and the PDF
    QString what; // for the messages: "Your plan"
    // Lays the document out on the device's pages, stamped with the time it was made.
    std::function<bool(QPagedPaintDevice*, const QDateTime& made)> render;
};

// The system's print dialog, then the document on the printer chosen.
void print(QWidget* parent, const QString& dialogTitle, const Document& document);

// Files no document may be written over (the person's journal): the guard gives the
// reason for a path, or the empty text where it may be written. None by default.
void setGuard(std::function<QString(const QString& path)> guard);

// Writes the PDF through a file that takes the place of any old one only once it is
// whole. Empty when it went well, otherwise the reason.
QString writePdf(const QString& path, const Document& document);

// A file dialog in the user's documents folder suggesting the name given, then the
// PDF; a file that cannot be written is reported with its path and the reason, and
// leaves nothing behind.
void saveAsPdf(QWidget* parent, const QString& dialogTitle, const QString& suggestedName, const Document& document);

// A file dialog that asks for a file to save (with the suggested name, in the
// documents folder) or to open; the path chosen, or nothing.
QString fileToSave(QWidget* parent, const QString& dialogTitle, const QString& suggestedName, const QString& filter,
    const QString& suffix);
QString fileToOpen(QWidget* parent, const QString& dialogTitle, const QString& filter);

QString documentsFolder();

} // namespace DocumentOutput
