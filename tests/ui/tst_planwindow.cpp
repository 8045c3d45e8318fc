// The plan window over the results: one at a time, closed by Escape and by Calculate
// Again, readable whatever figures the calculation survived; and the plan on paper
// and on disk.

#include "fixture.h"
#include "ui/plandocument.h"
#include "ui/planoutput.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>
#include <csignal>
#include <sys/resource.h>

class TestPlanWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::applyApplicationLook(); }
    void planFollowsTheResults_data();
    void planFollowsTheResults();
    void planOnPaperAndOnDisk();
    void weightBoxTypedInLeadsThePlan_data();
    void weightBoxTypedInLeadsThePlan();
    void copyTakesTheSelection();
    void pagesOfALongPlan();
    void failuresOnDiskAreReported();
};

namespace {

// The text of each page of a PDF, as pdftotext reads it.
QStringList pdfPages(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

WeightPlan planOf(const PersonalDetails& d)
{
    CalculationSteps steps;
    return makeWeightPlan(d, calculateCalories(d, {}, QLocale(), &steps), steps, QDate::currentDate());
}

const PersonalDetails kJohn {
    "JOHN", "Male", "30", "5", "10", "180", "81.5", "10", "4.5", "30", 2, "Moderately Active", false, {}};

} // namespace

void TestPlanWindow::planFollowsTheResults_data()
{
    QTest::addColumn<Inputs>("in");
    const QString huge = QStringLiteral("1") + QString(300, QLatin1Char('0'));
    QTest::newRow("typical run") << kTypicalRun;
    QTest::newRow("300-digit weight") << Inputs {"john", "Male", "30", "5", "10", huge, "10", "30", 2};
    QTest::newRow("weight that overflows")
        << Inputs {"john", "Male", "30", "5", "10", huge + QString(7, u'0'), "10", "30", 2};
    QTest::newRow("300-digit loss in 1000 days") << Inputs {"john", "Female", "125", "0", "0", "180", huge, "1000", 4};
    QTest::newRow("nothing to lose") << Inputs {"john", "Male", "30", "5", "10", "180", "0", "1", 0};
    QTest::newRow("1000-letter name") << Inputs {QString(1000, u'a'), "Male", "30", "5", "10", "180", "10", "30", 2};
}

void TestPlanWindow::planFollowsTheResults()
{
    QFETCH(Inputs, in);
    RunningProgram p;
    fillAndCalculate(p, in);
    QVERIFY(MessageBox::takeShown().isEmpty());
    QWidget* display = p.form(FormId::Display);
    QVERIFY(display && display->isVisible());

    p.child<QPushButton>(FormId::Display, "cmdPlan")->click();
    QWidget* plan = p.form(FormId::Plan);
    QVERIFY(plan && plan->isVisible());
    QCOMPARE(plan->parentWidget(), display);
    // Readable: the plan's own figures short ones (the results lines and the details
    // are the person's, word for word), the window within the screen, the chart drawn.
    const QString text = plan->findChild<QTextBrowser*>(QStringLiteral("txtPlan"))->toPlainText();
    const QString result1 = p.child<QLabel>(FormId::Display, "lblResult1")->text();
    const QString result2 = p.child<QLabel>(FormId::Display, "lblResult2")->text();
    QVERIFY(text.contains(result1) && text.contains(result2));
    const QRegularExpression longFigure(QStringLiteral("\\d{22,}|\\binf\\b|\\bnan\\b"));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line == result1 || line == result2 || line.contains(QLatin1String(" Pounds")))
            continue;
        QVERIFY2(!longFigure.match(line).hasMatch(), qPrintable(line.left(120)));
    }
    QVERIFY(plan->screen()->availableGeometry().size().expandedTo(plan->size())
        == plan->screen()->availableGeometry().size());
    QVERIFY(!plan->grab().isNull());

    // At its least size every button's caption still fits.
    plan->resize(plan->minimumSize());
    QCoreApplication::processEvents();
    for (QPushButton* button : plan->findChildren<QPushButton*>()) {
        const QString caption = button->text().remove(QLatin1Char('&'));
        QVERIFY2(button->fontMetrics().horizontalAdvance(caption) + 8 <= button->width(), qPrintable(caption));
    }

    // One at a time: asked for again, from the menu, it is the same window, and a
    // minimised one comes back.
    plan->showMinimized();
    QTRY_VERIFY(plan->isMinimized());
    display->findChild<QAction*>(QStringLiteral("mnuPlan"))->trigger();
    QCOMPARE(p.form(FormId::Plan), plan);
    QTRY_VERIFY(!plan->isMinimized() && plan->isVisible());

    // Escape closes it; Calculate Again takes it away with the results.
    QTest::keyClick(plan, Qt::Key_Escape);
    RunningProgram::settle();
    QVERIFY(!p.shell->isLoaded(FormId::Plan));
    QVERIFY(display->isVisible());
    p.child<QPushButton>(FormId::Display, "cmdPlan")->click();
    QVERIFY(p.shell->isLoaded(FormId::Plan));
    p.child<QPushButton>(FormId::Display, "cmdBack")->click();
    RunningProgram::settle();
    QVERIFY(!p.shell->isLoaded(FormId::Plan));
    QVERIFY(p.form(FormId::Main)->isVisible());
}

void TestPlanWindow::weightBoxTypedInLeadsThePlan_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("firstColumn");
    QTest::addColumn<QString>("outlook");

    QTest::newRow("pounds") << "txtPound"
                            << "176"
                            << "Weight (lb)"
                            << "166.1 lb on";
    QTest::newRow("kilograms") << "txtKg"
                               << "80"
                               << "Weight (kg)"
                               << "75.34 kg (166.1 lb) on";
}

void TestPlanWindow::weightBoxTypedInLeadsThePlan()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, firstColumn);
    QFETCH(QString, outlook);

    WeightUnitSetting::forget();
    RunningProgram p;
    QWidget* main = p.form(FormId::Main);
    QVERIFY(RunningProgram::activate(main));
    auto* weight = main->findChild<QLineEdit*>(box);
    weight->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(weight, typed);
    Inputs in = kTypicalRun;
    in.pounds.clear(); // the pound box holds 176 either way
    fillAndCalculate(p, in);
    QCOMPARE(main->findChild<QLineEdit*>(QStringLiteral("txtPound"))->text(), QStringLiteral("176"));
    p.child<QPushButton>(FormId::Display, "cmdPlan")->click();
    QCOMPARE(p.child<QTreeWidget>(FormId::Plan, "tblMilestones")->headerItem()->text(2), firstColumn);
    const QString text = p.child<QTextBrowser>(FormId::Plan, "txtPlan")->toPlainText();
    QVERIFY2(text.contains(outlook), qPrintable(text.left(2000)));
    WeightUnitSetting::forget();
}

void TestPlanWindow::planOnPaperAndOnDisk()
{
    const WeightPlan plan = planOf(kJohn);
    const PlanTexts texts = planTexts(plan);
    QTemporaryDir dir;

    // A folder that is not there: the reason, and no file.
    const QString missing = dir.filePath(QStringLiteral("missing/plan.pdf"));
    QVERIFY(!PlanOutput::writePdf(missing, plan, texts).isEmpty());
    QVERIFY(!QFile::exists(missing));

    // Written whole, over an older file of the same name.
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QCOMPARE(PlanOutput::writePdf(path, plan, texts), QString());
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("plan.pdf")});

    // The printer's resolution lays it out as well.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    QVERIFY(renderPlan(&printer, plan, texts, QDateTime::currentDateTime()));
    QVERIFY(QFileInfo(printer.outputFileName()).size() > 1000);
}

// Copy takes the words or the rows selected; the whole plan only with nothing selected,
// and always from the Copy button.
void TestPlanWindow::copyTakesTheSelection()
{
    RunningProgram p;
    fillAndCalculate(p);
    p.child<QPushButton>(FormId::Display, "cmdPlan")->click();
    QWidget* plan = p.form(FormId::Plan);
    QVERIFY(RunningProgram::activate(plan));
    auto* text = plan->findChild<QTextBrowser*>(QStringLiteral("txtPlan"));
    auto* milestones = plan->findChild<QTreeWidget*>(QStringLiteral("tblMilestones"));
    QClipboard* clipboard = QGuiApplication::clipboard();

    QTextCursor words = text->document()->find(QStringLiteral("1788 calories"));
    QVERIFY(!words.isNull());
    text->setTextCursor(words);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("1788 calories"));

    milestones->setFocus();
    milestones->topLevelItem(1)->setSelected(true);
    QTest::keyClick(milestones, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), milestones->topLevelItem(1)->text(0) + QStringLiteral("\t7\t177.69\t80.5\t2.31"));

    p.child<QPushButton>(FormId::Plan, "cmdCopyPlan")->click();
    QVERIFY(clipboard->text().startsWith(QStringLiteral("Weight loss plan for JOHN\n")));
    clipboard->clear();
    milestones->clearSelection();
    text->moveCursor(QTextCursor::Start);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QVERIFY2(
        clipboard->text().startsWith(QStringLiteral("Weight loss plan for JOHN\n")), qPrintable(clipboard->text()));
}

// A plan of a thousand days for a name of 150 letters: every page says which it is,
// the milestones' header heads every page the table runs onto, and no heading is left
// alone at the foot of a page.
void TestPlanWindow::pagesOfALongPlan()
{
    PersonalDetails d = kJohn;
    d.name = QString(150, u'W');
    d.timeFrameDays = QStringLiteral("1000");
    const WeightPlan plan = planOf(d);
    const PlanTexts texts = planTexts(plan);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    QCOMPARE(PlanOutput::writePdf(path, plan, texts), QString());
    const QStringList pages = pdfPages(path);
    QVERIFY2(pages.size() >= 3, "pdftotext (poppler-utils) reads no pages");

    const QStringList headings {texts.milestoneTitle, QStringLiteral("How these figures are computed"),
        QStringLiteral("Other paces"), QStringLiteral("After the goal"), QStringLiteral("Caution")};
    for (int i = 0; i < pages.size(); ++i) {
        QStringList lines = pages.at(i).split(QLatin1Char('\n'));
        lines.removeAll(QString());
        QVERIFY2(lines.last().contains(QStringLiteral("page %1 of %2").arg(i + 1).arg(pages.size())),
            qPrintable(lines.last()));
        // What comes before the footer is not a heading.
        const QString lastText = lines.value(lines.size() - 2).trimmed();
        QVERIFY2(
            !headings.contains(lastText), qPrintable(QStringLiteral("page %1 ends with %2").arg(i + 1).arg(lastText)));
        // A page with a row of the table has its header too.
        const bool row = QRegularExpression(
            QStringLiteral("\\d+\\.\\d\\d\\s+\\d+\\.\\d\\s+\\d+\\.\\d\\d\\s*$"), QRegularExpression::MultilineOption)
                             .match(pages.at(i))
                             .hasMatch();
        if (row)
            QVERIFY2(pages.at(i).contains(QStringLiteral("Lost so far (lb)")), qPrintable(QString::number(i + 1)));
    }

    // A heading that would stand last on a page goes over with what follows it.
    QTextDocument document;
    document.setDefaultFont(Look::verdana(9.5));
    QString html;
    for (int i = 0; i < 12; ++i)
        html += QStringLiteral("<p>Line %1</p>").arg(i);
    document.setHtml(html + QStringLiteral("<h3>Heading</h3><p>What follows</p>"));
    const QTextBlock heading = document.find(QStringLiteral("Heading")).block();
    auto top = [&](const QTextBlock& block) { return document.documentLayout()->blockBoundingRect(block).top(); };
    const double pageHeight = document.documentLayout()->blockBoundingRect(heading).bottom() + 2;
    document.setPageSize(QSizeF(400, pageHeight));
    QVERIFY(int(top(heading) / pageHeight) < int(top(heading.next()) / pageHeight));
    keepBlocksTogether(document, pageHeight);
    QCOMPARE(int(top(heading) / pageHeight), int(top(heading.next()) / pageHeight));
}

// A PDF that the disk cannot take whole is a failure, reported, with nothing left; and
// the file dialog adds ".pdf" to a bare name.
void TestPlanWindow::failuresOnDiskAreReported()
{
    const WeightPlan plan = planOf(kJohn);
    const PlanTexts texts = planTexts(plan);
    QTemporaryDir dir;

    // A disk that fills up: writes past a few kilobytes fail, as on a full file system.
    const QString full = dir.filePath(QStringLiteral("full.pdf"));
    struct rlimit before;
    QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = before;
    small.rlim_cur = 4096;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const QString failure = PlanOutput::writePdf(full, plan, texts);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY2(!failure.isEmpty(), "a PDF the disk could not take was reported as saved");
    QVERIFY(!QFile::exists(full));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

    // The dialog, answered with a bare name.
    RunningProgram p;
    fillAndCalculate(p);
    p.child<QPushButton>(FormId::Display, "cmdPlan")->click();
    const QString bare = dir.filePath(QStringLiteral("my plan"));
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(bare);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        answered = true;
    });
    p.child<QPushButton>(FormId::Plan, "cmdSavePlan")->click();
    QVERIFY(answered);
    QVERIFY2(QFile::exists(bare + QStringLiteral(".pdf")), qPrintable(QDir(dir.path()).entryList().join(' ')));
}

QTEST_MAIN(TestPlanWindow)
#include "tst_planwindow.moc"
