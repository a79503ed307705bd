#include "grid/gridlayouts.h"

using namespace Qt::StringLiterals;

namespace {

ColumnSpec column(CellKind kind, const QString &header, int width, Qt::Alignment alignment,
                  const QColor &background, bool visible, bool textFitHint)
{
    ColumnSpec spec;
    spec.kind = kind;
    spec.header = header;
    spec.width = width;
    spec.alignment = alignment;
    spec.background = background;
    spec.fontColor = systemcolor::buttonText;
    spec.visible = visible;
    spec.sort = kind == CellKind::Text ? SortType::Text : SortType::Numeric;
    spec.textFitHint = textFitHint;
    return spec;
}

} // namespace

QList<ColumnSpec> matchGridColumns()
{
    using enum CellKind;
    const Qt::Alignment centre = Qt::AlignHCenter;
    const Qt::Alignment left = Qt::AlignLeft;
    const QColor window = systemcolor::window;
    const QColor caption = systemcolor::inactiveCaption;
    const QColor pink(255, 128, 192);
    const QColor blue(128, 128, 255);
    const QColor red(255, 128, 128);

    QList<ColumnSpec> c;
    ColumnSpec sport = column(Image, {}, 25, centre, window, true, false);
    sport.headerImage = u":/pictures/flag.png"_s;
    c << sport;
    c << column(Text, u"#"_s, 20, centre, window, true, true);
    c << column(Text, u"Date"_s, 65, centre, window, true, true);
    c << column(Text, u"Time"_s, 40, centre, window, true, true);
    c << column(Text, u"Home"_s, 104, left, window, true, true);
    c << column(Text, u"Away"_s, 112, left, window, true, true);
    for (const QString &h : {u"Pool 1"_s, u"Pool X"_s, u"Pool 2"_s})
        c << column(Number, h, 40, centre, caption, true, true);
    for (const QString &h : {u"Book 1"_s, u"Book X"_s, u"Book 2"_s})
        c << column(Number, h, 40, centre, pink, true, true);
    for (const QColor &colour : {blue, red}) {
        for (const QString &h : {u"1"_s, u"X"_s, u"2"_s})
            c << column(Number, h, 25, centre, colour, false, true);
        ColumnSpec count = column(Number, u"Count"_s, 40, centre, colour, false, true);
        count.bold = true;
        c << count;
    }
    for (int i = 0; i < 2; ++i) {
        for (const QString &h : {u"1"_s, u"X"_s, u"2"_s})
            c << column(Number, h, 25, centre, window, false, false);
    }
    for (const QString &h : {u"OBB"_s, u"DBB"_s, u"OBP"_s, u"DBP"_s, u"AOB"_s, u"ADB"_s}) {
        ColumnSpec pick = column(Text, h, 30, centre, QColor(255, 255, 0), h == u"DBB"_s, true);
        pick.fontColor = QColor(0, 0, 128);
        pick.bold = true;
        c << pick;
    }
    Q_ASSERT(c.size() == matchcol::Count);
    return c;
}

QList<ColumnSpec> detailGridColumns()
{
    using enum CellKind;
    const Qt::Alignment centre = Qt::AlignHCenter;
    QList<ColumnSpec> c;
    c << column(Text, u"Method"_s, 300, Qt::AlignLeft, systemcolor::inactiveCaption, true, true);
    for (const QString &h : {u"1,%"_s, u"X,%"_s, u"2,%"_s})
        c << column(Text, h, 40, centre, systemcolor::window, true, true);
    ColumnSpec count = column(Text, u"Count"_s, 40, centre, systemcolor::inactiveCaption, true, true);
    count.bold = true;
    c << count;
    return c;
}
