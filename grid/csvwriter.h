#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class GridModel;

// RFC 4180 text in UTF-8, records ended by LF.
namespace csv {

// Quoted, with its quotes doubled, when it holds a comma, a double quote,
// CR or LF; otherwise as it is.
QString field(const QString &text);

// The fields joined by commas, ended by LF. A record of one empty field is
// written as "", so that no record is an empty line.
QByteArray record(const QStringList &fields);

} // namespace csv

// The draw as vorlan-feed prints it: a record with the title, then one
// record per grid row with the texts of columns 0 to 31 (column 0 gives its
// image index) and the hint of column 0.
QByteArray drawCsv(const QString &title, const GridModel &grid);
