#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTranslator>
#include <initializer_list>

// A translation of a few texts, each by its context and English text; every other
// text stays English. Installed, it shows that a window asks for its texts in the
// contexts a translator fills.
class TableTranslator final : public QTranslator
{
public:
    struct Row
    {
        const char* context;
        const char* source;
        QString translation;
    };

    explicit TableTranslator(std::initializer_list<Row> rows)
    {
        for (const Row& row : rows)
            m_texts.insert(key(row.context, row.source), row.translation);
    }

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return m_texts.value(key(context, source));
    }

private:
    static QByteArray key(const char* context, const char* source) { return QByteArray(context) + '\n' + source; }

    QHash<QByteArray, QString> m_texts;
};
