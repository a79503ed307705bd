#include "grid/csvwriter.h"

#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace csv {

QString field(const QString &text)
{
    const bool quoted = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == u',' || c == u'"' || c == u'\r' || c == u'\n';
    });
    if (!quoted)
        return text;
    QString out = text;
    out.replace(u"\""_s, u"\"\""_s);
    return u'"' + out + u'"';
}

QByteArray record(const QStringList &fields)
{
    if (fields.size() == 1 && fields.front().isEmpty())
        return "\"\"\n"_ba;
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &text : fields)
        quoted.append(field(text));
    return quoted.join(u',').toUtf8() + '\n';
}

} // namespace csv

QByteArray drawCsv(const QString &title, const GridModel &grid)
{
    QByteArray out = csv::record({title});
    QStringList fields;
    for (int row = 0; row < grid.RowCount(); ++row) {
        fields.clear();
        for (int column = 0; column < matchcol::Count; ++column) {
            QString text;
            grid.GetCellText(column, row, text);
            fields.append(text);
        }
        fields.append(grid.hint(matchcol::Sport, row));
        out += csv::record(fields);
    }
    return out;
}
