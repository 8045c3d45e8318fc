#include "ui/progresswindow.h"

#include "calculator/keyfilters.h"
#include "calculator/numbertext.h"
#include "common/weighinrules.h"
#include "platform/messagebox.h"
#include "ui/keyfilterbinding.h"
#include "ui/look.h"
#include "ui/progressdocument.h"
#include "ui/windowparts.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Look;

namespace {

// A day box whose day steps by days, into the month before or after, so that Down goes
// to yesterday on the first of a month as on any other day.
class DayEdit final : public QDateEdit
{
public:
    DayEdit()
    {
        // The box inside takes the focus: a screen reader names it as the whole.
        //: Name of the day box of the weigh-in in the progress window, read by a screen reader
        lineEdit()->setAccessibleName(ProgressWindow::tr("Weigh-in day"));
    }

    // The date is one stop in the Tab order, not one for each of its parts: the arrow
    // keys move between day, month and year.
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }

    void stepBy(int steps) override
    {
        if (currentSection() != DaySection) {
            QDateEdit::stepBy(steps);
            return;
        }
        const QDate day = date().addDays(steps);
        setDate(std::clamp(day, minimumDate(), maximumDate()));
    }

protected:
    StepEnabled stepEnabled() const override
    {
        if (currentSection() != DaySection)
            return QDateEdit::stepEnabled();
        StepEnabled enabled;
        if (date() > minimumDate())
            enabled |= StepDownEnabled;
        if (date() < maximumDate())
            enabled |= StepUpEnabled;
        return enabled;
    }
};

} // namespace

// The weigh-ins as the table shows them: the rows are read only as they come into view,
// so that ten years of them open at once.
class WeighInRows final : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(
        const QStringList& header, const QList<QStringList>& rows, const QList<QDate>& days, const QDate& today)
    {
        beginResetModel();
        m_today = today;
        m_header = header;
        m_rows = rows;
        m_days = days;
        endResetModel();
    }

    QDate day(int row) const { return m_days.value(row); }
    int rowOf(const QDate& day) const { return static_cast<int>(m_days.indexOf(day)); }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_header.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return m_rows.value(index.row()).value(index.column());
        if (role == Qt::TextAlignmentRole)
            return int((index.column() >= 1 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        if (role == Qt::FontRole && m_today.isValid() && day(index.row()) > m_today) {
            // Dated after today: in no figure, set apart so that it is seen.
            QFont font = Look::verdana(8.25);
            font.setItalic(true);
            return font;
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal)
            return {};
        if (role == Qt::DisplayRole)
            return m_header.value(section);
        if (role == Qt::TextAlignmentRole)
            return int((section >= 1 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return {};
    }

private:
    QStringList m_header;
    QList<QStringList> m_rows;
    QList<QDate> m_days;
    QDate m_today;
};

namespace {

QLabel* caption(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setFont(verdana(8.25, true));
    setColors(label, kNavy, kCream, false);
    label->setBuddy(buddy);
    return label;
}

} // namespace

ProgressWindow::ProgressWindow()
    : m_problem(new QLabel)
    , m_weight(new QLineEdit)
    , m_unit(new QComboBox)
    , m_date(new DayEdit)
    , m_range(new QComboBox)
    , m_add(nullptr)
    , m_rows(new WeighInRows(this))
    , m_table(new QTreeView)
    , m_chart(new WeightChart)
    , m_text(new QTextBrowser)
{
    WindowParts::installAccessibleRoles();
    setObjectName(QStringLiteral("frmProgress"));
    //: Caption of the progress window until the progress is shown in it
    setWindowTitle(tr("Your Progress - Veltro Weight Loss Calculator"));
    setWindowIcon(appIcon());
    //: Name of the progress window, read by a screen reader
    setAccessibleName(tr("Your progress"));
    setFont(verdana(8.25));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setAccessibleName(tr("Your progress"));
    setColors(client, kNavy, kWhite);
    setCentralWidget(client);

    // The weigh-in: a weight, its unit, its day, and Add (Enter).
    m_weight->setParent(client);
    m_weight->setObjectName(QStringLiteral("txtWeighIn"));
    //: Name of the box where the person types a weigh-in's weight, read by a screen reader
    m_weight->setAccessibleName(tr("Weigh-in weight"));
    m_weight->setFont(verdana(9));
    m_weight->setMaxLength(12);
    setColors(m_weight, kCream, kDarkBlue, false);
    const QChar decimalPoint = locale().decimalPoint().front();
    new KeyFilterBinding(
        m_weight, [decimalPoint](char32_t code) { return filterWeighInKey(code, decimalPoint); },
        QMessageBox::Information);
    connect(m_weight, &QLineEdit::returnPressed, this, &ProgressWindow::addWeighIn);
    m_weight->installEventFilter(this);

    m_unit->setParent(client);
    m_unit->setObjectName(QStringLiteral("cboWeighInUnit"));
    //: Name of the box that chooses the unit of a weigh-in, read by a screen reader
    m_unit->setAccessibleName(tr("Weigh-in unit"));
    //: Unit symbol of pounds in the weigh-in's unit box
    m_unit->addItem(tr("lb"));
    //: Unit symbol of kilograms in the weigh-in's unit box
    m_unit->addItem(tr("kg"));
    setColors(m_unit, kCream, kDarkBlue, false);
    connect(m_unit, &QComboBox::activated, this, [this](int index) { emit unitChosen(index == 1); });

    m_date->setParent(client);
    m_date->setObjectName(QStringLiteral("dtpWeighIn"));
    m_date->setAccessibleName(tr("Weigh-in day"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(locale().dateFormat(QLocale::ShortFormat));
    m_date->setMinimumDate(earliestWeighInDay());
    m_date->setMaximumDate(QDate::currentDate());
    m_date->setDate(QDate::currentDate());
    setColors(m_date, kCream, kDarkBlue, false);
    m_date->installEventFilter(this);
    connect(m_date, &QDateEdit::dateChanged, this, &ProgressWindow::nameAdd);

    // The days the chart shows; kept in the journal between starts.
    m_range->setObjectName(QStringLiteral("cboChartRange"));
    //: Name of the box above the progress chart that chooses the days it shows, read by a screen reader
    m_range->setAccessibleName(tr("Days the chart shows"));
    //: Choice of the days the progress chart shows: those of the plan followed, with the month before it
    m_range->addItem(tr("Your plan"), int(ChartRange::Plan));
    //: Choice of the days the progress chart shows
    m_range->addItem(tr("The last 90 days"), int(ChartRange::LastNinetyDays));
    //: Choice of the days the progress chart shows: all the weigh-ins and the plan
    m_range->addItem(tr("Everything"), int(ChartRange::Everything));
    setColors(m_range, kCream, kDarkBlue, false);
    connect(m_range, &QComboBox::activated, this,
        [this](int index) { emit chartRangeChosen(ChartRange(m_range->itemData(index).toInt())); });

    //: Button beside the weigh-in boxes that stores the weigh-in
    m_add = WindowParts::commandButton(client, "cmdAddWeighIn", tr("&Add"));
    //: Tooltip of the Add button: the key that presses it
    m_add->setToolTip(tr("Enter"));
    connect(m_add, &QPushButton::clicked, this, &ProgressWindow::addWeighIn);

    auto* entry = new QHBoxLayout;
    //: Label before the weigh-in's weight box; the row reads "Weight: [80] in [kg] on [date] Add"
    entry->addWidget(caption(client, tr("&Weight:"), m_weight));
    m_weight->setMinimumWidth(px(1500));
    m_weight->setMaximumWidth(px(2400));
    entry->addWidget(m_weight, 1);
    //: Label between the weigh-in's weight box and its unit box; the row reads "Weight: [80] in [kg] on [date]"
    entry->addWidget(caption(client, tr("in"), m_unit));
    entry->addWidget(m_unit);
    //: Label between the weigh-in's unit box and its day box; the row reads "Weight: [80] in [kg] on [date]"
    entry->addWidget(caption(client, tr("o&n"), m_date));
    entry->addWidget(m_date);
    entry->addWidget(m_add);
    entry->addStretch(1);

    // Why the weigh-ins cannot be kept, where that is so.
    m_problem->setParent(client);
    m_problem->setObjectName(QStringLiteral("lblJournalProblem"));
    m_problem->setWordWrap(true);
    m_problem->setFont(verdana(8.25, true));
    m_problem->setMargin(px(90));
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setColors(m_problem, QColor(110, 0, 0), kCream);
    m_problem->hide();

    // The weigh-ins, newest first.
    m_table->setParent(client);
    m_table->setObjectName(QStringLiteral("tblWeighIns"));
    //: Name of the table of weigh-ins in the progress window, read by a screen reader
    m_table->setAccessibleName(tr("Your weigh-ins"));
    m_table->setModel(m_rows);
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setItemsExpandable(false);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setAllColumnsShowFocus(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->header()->setSectionsMovable(false);
    m_table->header()->setStretchLastSection(false);
    m_table->setFrameShape(QFrame::NoFrame);
    setColors(m_table, kNavy, kWhite);
    m_table->installEventFilter(this);
    connect(m_table, &QTreeView::doubleClicked, this, &ProgressWindow::editSelected);
    //: What the weigh-in table's scroll bars move, read by a screen reader in names such as "Scroll your
    //: weigh-ins up and down"
    WindowParts::nameScrollParts(m_table, tr("your weigh-ins"));

    // The chart with the choice of its days above it, where it stays clear of the
    // weigh-in box on a small screen.
    auto* chartPane = new QWidget(client);
    chartPane->setObjectName(QStringLiteral("pnlChart"));
    m_chart->setParent(chartPane);
    m_chart->setObjectName(QStringLiteral("chtProgress"));
    //: Name of the chart of the progress window, read by a screen reader
    m_chart->setAccessibleName(tr("Progress chart"));
    m_range->setParent(chartPane);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addStretch(1);
    //: Label of the box above the progress chart that chooses the days it shows
    rangeRow->addWidget(caption(chartPane, tr("C&hart:"), m_range));
    rangeRow->addWidget(m_range);
    auto* chartLayout = new QVBoxLayout(chartPane);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->setSpacing(px(30));
    chartLayout->addLayout(rangeRow);
    chartLayout->addWidget(m_chart, 1);

    m_text->setParent(client);
    //: Name of the progress window's text (where the person stands, in sentences), read by a screen reader
    WindowParts::setUpDocumentText(m_text, "txtProgress", tr("Where you stand"), this);

    //: Name of the bars between the parts of the progress window (table, chart and text), which are dragged to
    //: share the room; read by a screen reader
    const QString handles = tr("Move to give the parts more room");
    //: Name of the weigh-in table and the chart together, read by a screen reader
    m_across = WindowParts::splitter(Qt::Horizontal, client, "splWeighIns", tr("Your weigh-ins and the chart"),
        {{m_table, 2}, {chartPane, 5}}, handles);
    QSplitter* down = WindowParts::splitter(
        Qt::Vertical, client, "splProgress", tr("Your progress"), {{m_across, 3}, {m_text, 2}}, handles);

    auto* layout = new QVBoxLayout(client);
    layout->addLayout(entry);
    layout->addWidget(m_problem);
    layout->addWidget(down, 1);

    buildMenus();
    QWidget::setTabOrder(m_weight, m_unit);
    QWidget::setTabOrder(m_unit, m_date);
    QWidget::setTabOrder(m_date, m_add);
    QWidget::setTabOrder(m_add, m_table);
    QWidget::setTabOrder(m_table, m_range);
    QWidget::setTabOrder(m_range, m_chart);
    QWidget::setTabOrder(m_chart, m_text);

    // As large as suits ten years of weigh-ins, never more than the screen.
    const QSize room = screen()->availableGeometry().size() - QSize(px(300), px(900));
    resize(QSize(px(14000), px(10500)).boundedTo(room).expandedTo(QSize(px(6000), px(4500))));
    m_weight->setFocus(Qt::OtherFocusReason);
}

void ProgressWindow::buildMenus()
{
    menuBar()->setFont(verdana(8.25));
    //: Name of the progress window's menu bar, read by a screen reader
    menuBar()->setAccessibleName(tr("Menu bar"));
    // The tables hold the English captions; each menu is put into the person's language once it is built.
    const auto translated = [](QMenu* menu) {
        menu->setTitle(QCoreApplication::translate("ProgressWindow", menu->title().toUtf8().constData()));
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                action->setText(QCoreApplication::translate("ProgressWindow", action->text().toUtf8().constData()));
        }
        return menu;
    };
    using WindowParts::addMenu;
    //: Menu of the progress window
    translated(addMenu(menuBar(), "mnuProgressFile", QT_TRANSLATE_NOOP("ProgressWindow", "&File"),
        {
            //: Command of the progress window's File menu: reads weigh-ins from a CSV file
            {"mnuImport", QT_TRANSLATE_NOOP("ProgressWindow", "&Import Weigh-ins..."),
                [this] { emit importRequested(); }, QKeySequence::Open},
            //: Command of the progress window's File menu: writes the weigh-ins to a CSV file
            {"mnuExport", QT_TRANSLATE_NOOP("ProgressWindow", "&Export Weigh-ins..."),
                [this] { emit exportRequested(); }, QKeySequence(Qt::CTRL | Qt::Key_E)},
            {"mnuProgressSep1"},
            //: Command of the progress window's File menu
            {"mnuPrintProgress", QT_TRANSLATE_NOOP("ProgressWindow", "&Print..."), [this] { emit printRequested(); },
                QKeySequence::Print},
            //: Command of the progress window's File menu
            {"mnuSaveProgress", QT_TRANSLATE_NOOP("ProgressWindow", "Save as P&DF..."),
                [this] { emit savePdfRequested(); }, QKeySequence::Save},
            {"mnuProgressSep2"},
            //: Command of the progress window's File menu: closes the window
            {"mnuCloseProgress", QT_TRANSLATE_NOOP("ProgressWindow", "&Close"), [this] { emit closeRequested(); },
                QKeySequence(Qt::CTRL | Qt::Key_W)},
        }));
    //: Menu of the progress window
    const QList<QAction*> edit = translated(
        addMenu(menuBar(), "mnuProgressEdit", QT_TRANSLATE_NOOP("ProgressWindow", "&Edit"),
            {
                //: Command of the progress window's Edit menu when there is nothing to undo
                {"mnuUndo", QT_TRANSLATE_NOOP("ProgressWindow", "&Undo"), [this] { emit undoRequested(); },
                    QKeySequence::Undo},
                //: Command of the progress window's Edit menu when there is nothing to redo
                {"mnuRedo", QT_TRANSLATE_NOOP("ProgressWindow", "&Redo"), [this] { emit redoRequested(); },
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                {"mnuEditSep1"},
                //: Command of the progress window's Edit menu: copies the weigh-ins selected, or else the whole
                //: progress as text
                {"mnuCopyProgress", QT_TRANSLATE_NOOP("ProgressWindow", "&Copy"),
                    [this] {
                        const QString selected
                            = m_table->hasFocus() ? WindowParts::selectedRowsText(m_table) : QString();
                        if (selected.isEmpty())
                            emit copyRequested();
                        else
                            QGuiApplication::clipboard()->setText(selected);
                    },
                    QKeySequence::Copy},
                //: Command of the progress window's Edit menu: puts the weigh-in selected in the boxes to change it
                {"mnuEditWeighIn", QT_TRANSLATE_NOOP("ProgressWindow", "&Edit Weigh-in"), [this] { editSelected(); },
                    QKeySequence(Qt::Key_F2)},
                //: Command of the progress window's Edit menu: deletes the weigh-ins selected in the table
                {"mnuDeleteWeighIns", QT_TRANSLATE_NOOP("ProgressWindow", "&Delete Weigh-ins"),
                    [this] { removeSelected(); }, QKeySequence::Delete},
            }))
                                     ->actions();
    m_undo = edit.at(0);
    m_redo = edit.at(1);
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_edit = edit.at(4);
    m_delete = edit.at(5);
    // Delete and F2 belong to the table: in the weigh-in box Delete deletes a character.
    for (QAction* action : {m_edit, m_delete}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        m_table->addAction(action);
    }
    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    connect(escape, &QAction::triggered, this, &ProgressWindow::escape);
    addAction(escape);
}

void ProgressWindow::showProgress(const ProgressView& view)
{
    m_view = view;
    const bool kept = view.problem.isEmpty();
    m_problem->setText(view.problem);
    m_problem->setVisible(!kept);
    for (QWidget* w : std::initializer_list<QWidget*> {m_weight, m_unit, m_date, m_add})
        w->setEnabled(kept);
    if (!m_editing.isValid()) {
        m_unit->setCurrentIndex(view.kilograms ? 1 : 0);
        m_date->setMaximumDate(QDate::currentDate());
    }
    m_range->setCurrentIndex(std::max(0, m_range->findData(int(view.range))));
    nameAdd();

    // The rows as they were, selection and scroll kept where the days are still there.
    const QList<QDate> selected = selectedDays();
    const int scrolled = m_table->verticalScrollBar()->value();
    m_rows->setRows(view.texts.weighInHeader, view.texts.weighInRows, view.rowDates, view.today);
    QItemSelection reselect;
    for (const QDate& day : selected) {
        const int row = m_rows->rowOf(day);
        if (row >= 0)
            reselect.select(m_rows->index(row, 0), m_rows->index(row, m_rows->columnCount() - 1));
    }
    m_table->selectionModel()->select(reselect, QItemSelectionModel::Select);
    // Widths from the header and the first rows: ten years of rows are all alike, and
    // measuring each would slow the window down.
    const QFontMetrics metrics(m_table->font());
    for (int column = 0; column < m_rows->columnCount(); ++column) {
        int width = QFontMetrics(m_table->header()->font()).horizontalAdvance(view.texts.weighInHeader.value(column));
        for (int row = 0; row < std::min<int>(m_rows->rowCount(), 62); ++row)
            width = std::max(width, metrics.horizontalAdvance(view.texts.weighInRows.at(row).value(column)));
        m_table->setColumnWidth(column, width + px(420));
    }
    m_table->verticalScrollBar()->setValue(scrolled);
    fitTable();

    m_chart->setChart(view.chart);
    m_chart->setAccessibleDescription(view.texts.chartDescription);
    m_text->setHtml(progressHtml(view.texts, false));
    //: Caption of the progress window; %1 is the progress's title, such as "Your progress, Anna"
    setWindowTitle(tr("%1 - Veltro Weight Loss Calculator").arg(view.texts.title));

    m_undo->setEnabled(!view.undoText.isEmpty());
    //: Command of the progress window's Edit menu; %1 is what it takes back, such as "Weigh-in" or "Delete of
    //: 2 Weigh-ins"
    const QString undoWhat = tr("&Undo %1");
    m_undo->setText(view.undoText.isEmpty() ? tr("&Undo") : undoWhat.arg(view.undoText));
    m_redo->setEnabled(!view.redoText.isEmpty());
    //: Command of the progress window's Edit menu; %1 is what it does again, such as "Weigh-in" or "Delete of
    //: 2 Weigh-ins"
    const QString redoWhat = tr("&Redo %1");
    m_redo->setText(view.redoText.isEmpty() ? tr("&Redo") : redoWhat.arg(view.redoText));
}

// The table as wide as its columns the first time it has any on the screen, never more
// than half the width; the chart takes the rest. Without weigh-ins yet, at least as wide
// as its headings, which another language may make wider.
void ProgressWindow::fitTable()
{
    if (m_sized || !isVisible())
        return;
    const int wanted = m_table->header()->length() + m_table->verticalScrollBar()->sizeHint().width() + 4;
    const int total = m_across->width();
    const int table = std::min(wanted, total / 2);
    if (m_rows->rowCount() == 0) {
        // The date and the first weight's heading whole, the chart keeping the rest.
        const QHeaderView* header = m_table->header();
        const int first = std::min(header->count(), 2);
        const int headings = std::min(first > 0 ? header->sectionViewportPosition(first - 1)
                    + header->sectionSize(first - 1) + m_table->verticalScrollBar()->sizeHint().width() + 4
                                                : 0,
            total / 2);
        if (const QList<int> sizes = m_across->sizes(); !sizes.isEmpty() && sizes.first() < headings)
            m_across->setSizes({headings, total - headings});
        return;
    }
    m_sized = true;
    m_across->setSizes({table, total - table});
}

void ProgressWindow::clearWeighIn()
{
    stopEditing();
    // Emptied with no history, so that Undo in the box takes back the weigh-in.
    m_weight->setText(QString());
    m_date->setDate(QDate::currentDate());
    // Ready for the next weigh-in.
    m_weight->setFocus(Qt::OtherFocusReason);
}

void ProgressWindow::addWeighIn()
{
    if (!m_add->isEnabled())
        return;
    const bool kilograms = m_unit->currentIndex() == 1;
    const QString text = withLocaleDecimalPoint(m_weight->text(), locale());
    const WeighInReading reading = readWeighIn(text, kilograms, locale());
    if (!reading.ok()) {
        MessageBox::information(this, reading.message);
        m_weight->setFocus(Qt::OtherFocusReason);
        m_weight->selectAll();
        return;
    }
    // The figure as typed, in the unit chosen: nothing is lost to a conversion.
    const double typed = readNumber(text.trimmed(), locale()).value_or(reading.pounds);
    emit weighInRequested(
        WeighIn {m_date->date(), typed, kilograms ? WeightUnit::Kilograms : WeightUnit::Pounds}, m_editing);
}

void ProgressWindow::editSelected()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || !m_add->isEnabled())
        return;
    const QDate day = m_rows->day(current.row());
    for (const WeighIn& w : m_view.weighIns) {
        if (w.date != day)
            continue;
        m_editing = day;
        m_weight->setText(writeNumber(w.weight, locale()));
        m_unit->setCurrentIndex(w.unit == WeightUnit::Kilograms ? 1 : 0);
        // A weigh-in dated after today (a clock that was wrong) keeps its day until
        // the person moves it.
        m_date->setMaximumDate(std::max(QDate::currentDate(), day));
        m_date->setDate(day);
        //: The Add button's caption while a weigh-in is being changed
        m_add->setText(tr("&Save"));
        //: Description of the Save button, read by a screen reader; %1 is the weigh-in's day
        m_add->setAccessibleDescription(tr("Saves the weigh-in of %1").arg(locale().toString(day)));
        m_weight->setFocus(Qt::OtherFocusReason);
        m_weight->selectAll();
        return;
    }
}

void ProgressWindow::stopEditing()
{
    m_editing = QDate();
    m_date->setMaximumDate(QDate::currentDate());
    nameAdd();
}

void ProgressWindow::nameAdd()
{
    if (m_editing.isValid())
        return;
    const QDate day = m_date->date();
    const bool taken = std::any_of(
        m_view.weighIns.cbegin(), m_view.weighIns.cend(), [&day](const WeighIn& w) { return w.date == day; });
    //: The Add button's caption where the day chosen has a weigh-in already
    m_add->setText(taken ? tr("&Replace") : tr("&Add"));
    //: Description of the Replace button, read by a screen reader; %1 is the day of the weigh-in it replaces
    m_add->setAccessibleDescription(taken ? tr("Replaces the weigh-in of %1").arg(locale().toString(day)) : QString());
}

void ProgressWindow::removeSelected()
{
    const QList<QDate> days = selectedDays();
    if (!days.isEmpty())
        emit removeRequested(days);
}

QList<QDate> ProgressWindow::selectedDays() const
{
    QList<QDate> days;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        days << m_rows->day(index.row());
    return days;
}

void ProgressWindow::escape()
{
    // Escape leaves the editing or the typing of a weigh-in first, then the window.
    if (m_editing.isValid() || !m_weight->text().isEmpty()) {
        clearWeighIn();
        return;
    }
    emit closeRequested();
}

void ProgressWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit closeRequested();
}

bool ProgressWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    if (event->type() == QEvent::Show)
        QMetaObject::invokeMethod(this, &ProgressWindow::fitTable, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

bool ProgressWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Undo, Redo and Copy in the weigh-in box are the box's while it has typing to take
    // back or text selected, and the window's otherwise: right after a weigh-in, Undo
    // takes back the weigh-in.
    if (watched == m_weight && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool windows = (key->matches(QKeySequence::Undo) && !m_weight->isUndoAvailable())
            || ((key->matches(QKeySequence::Redo)
                    || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z))
                && !m_weight->isRedoAvailable())
            || (key->matches(QKeySequence::Copy) && !m_weight->hasSelectedText());
        if (windows) {
            event->ignore();
            return true;
        }
    }
    // Enter on the day adds the weigh-in, as it does in the weight box.
    if (watched == m_date && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            addWeighIn();
            return true;
        }
    }
    // Copy in the text takes what is selected there; with nothing selected, the
    // window's Copy takes the key and copies the whole report.
    if (watched == m_text && WindowParts::copySelection(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}
