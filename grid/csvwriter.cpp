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
#include <string>
#include <string_view>

using namespace Qt::StringLiterals;

QChar csvSeparator(CsvForm form, QChar decimalSeparator)
{
    return form == CsvForm::Spreadsheet && decimalSeparator == u',' ? u';' : u',';
}

namespace {

bool needsQuotes(std::string_view bytes, char separator)
{
    return std::any_of(bytes.begin(), bytes.end(),
                       [separator](char c) { return c == separator || c == '"' || c == '\r' || c == '\n'; });
}

// Records collected in memory and written a block at a time, so that the
// output streams without a device write per record.
class RecordBlock
{
public:
    explicit RecordBlock(QIODevice &out) : m_out(out) { m_bytes.reserve(kSize + 4096); }

    // The field's bytes from at on, quoted when they must be.
    void quoteFrom(std::size_t at, char separator)
    {
        if (!needsQuotes(std::string_view(m_bytes).substr(at), separator))
            return;
        const std::string field = m_bytes.substr(at);
        m_bytes.resize(at);
        m_bytes += '"';
        for (const char c : field) {
            if (c == '"')
                m_bytes += '"';
            m_bytes += c;
        }
        m_bytes += '"';
    }

    // A number written with a point, given the grid's decimal separator.
    void appendNumberField(const char *text, int size, std::string_view decimalSeparator, char separator)
    {
        const std::size_t at = m_bytes.size();
        const std::string_view number(text, std::size_t(size));
        const std::size_t point = number.find('.');
        if (point == std::string_view::npos) {
            m_bytes += number;
        } else {
            m_bytes += number.substr(0, point);
            m_bytes += decimalSeparator;
            m_bytes += number.substr(point + 1);
        }
        quoteFrom(at, separator);
    }

    // Text as a field in UTF-8.
    void appendTextField(QStringView text, char separator, QStringEncoder &utf8)
    {
        const std::size_t at = m_bytes.size();
        // Text without a character above ASCII is its own UTF-8.
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            m_bytes.resize(at + std::size_t(text.size()));
            char *out = m_bytes.data() + at;
            for (const QChar c : text)
                *out++ = char(c.unicode());
        } else {
            m_bytes.resize(at + std::size_t(utf8.requiredSpace(text.size())));
            const char *end = utf8.appendToBuffer(m_bytes.data() + at, text);
            m_bytes.resize(std::size_t(end - m_bytes.data()));
        }
        quoteFrom(at, separator);
    }

    std::string &bytes() { return m_bytes; }

    // Writes the block once it is full; false when the device refuses it.
    bool endRecord() { return m_bytes.size() < kSize || flush(); }
    bool flush()
    {
        const qint64 size = qint64(m_bytes.size());
        const bool written = m_out.write(m_bytes.data(), size) == size;
        m_bytes.clear();
        return written;
    }

private:
    static constexpr std::size_t kSize = 64 * 1024;
    QIODevice &m_out;
    std::string m_bytes;
};

} // namespace

// Straight from the grid's cells: numbers written by to_chars, no string per
// cell, a device write per block of records.
bool writeDrawCsv(QIODevice &out, const QString &title, const GridModel &grid, CsvForm form)
{
    Q_ASSERT(grid.columnCount() >= matchcol::Count); // the match grid
    const char separator = char(csvSeparator(form, grid.decimalSeparator()).unicode());
    const QByteArray decimalSeparator = QString(grid.decimalSeparator()).toUtf8();
    const GridRows &cells = grid.cells();
    QStringEncoder utf8(QStringEncoder::Utf8);
    RecordBlock block(out);
    if (form == CsvForm::Spreadsheet)
        block.bytes() += "\xEF\xBB\xBF";
    // A lone empty field is written as "", so that no record is an empty line.
    if (title.isEmpty())
        block.bytes() += "\"\"";
    else
        block.appendTextField(title, separator, utf8);
    block.bytes() += '\n';
    char number[numbertext::kFormatBufferSize];
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int column = 0; column < matchcol::Count; ++column) {
            if (column > 0)
                block.bytes() += separator;
            switch (cells.kind(column)) {
            case CellKind::Image: {
                const auto end = std::to_chars(number, number + sizeof number, cells.image(column, row)).ptr;
                block.bytes().append(number, std::size_t(end - number));
                break;
            }
            case CellKind::Number:
                block.appendNumberField(number, numbertext::format(cells.number(column, row), '.', number),
                                        std::string_view(decimalSeparator.constData(),
                                                         std::size_t(decimalSeparator.size())),
                                        separator);
                break;
            case CellKind::Text:
                block.appendTextField(cells.text(column, row), separator, utf8);
                break;
            }
        }
        block.bytes() += separator;
        block.appendTextField(cells.hint(matchcol::Sport, row), separator, utf8);
        block.bytes() += '\n';
        if (!block.endRecord())
            return false;
    }
    return block.flush();
}

QByteArray drawCsv(const QString &title, const GridModel &grid, CsvForm form)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeDrawCsv(buffer, title, grid, form);
    return bytes;
}
