#include "app/FileType.h"

QString detectFileType(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : path.mid(dot).toLower();
    if (extension == QLatin1String(".vk1"))
        return QStringLiteral("carte-vk1");
    if (extension == QLatin1String(".vk4"))
        return QStringLiteral("minicv-vk4");
    return QStringLiteral("not_known");
}
