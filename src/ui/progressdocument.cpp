#include "ui/progressdocument.h"

#include "ui/plandocument.h"

#include <QCoreApplication>

namespace {

// The progress's headings, in the progress window and on paper.
struct ProgressDocument
{
    Q_DECLARE_TR_FUNCTIONS(ProgressDocument)
};

// What every printed page and PDF of the program says, the plan's and the progress's.
struct PrintedDocument
{
    Q_DECLARE_TR_FUNCTIONS(PrintedDocument)
};

} // namespace

QString progressHtml(const ProgressTexts& t, bool onPaper, const QString& made)
{
    QString html;
    if (onPaper) {
        html += QStringLiteral("<h2 style=\"color: %1;\">%2</h2>")
                    .arg(documentHeadingColor(true), t.title.toHtmlEscaped())
            //: Line below the title of a printed plan or progress and of its PDF; %1 is the date and time
            //: it was made
            + documentParagraph(PrintedDocument::tr("Made on %1 with Veltro Weight Loss Calculator v1.0.").arg(made))
            + QStringLiteral("<p>%1</p>").arg(kDocumentChartMark);
    }
    auto section = [&](const QString& title, const QStringList& paragraphs) {
        if (paragraphs.isEmpty())
            return;
        html += documentHeading(title, onPaper);
        for (const QString& text : paragraphs)
            html += documentParagraph(text);
    };
    //: Heading above how far the person has come on the plan followed, in the progress window and on paper
    section(ProgressDocument::tr("Where you stand"), t.standing);
    //: Heading above a new plan that starts from today's weight, in the progress window and on paper
    section(ProgressDocument::tr("Your plan from today"), t.replan);
    //: Heading above what the weigh-ins tell of the person's real intake, in the progress window and on paper
    section(ProgressDocument::tr("What your weigh-ins say"),
        t.estimate.isEmpty() ? QStringList() : QStringList {t.estimate});
    // On the screen the weigh-ins have a table of their own.
    if (onPaper && !t.weighInRows.isEmpty()) {
        //: Heading above the table of the weigh-ins on a printed progress
        html += documentHeading(ProgressDocument::tr("Your weigh-ins"), true)
            + documentTable(t.weighInHeader, t.weighInRows, documentBorderColor(true), 1);
    }
    html += QStringLiteral("<p><i>%1</i></p>").arg(t.note.toHtmlEscaped());
    return html;
}

bool renderProgress(QPagedPaintDevice* device, const ChartData& chart, const ProgressTexts& texts,
    const QDateTime& made, const QLocale& locale)
{
    const QString madeText = locale.toString(made, QLocale::ShortFormat);
    return renderDocument(device, progressHtml(texts, true, madeText), chart, texts.title, madeText, locale);
}
