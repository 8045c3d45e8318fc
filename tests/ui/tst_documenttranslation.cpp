// The plan's and the progress's windows, documents, chart and import dialogs under a
// translator: every text a person sees goes through it, and the counts reach the
// right forms and places of the sentences.

#include "journal/weighincsv.h"
#include "ui/columnchoice.h"
#include "ui/documentoutput.h"
#include "ui/importpreview.h"
#include "ui/plandocument.h"
#include "ui/planwindow.h"
#include "ui/progressdocument.h"
#include "ui/progresswindow.h"
#include "ui/weightchart.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

// Puts every text of the program in brackets, and leaves the toolkit's own (its contexts
// are its class names) alone.
class BracketTranslator final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (!context || (context[0] == 'Q' && QChar::isUpper(context[1])))
            return QString();
        return QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']');
    }
};

// The texts of a window a person sees or hears, each with where it is.
QList<QPair<QString, QString>> visibleTexts(QWidget* window)
{
    QList<QPair<QString, QString>> texts;
    auto add = [&texts](const QObject* where, const QString& what, const QString& text) {
        if (!text.isEmpty())
            texts.append({(where->objectName().isEmpty() ? QString::fromUtf8(where->metaObject()->className())
                                                         : where->objectName())
                    + QLatin1Char('.') + what,
                text});
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        add(w, QStringLiteral("accessibleName"), w->accessibleName());
        add(w, QStringLiteral("accessibleDescription"), w->accessibleDescription());
        if (w->isWindow())
            add(w, QStringLiteral("windowTitle"), w->windowTitle());
        // The toolkit's own buttons (Cancel) speak its language.
        auto* button = qobject_cast<QAbstractButton*>(w);
        auto* box = w ? qobject_cast<QDialogButtonBox*>(w->parentWidget()) : nullptr;
        if (button && !(box && box->standardButton(button) != QDialogButtonBox::NoButton))
            add(w, QStringLiteral("text"), button->text());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(w, QStringLiteral("text"), label->text());
        if (auto* menu = qobject_cast<QMenu*>(w))
            add(w, QStringLiteral("title"), menu->title());
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                add(w, QStringLiteral("item"), combo->itemText(i));
        }
    }
    for (const QAction* action : window->findChildren<QAction*>()) {
        if (!action->isSeparator())
            add(action, QStringLiteral("text"), action->text());
    }
    return texts;
}

QString pdfText(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class TestDocumentTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::installTranslator(&m_translator); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }

    void everyTextOfTheWindowsIsTranslated_data();
    void everyTextOfTheWindowsIsTranslated();
    void documentsAndChartAreTranslated_data();
    void documentsAndChartAreTranslated();
    void pageFootIsOneTranslatedLine();
    void importSummaryPutsEachCountInItsPlace_data();
    void importSummaryPutsEachCountInItsPlace();

private:
    BracketTranslator m_translator;
};

void TestDocumentTranslation::everyTextOfTheWindowsIsTranslated_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("plan window") << 0;
    QTest::newRow("progress window") << 1;
    QTest::newRow("import preview") << 2;
    QTest::newRow("columns of a file") << 3;
}

void TestDocumentTranslation::everyTextOfTheWindowsIsTranslated()
{
    QFETCH(int, which);
    QList<QPair<QString, QString>> texts;
    if (which == 0) {
        PlanWindow window(nullptr);
        texts = visibleTexts(&window);
    } else if (which == 1) {
        ProgressWindow window;
        texts = visibleTexts(&window);
    } else {
        // The dialogs are modal: their texts are read while they are open.
        QTimer::singleShot(0, this, [&texts] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            texts = visibleTexts(modal);
            modal->close();
        });
        if (which == 2) {
            ImportPreview preview;
            preview.added = 2;
            preview.rejected << CsvLineNote {3, QStringLiteral("no date")};
            confirmImport(nullptr, QStringLiteral("f.csv"), preview);
        } else {
            CsvTable table;
            table.header = {QStringLiteral("when"), QStringLiteral("weight"), QStringLiteral("unit")};
            table.rows = {{2, {QStringLiteral("2026-01-02"), QStringLiteral("80"), QStringLiteral("kg")}}};
            CsvColumnChoice initial;
            initial.dateColumn = 0;
            initial.weightColumn = 1;
            chooseCsvColumns(nullptr, QStringLiteral("f.csv"), QStringLiteral("Why."), table, initial);
        }
        // The forms of the dates and their note are the journal's words, not the dialog's.
        texts.removeIf([](const QPair<QString, QString>& text) {
            return text.first.startsWith(QLatin1String("cboDateForm.item"))
                || text.first.startsWith(QLatin1String("lblDateFormNote."));
        });
    }
    QVERIFY(texts.size() >= 4);
    QStringList untranslated;
    for (const auto& [where, text] : texts) {
        if (!text.contains(QLatin1Char('[')))
            untranslated << where + QStringLiteral(": ") + text;
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral("; "))));
}

void TestDocumentTranslation::documentsAndChartAreTranslated_data()
{
    QTest::addColumn<QString>("made");
    QTest::addColumn<QStringList>("expected");

    PlanTexts plan;
    plan.title = QStringLiteral("Plan");
    plan.cautions = {QStringLiteral("Slowly.")};
    plan.paceHeader = {QStringLiteral("Pace"), QStringLiteral("Days")};
    plan.paceRows = {{QStringLiteral("1 lb"), QStringLiteral("70")}};
    plan.paceLines = {QStringLiteral("1 lb a week takes 70 days.")};
    plan.afterGoal = QStringLiteral("Eat more.");
    QTest::newRow("plan on the screen") << planHtml(plan, false)
                                        << QStringList {QStringLiteral("[Caution]"),
                                               QStringLiteral("[How these figures are computed]"),
                                               QStringLiteral("[Other paces]"), QStringLiteral("[After the goal]"),
                                               QStringLiteral("[Your details]")};
    QTest::newRow("plan on paper") << planHtml(plan, true, QStringLiteral("1/2/26"))
                                   << QStringList {
                                          QStringLiteral("[Made on 1/2/26 with Veltro Weight Loss Calculator v1.0.]"),
                                          QStringLiteral("[Other paces]")};

    ProgressTexts progress;
    progress.title = QStringLiteral("Progress");
    progress.standing = {QStringLiteral("Day 3.")};
    progress.replan = {QStringLiteral("Again.")};
    progress.estimate = QStringLiteral("You ate.");
    progress.weighInHeader = {QStringLiteral("Date"), QStringLiteral("Weight")};
    progress.weighInRows = {{QStringLiteral("1/2/26"), QStringLiteral("80")}};
    QTest::newRow("progress on paper")
        << progressHtml(progress, true, QStringLiteral("1/2/26"))
        << QStringList {QStringLiteral("[Made on 1/2/26 with Veltro Weight Loss Calculator v1.0.]"),
               QStringLiteral("[Where you stand]"), QStringLiteral("[Your plan from today]"),
               QStringLiteral("[What your weigh-ins say]"), QStringLiteral("[Your weigh-ins]")};

    ChartData chart;
    chart.firstDate = QDate(2026, 1, 2);
    chart.weighIns = {QPointF(0, 200)};
    chart.kilogramsPerPound = 0.5;
    QTest::newRow("weigh-in's tip") << weighInTip(chart, 0, QLocale::c())
                                    << QStringList {QStringLiteral("[2 Jan 2026: [200 lb (100 kg)]]")};
}

void TestDocumentTranslation::documentsAndChartAreTranslated()
{
    QFETCH(QString, made);
    QFETCH(QStringList, expected);
    for (const QString& text : expected)
        QVERIFY2(made.contains(text), qPrintable(text + QStringLiteral(" not in ") + made));
}

void TestDocumentTranslation::pageFootIsOneTranslatedLine()
{
    // The title, the time it was made and the page in the order the translation gives,
    // on the one line at the foot of the page.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.pdf"));
    const DocumentOutput::Document document {
        QStringLiteral("Title"), QStringLiteral("It"), [](QPagedPaintDevice* device, const QDateTime&) {
            return renderDocument(
                device, QStringLiteral("<p>Text</p>"), ChartData {}, QStringLiteral("Title"), QStringLiteral("M"));
        }};
    QCOMPARE(DocumentOutput::writePdf(path, document), QString());
    QVERIFY(pdfText(path).contains(QStringLiteral("[Title \u00b7 made on M \u00b7 page 1 of 1]")));
}

void TestDocumentTranslation::importSummaryPutsEachCountInItsPlace_data()
{
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("replaced");
    QTest::addColumn<int>("unchanged");
    QTest::addColumn<int>("leftOut");
    QTest::addColumn<QString>("summary");

    const QString same = QStringLiteral(" (a weigh-in of the same day, of another weight).]");
    QTest::newRow("one of each") << 1 << 1 << 1 << 1
                                 << QStringLiteral("[f.csv adds [1 weigh-in] and replaces 1") + same
            + QStringLiteral(" [1 is there already.] [1 line is left out:]");
    QTest::newRow("several of each") << 2 << 3 << 4 << 5
                                     << QStringLiteral("[f.csv adds [2 weigh-ins] and replaces 3") + same
            + QStringLiteral(" [4 are there already.] [5 lines are left out:]");
    QTest::newRow("nothing to import") << 0 << 0 << 6 << 0
                                       << QStringLiteral("[f.csv adds [0 weigh-ins] and replaces 0") + same
            + QStringLiteral(" [6 are there already.] [There is nothing to import.]");
}

void TestDocumentTranslation::importSummaryPutsEachCountInItsPlace()
{
    QFETCH(int, added);
    QFETCH(int, replaced);
    QFETCH(int, unchanged);
    QFETCH(int, leftOut);
    QFETCH(QString, summary);

    ImportPreview preview;
    preview.added = added;
    preview.replaced = replaced;
    preview.unchanged = unchanged;
    for (int i = 0; i < leftOut; ++i)
        preview.rejected << CsvLineNote {i + 2, QStringLiteral("no date")};
    QString shown;
    QTimer::singleShot(0, this, [&shown] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        shown = modal->findChild<QLabel*>(QStringLiteral("lblImportSummary"))->text();
        modal->close();
    });
    QVERIFY(!confirmImport(nullptr, QStringLiteral("f.csv"), preview));
    QCOMPARE(shown, summary);
}

QTEST_MAIN(TestDocumentTranslation)
#include "tst_documenttranslation.moc"
