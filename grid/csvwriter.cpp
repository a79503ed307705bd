#include "grid/csvwriter.h"

#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "grid/gridrows.h"
#include "grid/numbertext.h"

#include <QBuffer>
#include <QIODevice>
#include <QStringEncoder>

#include <algorithm>
#include <charconv>

using namespace Qt::StringLiterals;

namespace csv {

QString field(const QString &text, QChar separator)
{
    const bool quoted = std::any_of(text.cbegin(), text.cend(), [separator](QChar c) {
        return c == separator || c == u'"' || c == u'\r' || c == u'\n';
    });
    if (!quoted)
        return text;
    QString out = text;
    out.replace(u"\""_s, u"\"\""_s);
    return u'"' + out + u'"';
}

QByteArray record(const QStringList &fields, QChar separator)
{
    if (fields.size() == 1 && fields.front().isEmpty())
        return "\"\"\n"_ba;
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &text : fields)
        quoted.append(field(text, separator));
    return quoted.join(separator).toUtf8() + '\n';
}

} // namespace csv

QChar csvSeparator(CsvForm form, QChar decimalSeparator)
{
    return form == CsvForm::Spreadsheet && decimalSeparator == u',' ? u';' : u',';
}

namespace {

// Appends text as a CSV field in UTF-8, quoted when it must be.
void appendField(QByteArray &line, QByteArrayView utf8, char separator)
{
    const bool quoted = std::any_of(utf8.begin(), utf8.end(), [separator](char c) {
        return c == separator || c == '"' || c == '\r' || c == '\n';
    });
    if (!quoted) {
        line.append(utf8);
        return;
    }
    line.append('"');
    for (const char c : utf8) {
        if (c == '"')
            line.append('"');
        line.append(c);
    }
    line.append('"');
}

void appendTextField(QByteArray &line, QStringView text, char separator, QStringEncoder &utf8)
{
    // Latin-1 text without a byte above ASCII is its own UTF-8.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        const qsizetype at = line.size();
        line.resize(at + text.size());
        char *out = line.data() + at;
        for (const QChar c : text)
            *out++ = char(c.unicode());
        // Quoting needs the bytes as a field of their own.
        if (std::any_of(line.cbegin() + at, line.cend(),
                        [separator](char c) { return c == separator || c == '"' || c == '\r' || c == '\n'; })) {
            const QByteArray field = line.sliced(at);
            line.truncate(at);
            appendField(line, field, separator);
        }
        return;
    }
    const QByteArray bytes = utf8.encode(text);
    appendField(line, bytes, separator);
}

// The rows straight from the grid's cells: numbers written by to_chars, no
// string per cell.
bool writeRows(QIODevice &out, const GridModel &grid, char separator, char decimalSeparator)
{
    const GridRows &cells = grid.cells();
    QStringEncoder utf8(QStringEncoder::Utf8);
    QByteArray line;
    char number[numbertext::kFormatBufferSize];
    for (int row = 0; row < grid.RowCount(); ++row) {
        line.clear();
        for (int column = 0; column < matchcol::Count; ++column) {
            if (column > 0)
                line.append(separator);
            switch (cells.kind(column)) {
            case CellKind::Image: {
                const auto end = std::to_chars(number, number + sizeof number, cells.image(column, row)).ptr;
                line.append(number, end - number);
                break;
            }
            case CellKind::Number: {
                const int n = numbertext::format(cells.number(column, row), decimalSeparator, number);
                appendField(line, QByteArrayView(number, n), separator);
                break;
            }
            case CellKind::Text:
                appendTextField(line, cells.text(column, row), separator, utf8);
                break;
            }
        }
        line.append(separator);
        appendTextField(line, cells.hint(matchcol::Sport, row), separator, utf8);
        line.append('\n');
        if (out.write(line) != line.size())
            return false;
    }
    return true;
}

} // namespace

bool writeDrawCsv(QIODevice &out, const QString &title, const GridModel &grid, CsvForm form)
{
    const QChar separator = csvSeparator(form, grid.decimalSeparator());
    const auto write = [&out](const QByteArray &bytes) { return out.write(bytes) == bytes.size(); };
    if (form == CsvForm::Spreadsheet && !write("\xEF\xBB\xBF"_ba))
        return false;
    if (!write(csv::record({title}, separator)))
        return false;
    if (grid.decimalSeparator().unicode() < 0x80 && grid.columnCount() >= matchcol::Count)
        return writeRows(out, grid, char(separator.unicode()), char(grid.decimalSeparator().unicode()));
    QStringList fields;
    for (int row = 0; row < grid.RowCount(); ++row) {
        fields.clear();
        for (int column = 0; column < matchcol::Count; ++column)
            fields.append(grid.cellText(column, row));
        fields.append(grid.hint(matchcol::Sport, row));
        if (!write(csv::record(fields, separator)))
            return false;
    }
    return true;
}

QByteArray drawCsv(const QString &title, const GridModel &grid, CsvForm form)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeDrawCsv(buffer, title, grid, form);
    return bytes;
}
