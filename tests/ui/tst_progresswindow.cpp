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
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
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
    void weighInsThatAreLikelyWrong_data();
    void weighInsThatAreLikelyWrong();
    void decimalPointInAnyLocale_data();
    void decimalPointInAnyLocale();
    void personsUnitFirst_data();
    void personsUnitFirst();
    void chartRanges_data();
    void chartRanges();
    void chartRangeKeptAndPrinted();
    void pointingAtAWeighIn();
    void goalOnTheChart_data();
    void goalOnTheChart();
    void escapeAndTabWhileTyping();
    void weighInAfterToday();
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

// Answers the next file dialog with a path.
void answerFileDialog(const QString& path)
{
    whenOpen([path](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        if (!files)
            return false;
        files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
        return true;
    });
}

// Saves the progress as a PDF at the path, and gives its text as pdftotext reads it
// (empty where none was written).
QString savedPaper(QWidget* w, const QString& pdf)
{
    answerFileDialog(pdf);
    trigger(w, "mnuSaveProgress");
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Answers the file dialog with a path, then the import's preview with Import.
void answerImport(const QString& path, QString* summary)
{
    answerFileDialog(path);
    whenOpen([summary](QWidget* modal) {
        if (modal->objectName() != QLatin1String("frmImportPreview"))
            return false;
        *summary = modal->findChild<QLabel*>(QStringLiteral("lblImportSummary"))->text();
        modal->findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
        return true;
    });
}

// Weigh-ins straight into the journal, as another program or a wrong clock left them.
void plantWeighIns(const QList<WeighIn>& weighIns)
{
    QVERIFY(Journal().isOpen()); // made, with its tables
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("planted"));
        db.setDatabaseName(Journal::defaultPath());
        QVERIFY(db.open());
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT OR REPLACE INTO weigh_ins VALUES (?, ?, ?)"));
        for (const WeighIn& w : weighIns) {
            query.addBindValue(w.date.toString(Qt::ISODate));
            query.addBindValue(w.weight);
            query.addBindValue(unitSymbol(w.unit));
            QVERIFY(query.exec());
        }
        QVERIFY(db.commit());
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("planted"));
}

// Daily weigh-ins for the days before today, the newest a day ago.
QList<WeighIn> daily(int days, double weight, WeightUnit unit = WeightUnit::Pounds)
{
    QList<WeighIn> list;
    for (int i = days; i >= 1; --i)
        list.append({QDate::currentDate().addDays(-i), weight, unit});
    return list;
}

QWidget* openProgress(RunningProgram& p)
{
    p.form(FormId::Main)->findChild<QAction*>(QStringLiteral("mnuProgress"))->trigger();
    QWidget* w = p.form(FormId::Progress);
    RunningProgram::activate(w);
    return w;
}

} // namespace

void TestProgressWindow::init()
{
    // A journal of its own for each test.
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_data->path().toUtf8());
    // And the unit of weight: the remembered one is the person's, not the journal's.
    WeightUnitSetting::forget();
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
        const QString paper = savedPaper(w, m_data->filePath(QStringLiteral("progress.pdf")));
        QVERIFY(!paper.isEmpty());
        QVERIFY(!paper.isEmpty());
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

void TestProgressWindow::weighInsThatAreLikelyWrong_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer"); // to the question, where one is asked
    QTest::addColumn<QString>("question"); // empty: none is asked
    QTest::addColumn<QString>("stored"); // today's row, or empty: nothing stored
    QTest::newRow("near the week's line") << "182.4" << int(QMessageBox::No) << ""
                                          << "182.40";
    QTest::newRow("the other unit, corrected")
        << "83" << int(QMessageBox::No) << "83 lb is 100 lb under your last weigh-in: did you mean 83 kg?"
        << "";
    QTest::newRow("the other unit, kept as typed")
        << "83" << int(QMessageBox::Yes) << "83 lb is 100 lb under your last weigh-in: did you mean 83 kg?"
        << "83.00";
    QTest::newRow("far from the week's line, kept")
        << "191" << int(QMessageBox::Yes) << "191 lb is 8 lb over the line through your last week's weigh-ins"
        << "191.00";
}

// A weigh-in that is likely a slip is asked about once; the answer decides whether it is
// stored as typed, and Undo names a second weigh-in of a day as the replacement it is.
void TestProgressWindow::weighInsThatAreLikelyWrong()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QString, stored);
    plantWeighIns(daily(7, 183));
    RunningProgram p;
    QWidget* w = openProgress(p);
    MessageBox::takeShown();
    MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
    weighIn(w, typed, QDate::currentDate());
    const auto shown = MessageBox::takeShown();
    if (question.isEmpty()) {
        QVERIFY(shown.isEmpty());
    } else {
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().text.startsWith(question), qPrintable(shown.first().text));
        QCOMPARE(shown.first().buttons, QMessageBox::Yes | QMessageBox::No);
    }
    auto* box = w->findChild<QLineEdit*>(QStringLiteral("txtWeighIn"));
    auto* add = w->findChild<QPushButton*>(QStringLiteral("cmdAddWeighIn"));
    if (stored.isEmpty()) {
        // Kept in the box, to be corrected.
        QCOMPARE(rows(w), 7);
        QCOMPARE(box->text(), typed);
        QCOMPARE(add->text(), QStringLiteral("&Add"));
        return;
    }
    QCOMPARE(rows(w), 8);
    QCOMPARE(column(w, 1).first(), stored);
    QCOMPARE(w->findChild<QAction*>(QStringLiteral("mnuUndo"))->text(), QStringLiteral("&Undo Weigh-in"));
    // A second weigh-in that day says that it replaces the first, and is asked about
    // against the week before, not against the one it replaces.
    QCOMPARE(add->text(), QStringLiteral("&Replace"));
    weighIn(w, QStringLiteral("182.8"), QDate::currentDate());
    QVERIFY(MessageBox::takeShown().isEmpty());
    QCOMPARE(rows(w), 8);
    QCOMPARE(column(w, 1).first(), QStringLiteral("182.80"));
    QCOMPARE(w->findChild<QAction*>(QStringLiteral("mnuUndo"))->text(), QStringLiteral("&Undo Replace Weigh-in"));
    trigger(w, "mnuUndo");
    QCOMPARE(column(w, 1).first(), stored);
}

void TestProgressWindow::decimalPointInAnyLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("German, a full stop") << german << "182.4"
                                         << "182,40";
    QTest::newRow("German, a comma") << german << "182,4"
                                     << "182,40";
    QTest::newRow("English, a full stop") << QLocale(QLocale::English, QLocale::UnitedStates) << "182.4"
                                          << "182.40";
    QTest::newRow("French, a full stop") << QLocale(QLocale::French, QLocale::France) << "182.6"
                                         << "182,60";
}

// The weigh-in box takes the locale's decimal sign and a full stop, as it is typed and
// as a weigh-in of the table is edited.
void TestProgressWindow::decimalPointInAnyLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QLocale::setDefault(locale);
    {
        RunningProgram p;
        QWidget* w = openProgress(p);
        MessageBox::takeShown();
        weighIn(w, typed, QDate::currentDate().addDays(-1));
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(column(w, 1), QStringList {stored});
        // Edited from the table: the same box, the same rule.
        table(w)->setFocus();
        table(w)->setCurrentIndex(table(w)->model()->index(0, 0));
        QTest::keyClick(table(w), Qt::Key_F2);
        weighIn(w, QString(typed).replace(QStringLiteral("2"), QStringLiteral("1")), QDate::currentDate().addDays(-1));
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(column(w, 1), QStringList {QString(stored).replace(QStringLiteral("2"), QStringLiteral("1"))});
    }
    QLocale::setDefault(QLocale::c());
}

void TestProgressWindow::personsUnitFirst_data()
{
    QTest::addColumn<bool>("kilograms");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("trend");
    QTest::addColumn<QString>("tip");
    QTest::newRow("pounds") << false << "Trend (lb)"
                            << "180.00 (81.65 kg)"
                            << "180 lb (81.65 kg)";
    QTest::newRow("kilograms") << true << "Trend (kg)"
                               << "81.65 (180.00 lb)"
                               << "81.65 kg (180 lb)";
}

// The person's unit comes first in the trend column and on the chart; the other is in
// brackets.
void TestProgressWindow::personsUnitFirst()
{
    QFETCH(bool, kilograms);
    QFETCH(QString, header);
    QFETCH(QString, trend);
    QFETCH(QString, tip);
    QLocale::setDefault(QLocale::c());
    RunningProgram p;
    QWidget* w = openProgress(p);
    auto* unit = w->findChild<QComboBox*>(QStringLiteral("cboWeighInUnit"));
    unit->setCurrentIndex(kilograms ? 1 : 0);
    emit unit->activated(unit->currentIndex());
    weighIn(w, kilograms ? QStringLiteral("81.6466266") : QStringLiteral("180"), QDate::currentDate());
    p.shell->unloadForm(FormId::Progress);
    w = openProgress(p);
    QCOMPARE(table(w)->model()->headerData(3, Qt::Horizontal).toString(), header);
    QCOMPARE(column(w, 3), QStringList {trend});

    ChartData chart = weighInChart({{QDate(2026, 3, 1), 180, 180, true}}, QDate(2026, 3, 2));
    chart.kilogramsFirst = kilograms;
    QCOMPARE(weighInTip(chart, 0, QLocale::c()),
        QLocale::c().toString(QDate(2026, 3, 1), QLocale::ShortFormat) + QStringLiteral(": ") + tip);
}

void TestProgressWindow::chartRanges_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("fromDay");
    QTest::addColumn<double>("lastDay");
    // Ten years of weigh-ins, a plan of 60 days that began 20 days ago, today on day 3650.
    QTest::newRow("the plan and the month before it") << int(ChartRange::Plan) << 3600.0 << 3690.0;
    QTest::newRow("the last 90 days") << int(ChartRange::LastNinetyDays) << 3560.0 << 3650.0;
    QTest::newRow("everything") << int(ChartRange::Everything) << 0.0 << 3690.0;
}

void TestProgressWindow::chartRanges()
{
    QFETCH(int, range);
    QFETCH(double, fromDay);
    QFETCH(double, lastDay);
    ChartData chart;
    chart.lastDay = 3690;
    chart.today = 3650;
    chart.planFrom = 3630;
    chart.planTo = 3690;
    const ChartData shown = chartInRange(chart, ChartRange(range));
    QCOMPARE(shown.fromDay, fromDay);
    QCOMPARE(shown.lastDay, lastDay);
    QCOMPARE(chartRangeOf(chartRangeKey(ChartRange(range))), ChartRange(range));
    // Without a plan, the plan's range is everything.
    chart.planFrom.reset();
    chart.planTo.reset();
    if (ChartRange(range) == ChartRange::Plan)
        QCOMPARE(chartInRange(chart, ChartRange::Plan).fromDay, 0.0);
}

// Pointing at a weigh-in's dot on the chart tells its date and weight; pointing beside
// the dots tells nothing.
void TestProgressWindow::pointingAtAWeighIn()
{
    QLocale::setDefault(QLocale::c());
    const QDate day = QDate::currentDate().addDays(-2);
    plantWeighIns({{day, 180, WeightUnit::Pounds}});
    RunningProgram p;
    QWidget* w = openProgress(p);
    auto* chart = w->findChild<QWidget*>(QStringLiteral("chtProgress"));
    chart->resize(560, 260);
    chart->grab(); // painted: the dots have their places
    const QString expected = QLocale::c().toString(day, QLocale::ShortFormat) + QStringLiteral(": 180 lb (81.65 kg)");
    QString found;
    for (int y = 0; y < chart->height() && found.isEmpty(); y += 2) {
        for (int x = 0; x < chart->width() && found.isEmpty(); x += 2) {
            QHelpEvent help(QEvent::ToolTip, QPoint(x, y), chart->mapToGlobal(QPoint(x, y)));
            QApplication::sendEvent(chart, &help);
            if (QToolTip::isVisible())
                found = QToolTip::text();
        }
    }
    QCOMPARE(found, expected);
    QHelpEvent beside(
        QEvent::ToolTip, QPoint(chart->width() / 2, 2), chart->mapToGlobal(QPoint(chart->width() / 2, 2)));
    QApplication::sendEvent(chart, &beside);
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestProgressWindow::goalOnTheChart_data()
{
    QTest::addColumn<double>("goal");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("a goal to reach") << 170.0 << true;
    QTest::newRow("a goal of no weight") << 0.0 << false;
    QTest::newRow("a goal below nothing") << -20.0 << false;
}

// A goal that no one can weigh draws no dashed line, and the chart keeps its scale at
// the weights there are.
void TestProgressWindow::goalOnTheChart()
{
    QFETCH(double, goal);
    QFETCH(bool, drawn);
    WeightPlan plan;
    plan.today = QDate(2026, 3, 1);
    plan.days = 30;
    plan.startPounds = 180;
    plan.goalPounds = goal;
    const ChartData chart = planChart(plan);
    QCOMPARE(chart.goalPounds.has_value(), drawn);
    QImage image(400, 260, QImage::Format_RGB32);
    QPainter painter(&image);
    paintWeightChart(painter, image.rect(), chart, screenChartColors(), Look::verdana(8.25), QLocale::c());
}

// The range chosen is kept between starts, and paper takes it: ten years of daily
// weigh-ins print as the last 90 days, not as a hundred pages.
void TestProgressWindow::chartRangeKeptAndPrinted()
{
    plantWeighIns(daily(3650, 180));
    {
        RunningProgram p;
        QWidget* w = openProgress(p);
        QCOMPARE(rows(w), 3650);
        auto* range = w->findChild<QComboBox*>(QStringLiteral("cboChartRange"));
        range->setCurrentIndex(1);
        emit range->activated(1);
    }
    RunningProgram p;
    QWidget* w = openProgress(p);
    QCOMPARE(
        w->findChild<QComboBox*>(QStringLiteral("cboChartRange"))->currentText(), QStringLiteral("The last 90 days"));
    const QString paper = savedPaper(w, m_data->filePath(QStringLiteral("progress.pdf")));
    QVERIFY(!paper.isEmpty());
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("page 1 of (\\d+)")).match(paper);
    QVERIFY2(pages.hasMatch(), qPrintable(paper.left(2000)));
    QVERIFY2(pages.captured(1).toInt() <= 5, qPrintable(pages.captured(0)));
}

// Escape while a weigh-in is typed or edited empties the box and keeps the window; the
// date is one stop in the Tab order.
void TestProgressWindow::escapeAndTabWhileTyping()
{
    RunningProgram p;
    QWidget* w = openProgress(p);
    auto* box = w->findChild<QLineEdit*>(QStringLiteral("txtWeighIn"));
    box->setFocus();
    typeText(box, QStringLiteral("18"));
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(p.shell->isLoaded(FormId::Progress));
    QCOMPARE(box->text(), QString());

    auto* date = w->findChild<QDateEdit*>(QStringLiteral("dtpWeighIn"));
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->findChild<QPushButton*>(QStringLiteral("cmdAddWeighIn")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(date->hasFocus());
    QTest::keyClick(date, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w->findChild<QComboBox*>(QStringLiteral("cboWeighInUnit")));

    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!p.shell->isLoaded(FormId::Progress));
}

// A weigh-in dated after today, left by a wrong clock, is listed and marked, and can be
// edited onto another day or deleted; it is in no figure.
void TestProgressWindow::weighInAfterToday()
{
    const QDate today = QDate::currentDate();
    plantWeighIns({{today.addDays(-1), 180, WeightUnit::Pounds}, {today.addDays(3), 179, WeightUnit::Pounds},
        {today.addDays(2), 178, WeightUnit::Pounds}});
    RunningProgram p;
    QWidget* w = openProgress(p);
    QCOMPARE(rows(w), 3);
    QCOMPARE(column(w, 1), (QStringList {"179.00", "178.00", "180.00"}));
    QCOMPARE(column(w, 3).mid(0, 2), (QStringList {"after today", "after today"}));
    QVERIFY(table(w)->model()->index(0, 0).data(Qt::FontRole).value<QFont>().italic());
    QVERIFY(!table(w)->model()->index(2, 0).data(Qt::FontRole).value<QFont>().italic());

    // Edited onto today.
    table(w)->setFocus();
    table(w)->setCurrentIndex(table(w)->model()->index(0, 0));
    QTest::keyClick(table(w), Qt::Key_F2);
    auto* date = w->findChild<QDateEdit*>(QStringLiteral("dtpWeighIn"));
    QCOMPARE(date->date(), today.addDays(3));
    weighIn(w, QStringLiteral("179.5"), today);
    QVERIFY(MessageBox::takeShown().isEmpty());
    QCOMPARE(column(w, 1), (QStringList {"178.00", "179.50", "180.00"}));
    QCOMPARE(date->maximumDate(), today);

    // Deleted.
    table(w)->clearSelection();
    selectRow(w, 0);
    table(w)->setFocus();
    QTest::keyClick(table(w), Qt::Key_Delete);
    QCOMPARE(column(w, 1), (QStringList {"179.50", "180.00"}));
    QVERIFY(!column(w, 3).contains(QStringLiteral("after today")));

    // Undo puts it back, after today as it was, and takes back the edit too.
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(MessageBox::takeShown().isEmpty());
    QCOMPARE(column(w, 1), (QStringList {"178.00", "179.50", "180.00"}));
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(column(w, 1), (QStringList {"179.00", "178.00", "180.00"}));
    QCOMPARE(column(w, 3).mid(0, 2), (QStringList {"after today", "after today"}));
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
