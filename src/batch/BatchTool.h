#pragma once

#include <QStringList>

class QTextStream;

// The batch tool's commands; returns the exit status (0 done, 1 failed,
// 2 usage).
int runBatch(const QStringList &arguments, QTextStream &out, QTextStream &err);
