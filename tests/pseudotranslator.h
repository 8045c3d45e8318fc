#pragma once

#include <QCoreApplication>
#include <QTranslator>

// Stands in for a language while it is alive: every text the program has marked
// comes back in angle brackets ("<No date.>"), its %1... and %n kept, so a test can
// tell what is translated from what must stay as the files and settings write it.
class PseudoTranslation final : public QTranslator
{
public:
    PseudoTranslation() { QCoreApplication::installTranslator(this); }
    ~PseudoTranslation() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }

    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QLatin1Char('<') + QString::fromUtf8(source) + QLatin1Char('>');
    }
};
