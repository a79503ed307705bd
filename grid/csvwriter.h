#pragma once

#include <QByteArray>
#include <QString>

class GridModel;
class QIODevice;

// Who will read a draw written as CSV.
enum class CsvForm {
    Plain,       // programs: comma-separated UTF-8, no byte order mark
    Spreadsheet, // a spreadsheet set up for the user's locale: UTF-8 with a
                 // byte order mark, and ";" between fields where the decimal
                 // separator is a comma
};

// The field separator a form uses for numbers written with decimalSeparator.
QChar csvSeparator(CsvForm form, QChar decimalSeparator);

// The draw as vorlan-feed prints it and the window saves it, as RFC 4180
// text in UTF-8 with records ended by LF: a record with the title, then one
// record per row of the match grid with the texts of columns 0 to 31 (column
// 0 gives its image index) and the hint of column 0. A field is quoted, its
// quotes doubled, when it holds the separator, a quote, CR or LF; an empty
// title is written as "", so that no record is an empty line. Records are
// written a block at a time as they are made; false when the device refuses
// a write.
bool writeDrawCsv(QIODevice &out, const QString &title, const GridModel &grid,
                  CsvForm form = CsvForm::Plain);

// writeDrawCsv into memory.
QByteArray drawCsv(const QString &title, const GridModel &grid, CsvForm form = CsvForm::Plain);
