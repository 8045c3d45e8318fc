#include "ui/textfit.h"

#include "ui/look.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <climits>

namespace TextFit {

int neededWidth(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty() || label->wordWrap())
            return -1;
        return label->sizeHint().width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        if (button->text().isEmpty())
            return -1;
        // The style's own sum without its least width for a button with a caption:
        // a short caption on a narrow button is no shortage.
        const QStyle* style = button->style();
        const int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
        return text + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
            + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    }
    if (qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control)) {
        const auto* button = static_cast<const QAbstractButton*>(control);
        return button->text().isEmpty() ? -1 : button->sizeHint().width();
    }
    if (const auto* frame = dynamic_cast<const Look::Frame*>(control))
        return frame->title().isEmpty() ? -1 : frame->captionWidth();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title().isEmpty() ? -1 : group->minimumSizeHint().width();
    return -1;
}

int neededHeight(const QWidget* control)
{
    const auto* label = qobject_cast<const QLabel*>(control);
    if (!label || !label->wordWrap() || label->text().isEmpty())
        return -1;
    return label->heightForWidth(label->width());
}

namespace {

// Between a control that grew and the next one in its row, unless they were closer.
constexpr int kGap = 4;
// Between the controls and the edge of their frame or window, where they reach it.
constexpr int kEdge = 4;
// A control this close to an edge of its frame stands at that edge.
constexpr int kNearEdge = 16;

// One direction of the fitting: across (widths, rows) or down (heights, columns).
struct Direction
{
    bool across;

    int start(const QRect& r) const { return across ? r.x() : r.y(); }
    int length(const QRect& r) const { return across ? r.width() : r.height(); }
    int end(const QRect& r) const { return start(r) + length(r); }
    int length(const QSize& s) const { return across ? s.width() : s.height(); }
    // Side by side in this direction: their extents the other way overlap.
    bool inLine(const QRect& a, const QRect& b) const
    {
        return across ? a.top() <= b.bottom() && b.top() <= a.bottom() : a.left() <= b.right() && b.left() <= a.right();
    }
    QRect moved(const QRect& r, int by) const { return across ? r.translated(by, 0) : r.translated(0, by); }
    QRect grown(const QRect& r, int by) const { return across ? r.adjusted(0, 0, by, 0) : r.adjusted(0, 0, 0, by); }
    QSize grown(const QSize& s, int by) const { return across ? s + QSize(by, 0) : s + QSize(0, by); }
    int needed(const QWidget* w) const { return across ? neededWidth(w) : neededHeight(w); }
};

// A frame or a plain area whose controls are placed by hand; a layout places its own
// by their texts already.
bool holdsControls(const QWidget* w)
{
    return (qobject_cast<const QGroupBox*>(w) || w->metaObject() == &QWidget::staticMetaObject) && !w->layout();
}

void setRect(QWidget* w, const QRect& r)
{
    if (w->minimumSize() == w->maximumSize())
        w->setFixedSize(r.size());
    if (w->isWindow())
        w->resize(r.size());
    else
        w->setGeometry(r);
}

void resizeTo(QWidget* w, const QSize& size)
{
    if (w->minimumSize() == w->maximumSize())
        w->setFixedSize(size);
    w->resize(size);
}

// A control laid outside its frame on purpose, never seen (only reached by Tab or
// its access key).
bool outside(const QRect& r, const QSize& room)
{
    return r.x() >= room.width() || r.y() >= room.height() || r.right() < 0 || r.bottom() < 0;
}

void fit(QWidget* container, const Direction& d)
{
    QList<QWidget*> controls;
    for (QObject* child : container->children()) {
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
            controls.append(w);
    }
    std::stable_sort(controls.begin(), controls.end(),
        [&d](const QWidget* a, const QWidget* b) { return d.start(a->geometry()) < d.start(b->geometry()); });
    QHash<const QWidget*, QRect> before;
    for (const QWidget* w : controls)
        before.insert(w, w->geometry());
    const QSize room = container->size();

    for (QWidget* control : controls) {
        const QRect was = control->geometry();
        if (holdsControls(control))
            fit(control, d);
        if (const int needed = d.needed(control); needed > d.length(control->geometry()))
            resizeTo(control, d.grown(control->size(), needed - d.length(control->geometry())));
        const QRect now = control->geometry();
        // The controls after it in its row, moved on as far as it now reaches.
        QList<QWidget*> after;
        int nearest = INT_MAX;
        for (QWidget* other : controls) {
            const QRect r = other->geometry();
            if (other != control && d.start(r) > d.start(was) && d.inLine(r, was)) {
                after.append(other);
                nearest = std::min(nearest, d.start(r));
            }
        }
        if (after.isEmpty())
            continue;
        // A column stays a column: what starts where one of these starts moves with it.
        for (QWidget* other : controls) {
            const int start = d.start(other->geometry());
            if (other != control && !after.contains(other) && start > d.start(was)
                && std::any_of(after.begin(), after.end(),
                    [&](const QWidget* moving) { return d.start(moving->geometry()) == start; }))
                after.append(other);
        }
        // The room there was between them, at most kGap; kGap where they met already.
        const int gap = nearest < d.end(was) ? kGap : std::min(nearest - d.end(was), kGap);
        const int shift = d.end(now) + gap - nearest;
        if (shift <= 0)
            continue;
        for (QWidget* other : after)
            setRect(other, d.moved(other->geometry(), shift));
    }

    // The frame grows as far as its controls now reach. One that spanned it before
    // counts only its own growth; one that lay outside it counts not at all.
    const auto spans = [&](const QRect& r) { return d.start(r) <= 0 && d.end(r) >= d.length(room) - 1; };
    int growth = 0;
    for (const QWidget* control : controls) {
        const QRect was = before.value(control);
        const QRect now = control->geometry();
        if (outside(was, room))
            continue;
        // Others keep the room they had before the edge, up to kEdge.
        const int margin = std::clamp(d.length(room) - d.end(was), 0, kEdge);
        growth = std::max(growth, spans(was) ? d.end(now) - d.end(was) : d.end(now) + margin - d.length(room));
    }
    if (growth <= 0)
        return;
    resizeTo(container, d.grown(room, growth));
    // What stood at the far edge stays there: one that starts near the near edge too
    // (a band across the window, a paragraph) grows with the frame; one left where it
    // was (a button in the corner) moves with the edge.
    for (QWidget* control : controls) {
        const QRect was = before.value(control);
        const QRect now = control->geometry();
        const int missing = d.end(was) + growth - d.end(now);
        const int distance = d.length(room) - d.end(was);
        if (outside(was, room) || distance > kNearEdge || distance < -kEdge || missing <= 0)
            continue;
        if (d.start(was) <= kNearEdge)
            setRect(control, d.grown(now, missing));
        else if (now == was)
            setRect(control, d.moved(now, growth));
    }
}

} // namespace

void fitWindow(QWidget* window)
{
    auto* main = qobject_cast<QMainWindow*>(window);
    QWidget* controls = main ? main->centralWidget() : window;
    if (!controls || controls->layout() || (controls != window && !holdsControls(controls)))
        return;
    // Widths first: a wrapped label's height depends on its width.
    for (const bool across : {true, false})
        fit(controls, Direction {across});
    if (main)
        main->adjustSize();
}

} // namespace TextFit
