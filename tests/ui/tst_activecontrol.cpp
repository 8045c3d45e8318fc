#include "ui/activecontrol.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

// The active control of a window follows the moves of its focus between its controls,
// whether or not the window is active, and nothing else.
class TestActiveControl : public QObject
{
    Q_OBJECT

private slots:
    void followsMovesBetweenControlsOnly();
    void movesWhileAnotherWindowIsActiveCount();
    void shownAgainTheFocusReturnsToIt();
};

namespace {

struct Window
{
    QWidget widget;
    QMenuBar* menuBar = new QMenuBar(&widget);
    QLineEdit* first = new QLineEdit(&widget);
    QLineEdit* second = new QLineEdit(&widget);
    QLineEdit* third = new QLineEdit(&widget);
    ActiveControl* active;
    QList<std::pair<QWidget*, QWidget*>> moves;

    Window()
    {
        auto* layout = new QVBoxLayout(&widget);
        layout->setMenuBar(menuBar);
        for (QWidget* w : {first, second, third})
            layout->addWidget(w);
        first->setFocus();
        active = new ActiveControl(&widget);
        QObject::connect(active, &ActiveControl::changed, [this](QWidget* previous, QWidget* current) {
            moves.append(std::pair {previous, current});
        });
        widget.show();
    }
};

bool activate(QWidget* window)
{
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

using Moves = QList<std::pair<QWidget*, QWidget*>>;

} // namespace

void TestActiveControl::followsMovesBetweenControlsOnly()
{
    Window w;
    QVERIFY(activate(&w.widget));
    QCOMPARE(w.moves, (Moves {{nullptr, w.first}}));
    w.moves.clear();

    QTest::keyClick(w.first, Qt::Key_Tab);
    w.third->setFocus(Qt::MouseFocusReason);
    QCOMPARE(w.moves, (Moves {{w.first, w.second}, {w.second, w.third}}));
    QCOMPARE(w.active->current(), w.third);
    w.moves.clear();

    // The menu bar worked by keyboard takes the focus and hands it back: no move.
    w.menuBar->setFocus(Qt::MenuBarFocusReason);
    w.third->setFocus(Qt::MenuBarFocusReason);
    // Another window of the program taking the activation and giving it back: no move.
    QWidget other;
    other.show();
    QVERIFY(activate(&other));
    QVERIFY(activate(&w.widget));
    QVERIFY(w.moves.isEmpty());
    QCOMPARE(QApplication::focusWidget(), w.third);
}

void TestActiveControl::movesWhileAnotherWindowIsActiveCount()
{
    Window w;
    QVERIFY(activate(&w.widget));
    w.moves.clear();

    // As when a message box has just closed and the window manager has not yet given
    // the activation back: the program's own move counts at once.
    QWidget box;
    box.show();
    QVERIFY(activate(&box));
    w.second->setFocus(Qt::OtherFocusReason);
    QCOMPARE(w.moves, (Moves {{w.first, w.second}}));

    // The activation coming back afterwards is no second move.
    QVERIFY(activate(&w.widget));
    QCOMPARE(w.moves.size(), 1);
    QCOMPARE(QApplication::focusWidget(), w.second);
}

void TestActiveControl::shownAgainTheFocusReturnsToIt()
{
    Window w;
    QVERIFY(activate(&w.widget));
    w.second->setFocus(Qt::TabFocusReason);
    w.moves.clear();

    // Hidden, the window may be handed the activation all the same; the toolkit then
    // passes over its hidden focus child to the next control. That is no move, and
    // shown again the window has the focus where the user left it.
    w.widget.hide();
    QApplication::setActiveWindow(&w.widget);
    w.widget.show();
    QVERIFY(activate(&w.widget));
    QVERIFY(w.moves.isEmpty());
    QCOMPARE(QApplication::focusWidget(), w.second);
}

QTEST_MAIN(TestActiveControl)
#include "tst_activecontrol.moc"
