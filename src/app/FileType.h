#pragma once

#include <QString>

// What a command-line argument names: "carte-vk1", "minicv-vk4" or
// "not_known", from the extension after the last dot, compared without regard
// to case.
QString detectFileType(const QString &path);
