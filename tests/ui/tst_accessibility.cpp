#include "fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

// What a screen reader is told, and whether every text has the room it needs, over
// all four windows.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Look::applyApplicationLook();
        // The progress window's journal in a folder of the test's.
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
    }
    void everyFocusableControlHasAName();
    void resultsAreReadInVisualOrder();
    void messageBoxTextIsReadable();
    void planIsReadAsAPictureATableAndText();
    void noTextIsClipped();

private:
    QTemporaryDir m_data;
};

namespace {

// The four windows and the plan window, loaded and filled as a user sees them; the
// about box is modal, so the check runs while it is open.
void forEachWindow(RunningProgram& p, const std::function<void(QWidget*)>& check)
{
    QWidget* main = p.form(FormId::Main);
    check(main);
    main->findChild<QLineEdit*>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("ANNABELLE MARGARETHE"));
    main->findChild<QLineEdit*>(QStringLiteral("txtPound"))->setText(QStringLiteral("180"));
    main->findChild<QLineEdit*>(QStringLiteral("txtKg"))->setText(QStringLiteral("81.5"));
    main->findChild<QLineEdit*>(QStringLiteral("txtLossPound"))->setText(QStringLiteral("10"));
    main->findChild<QLineEdit*>(QStringLiteral("txtLossKg"))->setText(QStringLiteral("4.5"));
    // The longest activity text and the longest days entry.
    main->findChild<QComboBox*>(QStringLiteral("cboDailyActivity"))->setCurrentIndex(4);
    main->findChild<QComboBox*>(QStringLiteral("cboDays"))->setCurrentIndex(999);
    main->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();
    check(p.form(FormId::Display));
    p.form(FormId::Display)->findChild<QPushButton*>(QStringLiteral("cmdPlan"))->click();
    check(p.form(FormId::Plan));
    p.form(FormId::Plan)->findChild<QPushButton*>(QStringLiteral("cmdFollowPlan"))->click();
    check(p.form(FormId::Progress));
    p.shell->unloadForm(FormId::Progress);
    p.shell->unloadForm(FormId::Plan);

    QTimer::singleShot(0, [&] {
        if (QWidget* about = p.form(FormId::About)) {
            check(about);
            about->close();
        }
    });
    p.form(FormId::Display)->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();

    p.shell->showForm(FormId::ExitScreen);
    check(p.form(FormId::ExitScreen));
}

QString describe(QWidget* w)
{
    return w->window()->objectName() + QLatin1Char('/') + w->objectName();
}

} // namespace

// What a screen reader says of a control: the labels it is read with, its name and its
// role, as the accessibility bus hands them over.
QString announcement(QAccessibleInterface* iface)
{
    QStringList words;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        words << label->text(QAccessible::Name);
    words << iface->text(QAccessible::Name) << QString::number(iface->role());
    return words.join(QLatin1Char('|'));
}

void TestAccessibility::everyFocusableControlHasAName()
{
    RunningProgram p;
    QStringList unnamed;
    QStringList alike;
    int checked = 0;
    forEachWindow(p, [&](QWidget* window) {
        QHash<QString, QString> announced;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || w->isHidden())
                continue;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            QVERIFY(iface);
            ++checked;
            QString name = iface->text(QAccessible::Name);
            // Lists are named by their label relation (their frame's caption) where the
            // platform reads the selected entry as the name.
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                const auto labels = iface->relations(QAccessible::Label);
                if (labels.isEmpty() || combo->accessibleName().isEmpty())
                    name.clear();
            }
            if (name.trimmed().isEmpty())
                unnamed << describe(w);
            // Two controls announced alike cannot be told apart by ear.
            const QString said = announcement(iface);
            if (announced.contains(said))
                alike << announced.value(said) + QStringLiteral(" and ") + describe(w) + QStringLiteral(": ") + said;
            announced.insert(said, describe(w));
        }
    });
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    QVERIFY2(alike.isEmpty(), qPrintable(alike.join(QStringLiteral("; "))));
    QCOMPARE(checked, 13 + 2 + 9 + 9 + 1 + 8); // main window, results, plan, progress, about box, exit screen
}

void TestAccessibility::resultsAreReadInVisualOrder()
{
    RunningProgram p;
    QStringList read;
    forEachWindow(p, [&](QWidget* window) {
        if (window->objectName() != QLatin1String("frmDisplay"))
            return;
        QAccessibleInterface* frame
            = QAccessible::queryAccessibleInterface(window->findChild<QGroupBox*>(QStringLiteral("Frame1")));
        QList<QWidget*> order;
        for (int i = 0; i < frame->childCount(); ++i)
            order << qobject_cast<QWidget*>(frame->child(i)->object());
        QList<QWidget*> visual = order;
        std::stable_sort(visual.begin(), visual.end(),
            [](QWidget* a, QWidget* b) { return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x(); });
        QCOMPARE(order, visual);
        for (int i = 0; i < frame->childCount(); ++i)
            read << frame->child(i)->text(QAccessible::Name);
    });
    QCOMPARE(read.first(), QStringLiteral("Your Name :"));
    QCOMPARE(read.at(1), QStringLiteral("ANNABELLE MARGARETHE"));
    QVERIFY(read.at(read.size() - 2).startsWith(QStringLiteral("To reach your goal")));
    QCOMPARE(read.last(), QStringLiteral("See Your Plan")); // the plan behind the results
}

void TestAccessibility::messageBoxTextIsReadable()
{
    RunningProgram p;
    MessageBox::setRecording(false);
    QStringList texts;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            texts << node->text(QAccessible::Name) << node->text(QAccessible::Description);
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(iface);
        texts << box->windowTitle();
        static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    p.form(FormId::Main)->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();
    QVERIFY(texts.contains(QStringLiteral("Please Enter Your Name")));
    QVERIFY(texts.contains(QStringLiteral("Veltro Weight Loss Calculator")));
}

// The chart is a picture with its description; the milestones a table whose cells a
// screen reader reads with their column's header; and no part of the window is
// nameless.
void TestAccessibility::planIsReadAsAPictureATableAndText()
{
    RunningProgram p;
    fillAndCalculate(p);
    p.child<QPushButton>(FormId::Display, "cmdPlan")->click();
    QWidget* plan = p.form(FormId::Plan);

    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(plan->findChild<QWidget*>("weightChart"));
    QCOMPARE(chart->role(), QAccessible::Graphic);
    QVERIFY(chart->text(QAccessible::Description).contains(QStringLiteral("from 180 lb today to 170.1 lb")));

    QAccessibleInterface* milestones
        = QAccessible::queryAccessibleInterface(plan->findChild<QWidget*>("tblMilestones"));
    QAccessibleTableInterface* table = milestones->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 6); // today and days 7, 14, 21, 28 and 30
    QAccessibleTableCellInterface* cell = table->cellAt(1, 2)->tableCellInterface();
    QCOMPARE(table->cellAt(1, 2)->text(QAccessible::Name), QStringLiteral("177.69"));
    const QList<QAccessibleInterface*> headers = cell->columnHeaderCells(); // made for the caller
    QCOMPARE(headers.value(0)->text(QAccessible::Name), QStringLiteral("Weight (lb)"));
    for (QAccessibleInterface* header : headers)
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));

    QStringList nameless;
    std::function<void(QAccessibleInterface*, const QString&)> walk
        = [&](QAccessibleInterface* node, const QString& path) {
              if (!node || node->state().invisible)
                  return;
              const QString here = path + QLatin1Char('/') + QString::number(node->role());
              if (node->text(QAccessible::Name).trimmed().isEmpty() && node->text(QAccessible::Value).isEmpty())
                  nameless << here;
              for (int i = 0; i < node->childCount(); ++i)
                  walk(node->child(i), here);
          };
    walk(QAccessible::queryAccessibleInterface(plan), QString());
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
}

void TestAccessibility::noTextIsClipped()
{
    RunningProgram p;
    QStringList clipped;
    forEachWindow(p, [&](QWidget* window) {
        for (QLabel* l : window->findChildren<QLabel*>()) {
            if (l->text().isEmpty() || !l->pixmap().isNull())
                continue;
            const bool fits = l->wordWrap()
                ? l->heightForWidth(l->width()) <= l->height()
                : l->sizeHint().width() <= l->width() + 1 && l->fontMetrics().height() <= l->height();
            // A label must also lie inside its container.
            const bool inside = l->parentWidget()->rect().contains(l->geometry());
            if (!fits || !inside)
                clipped << describe(l);
        }
        for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
            const auto* frame = dynamic_cast<const Look::Frame*>(box);
            const QFontMetrics metrics(frame ? frame->captionFont() : box->font());
            if (metrics.horizontalAdvance(box->title()) + 16 > box->width())
                clipped << describe(box);
        }
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            QString text = b->text();
            text.remove(QLatin1Char('&'));
            if (qobject_cast<QPushButton*>(b) && b->fontMetrics().horizontalAdvance(text) + 8 > b->width())
                clipped << describe(b);
        }
    });
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
