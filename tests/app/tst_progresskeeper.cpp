// Undo, Redo and an import made while another process writes the same journal: a day
// written since is never undone or overwritten unseen.
#include "app/progresskeeper.h"
#include "journal/journal.h"
#include "platform/messagebox.h"
#include "ui/documentoutput.h"

#include <QApplication>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// Answers each import preview with Import, calling `before` with the preview's summary
// first; a preview already answered is not answered twice.
class PreviewAnswers final
{
public:
    explicit PreviewAnswers(std::function<void(const QString&)> before)
        : m_before(std::move(before))
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == m_answered || modal->objectName() != QLatin1String("frmImportPreview"))
                return;
            m_answered = modal;
            m_before(modal->findChild<QLabel*>(QStringLiteral("lblImportSummary"))->text());
            modal->findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
        });
        m_poll.start();
    }

private:
    std::function<void(const QString&)> m_before;
    QTimer m_poll;
    QPointer<QWidget> m_answered;
};

} // namespace

class TestProgressKeeper : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QDate m_today = QDate::currentDate();
    bool m_ownMounts = false;
    QString journalPath() const { return m_dir.filePath(QStringLiteral("journal.sqlite")); }
    QString csv() const { return m_dir.filePath(QStringLiteral("weigh-ins.csv")); }
    QList<WeighIn> imported() const
    {
        return {{m_today.addDays(-3), 84, WeightUnit::Kilograms}, {m_today.addDays(-2), 84, WeightUnit::Kilograms},
            {m_today.addDays(-1), 84, WeightUnit::Kilograms}};
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void undoAndRedoLeaveWhatWasWrittenSince_data();
    void undoAndRedoLeaveWhatWasWrittenSince();
    void importMadeAgainstAPreviewGoneStale();
    void journalThatCannotBeWrittenIsShown();
    void noDocumentOverTheJournal_data();
    void noDocumentOverTheJournal();
};

void TestProgressKeeper::initTestCase()
{
    // Root writes through any file mode: a read-only journal is a read-only mount then,
    // in a mount namespace of this test process alone.
    if (::geteuid() == 0)
        m_ownMounts = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

void TestProgressKeeper::init()
{
    QVERIFY(m_dir.isValid());
    QFile::remove(journalPath());
    QFile file(csv());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray text("date,weight_kg\n");
    for (const WeighIn& w : imported())
        text += w.date.toString(Qt::ISODate).toUtf8() + ",84\n";
    file.write(text);
    MessageBox::setRecording(true);
}

void TestProgressKeeper::cleanup()
{
    MessageBox::setRecording(false);
    for (const QString& name : QDir(m_dir.path()).entryList({QStringLiteral("journal*")}, QDir::Files))
        QFile::remove(m_dir.filePath(name));
}

void TestProgressKeeper::undoAndRedoLeaveWhatWasWrittenSince_data()
{
    QTest::addColumn<bool>("writtenSince"); // a weigh-in from the command line on a day of the import
    QTest::newRow("nothing written since") << false;
    QTest::newRow("a day written since") << true;
}

void TestProgressKeeper::undoAndRedoLeaveWhatWasWrittenSince()
{
    QFETCH(bool, writtenSince);
    ProgressKeeper keeper(journalPath());
    PreviewAnswers answers([](const QString&) {});
    keeper.importFile(nullptr, csv(), m_today);
    Journal commandLine(journalPath());
    QCOMPARE(commandLine.weighIns(), imported());
    const WeighIn since {m_today.addDays(-2), 95, WeightUnit::Kilograms};
    if (writtenSince)
        QVERIFY(commandLine.apply({{since}, {}}));
    QVERIFY(MessageBox::takeShown().isEmpty());

    keeper.undo(nullptr);
    const QList<WeighIn> afterUndo = writtenSince ? QList<WeighIn> {since} : QList<WeighIn> {};
    QCOMPARE(commandLine.weighIns(), afterUndo);
    const auto told = MessageBox::takeShown();
    QCOMPARE(told.size(), writtenSince ? 1 : 0);
    if (writtenSince) {
        QVERIFY2(told.first().text.contains(QLocale().toString(since.date, QLocale::ShortFormat))
                && told.first().text.contains(QLatin1String("changed after")),
            qPrintable(told.first().text));
    }

    // Redo makes again what Undo took back, and only that.
    keeper.redo(nullptr);
    QList<WeighIn> afterRedo = imported();
    if (writtenSince)
        afterRedo[1] = since;
    QCOMPARE(commandLine.weighIns(), afterRedo);
    QVERIFY(MessageBox::takeShown().isEmpty());
    keeper.undo(nullptr);
    QCOMPARE(commandLine.weighIns(), afterUndo);
}

void TestProgressKeeper::importMadeAgainstAPreviewGoneStale()
{
    ProgressKeeper keeper(journalPath());
    Journal commandLine(journalPath());
    const WeighIn kept {m_today.addDays(-3), 84, WeightUnit::Kilograms};
    QVERIFY(commandLine.apply({{kept}, {}}));
    const WeighIn since {m_today.addDays(-2), 95, WeightUnit::Kilograms};
    QStringList summaries;
    // While the first preview is open, a weigh-in arrives on a day the file also has.
    PreviewAnswers answers([&](const QString& summary) {
        summaries << summary;
        if (summaries.size() == 1)
            QVERIFY(commandLine.apply({{since}, {}}));
    });
    QList<QList<WeighIn>> whenTold;
    MessageBox::setObserver([&](const MessageBox::Shown&) { whenTold << commandLine.weighIns(); });
    keeper.importFile(nullptr, csv(), m_today);
    MessageBox::setObserver({});

    // Nothing was written against the stale preview; the person was told, and shown
    // the new one before the import was made.
    const auto told = MessageBox::takeShown();
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().text.contains(QLatin1String("changed while the preview was open"))
            && told.first().text.contains(QLocale().toString(since.date, QLocale::ShortFormat)),
        qPrintable(told.first().text));
    QCOMPARE(whenTold, (QList<QList<WeighIn>> {{kept, since}}));
    QCOMPARE(summaries.size(), 2);
    QVERIFY(summaries.at(0) != summaries.at(1));
    QCOMPARE(commandLine.weighIns(), imported());
    // One step, which takes the journal back to what the second preview was made from.
    keeper.undo(nullptr);
    QCOMPARE(commandLine.weighIns(), (QList<WeighIn> {kept, since}));
}

// The weigh-ins of a journal that cannot be written are shown, with why none can be
// added, and a weigh-in asked for is refused with the same reason.
void TestProgressKeeper::journalThatCannotBeWrittenIsShown()
{
    const bool root = ::geteuid() == 0;
    if (root && !m_ownMounts)
        QSKIP("running as root without a mount namespace of its own: nothing here is read-only to root");
    {
        Journal journal(journalPath());
        QVERIFY(journal.apply({imported(), {}}));
    }
    const QByteArray file = QFile::encodeName(journalPath());
    if (root) {
        QVERIFY(::mount(file.constData(), file.constData(), nullptr, MS_BIND, nullptr) == 0);
        QVERIFY(::mount(nullptr, file.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0);
    } else {
        QVERIFY(QFile::setPermissions(journalPath(), QFile::ReadOwner));
    }
    {
        ProgressKeeper keeper(journalPath());
        const ProgressView view = keeper.view(nullptr, m_today);
        QCOMPARE(view.weighIns, imported());
        QVERIFY2(view.problem.contains(QLatin1String("cannot be added")) && view.problem.contains(journalPath()),
            qPrintable(view.problem));
        QVERIFY(MessageBox::takeShown().isEmpty());
        QVERIFY(!keeper.putWeighIn(nullptr, {m_today, 80, WeightUnit::Kilograms}, QDate()));
        const auto told = MessageBox::takeShown();
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.first().text, view.problem);
        QCOMPARE(keeper.view(nullptr, m_today).undoText, QString());
    }
    if (root)
        QVERIFY(::umount2(file.constData(), MNT_DETACH) == 0);
    else
        QVERIFY(QFile::setPermissions(journalPath(), QFile::ReadOwner | QFile::WriteOwner));
}

void TestProgressKeeper::noDocumentOverTheJournal_data()
{
    QTest::addColumn<QString>("target"); // relative to the journal's folder
    QTest::addColumn<bool>("refused");
    QTest::newRow("the journal") << "journal.sqlite" << true;
    QTest::newRow("its write-ahead log") << "journal.sqlite-wal" << true;
    QTest::newRow("a link to it") << "link.pdf" << true;
    QTest::newRow("another file") << "plan.pdf" << false;
}

// A PDF saved by mistake onto the journal, by its name or through a link, would take the
// place of every weigh-in: it is refused with the reason and the journal is left whole.
void TestProgressKeeper::noDocumentOverTheJournal()
{
    QFETCH(QString, target);
    QFETCH(bool, refused);
    ProgressKeeper keeper(journalPath());
    {
        Journal journal(journalPath());
        QVERIFY(journal.apply({{imported().first()}, {}}));
    }
    QFile::remove(m_dir.filePath(QStringLiteral("link.pdf")));
    QVERIFY(QFile::link(journalPath(), m_dir.filePath(QStringLiteral("link.pdf"))));
    const DocumentOutput::Document document {
        QStringLiteral("Plan"), QStringLiteral("Your plan"), [](QPagedPaintDevice* device, const QDateTime&) {
            QPainter painter(device);
            painter.drawText(100, 100, QStringLiteral("plan"));
            return true;
        }};
    const QString failure = DocumentOutput::writePdf(m_dir.filePath(target), document);
    QCOMPARE(failure.contains(QStringLiteral("your journal of weigh-ins")), refused);
    Journal journal(journalPath());
    QCOMPARE(journal.weighIns(), QList<WeighIn> {imported().first()});
}

QTEST_MAIN(TestProgressKeeper)
#include "tst_progresskeeper.moc"
