#include "views/gridtextproxy.h"

#include "grid/gridmodel.h"

#include <QTextDocument>

void GridTextProxy::setHeaderHelp(const QStringList &help)
{
    m_headerHelp = help;
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void GridTextProxy::setHeaderNames(const QStringList &names)
{
    m_headerNames = names;
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void GridTextProxy::setImageNames(const QStringList &names)
{
    m_imageNames = names;
}

QString GridTextProxy::headerName(int column) const
{
    const QString name = m_headerNames.value(column);
    return name.isEmpty() ? headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() : name;
}

QString GridTextProxy::cellText(const QModelIndex &index) const
{
    const QVariant image = index.data(GridModel::ImageIndexRole);
    if (image.isValid())
        return m_imageNames.value(image.toInt());
    return index.data(Qt::DisplayRole).toString();
}

QVariant GridTextProxy::data(const QModelIndex &index, int role) const
{
    if (role == Qt::AccessibleTextRole && index.data(GridModel::ImageIndexRole).isValid())
        return cellText(index);
    return QIdentityProxyModel::data(index, role);
}

QVariant GridTextProxy::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (role == Qt::ToolTipRole) {
            const QString help = m_headerHelp.value(section);
            // Rich text for the tooltip, so it wraps; the help itself is plain.
            if (help.isEmpty())
                return {};
            return Qt::convertFromPlainText(help, Qt::WhiteSpaceNormal);
        }
        if (role == Qt::AccessibleTextRole && !m_headerNames.value(section).isEmpty())
            return m_headerNames.value(section);
        if (role == Qt::AccessibleDescriptionRole && !m_headerHelp.value(section).isEmpty())
            return m_headerHelp.value(section);
    }
    return QIdentityProxyModel::headerData(section, orientation, role);
}
