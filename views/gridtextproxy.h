#pragma once

#include <QIdentityProxyModel>
#include <QStringList>

// Passes a grid model through and adds the texts a reader needs that the
// grid itself doesn't hold: a tooltip per header, a name for a header shown
// as a picture, and a name per picture of the image cells for screen
// readers and copies.
class GridTextProxy final : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    // Plain texts, one per column; shown as the header's tooltip.
    void setHeaderHelp(const QStringList &help);
    // Names of the headers, one per column; an empty one keeps the caption.
    void setHeaderNames(const QStringList &names);
    // Names of the image cells' pictures, by image index.
    void setImageNames(const QStringList &names);

    // The header's caption, or its name when it shows a picture.
    QString headerName(int column) const;
    // A cell as text: its picture's name for an image cell, else its text.
    QString cellText(const QModelIndex &index) const;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList m_headerHelp;
    QStringList m_headerNames;
    QStringList m_imageNames;
};
