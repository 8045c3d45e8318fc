// Bad input pasted into every text box of the main window and the exit screen: a
// paste of 10,000 characters, blanks only, a 400-digit number, a negative number and
// text in other scripts. Nothing may crash, no box may lose or change what the user
// put into it, the partner of a weight box either keeps its text or gets a figure
// that reads back, and Calculate or the referral either answers with its message or
// carries the text through whole.

#include "calculator/numbertext.h"
#include "common/text.h"
#include "fixture.h"
#include "links/siteconfig.h"
#include "ui/exitscreen.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pastedIntoTheMainWindow_data();
    void pastedIntoTheMainWindow();
    void pastedIntoTheReferralForm_data();
    void pastedIntoTheReferralForm();
};

namespace {

QString longText()
{
    // Words, digits and punctuation, as a paste of a document would bring.
    const QString piece = QStringLiteral("Lorem ipsum 42, dolor-sit amet; ");
    return piece.repeated(10000 / piece.size() + 1).left(10000);
}

// The inputs of the checks, by name.
QString badInput(const QByteArray& name)
{
    if (name == "10000 characters")
        return longText();
    if (name == "10000 digits")
        return QString(10000, QLatin1Char('7'));
    if (name == "blanks only")
        return QStringLiteral("     ");
    if (name == "400 digits")
        return QString(400, QLatin1Char('9'));
    if (name == "negative")
        return QStringLiteral("-180");
    if (name == "Cyrillic")
        return QStringLiteral("Иван Петров");
    if (name == "Arabic-Indic digits")
        return QStringLiteral("١٨٠");
    return QString();
}

const QByteArrayList kInputs {
    "10000 characters", "10000 digits", "blanks only", "400 digits", "negative", "Cyrillic", "Arabic-Indic digits"};

// Replaces the box's text by the clipboard's, as Select All and Paste from its context
// menu do.
void pasteInto(QWidget* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->setFocus(Qt::MouseFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->selectAll();
        edit->paste();
    } else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(box)) {
        multiLine->selectAll();
        multiLine->paste();
    }
}

QString shown(const QString& text)
{
    return text.size() > 24 ? text.left(12) + QStringLiteral("...(%1 characters)").arg(text.size()) : text;
}

} // namespace

void TestBadInput::initTestCase()
{
    Look::applyApplicationLook();
    QLocale::setDefault(QLocale::c());
}

void TestBadInput::pastedIntoTheMainWindow_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    // The partner's text after leaving the box ("=" unchanged), and what Calculate
    // does: a message's text, or "results".
    QTest::addColumn<QString>("partner");
    QTest::addColumn<QString>("calculate");

    const QString results = QStringLiteral("results");
    const QString weight = QStringLiteral("Please Enter Your Weight");
    const QString loss = QStringLiteral("Please Enter Weight Do You Wish To Lose");
    struct Row
    {
        const char* box;
        const char* input;
        QString partner;
        QString calculate;
    };
    const Row rows[] = {
        {"txtFirstName", "10000 characters", {}, results},
        {"txtFirstName", "blanks only", {}, results},
        {"txtFirstName", "400 digits", {}, results},
        {"txtFirstName", "negative", {}, results},
        {"txtFirstName", "Cyrillic", {}, results},
        {"txtPound", "10000 characters", "=", weight},
        {"txtPound", "10000 digits", "=", weight},
        {"txtPound", "blanks only", "=", weight},
        {"txtPound", "400 digits", "=", weight},
        {"txtPound", "negative", "-81.5", weight},
        {"txtPound", "Cyrillic", "=", weight},
        {"txtPound", "Arabic-Indic digits", "=", weight},
        {"txtKg", "10000 characters", "=", results},
        {"txtKg", "10000 digits", "=", results},
        {"txtKg", "blanks only", "=", results},
        {"txtKg", "400 digits", "=", results},
        {"txtKg", "negative", "-396", weight},
        {"txtKg", "Cyrillic", "=", results},
        {"txtLossPound", "10000 digits", "=", loss},
        {"txtLossPound", "blanks only", "=", loss},
        {"txtLossPound", "400 digits", "=", loss},
        {"txtLossPound", "negative", "-81.5", loss},
        {"txtLossPound", "Cyrillic", "=", loss},
        {"txtLossKg", "10000 digits", "=", results},
        {"txtLossKg", "400 digits", "=", results},
        {"txtLossKg", "negative", "-396", loss},
        {"txtLossKg", "Arabic-Indic digits", "=", results},
    };
    for (const Row& row : rows) {
        QTest::addRow("%s, %s", row.box, row.input)
            << QString::fromLatin1(row.box) << badInput(row.input) << row.partner << row.calculate;
    }
}

void TestBadInput::pastedIntoTheMainWindow()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, partner);
    QFETCH(QString, calculate);

    RunningProgram p;
    QWidget* main = p.form(FormId::Main);
    QVERIFY(RunningProgram::activate(main));
    auto edit = [&](const QString& name) { return main->findChild<QLineEdit*>(name); };
    // A complete set of details, the kilograms converted by leaving the pound boxes.
    const QString boxes[] = {QStringLiteral("txtFirstName"), QStringLiteral("txtPound"), QStringLiteral("txtKg"),
        QStringLiteral("txtLossPound"), QStringLiteral("txtLossKg")};
    edit(boxes[0])->setText(QStringLiteral("JOHN"));
    for (const auto& [pound, figure] : {std::pair {boxes[1], "180"}, std::pair {boxes[3], "10"}}) {
        edit(pound)->setFocus(Qt::TabFocusReason);
        edit(pound)->setText(QLatin1String(figure));
    }
    edit(boxes[0])->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit(boxes[2])->text(), QStringLiteral("81.5"));
    QCOMPARE(edit(boxes[4])->text(), QStringLiteral("4.5"));

    const QHash<QString, QString> partners {{QStringLiteral("txtPound"), QStringLiteral("txtKg")},
        {QStringLiteral("txtKg"), QStringLiteral("txtPound")},
        {QStringLiteral("txtLossPound"), QStringLiteral("txtLossKg")},
        {QStringLiteral("txtLossKg"), QStringLiteral("txtLossPound")}};
    const QString partnerName = partners.value(box);
    const QString partnerBefore = partnerName.isEmpty() ? QString() : edit(partnerName)->text();

    pasteInto(edit(box), text);
    QVERIFY(MessageBox::takeShown().isEmpty()); // a paste passes no key filter
    // Leave the box for the next one, as Tab does.
    edit(box == boxes[4] ? boxes[0] : boxes[4])->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit(box)->text(), text);

    QString partnerNow;
    if (!partnerName.isEmpty()) {
        partnerNow = edit(partnerName)->text();
        QCOMPARE(partnerNow, partner == QLatin1String("=") ? partnerBefore : partner);
        QVERIFY(readNumber(partnerNow).has_value());
    }

    // Calculate: the validation's message, or the results with whole figures.
    QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdNext")), Qt::LeftButton);
    const auto messages = MessageBox::takeShown();
    QString outcome;
    if (!messages.isEmpty()) {
        QCOMPARE(messages.size(), 1);
        outcome = messages.at(0).text;
        QVERIFY(main->isVisible());
        QVERIFY(!p.shell->isLoaded(FormId::Display));
    } else {
        outcome = QStringLiteral("results");
        QWidget* display = p.form(FormId::Display);
        QVERIFY(display && display->isVisible());
        QCOMPARE(p.child<QLabel>(FormId::Display, "lblName")->text(), edit(boxes[0])->text());
        for (const char* line : {"lblResult1", "lblResult2"}) {
            const QString result = p.child<QLabel>(FormId::Display, line)->text();
            QVERIFY2(
                !result.contains(QLatin1String("inf")) && !result.contains(QLatin1String("nan")), qPrintable(result));
        }
        // The window keeps its size whatever the name; the results stay in view.
        QVERIFY(display->width() < 1000 && display->height() < 800);
        QTest::mouseClick(display->findChild<QPushButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
        RunningProgram::settle();
        QVERIFY(main->isVisible());
    }
    QCOMPARE(outcome, calculate);
    // Whatever happened, the box still holds the pasted text.
    QCOMPARE(edit(box)->text(), text);
    qInfo("%s <- %s: partner %s, Calculate: %s", qPrintable(box), qPrintable(shown(text)),
        partnerName.isEmpty() ? "-" : qPrintable('"' + shown(partnerNow) + '"'), qPrintable(outcome));
}

void TestBadInput::pastedIntoTheReferralForm_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: the address is opened

    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    struct Row
    {
        const char* box;
        const char* input;
        QString message;
    };
    const Row rows[] = {
        {"txtName", "10000 characters", {}},
        {"txtName", "blanks only", QStringLiteral("Please Enter Your Name")},
        {"txtName", "400 digits", {}},
        {"txtName", "Cyrillic", {}},
        {"txtEmail", "10000 characters", proper},
        {"txtEmail", "blanks only", proper},
        {"txtEmail", "Cyrillic", proper},
        {"txtMessage", "10000 characters", {}},
        // Left with blanks, the box shows its placeholder again, which the checks refuse.
        {"txtMessage", "blanks only", QStringLiteral("Please Enter Your Message")},
        {"txtMessage", "negative", {}},
        {"txtFriendName", "10000 characters", {}},
        {"txtFriendName", "Arabic-Indic digits", {}},
        {"txtFriendEmail", "10000 characters", proper},
        {"txtFriendEmail", "400 digits", proper},
    };
    for (const Row& row : rows)
        QTest::addRow("%s, %s", row.box, row.input)
            << QString::fromLatin1(row.box) << badInput(row.input) << row.message;
    // An address in another script that has "@" and "." goes through whole.
    QTest::newRow("txtEmail, Cyrillic address")
        << QStringLiteral("txtEmail") << QStringLiteral("иван@почта.рф") << QString();
    QTest::newRow("txtFriendEmail, 10000-character address")
        << QStringLiteral("txtFriendEmail") << QStringLiteral("a@b.") + QString(9996, QLatin1Char('c')) << QString();
}

void TestBadInput::pastedIntoTheReferralForm()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);

    PageCatcher pages;
    RunningProgram p;
    p.shell->showForm(FormId::ExitScreen);
    auto* screen = static_cast<ExitScreen*>(p.form(FormId::ExitScreen));
    QVERIFY(RunningProgram::activate(screen));
    const QString boxes[] = {QStringLiteral("txtName"), QStringLiteral("txtEmail"), QStringLiteral("txtMessage"),
        QStringLiteral("txtFriendName"), QStringLiteral("txtFriendEmail")};
    const QString good[] = {QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Try it"),
        QStringLiteral("Bob"), QStringLiteral("bob@example.org")};
    for (int i = 0; i < 5; ++i)
        ExitScreen::setBoxText(screen->findChild<QWidget*>(boxes[i]), good[i]);

    QWidget* target = screen->findChild<QWidget*>(box);
    pasteInto(target, text);
    QVERIFY(MessageBox::takeShown().isEmpty());
    screen->findChild<QWidget*>(QStringLiteral("cmdSubmit"))->setFocus(Qt::TabFocusReason);
    // Blanks alone give the placeholder back when the box is left; anything else stays.
    const QString kept = ExitScreen::boxText(target);
    if (trimSpaces(text).isEmpty())
        QVERIFY(!kept.isEmpty() && kept != text);
    else
        QCOMPARE(kept, text);

    QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("cmdSubmit")), Qt::LeftButton);
    const auto messages = MessageBox::takeShown();
    QString outcome;
    if (!message.isEmpty()) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).text, message);
        QVERIFY(pages.opened.isEmpty());
        outcome = message;
    } else {
        QVERIFY(messages.isEmpty());
        QCOMPARE(pages.opened.size(), 1);
        // The address carries the box's text whole.
        const QUrlQuery query(pages.opened.at(0));
        const int index = int(std::find(std::begin(boxes), std::end(boxes), box) - std::begin(boxes));
        QCOMPARE(query.queryItemValue(QStringLiteral("taf%1").arg(index + 1), QUrl::FullyDecoded), trimSpaces(kept));
        outcome = QStringLiteral("address opened (%1 bytes)").arg(pages.opened.at(0).toEncoded().size());
    }
    QCOMPARE(ExitScreen::boxText(target), kept);
    QVERIFY(screen->isVisible());
    QCOMPARE(p.terminations, 0);
    qInfo("%s <- %s: %s", qPrintable(box), qPrintable(shown(text)), qPrintable(outcome));
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
