#pragma once

#include <QString>
#include <QTranslator>
#include <cmath>

// A translation made up for tests, before real ones exist: every word of every text
// about two fifths longer (as German often is), the place markers %1..%9, %n and
// %L1, the access key's & and any markup kept as they are.
class PseudoTranslator final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char*, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        if (!sourceText || !*sourceText)
            return QString();
        return lengthened(QString::fromUtf8(sourceText));
    }

    static QString lengthened(const QString& text)
    {
        QString out;
        QString word; // its letters, without the access key's &
        QString written;
        const auto endWord = [&] {
            const int extra = int(std::ceil(word.size() * 0.4));
            for (int i = 0; i < extra; ++i)
                written += word.at(i % word.size()).toLower();
            out += written;
            word.clear();
            written.clear();
        };
        bool inTag = false;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (inTag) {
                out += c;
                inTag = c != QLatin1Char('>');
                continue;
            }
            if (c.isLetter()) {
                word += c;
                written += c;
                continue;
            }
            // The access key's & stays before its letter; a literal "&&" stays as it is.
            if (c == QLatin1Char('&') && i + 1 < text.size() && text.at(i + 1).isLetter()) {
                written += c;
                continue;
            }
            if (!word.isEmpty())
                endWord();
            if (c == QLatin1Char('&') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&')) {
                out += QLatin1String("&&");
                ++i;
                continue;
            }
            if (c == QLatin1Char('<') && i + 1 < text.size()
                && (text.at(i + 1).isLetter() || text.at(i + 1) == QLatin1Char('/'))) {
                inTag = true;
                out += c;
                continue;
            }
            out += c;
            if (c == QLatin1Char('%')) {
                // %n, %1..%99 and %L1 go through untouched.
                int j = i + 1;
                if (j < text.size() && (text.at(j) == QLatin1Char('n') || text.at(j) == QLatin1Char('L')))
                    out += text.at(j++);
                while (j < text.size() && text.at(j).isDigit())
                    out += text.at(j++);
                i = j - 1;
            }
        }
        if (!word.isEmpty())
            endWord();
        return out;
    }
};
