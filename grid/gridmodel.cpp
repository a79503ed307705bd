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
    , m_rows(m_columns)
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
    m_rows.append(count);
    endInsertRows();
    return RowCount() - 1;
}

void GridModel::appendRows(GridRows &&rows)
{
    if (rows.size() == 0)
        return;
    const int first = RowCount();
    beginInsertRows({}, first, first + rows.size() - 1);
    m_rows.append(std::move(rows));
    endInsertRows();
}

bool GridModel::contains(int column, int row) const
{
    return column >= 0 && column < columnCount() && row >= 0 && row < RowCount();
}

void GridModel::SetCellText(int column, int row, const QString &text)
{
    if (!contains(column, row))
        return;
    switch (m_columns[column].kind) {
    case CellKind::Text:
        m_rows.setText(column, row, text);
        break;
    case CellKind::Number: {
        const auto value = numbertext::parse(text, m_decimalSeparator);
        if (!value)
            throw GridError::notAFloatingPointValue(text);
        m_rows.setNumber(column, row, *value);
        break;
    }
    case CellKind::Image: {
        bool ok = true;
        const int value = text.isEmpty() ? 0 : text.trimmed().toInt(&ok);
        if (!ok)
            throw GridError::notAnInteger(text);
        m_rows.setImage(column, row, value);
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
    target = m_columns[column].kind == CellKind::Image ? QString::number(m_rows.image(column, row))
                                                       : displayText(column, row);
    return true;
}

QString GridModel::cellText(int column, int row) const
{
    QString text;
    GetCellText(column, row, text);
    return text;
}

QString GridModel::displayText(int column, int row) const
{
    switch (m_columns[column].kind) {
    case CellKind::Text:
        return m_rows.text(column, row);
    case CellKind::Number:
        return numbertext::format(m_rows.number(column, row), m_decimalSeparator);
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
    if (m_columns[cell.column].kind != CellKind::Image)
        return;
    m_rows.setImage(cell.column, cell.row, index);
    const QModelIndex at = this->index(cell.row, cell.column);
    Q_EMIT dataChanged(at, at);
}

void GridModel::SetCellHint(CellRef cell, const QString &text)
{
    if (!contains(cell.column, cell.row))
        return;
    m_rows.setHint(cell.column, cell.row, text);
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
    return contains(column, row) && m_columns[column].kind == CellKind::Image ? m_rows.image(column, row) : 0;
}

QString GridModel::hint(int column, int row) const
{
    return contains(column, row) ? m_rows.hint(column, row) : QString();
}

void GridModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount() || RowCount() < 2)
        return;
    const CellKind kind = m_columns[column].kind;
    auto less = [&](int a, int b) {
        switch (kind) {
        case CellKind::Number:
            return m_rows.number(column, a) < m_rows.number(column, b);
        case CellKind::Image:
            return m_rows.image(column, a) < m_rows.image(column, b);
        case CellKind::Text:
            break;
        }
        return QString::localeAwareCompare(m_rows.text(column, a), m_rows.text(column, b)) < 0;
    };

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> shownOrder(static_cast<std::size_t>(RowCount()));
    for (std::size_t i = 0; i < shownOrder.size(); ++i)
        shownOrder[i] = int(i);
    std::stable_sort(shownOrder.begin(), shownOrder.end(), [&](int a, int b) {
        return order == Qt::AscendingOrder ? less(a, b) : less(b, a);
    });
    std::vector<int> newRowOf(shownOrder.size());
    for (std::size_t i = 0; i < shownOrder.size(); ++i)
        newRowOf[std::size_t(shownOrder[i])] = int(i);
    m_rows.reorder(shownOrder);

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
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.column(), index.row());
    case ImageIndexRole:
        return spec.kind == CellKind::Image ? QVariant(m_rows.image(index.column(), index.row())) : QVariant();
    case HintRole:
        return m_rows.hint(index.column(), index.row());
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
