#include "ui/plandocument.h"

#include "ui/look.h"
#include "ui/weightchart.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextObjectInterface>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kChartObject = QTextFormat::UserObject + 1;

// The plan's headings, in the plan window and on paper.
struct PlanDocument
{
    Q_DECLARE_TR_FUNCTIONS(PlanDocument)
};

// What every printed page and PDF of the program says, the plan's and the progress's.
struct PrintedDocument
{
    Q_DECLARE_TR_FUNCTIONS(PrintedDocument)
};

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

QString documentHeadingColor(bool onPaper)
{
    return onPaper ? QStringLiteral("#150f53") : QStringLiteral("#ffe0c0");
}

QString documentBorderColor(bool onPaper)
{
    return onPaper ? QStringLiteral("#808080") : QStringLiteral("#8080a0");
}

QString documentHeading(const QString& title, bool onPaper)
{
    return QStringLiteral("<h3 style=\"color: %1;\">%2</h3>").arg(documentHeadingColor(onPaper), escaped(title));
}

QString documentParagraph(const QString& text)
{
    return QStringLiteral("<p>%1</p>").arg(escaped(text));
}

QString documentTable(
    const QStringList& header, const QList<QStringList>& rows, const QString& border, int firstFigureColumn)
{
    // The header repeats at the top of every page the table runs onto.
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" style=\"border-color: %1; "
                                  "border-style: solid;\"><thead><tr>")
                       .arg(border);
    for (const QString& cell : header)
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(escaped(cell));
    html += QStringLiteral("</tr></thead>");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (int i = 0; i < row.size(); ++i) {
            html += QStringLiteral("<td align=\"%1\">%2</td>")
                        .arg(i >= firstFigureColumn && !row.at(i).isEmpty() && row.at(i).front().isDigit()
                                ? QStringLiteral("right")
                                : QStringLiteral("left"),
                            escaped(row.at(i)));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

namespace {

// Draws the chart where the document holds its object: on paper, in lines and text.
class ChartObject final : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    ChartObject(const ChartData& chart, const QLocale& locale)
        : m_chart(chart)
        , m_locale(locale)
    { }

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat&) override
    {
        const double width = document->pageSize().width() - 2 * document->documentMargin();
        return {width, width * 0.42};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat&) override
    {
        paintWeightChart(*painter, rect, m_chart, paperChartColors(), Look::verdana(8), m_locale);
    }

private:
    ChartData m_chart;
    QLocale m_locale;
};

int pageOf(double y, double pageHeight)
{
    return static_cast<int>(std::floor(y / pageHeight));
}

// Where a block begins on the pages: a block inside a table is placed relative to its
// cell, and the table's frame says where it stands.
double blockTop(QTextDocument& document, const QTextBlock& block)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    QTextFrame* frame = QTextCursor(block).currentFrame();
    if (frame != document.rootFrame())
        return layout->frameBoundingRect(frame).top();
    return layout->blockBoundingRect(block).top();
}

} // namespace

// A paragraph that a page break would split starts on the next page: split, the
// toolkit would also write the last line of the first page, hidden, at the top of the
// next, where a search of the PDF finds it twice. A heading goes with what follows
// it, rather than stand alone at the foot of a page.
void keepBlocksTogether(QTextDocument& document, double pageHeight)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (int round = 0; round < 10; ++round) {
        bool moved = false;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            const QRectF rect = layout->blockBoundingRect(block);
            const bool inRoot = QTextCursor(block).currentFrame() == document.rootFrame();
            const bool split = pageOf(rect.top(), pageHeight) != pageOf(rect.bottom() - 1, pageHeight);
            const bool heading = block.blockFormat().headingLevel() > 0;
            const bool alone = heading && block.next().isValid()
                && pageOf(blockTop(document, block.next()), pageHeight) > pageOf(rect.top(), pageHeight);
            const bool movable = inRoot && rect.height() <= pageHeight / 2
                && block.blockFormat().pageBreakPolicy() != QTextFormat::PageBreak_AlwaysBefore;
            if (!(split || alone) || !movable)
                continue;
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
            moved = true;
        }
        if (!moved)
            return;
        document.markContentsDirty(0, document.characterCount());
    }
}

QString planHtml(const PlanTexts& t, bool onPaper, const QString& made)
{
    const QString heading = documentHeadingColor(onPaper);
    const QString caution = onPaper ? QStringLiteral("#8b0000") : QStringLiteral("#ffc878");
    const QString border = documentBorderColor(onPaper);
    auto section = [&](const QString& title) { return documentHeading(title, onPaper); };
    auto paragraph = [](const QString& text) { return documentParagraph(text); };

    QString details = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (const auto& [caption, value] : t.inputs)
        details += QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;%2</td></tr>").arg(escaped(caption), escaped(value));
    details += QStringLiteral("</table>");
    const QString results
        = QStringLiteral("<p><b>%1</b></p><p><b>%2</b></p>").arg(escaped(t.maintenance), escaped(t.goal));

    QString html;
    if (onPaper) {
        html += QStringLiteral("<h2 style=\"color: %1;\">%2</h2>").arg(heading, escaped(t.title))
            //: Line below the title of a printed plan or progress and of its PDF; %1 is the date and time
            //: it was made
            + paragraph(PrintedDocument::tr("Made on %1 with Veltro Weight Loss Calculator v1.0.").arg(made));
        html += details + results + QStringLiteral("<p>%1</p>").arg(kDocumentChartMark);
    } else {
        html += results;
    }
    html += paragraph(t.outlook);
    if (!t.cautions.isEmpty()) {
        //: Heading above the warnings of a plan (a loss too fast, an intake too low)
        html += QStringLiteral("<h3 style=\"color: %1;\">%2</h3>").arg(caution, escaped(PlanDocument::tr("Caution")));
        for (const QString& sentence : t.cautions)
            html += paragraph(sentence);
        if (!t.withinLimits.isEmpty())
            html += QStringLiteral("<p><b>%1</b></p>").arg(escaped(t.withinLimits));
    }
    // On the screen the milestones have a table of their own, beside the text.
    if (onPaper && !t.milestoneRows.isEmpty())
        html += section(t.milestoneTitle) + documentTable(t.milestoneHeader, t.milestoneRows, border, 2);
    //: Heading above the numbered steps that explain the plan's figures
    html += section(PlanDocument::tr("How these figures are computed")) + QStringLiteral("<ol>");
    for (const QString& line : t.explanation)
        html += QStringLiteral("<li>%1</li>").arg(escaped(line));
    html += QStringLiteral("</ol>");
    if (!t.paceRows.isEmpty() && onPaper) {
        //: Heading above the table of other weekly losses and the days each takes to the goal
        html += section(PlanDocument::tr("Other paces")) + documentTable(t.paceHeader, t.paceRows, border, 2);
    } else if (!t.paceRows.isEmpty()) {
        // A sentence a row, which a screen reader reads whole.
        //: Heading above the list of other weekly losses and the days each takes to the goal
        html += section(PlanDocument::tr("Other paces")) + QStringLiteral("<ul>");
        for (const QString& line : t.paceLines)
            html += QStringLiteral("<li>%1</li>").arg(escaped(line));
        html += QStringLiteral("</ul>");
    }
    if (!t.afterGoal.isEmpty()) {
        //: Heading above what the person may eat once the goal weight is reached
        html += section(PlanDocument::tr("After the goal")) + paragraph(t.afterGoal);
    }
    if (!t.model.isEmpty()) {
        html += section(t.modelTitle);
        for (const QString& line : t.model)
            html += paragraph(line);
    }
    if (!onPaper) {
        //: Heading above the details the person entered (name, age, weight...) at the end of the plan window's text
        html += section(PlanDocument::tr("Your details")) + details;
    }
    html += QStringLiteral("<p><i>%1</i></p>").arg(escaped(t.note));
    return html;
}

bool renderPlan(QPagedPaintDevice* device, const WeightPlan& plan, const PlanTexts& texts, const QDateTime& made,
    const QLocale& locale)
{
    const QString madeText = locale.toString(made, QLocale::ShortFormat);
    ChartData chart = planChart(plan);
    chart.kilogramsFirst = texts.kilogramsFirst;
    return renderDocument(device, planHtml(texts, true, madeText), chart, texts.title, madeText, locale);
}

bool renderDocument(QPagedPaintDevice* device, const QString& html, const ChartData& chartData, const QString& title,
    const QString& madeText, const QLocale& locale)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;

    const QFont footerFont = Look::verdana(7.5);
    const QFontMetricsF footerMetrics(footerFont, device);
    const double footerHeight = footerMetrics.height() * 2;
    const QSizeF page(device->width(), device->height() - footerHeight);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(device);
    ChartObject chart(chartData, locale);
    document.documentLayout()->registerHandler(kChartObject, &chart);
    document.setDefaultFont(Look::verdana(9.5));
    document.setPageSize(page);
    document.setHtml(html);
    // The chart in the place of its mark.
    QTextCursor mark = document.find(kDocumentChartMark);
    if (!mark.isNull()) {
        QTextCharFormat format;
        format.setObjectType(kChartObject);
        mark.insertText(QString(QChar::ObjectReplacementCharacter), format);
    }
    // Laid out again whole: after a change the toolkit (6.4) leaves the blocks that
    // follow a table with no height, and so off the pages.
    document.markContentsDirty(0, document.characterCount());
    keepBlocksTogether(document, page.height());

    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            device->newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        document.drawContents(&painter, QRectF(QPointF(0, i * page.height()), page));
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(Qt::darkGray);
        // The title gives way to the page number: a long name is cut short.
        //: Foot of every printed page and PDF page, on one line across the page; %1 is the document's title
        //: (cut short where the line is too long), %2 the date and time it was made, %3 the page's number and
        //: %4 the number of pages
        const QString footer = PrintedDocument::tr("%1 \u00b7 made on %2 \u00b7 page %3 of %4");
        const auto footerWith = [&](const QString& shownTitle) {
            return footer.arg(shownTitle, madeText, QString::number(i + 1), QString::number(pages));
        };
        const QString shortTitle = footerMetrics.elidedText(title, Qt::ElideRight,
            std::max(0.0, page.width() - footerMetrics.horizontalAdvance(footerWith(QString())) - 1));
        painter.drawText(QRectF(0, page.height() + footerMetrics.height() * 0.5, page.width(), footerMetrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, footerWith(shortTitle));
    }
    return painter.end();
}

#include "plandocument.moc"
