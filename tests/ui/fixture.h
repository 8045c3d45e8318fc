#pragma once

#include "app/messagebox.h"
#include "app/shell.h"
#include "ui/look.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QTest>
#include <memory>

// A started program inside the test process: the shell with its start-up steps
// that reach outside replaced, message boxes recorded instead of shown, and the
// end of the process recorded instead of carried out.
struct RunningProgram
{
    std::unique_ptr<Shell> shell = std::make_unique<Shell>();
    int exitCode = -1;
    int terminations = 0;

    RunningProgram()
    {
        MessageBox::setRecording(true);
        shell->setInstanceCheck([] { return true; });
        shell->setUpdateReminder([] {});
        shell->setTerminator([this](int code) {
            exitCode = code;
            ++terminations;
        });
        shell->StartApplication();
    }

    ~RunningProgram()
    {
        shell.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MessageBox::setRecording(false);
    }

    QWidget* form(FormId id) const { return shell->loadedForm(id); }

    template <typename T> T* child(FormId id, const char* name) const
    {
        QWidget* f = form(id);
        return f ? f->findChild<T*>(QLatin1String(name)) : nullptr;
    }

    // Deferred deletions of unloaded windows happen here.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    static bool activate(QWidget* window)
    {
        window->activateWindow();
        QApplication::setActiveWindow(window);
        return QTest::qWaitForWindowActive(window);
    }
};

// Catches the pages the program hands to the desktop.
class PageCatcher : public QObject
{
    Q_OBJECT

public:
    PageCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~PageCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};
