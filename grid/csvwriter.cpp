#include "grid/csvwriter.h"

#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <QBuffer>
#include <QIODevice>

#include <algorithm>

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

bool writeDrawCsv(QIODevice &out, const QString &title, const GridModel &grid, CsvForm form)
{
    const QChar separator = csvSeparator(form, grid.decimalSeparator());
    const auto write = [&out](const QByteArray &bytes) { return out.write(bytes) == bytes.size(); };
    if (form == CsvForm::Spreadsheet && !write("\xEF\xBB\xBF"_ba))
        return false;
    if (!write(csv::record({title}, separator)))
        return false;
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
