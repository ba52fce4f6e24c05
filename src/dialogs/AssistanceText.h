#pragma once

#include <QStringList>

// The built-in help of the assistance window. It is French whatever the
// language of the windows. Each line is one paragraph of the help; none is
// longer than 255 characters.

QString assistanceTitle();
// The eight lines of the minimal configuration, two empty ones first.
QStringList minimalConfiguration();
// Everything after the configuration: the sections on use, the places of the
// elements, the new features, common problems and the message codes.
QStringList assistanceSections();
// Title, configuration and sections, in display order.
QStringList assistanceLines();
// The title and the headings of the sections, which are written in capitals.
bool isAssistanceHeading(const QString &line);
