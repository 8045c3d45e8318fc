#include "platform/executablename.h"

#include "buildconfig.h"

#include <QCoreApplication>
#include <QFileInfo>

QString executableName()
{
    QString name;
    if (QCoreApplication::instance())
        name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral(VELTRO_EXECUTABLE_NAME);
    return name;
}
