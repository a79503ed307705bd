#pragma once

#include <QHeaderView>

// The grid's column header. Its height is fixed, so it gives that height as
// its size hint instead of measuring every section's caption and picture,
// which the table view asks for each time the columns or their texts change.
class GridHeader final : public QHeaderView
{
    Q_OBJECT

public:
    explicit GridHeader(QWidget *parent = nullptr);

    QSize sizeHint() const override;
};
