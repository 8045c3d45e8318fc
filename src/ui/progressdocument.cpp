#include "ui/progressdocument.h"

#include "ui/plandocument.h"

QString progressHtml(const ProgressTexts& t, bool onPaper, const QString& made)
{
    QString html;
    if (onPaper) {
        html += QStringLiteral("<h2 style=\"color: %1;\">%2</h2><p>Made on %3 with Veltro Weight Loss Calculator "
                               "v1.0.</p><p>%4</p>")
                    .arg(documentHeadingColor(true), t.title.toHtmlEscaped(), made.toHtmlEscaped(), kDocumentChartMark);
    }
    auto section = [&](const QString& title, const QStringList& paragraphs) {
        if (paragraphs.isEmpty())
            return;
        html += documentHeading(title, onPaper);
        for (const QString& text : paragraphs)
            html += documentParagraph(text);
    };
    section(QStringLiteral("Where you stand"), t.standing);
    section(QStringLiteral("Your plan from today"), t.replan);
    section(QStringLiteral("What your weigh-ins say"), t.estimate.isEmpty() ? QStringList() : QStringList {t.estimate});
    // On the screen the weigh-ins have a table of their own.
    if (onPaper && !t.weighInRows.isEmpty()) {
        html += documentHeading(QStringLiteral("Your weigh-ins"), true)
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
