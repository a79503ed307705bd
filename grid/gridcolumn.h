#pragma once

#include <QColor>
#include <QString>
#include <Qt>

enum class CellKind { Image, Text, Number };
enum class SortType { Text, Numeric };

// One column of a grid, as the window lays it out at start.
struct ColumnSpec
{
    CellKind kind = CellKind::Text;
    QString header;         // caption; ignored when headerImage is set
    QString headerImage;    // resource path of a picture shown instead of a caption
    int width = 64;
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor background;
    QColor fontColor;
    bool bold = false;
    bool visible = true;
    SortType sort = SortType::Text;
    bool textFitHint = false;
};

// Handles the grid operations pass around; numbers, not places on screen.
struct ColumnRef
{
    int number = -1;
};

struct CellRef
{
    int column = -1;
    int row = -1;
};
