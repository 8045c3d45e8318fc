// No text of any window cut off or covered, in every language: each window built in
// English, in a made-up translation two fifths longer, and in each real translation,
// at the scale the test runs with (QT_SCALE_FACTOR, one CTest entry each), and the
// resizable windows also at their least size. Every shown control is measured against
// the part of it that shows; a picture of each window goes to the build's artifacts.

#include "fixture.h"
#include "platform/language.h"
#include "pseudotranslator.h"
#include "ui/aboutwindow.h"
#include "ui/columnchoice.h"
#include "ui/exitscreen.h"
#include "ui/importpreview.h"
#include "ui/look.h"
#include "ui/textfit.h"
#include "ui/windowparts.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <functional>

using namespace Look;

class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pseudoTranslation_data();
    void pseudoTranslation();
    void windowsFit_data();
    void windowsFit();
    void unfittedTranslationIsCaught();
    void englishKeepsItsLayout();
    void cleanup();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QTranslator> m_translator;
};

namespace {

// A window drawn as the fixed windows are, its texts marked for translation: rows of
// frames, units beside boxes, a button, a check box and a paragraph, each as wide as
// its English text needs (measured in the font at hand) and little more. Its texts
// are the test's own, so it shows the fitting before the program's are translated.
class SampleWindow final : public QDialog
{
public:
    static constexpr int kWidth = 420;
    int designHeight = 0;

    SampleWindow()
    {
        setColors(this, kNavy, kWhite);
        const QFont bold = verdana(8.25, true);
        const QFont plain = verdana(8.25);
        const auto english = [](const QFont& font, const char* text) {
            return QFontMetrics(font).horizontalAdvance(QString::fromLatin1(text).remove(QLatin1Char('&')));
        };
        const char* caption = "How much weight do you wish to lose?";
        Frame* weight = frame(this, QStringLiteral("fraWeight"), QCoreApplication::translate("TextFitSample", caption),
            QRect(8, 8, english(bold, caption) + 20, 60), kNavy, kCream, bold);
        auto* box = new QLineEdit(weight);
        box->setObjectName(QStringLiteral("txtWeight"));
        box->setGeometry(8, 24, 57, 25);
        const char* unit = "Pound";
        label(weight, QStringLiteral("lblUnit"), QCoreApplication::translate("TextFitSample", unit),
            QRect(72, 32, english(plain, unit) + 2, 13), kWhite, plain);
        auto* second = new QLineEdit(weight);
        second->setObjectName(QStringLiteral("txtSecond"));
        second->setGeometry(80 + english(plain, unit), 24, 40, 25);
        const int ageLeft = weight->geometry().right() + 8;
        frame(this, QStringLiteral("fraAge"), QCoreApplication::translate("TextFitSample", "Age"),
            QRect(ageLeft, 8, kWidth - 8 - ageLeft, 60), kNavy, kCream, bold);

        const char* timeFrame = "Time Frame To Lose Weight:";
        label(this, QStringLiteral("lblCaption"), QCoreApplication::translate("TextFitSample", timeFrame),
            QRect(8, 80, 0, 0), kWhite, plain, Qt::AlignLeft | Qt::AlignTop, false, true);
        label(this, QStringLiteral("lblFigure"), QStringLiteral("30 days"),
            QRect(english(plain, timeFrame) + 16, 80, 0, 0), kWhite, plain, Qt::AlignLeft | Qt::AlignTop, false, true);

        const char* paragraph = "This software is only for entertainment purpose. Please consult your physician "
                                "before going on any kind of diet.";
        const int paragraphHeight
            = QFontMetrics(plain).boundingRect(QRect(0, 0, kWidth - 60, 1000), Qt::TextWordWrap, paragraph).height();
        label(this, QStringLiteral("lblParagraph"), QCoreApplication::translate("TextFitSample", paragraph),
            QRect(8, 100, kWidth - 60, paragraphHeight + 2), kWhite, plain, Qt::AlignLeft | Qt::AlignTop, true);

        // Right below the paragraph.
        const int top = 100 + paragraphHeight + 6;
        const char* remember = "Remember Me";
        auto* check = new QCheckBox(QString::fromLatin1(remember));
        check->setFont(plain);
        const int checkWidth = check->sizeHint().width() + 2;
        check->setParent(this);
        check->setText(QCoreApplication::translate("TextFitSample", remember));
        check->setObjectName(QStringLiteral("chkRemember"));
        check->setGeometry(8, top, checkWidth, 25);
        const char* calculate = "&Calculate Now";
        auto* ok = pushButton(this, QStringLiteral("cmdOK"), QCoreApplication::translate("TextFitSample", calculate),
            QRect(checkWidth + 16, top, english(bold, calculate) + 16, 25));
        ok->setFont(bold);

        // A band across the bottom of the window.
        auto* band = new QWidget(this);
        band->setObjectName(QStringLiteral("band"));
        band->setGeometry(0, top + 33, kWidth, 30);
        designHeight = top + 63;
        setFixedSize(kWidth, designHeight);
        WindowParts::finishWindow(this, QStringLiteral("frmSample"));
    }
};

// The part of a control that shows: its rectangle cut by each of its parents', in the
// window's coordinates. A window too large for its screen scrolls: what lies on the
// scrolled area shows once scrolled to.
QRect shownPart(const QWidget* control, const QWidget* window)
{
    QRect shown(control->mapTo(window, QPoint()), control->size());
    for (const QWidget* parent = control->parentWidget(); parent && parent != window; parent = parent->parentWidget()) {
        shown &= QRect(parent->mapTo(window, QPoint()), parent->size());
        const QWidget* viewport = parent->parentWidget();
        const auto* scrolling = viewport ? qobject_cast<const QScrollArea*>(viewport->parentWidget()) : nullptr;
        if (scrolling && scrolling->widget() == parent)
            return shown;
    }
    return shown & window->rect();
}

QString textOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return QString();
}

// Every text of the window that needs more room than shows of its control, and every
// two shown controls side by side that cover each other.
QStringList shortages(const QString& language, const QString& windowName, const QWidget* window)
{
    QStringList found;
    const auto report = [&](const QWidget* control, const QString& what, int needed, int given) {
        found << QStringLiteral("%1 %2 %3 \"%4\": %5 needs %6, has %7")
                     .arg(language, windowName, control->objectName(), textOf(control), what)
                     .arg(needed)
                     .arg(given);
    };
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (const QWidget* control : controls) {
        if (control->isWindow() || !control->isVisibleTo(window))
            continue;
        const QRect shown = shownPart(control, window);
        if (shown.isEmpty())
            continue; // laid outside its frame on purpose
        if (const int needed = TextFit::neededWidth(control); needed > shown.width())
            report(control, QStringLiteral("width"), needed, shown.width());
        if (const int needed = TextFit::neededHeight(control); needed >= 0) {
            if (shown.width() < control->width())
                report(control, QStringLiteral("width"), control->width(), shown.width());
            if (needed > shown.height())
                report(control, QStringLiteral("height"), needed, shown.height());
        }
        // Its later brothers: two controls drawn on the same place on purpose (the two
        // offers) share their rectangle exactly; a line may cross a frame it spans; the
        // twips the windows were drawn in leave a pixel's overlap here and there.
        const QObjectList brothers = control->parent()->children();
        for (qsizetype i = brothers.indexOf(control) + 1; i < brothers.size(); ++i) {
            const auto* other = qobject_cast<const QWidget*>(brothers.at(i));
            if (!other || other->isWindow() || !other->isVisibleTo(window))
                continue;
            const QRect a = control->geometry();
            const QRect b = other->geometry();
            const QRect common = a & b;
            if (a == b || common.width() <= 1 || common.height() <= 1 || a.contains(b) || b.contains(a)
                || shownPart(other, window).isEmpty())
                continue;
            found << QStringLiteral("%1 %2 %3 \"%4\" and %5 \"%6\" overlap")
                         .arg(language, windowName, control->objectName(), textOf(control), other->objectName(),
                             textOf(other));
        }
    }
    return found;
}

// The texts of a window built in English made longer in place, as the made-up
// translation makes them, and the window fitted again: the program's own windows
// fitted before their texts are marked for translation. A label as wide as its text
// was sized to it, and is again.
void lengthenTexts(QWidget* window, bool fit = true)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
            const bool sizedToText = !label->wordWrap() && label->width() == label->sizeHint().width();
            label->setText(PseudoTranslator::lengthened(label->text()));
            if (sizedToText)
                label->adjustSize();
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setText(PseudoTranslator::lengthened(button->text()));
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            group->setTitle(PseudoTranslator::lengthened(group->title()));
        }
    }
    if (fit)
        TextFit::fitWindow(window);
}

QString scaleSuffix()
{
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    return scale.isEmpty() || scale == "1" ? QString() : QStringLiteral("-scale") + QString::fromLatin1(scale);
}

void savePicture(const QString& language, const QString& windowName, QWidget* window)
{
    QDir().mkpath(QStringLiteral(VELTRO_LANGUAGE_PICTURES));
    window->grab().save(
        QStringLiteral(VELTRO_LANGUAGE_PICTURES "/%1-%2%3.png").arg(language, windowName, scaleSuffix()));
}

// The window checked as it shows and pictured.
QStringList check(const QString& language, const QString& windowName, QWidget* window)
{
    if (language == QLatin1String("lengthened") && !window->property("lengthened").toBool()) {
        lengthenTexts(window);
        window->setProperty("lengthened", true);
    }
    window->show();
    QCoreApplication::processEvents();
    savePicture(language, windowName, window);
    return shortages(language, windowName, window);
}

// The same window made as small as it may be.
QStringList checkAtLeastSize(const QString& language, const QString& windowName, QWidget* window)
{
    window->resize(window->minimumSize().expandedTo(window->minimumSizeHint()));
    QCoreApplication::processEvents();
    return check(language, windowName + QStringLiteral("-least"), window);
}

// A dialog that runs its own loop, checked once it is open and then cancelled.
QStringList checkDialog(const QString& language, const QString& windowName, const std::function<void()>& open)
{
    QStringList found;
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || seen)
            return;
        seen = true;
        found << check(language, windowName, dialog);
        dialog->reject();
    });
    poll.start();
    open();
    if (!seen)
        found << QStringLiteral("%1 %2 never opened").arg(language, windowName);
    return found;
}

// Fills the main window with the usual figures by position, whatever the language
// calls its entries, and presses Calculate.
void calculate(RunningProgram& p)
{
    QWidget* main = p.form(FormId::Main);
    auto edit = [&](const char* n) { return main->findChild<QLineEdit*>(QLatin1String(n)); };
    auto combo = [&](const char* n) { return main->findChild<QComboBox*>(QLatin1String(n)); };
    edit("txtFirstName")->setText(QStringLiteral("john"));
    combo("cboAge")->setCurrentText(QStringLiteral("30"));
    combo("cboFeet")->setCurrentText(QStringLiteral("5"));
    combo("cboInch")->setCurrentText(QStringLiteral("10"));
    combo("cboDays")->setCurrentText(QStringLiteral("30"));
    combo("cboDailyActivity")->setCurrentIndex(2);
    edit("txtPound")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(edit("txtPound"), QStringLiteral("180"));
    edit("txtLossPound")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(edit("txtLossPound"), QStringLiteral("10"));
    edit("txtFirstName")->setFocus(Qt::MouseFocusReason);
    main->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();
}

} // namespace

void TestTextFit::initTestCase()
{
    Look::applyApplicationLook();
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_home->filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home->filePath(QStringLiteral("config")).toUtf8());
}

void TestTextFit::cleanup()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    setTranslationInstalled(false);
    QLocale::setDefault(QLocale::system());
}

void TestTextFit::pseudoTranslation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("words") << "Your Weight"
                           << "Youryo Weightwei";
    QTest::newRow("access key inside") << "E&xit"
                                       << "E&xitex";
    QTest::newRow("access key first") << "&Calculate"
                                      << "&Calculatecalc";
    QTest::newRow("markers") << "%n days of %1, %L2"
                             << "%n daysda ofo %1, %L2";
    QTest::newRow("literal ampersand") << "A && B"
                                       << "Aa && Bb";
    QTest::newRow("markup") << "<b>Plan</b>"
                            << "<b>Planpl</b>";
}

void TestTextFit::pseudoTranslation()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(PseudoTranslator::lengthened(text), expected);
}

void TestTextFit::windowsFit_data()
{
    QTest::addColumn<QString>("language");
    // "lengthened": the English windows with their texts made longer after they were built.
    for (const char* language : {"en", "pseudo", "lengthened", "de", "fr", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestTextFit::windowsFit()
{
    QFETCH(QString, language);
    // A journal of its own for each language: the plan followed in one is not the other's.
    qputenv("XDG_DATA_HOME", m_home->filePath(QStringLiteral("data-") + language).toUtf8());
    if (language == QLatin1String("pseudo")) {
        m_translator = std::make_unique<PseudoTranslator>();
    } else if (language != QLatin1String("en") && language != QLatin1String("lengthened")) {
        m_translator = std::make_unique<QTranslator>();
        QVERIFY2(m_translator->load(QStringLiteral(":/i18n/veltro_%1.qm").arg(language)), "no such translation");
        // Figures and dates as the language's people write them, as in their sessions.
        QLocale::setDefault(QLocale(language));
    }
    if (m_translator) {
        QCoreApplication::installTranslator(m_translator.get());
        setTranslationInstalled(true);
    }

    QStringList found;
    {
        SampleWindow sample;
        found << check(language, QStringLiteral("sample"), &sample);
    }
    {
        AboutWindow about;
        found << check(language, QStringLiteral("about"), &about);
    }
    {
        ExitScreen exitScreen;
        found << check(language, QStringLiteral("exit"), &exitScreen);
    }
    RunningProgram p;
    QWidget* main = p.form(FormId::Main);
    found << check(language, QStringLiteral("main"), main);
    main->findChild<QAction*>(QStringLiteral("mnuCentimetres"))->trigger();
    found << check(language, QStringLiteral("main-cm"), main);
    main->findChild<QAction*>(QStringLiteral("mnuCentimetres"))->trigger();

    calculate(p);
    QVERIFY2(MessageBox::takeShown().isEmpty(), "the figures were refused");
    QWidget* results = p.form(FormId::Display);
    QVERIFY(results && results->isVisible());
    found << check(language, QStringLiteral("results"), results);

    p.child<QPushButton>(FormId::Display, "cmdPlan")->click();
    QWidget* plan = p.form(FormId::Plan);
    QVERIFY(plan);
    found << check(language, QStringLiteral("plan"), plan);
    found << checkAtLeastSize(language, QStringLiteral("plan"), plan);

    p.child<QPushButton>(FormId::Plan, "cmdFollowPlan")->click();
    QWidget* progress = p.form(FormId::Progress);
    QVERIFY(progress);
    found << check(language, QStringLiteral("progress"), progress);
    found << checkAtLeastSize(language, QStringLiteral("progress"), progress);

    ImportPreview preview;
    preview.added = 12;
    preview.replaced = 2;
    preview.rejected = {{4, QStringLiteral("not a date")}};
    found << checkDialog(
        language, QStringLiteral("import"), [&] { confirmImport(progress, QStringLiteral("weigh-ins.csv"), preview); });
    CsvTable table;
    table.header = {QStringLiteral("Day"), QStringLiteral("Weight"), QStringLiteral("Note")};
    table.rows = {{2, {QStringLiteral("01/12/2026"), QStringLiteral("180"), QString()}},
        {3, {QStringLiteral("02/12/2026"), QStringLiteral("179.5"), QStringLiteral("after a run")}}};
    found << checkDialog(language, QStringLiteral("columns"), [&] {
        chooseCsvColumns(progress, QStringLiteral("weigh-ins.csv"), QStringLiteral("no unit"), table, {0, 1, {}});
    });

    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

// Without the fitting the made-up translation does not fit: the test sees it.
void TestTextFit::unfittedTranslationIsCaught()
{
    m_translator = std::make_unique<PseudoTranslator>();
    QCoreApplication::installTranslator(m_translator.get());
    SampleWindow sample;
    const QStringList found = check(QStringLiteral("unfitted"), QStringLiteral("sample"), &sample);
    const QString all = found.join(QLatin1Char('\n'));
    for (const char* name : {"fraWeight", "lblUnit", "lblCaption", "lblParagraph", "chkRemember", "cmdOK"})
        QVERIFY2(all.contains(QLatin1String(name)), qPrintable(all));

    // So too the program's own windows with longer texts.
    AboutWindow about;
    lengthenTexts(&about, false);
    const QString aboutShortages = check(QStringLiteral("unfitted"), QStringLiteral("about"), &about).join(u'\n');
    for (const char* name : {"Label1", "Label3", "lblHomePage", "lblCobrand"})
        QVERIFY2(aboutShortages.contains(QLatin1String(name)), qPrintable(aboutShortages));
}

// English needs no fitting, so none is done: the windows keep their drawn sizes. With
// the made-up translation the sample grows, its figure and its button moved on.
void TestTextFit::englishKeepsItsLayout()
{
    QHash<QString, QRect> english;
    {
        SampleWindow sample;
        QCOMPARE(sample.size(), QSize(SampleWindow::kWidth, sample.designHeight));
        for (const QWidget* w : sample.findChildren<QWidget*>())
            english.insert(w->objectName(), w->geometry());
        AboutWindow about;
        QCOMPARE(about.size(), QSize(px(6825), px(3870)));
        ExitScreen exitScreen;
        QCOMPARE(exitScreen.size(), QSize(px(11115), px(4725)));
    }
    m_translator = std::make_unique<PseudoTranslator>();
    QCoreApplication::installTranslator(m_translator.get());
    setTranslationInstalled(true);
    SampleWindow sample;
    QVERIFY(sample.width() > SampleWindow::kWidth);
    QVERIFY(sample.height() > sample.designHeight);
    const auto now = [&](const char* name) { return sample.findChild<QWidget*>(QLatin1String(name))->geometry(); };
    QVERIFY(now("txtSecond").x() > english.value(QStringLiteral("txtSecond")).x());
    QVERIFY(now("fraAge").x() > english.value(QStringLiteral("fraAge")).x());
    QVERIFY(now("lblFigure").x() > english.value(QStringLiteral("lblFigure")).x());
    QVERIFY(now("cmdOK").x() > english.value(QStringLiteral("cmdOK")).x());
    QVERIFY(now("band").y() > english.value(QStringLiteral("band")).y());
    QCOMPARE(now("band").width(), sample.width()); // a band across the window spans it still
    QCOMPARE(now("txtWeight"), english.value(QStringLiteral("txtWeight"))); // had room: untouched
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
