// Following a plan and keeping its progress, through the windows: the weigh-ins typed,
// edited, deleted, taken back and imported; the unit remembered; and a journal that
// cannot be kept or read, which the calculator does not notice.

#include "app/progresskeeper.h"
#include "fixture.h"
#include "journal/journal.h"
#include "journal/weighincsv.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

class TestProgressWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::applyApplicationLook(); }
    void init();
    void followAPlanAndKeepItsProgress();
    void journalThatCannotBeKeptOrRead_data();
    void journalThatCannotBeKeptOrRead();
    void planThatCannotBeFollowedOpensNoJournal();
    void importsThatAreRefused_data();
    void importsThatAreRefused();
    void importAskingForColumns();

private:
    std::unique_ptr<QTemporaryDir> m_data;
};

namespace {

QTreeView* table(QWidget* w)
{
    return w->findChild<QTreeView*>(QStringLiteral("tblWeighIns"));
}

int rows(QWidget* w)
{
    return table(w)->model()->rowCount();
}

QStringList column(QWidget* w, int c)
{
    QStringList cells;
    for (int row = 0; row < rows(w); ++row)
        cells << table(w)->model()->index(row, c).data().toString();
    return cells;
}

void selectRow(QWidget* w, int row)
{
    table(w)->selectionModel()->select(
        table(w)->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Types a weigh-in as a person does, on the day given, and presses Enter.
void weighIn(QWidget* w, const QString& weight, const QDate& day)
{
    auto* box = w->findChild<QLineEdit*>(QStringLiteral("txtWeighIn"));
    w->findChild<QDateEdit*>(QStringLiteral("dtpWeighIn"))->setDate(day);
    box->clear();
    box->setFocus();
    typeText(box, weight);
    QTest::keyClick(box, Qt::Key_Return);
}

void trigger(QWidget* w, const char* action)
{
    w->findChild<QAction*>(QLatin1String(action))->trigger();
}

// Runs the answer once a modal dialog of that kind is open.
void whenOpen(const std::function<bool(QWidget*)>& answer)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && answer(modal))
            poll->deleteLater();
    });
    poll->start();
    QTimer::singleShot(10000, poll, &QObject::deleteLater);
}

// Answers the file dialog with a path, then the import's preview with Import.
void answerImport(const QString& path, QString* summary)
{
    whenOpen([path](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        if (!files)
            return false;
        files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
        return true;
    });
    whenOpen([summary](QWidget* modal) {
        if (modal->objectName() != QLatin1String("frmImportPreview"))
            return false;
        *summary = modal->findChild<QLabel*>(QStringLiteral("lblImportSummary"))->text();
        modal->findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
        return true;
    });
}

} // namespace

void TestProgressWindow::init()
{
    // A journal of its own for each test.
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_data->path().toUtf8());
}

void TestProgressWindow::followAPlanAndKeepItsProgress()
{
    const QDate today = QDate::currentDate();
    {
        RunningProgram p;
        fillAndCalculate(p);
        p.child<QPushButton>(FormId::Display, "cmdPlan")->click();
        QVERIFY(!p.shell->isLoaded(FormId::Progress));
        p.child<QPushButton>(FormId::Plan, "cmdFollowPlan")->click();
        QWidget* w = p.form(FormId::Progress);
        QVERIFY(w && w->isVisible());
        QVERIFY(RunningProgram::activate(w));
        QVERIFY(w->windowTitle().startsWith(QStringLiteral("Your progress, JOHN")));
        const auto text = [w] { return w->findChild<QTextBrowser*>(QStringLiteral("txtProgress"))->toPlainText(); };
        QVERIFY2(text().contains(QStringLiteral("day 0 of 30 of your plan")), qPrintable(text()));

        // What cannot be a weight is refused with a message, and nothing is stored.
        weighIn(w, QStringLiteral("0"), today);
        const auto refused = MessageBox::takeShown();
        QCOMPARE(refused.size(), 1);
        QVERIFY2(refused.first().text.contains(QStringLiteral("more than zero")), qPrintable(refused.first().text));
        QCOMPARE(rows(w), 0);

        // Weigh-ins, newest first; a second on one day replaces the first.
        weighIn(w, QStringLiteral("181"), today.addDays(-3));
        weighIn(w, QStringLiteral("179.5"), today);
        weighIn(w, QStringLiteral("180.25"), today.addDays(-1));
        weighIn(w, QStringLiteral("179.75"), today);
        QCOMPARE(column(w, 1), (QStringList {"179.75", "180.25", "181.00"}));
        QVERIFY(MessageBox::takeShown().isEmpty());
        QVERIFY(w->findChild<QLineEdit*>(QStringLiteral("txtWeighIn"))->text().isEmpty());

        // F2 edits the selected weigh-in, even onto another day.
        table(w)->setFocus();
        table(w)->setCurrentIndex(table(w)->model()->index(2, 0));
        QTest::keyClick(table(w), Qt::Key_F2);
        auto* box = w->findChild<QLineEdit*>(QStringLiteral("txtWeighIn"));
        QCOMPARE(box->text(), QStringLiteral("181"));
        QCOMPARE(w->findChild<QPushButton*>(QStringLiteral("cmdAddWeighIn"))->text(), QStringLiteral("&Save"));
        weighIn(w, QStringLiteral("182"), today.addDays(-4));
        QCOMPARE(column(w, 1), (QStringList {"179.75", "180.25", "182.00"}));

        // Delete, then Undo and Redo take back and make again each change.
        table(w)->clearSelection();
        selectRow(w, 0);
        selectRow(w, 1);
        table(w)->setFocus();
        QTest::keyClick(table(w), Qt::Key_Delete);
        QCOMPARE(column(w, 1), (QStringList {"182.00"}));
        QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(column(w, 1), (QStringList {"179.75", "180.25", "182.00"}));
        QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier); // the edit
        QCOMPARE(column(w, 1), (QStringList {"179.75", "180.25", "181.00"}));
        QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(column(w, 1), (QStringList {"179.75", "180.25", "182.00"}));

        // An import, previewed, stored whole and taken back whole.
        const QString csv = m_data->filePath(QStringLiteral("scale.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("date;weight\n%1;82,5\n%2;82\nnot a date;80\n%3;81,2\n")
                       .arg(today.addDays(-10).toString(Qt::ISODate), today.addDays(-9).toString(Qt::ISODate),
                           today.addDays(-1).toString(Qt::ISODate))
                       .toUtf8());
        file.close();
        QString summary;
        answerImport(csv, &summary);
        trigger(w, "mnuImport");
        QVERIFY2(summary.contains(QStringLiteral("adds 2 weigh-ins and replaces 1")), qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("1 line is left out")), qPrintable(summary));
        QCOMPARE(rows(w), 5);
        QCOMPARE(column(w, 2).at(1), QStringLiteral("81.20"));
        trigger(w, "mnuUndo");
        QCOMPARE(column(w, 1), (QStringList {"179.75", "180.25", "182.00"}));

        // On paper and on the clipboard, whole.
        const QString pdf = m_data->filePath(QStringLiteral("progress.pdf"));
        whenOpen([pdf](QWidget* modal) {
            auto* files = qobject_cast<QFileDialog*>(modal);
            if (!files)
                return false;
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(pdf);
            QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
            return true;
        });
        trigger(w, "mnuSaveProgress");
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished());
        const QString paper = QString::fromUtf8(pdftotext.readAllStandardOutput());
        for (const char* words :
            {"Your progress, JOHN", "Where you stand", "Your plan from today", "Your weigh-ins", "180.25", "page 1 of"})
            QVERIFY2(paper.contains(QLatin1String(words)), words);
        w->findChild<QLineEdit*>(QStringLiteral("txtWeighIn"))->setFocus();
        trigger(w, "mnuCopyProgress");
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Your progress, JOHN\n")));

        // The unit chosen is remembered.
        auto* unit = w->findChild<QComboBox*>(QStringLiteral("cboWeighInUnit"));
        unit->setCurrentIndex(1);
        emit unit->activated(1);
        QVERIFY(RunningProgram::activate(w));
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!p.shell->isLoaded(FormId::Progress));
        QVERIFY(p.form(FormId::Plan)->isVisible()); // closing it ends nothing else
    }

    // Another run: the weigh-ins and the unit are still there; following another
    // plan asks first.
    RunningProgram p;
    p.form(FormId::Main)->findChild<QAction*>(QStringLiteral("mnuProgress"))->trigger();
    QWidget* w = p.form(FormId::Progress);
    QVERIFY(w && w->isVisible());
    QCOMPARE(column(w, 1), (QStringList {"179.75", "180.25", "182.00"}));
    QCOMPARE(w->findChild<QComboBox*>(QStringLiteral("cboWeighInUnit"))->currentText(), QStringLiteral("kg"));
    p.shell->unloadForm(FormId::Progress);
    Inputs longer = kTypicalRun;
    longer.days = QStringLiteral("60");
    fillAndCalculate(p, longer);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    p.form(FormId::Display)->findChild<QAction*>(QStringLiteral("mnuFollowPlan"))->trigger();
    const auto asked = MessageBox::takeShown();
    QCOMPARE(asked.size(), 1);
    QVERIFY2(asked.first().text.startsWith(QStringLiteral("You follow the plan of")), qPrintable(asked.first().text));
    w = p.form(FormId::Progress);
    QVERIFY(w->findChild<QTextBrowser*>(QStringLiteral("txtProgress"))->toPlainText().contains("day 0 of 60"));
    Journal journal;
    QCOMPARE(journal.plans().size(), 2);
}

void TestProgressWindow::journalThatCannotBeKeptOrRead_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("a data folder that cannot be made") << true;
    QTest::newRow("a file that is no journal") << false;
}

void TestProgressWindow::journalThatCannotBeKeptOrRead()
{
    QFETCH(bool, readOnly);
    const QString data = m_data->filePath(QStringLiteral("data"));
    QFile blocker(data);
    if (readOnly) {
        // A file where the data folder should be.
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_DATA_HOME", data.toUtf8());
    } else {
        qputenv("XDG_DATA_HOME", data.toUtf8());
        QVERIFY(QDir().mkpath(QFileInfo(Journal::defaultPath()).path()));
        QFile foreign(Journal::defaultPath());
        QVERIFY(foreign.open(QIODevice::WriteOnly) && foreign.write("not a journal at all") > 0);
    }

    RunningProgram p;
    p.form(FormId::Main)->findChild<QAction*>(QStringLiteral("mnuProgress"))->trigger();
    QWidget* w = p.form(FormId::Progress);
    const auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    auto* problem = w->findChild<QLabel*>(QStringLiteral("lblJournalProblem"));
    if (readOnly) {
        QVERIFY2(shown.first().text.contains(QStringLiteral("cannot be kept")), qPrintable(shown.first().text));
        QVERIFY(problem->isVisibleTo(w) && problem->text() == shown.first().text);
        QVERIFY(!w->findChild<QLineEdit*>(QStringLiteral("txtWeighIn"))->isEnabled());
    } else {
        // Moved aside whole, both places named, and a new journal at work.
        QVERIFY2(shown.first().text.contains(Journal::defaultPath()), qPrintable(shown.first().text));
        const QStringList aside
            = QDir(QFileInfo(Journal::defaultPath()).path()).entryList({QStringLiteral("journal-*")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QVERIFY(shown.first().text.contains(aside.first()));
        QVERIFY(!problem->isVisibleTo(w));
        weighIn(w, QStringLiteral("180"), QDate::currentDate());
        QCOMPARE(rows(w), 1);
    }
    // Told once, and the calculator goes on as before.
    p.shell->unloadForm(FormId::Progress);
    p.form(FormId::Main)->findChild<QAction*>(QStringLiteral("mnuProgress"))->trigger();
    QVERIFY(MessageBox::takeShown().isEmpty());
    p.shell->unloadForm(FormId::Progress);
    fillAndCalculate(p);
    QVERIFY(p.form(FormId::Display)->isVisible());
}

void TestProgressWindow::planThatCannotBeFollowedOpensNoJournal()
{
    RunningProgram p;
    Inputs unachievable {"jane", "Female", "60", "5", "0", "120", "30", "30", 0};
    fillAndCalculate(p, unachievable);
    MessageBox::takeShown();
    p.form(FormId::Display)->findChild<QAction*>(QStringLiteral("mnuFollowPlan"))->trigger();
    const auto told = MessageBox::takeShown();
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().text.contains(QStringLiteral("cannot be followed")), qPrintable(told.first().text));
    QVERIFY(!p.shell->isLoaded(FormId::Progress));
    QVERIFY(!QFileInfo::exists(QFileInfo(Journal::defaultPath()).path()));
}

void TestProgressWindow::importsThatAreRefused_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: a folder where the file should be
    QTest::addColumn<qint64>("size"); // grown to this size, where above zero
    QTest::addColumn<QString>("message");
    QTest::newRow("a folder") << QByteArray() << qint64(0) << "could not be read";
    QTest::newRow("larger than any file of weigh-ins")
        << QByteArray("date,weight_kg\n") << qint64(65) * 1024 * 1024 << "too large to be a file of weigh-ins";
    // Columns it cannot tell are asked for; the person cancels.
    QTest::newRow("no date column") << QByteArray("day,weight\n2026-01-01,80\n") << qint64(0) << "No column of dates";
    QTest::newRow("no weight column") << QByteArray("date,mood\n2026-01-01,fine\n") << qint64(0)
                                      << "No column of weights";
}

// A file that cannot be imported says why, and the journal and the history are as they were.
void TestProgressWindow::importsThatAreRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(QString, message);
    const QDate today = QDate::currentDate();
    const QString path = m_data->filePath(QStringLiteral("weigh-ins.csv"));
    if (content.isEmpty()) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        if (size > 0)
            QVERIFY(file.resize(size));
    }
    MessageBox::setRecording(true);
    ProgressKeeper keeper;
    QVERIFY(keeper.putWeighIn(nullptr, WeighIn {today, 180, WeightUnit::Pounds}, QDate()));
    QString asked;
    if (message.startsWith(QLatin1String("No column")))
        whenOpen([&asked](QWidget* modal) {
            if (modal->objectName() != QLatin1String("frmCsvColumns"))
                return false;
            asked = modal->findChild<QLabel*>(QStringLiteral("lblCsvColumnsWhy"))->text();
            qobject_cast<QDialog*>(modal)->reject();
            return true;
        });
    keeper.importFile(nullptr, path, today);
    const auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), asked.isEmpty() ? 1 : 0);
    const QString said = asked.isEmpty() ? shown.first().text : asked;
    QVERIFY2(said.contains(message), qPrintable(said));
    QVERIFY(said.contains(asked.isEmpty() ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName()));
    const ProgressView view = keeper.view(nullptr, today);
    QCOMPARE(view.weighIns.size(), 1);
    QCOMPARE(view.undoText, QStringLiteral("Weigh-in"));
    MessageBox::setRecording(false);
}

// A file whose columns and dates the program cannot tell: the person says, from the
// forms that read its dates, and is not asked from scratch for the next such file. A
// field of ten million characters is previewed at once.
void TestProgressWindow::importAskingForColumns()
{
    const QDate today = QDate::currentDate();
    const QString path = m_data->filePath(QStringLiteral("Gewicht.csv"));
    const auto write = [&path](const QByteArray& content) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    };
    QVERIFY(write("Datum,Gewicht\n03/04/2025,80\n05/04/2025,\"81,5\"\n"));
    ProgressKeeper keeper;
    QStringList offered;
    QString note;
    const auto answerColumns = [&](const QString& form) {
        whenOpen([&, form](QWidget* modal) {
            if (modal->objectName() != QLatin1String("frmCsvColumns"))
                return false;
            auto* forms = modal->findChild<QComboBox*>(QStringLiteral("cboDateForm"));
            offered.clear();
            for (int i = 0; i < forms->count(); ++i)
                offered << forms->itemText(i);
            note = modal->findChild<QLabel*>(QStringLiteral("lblDateFormNote"))->text();
            if (!form.isEmpty())
                forms->setCurrentIndex(forms->findText(form, Qt::MatchStartsWith));
            modal->findChild<QPushButton*>(QStringLiteral("cmdPreview"))->click();
            return true;
        });
    };
    QString summary;
    answerColumns(QStringLiteral("month/day/year"));
    whenOpen([&summary](QWidget* modal) {
        if (modal->objectName() != QLatin1String("frmImportPreview"))
            return false;
        summary = modal->findChild<QLabel*>(QStringLiteral("lblImportSummary"))->text();
        modal->findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
        return true;
    });
    keeper.importFile(nullptr, path, today);
    QCOMPARE(offered, (QStringList {dateOrderName(DateOrder::DayMonthYear), dateOrderName(DateOrder::MonthDayYear)}));
    QVERIFY2(note.contains(QStringLiteral("2025-04-03 or 2025-03-04")), qPrintable(note));
    QVERIFY2(summary.contains(QStringLiteral("adds 1 weigh-in")), qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral("1 line is left out")), qPrintable(summary));
    QCOMPARE(keeper.view(nullptr, today).weighIns, (QList<WeighIn> {{QDate(2025, 3, 4), 80, WeightUnit::Kilograms}}));

    // The same columns again: the boxes start at the choice made.
    QVERIFY(write("Datum,Gewicht\n07/04/2025,79\n2025-02-01,x" + QByteArray(10'000'000, 'x') + "\n"));
    answerColumns(QString());
    QElapsedTimer shown;
    qint64 took = -1;
    QString left;
    whenOpen([&](QWidget* modal) {
        if (modal->objectName() != QLatin1String("frmImportPreview"))
            return false;
        took = shown.elapsed();
        left = modal->findChild<QPlainTextEdit*>(QStringLiteral("txtLeftOut"))->toPlainText();
        modal->findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
        return true;
    });
    shown.start();
    keeper.importFile(nullptr, path, today);
    qInfo("preview of a file with a field of ten million characters shown after %lld ms", took);
    QVERIFY2(took >= 0 && took < 2000, qPrintable(QString::number(took)));
    QVERIFY2(left.size() < 200, qPrintable(left.left(200)));
    QCOMPARE(keeper.view(nullptr, today).weighIns.size(), 2);
    QCOMPARE(keeper.view(nullptr, today).weighIns.last(), (WeighIn {QDate(2025, 7, 4), 79, WeightUnit::Kilograms}));
}

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
