// The plan window over the results: one at a time, closed by Escape and by Calculate
// Again, readable whatever figures the calculation survived; and the plan on paper
// and on disk.

#include "fixture.h"
#include "ui/plandocument.h"
#include "ui/planoutput.h"

#include <QAction>
#include <QLabel>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>

class TestPlanWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::applyApplicationLook(); }
    void planFollowsTheResults_data();
    void planFollowsTheResults();
    void planOnPaperAndOnDisk();
};

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

    // One at a time: asked for again, from the menu, it is the same window.
    display->findChild<QAction*>(QStringLiteral("mnuPlan"))->trigger();
    QCOMPARE(p.form(FormId::Plan), plan);

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

void TestPlanWindow::planOnPaperAndOnDisk()
{
    PersonalDetails d {"JOHN", "Male", "30", "5", "10", "180", "81.5", "10", "4.5", "30", 2, "Moderately Active"};
    CalculationSteps steps;
    const WeightPlan plan = makeWeightPlan(d, calculateCalories(d, {}, QLocale(), &steps), steps, QDate::currentDate());
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

QTEST_MAIN(TestPlanWindow)
#include "tst_planwindow.moc"
