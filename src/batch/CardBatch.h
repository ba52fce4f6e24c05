#pragma once

#include <QStringList>

class QTextStream;

// The batch tool's card commands: check, info, convert, png.
int cardCommand(const QString &command, const QStringList &arguments, QTextStream &out,
                QTextStream &err);

// The card as the batch tool's "info" prints it: one JSON object.
QByteArray cardAsJson();
