#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace sw::printout {

// The XMP packet of the plan's PDF file: the title and the authors in Dublin
// Core (dc:title, dc:creator, one entry per author), and what Qt writes in the
// packet it makes itself: the producing library, the creating tool and the
// dates. Readers that show an author take it from dc:creator, since Qt 6.4's
// document information has no author entry.
QByteArray PlanXmpMetadata(const QString& title, const QStringList& authors, const QString& creatorTool,
                           const QDateTime& written);

} // namespace sw::printout
