#include "grid/gridmodel.h"

#include "grid/griderror.h"
#include "grid/numbertext.h"

#include <QFont>
#include <QIcon>
#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

GridModel::GridModel(QList<ColumnSpec> columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
    , m_decimalSeparator(QLocale::system().decimalPoint().front())
{
}

void GridModel::RemoveAllRows()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

int GridModel::AppendRows(int count)
{
    if (count < 1)
        return RowCount() - 1;
    const int first = RowCount();
    beginInsertRows({}, first, first + count - 1);
    m_rows.resize(m_rows.size() + std::size_t(count), Row(m_columns.size()));
    endInsertRows();
    return RowCount() - 1;
}

bool GridModel::contains(int column, int row) const
{
    return column >= 0 && column < columnCount() && row >= 0 && row < RowCount();
}

void GridModel::SetCellText(int column, int row, const QString &text)
{
    if (!contains(column, row))
        return;
    Cell &cell = m_rows[std::size_t(row)][std::size_t(column)];
    switch (m_columns[column].kind) {
    case CellKind::Text:
        cell.text = text;
        break;
    case CellKind::Number: {
        const auto value = numbertext::parse(text, m_decimalSeparator);
        if (!value)
            throw GridError(u"'%1' is not a valid floating point value"_s.arg(text));
        cell.value = *value;
        break;
    }
    case CellKind::Image: {
        bool ok = true;
        const int value = text.isEmpty() ? 0 : text.trimmed().toInt(&ok);
        if (!ok)
            throw GridError(u"'%1' is not a valid integer value"_s.arg(text));
        cell.value = value;
        break;
    }
    }
    const QModelIndex at = index(row, column);
    Q_EMIT dataChanged(at, at);
}

bool GridModel::GetCellText(int column, int row, QString &target) const
{
    if (!contains(column, row))
        return false;
    const Cell &cell = m_rows[std::size_t(row)][std::size_t(column)];
    target = m_columns[column].kind == CellKind::Image ? QString::number(int(cell.value))
                                                       : displayText(column, cell);
    return true;
}

QString GridModel::cellText(int column, int row) const
{
    QString text;
    GetCellText(column, row, text);
    return text;
}

QString GridModel::displayText(int column, const Cell &cell) const
{
    switch (m_columns[column].kind) {
    case CellKind::Text:
        return cell.text;
    case CellKind::Number:
        return numbertext::format(cell.value, m_decimalSeparator);
    case CellKind::Image:
        break;
    }
    return {};
}

CellRef GridModel::CellAt(int column, int row) const
{
    Q_ASSERT(contains(column, row));
    return CellRef{column, row};
}

void GridModel::SetCellImageIndex(CellRef cell, int index)
{
    if (!contains(cell.column, cell.row))
        return;
    m_rows[std::size_t(cell.row)][std::size_t(cell.column)].value = index;
    const QModelIndex at = this->index(cell.row, cell.column);
    Q_EMIT dataChanged(at, at);
}

void GridModel::SetCellHint(CellRef cell, const QString &text)
{
    if (!contains(cell.column, cell.row))
        return;
    m_rows[std::size_t(cell.row)][std::size_t(cell.column)].hint = text;
    const QModelIndex at = index(cell.row, cell.column);
    Q_EMIT dataChanged(at, at);
}

void GridModel::SetColumnVisible(ColumnRef column, bool visible)
{
    if (column.number < 0 || column.number >= columnCount())
        return;
    ColumnSpec &spec = m_columns[column.number];
    if (spec.visible == visible)
        return;
    spec.visible = visible;
    Q_EMIT columnVisibilityChanged(column.number, visible);
}

int GridModel::imageIndex(int column, int row) const
{
    return contains(column, row) ? int(m_rows[std::size_t(row)][std::size_t(column)].value) : 0;
}

QString GridModel::hint(int column, int row) const
{
    return contains(column, row) ? m_rows[std::size_t(row)][std::size_t(column)].hint : QString();
}

void GridModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount() || m_rows.size() < 2)
        return;
    const ColumnSpec &spec = m_columns[column];
    const auto c = std::size_t(column);
    auto less = [&](const Row &a, const Row &b) {
        if (spec.kind != CellKind::Text)
            return a[c].value < b[c].value;
        return QString::localeAwareCompare(a[c].text, b[c].text) < 0;
    };

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> shownOrder(m_rows.size());
    for (std::size_t i = 0; i < shownOrder.size(); ++i)
        shownOrder[i] = int(i);
    std::stable_sort(shownOrder.begin(), shownOrder.end(), [&](int a, int b) {
        const Row &ra = m_rows[std::size_t(a)];
        const Row &rb = m_rows[std::size_t(b)];
        return order == Qt::AscendingOrder ? less(ra, rb) : less(rb, ra);
    });
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newRowOf(m_rows.size());
    for (std::size_t i = 0; i < shownOrder.size(); ++i) {
        sorted.push_back(std::move(m_rows[std::size_t(shownOrder[i])]));
        newRowOf[std::size_t(shownOrder[i])] = int(i);
    }
    m_rows = std::move(sorted);

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &old : before)
        after.append(index(newRowOf[std::size_t(old.row())], old.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : RowCount();
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columnCount();
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ColumnSpec &spec = m_columns[index.column()];
    const Cell &cell = m_rows[std::size_t(index.row())][std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.column(), cell);
    case ImageIndexRole:
        return spec.kind == CellKind::Image ? QVariant(int(cell.value)) : QVariant();
    case HintRole:
        return cell.hint;
    case TextFitHintRole:
        return spec.textFitHint;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(spec.alignment | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return spec.background.isValid() ? QVariant(spec.background) : QVariant();
    case Qt::ForegroundRole:
        return spec.fontColor.isValid() ? QVariant(spec.fontColor) : QVariant();
    case Qt::FontRole: {
        QFont font(u"Arial"_s);
        font.setPixelSize(12); // a 14-pixel cell height
        font.setBold(spec.bold);
        return font;
    }
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const ColumnSpec &spec = m_columns[section];
    switch (role) {
    case Qt::DisplayRole:
        return spec.headerImage.isEmpty() ? spec.header : QString();
    case HeaderImageRole:
        return spec.headerImage;
    case Qt::DecorationRole:
        return spec.headerImage.isEmpty() ? QVariant() : QVariant(QIcon(spec.headerImage));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
