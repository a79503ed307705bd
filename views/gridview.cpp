#include "views/gridview.h"

#include "views/griddelegate.h"
#include "views/gridheader.h"
#include "views/gridtextproxy.h"
#include "grid/gridmodel.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

GridView::GridView(QWidget *parent)
    : QTableView(parent)
    , m_delegate(new GridDelegate(this))
    , m_texts(new GridTextProxy(this))
{
    setHorizontalHeader(new GridHeader(this));
    setItemDelegate(m_delegate);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTextElideMode(Qt::ElideRight);
    setWordWrap(false);
    setFrameShape(QFrame::NoFrame);
    setShowGrid(true);
    setFocusPolicy(Qt::StrongFocus);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(16);
    rows->setDefaultSectionSize(16);

    QHeaderView *header = horizontalHeader();
    header->setFixedHeight(18);
    header->setSectionsMovable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setMinimumSectionSize(8);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    connect(header, &QHeaderView::sectionClicked, this, &GridView::headerClicked);
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (size > 0 && column < m_widths.size()) // hiding a column reports 0
            m_widths[column] = size;
    });

    auto *reset = new QAction(QStringLiteral("Reset columns"), header);
    reset->setObjectName(QStringLiteral("resetColumnsAction"));
    connect(reset, &QAction::triggered, this, &GridView::resetColumns);
    header->addAction(reset);
    header->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void GridView::setGridModel(GridModel *model)
{
    m_model = model;
    m_texts->setSourceModel(model);
    setModel(m_texts);
    m_widths.clear();
    for (int c = 0; c < model->columnCount(); ++c) {
        m_widths << model->column(c).width;
        setColumnWidth(c, model->column(c).width);
        setColumnHidden(c, !model->isColumnVisible(c));
    }
    connect(model, &GridModel::columnVisibilityChanged, this,
            [this](int column, bool visible) { setColumnHidden(column, !visible); });
}

void GridView::setImages(const QList<QPixmap> &images, const QStringList &names)
{
    m_delegate->setImages(images);
    m_texts->setImageNames(names);
    viewport()->update();
}

QRect GridView::visualRect(const QModelIndex &index) const
{
    if (index.isValid() && index.model() == m_model)
        return QTableView::visualRect(m_texts->mapFromSource(index));
    return QTableView::visualRect(index);
}

void GridView::headerClicked(int column)
{
    if (!m_model)
        return;
    m_sortOrder = column == m_sortColumn && m_sortOrder == Qt::AscendingOrder
                      ? Qt::DescendingOrder
                      : Qt::AscendingOrder;
    m_sortColumn = column;
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, m_sortOrder);
    m_model->sort(column, m_sortOrder);
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = indexAt(event->position().toPoint());
    QTableView::mousePressEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    const QModelIndex released = indexAt(event->position().toPoint());
    const QPersistentModelIndex pressed = m_pressed;
    if (event->button() == Qt::LeftButton)
        m_pressed = QPersistentModelIndex();
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && pressed.isValid() && released == pressed)
        Q_EMIT cellClicked(released.column(), released.row());
}

bool GridView::textIsCut(const QModelIndex &index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return false;
    const QFont font = qvariant_cast<QFont>(index.data(Qt::FontRole));
    const QRect area = GridDelegate::textRect(visualRect(index));
    return QFontMetrics(font).horizontalAdvance(text) > area.width();
}

GridView::Hint GridView::hintAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return {};
    const QRect cell = visualRect(index);
    if (index.data(GridModel::TextFitHintRole).toBool() && textIsCut(index))
        return {index.data(Qt::DisplayRole).toString(), cell, true};
    return {index.data(GridModel::HintRole).toString(), cell, false};
}

bool GridView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const Hint hint = hintAt(help->pos());
    if (hint.text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // Feed text is data: always shown as plain text.
    const QPoint at = hint.overCell ? hint.cell.topLeft() : hint.cell.topRight();
    QToolTip::showText(viewport()->mapToGlobal(at), Qt::convertFromPlainText(hint.text),
                       viewport(), hint.cell);
    return true;
}

namespace {

// One field of a tab-separated line: tabs and line breaks would split it.
QString tsvField(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

} // namespace

QString GridView::selectedRowsText() const
{
    const QHeaderView *header = horizontalHeader();
    QList<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!isColumnHidden(column))
            columns << column;
    }
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());

    QStringList lines;
    QStringList fields;
    for (int column : std::as_const(columns))
        fields << tsvField(m_texts->headerName(column));
    lines << fields.join(u'\t');
    for (int row : std::as_const(rows)) {
        fields.clear();
        for (int column : std::as_const(columns))
            fields << tsvField(m_texts->cellText(m_texts->index(row, column)));
        lines << fields.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void GridView::copySelectedRows() const
{
    QGuiApplication::clipboard()->setText(selectedRowsText());
}

void GridView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelectedRows();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

GridView::Arrangement GridView::arrangement() const
{
    Arrangement arrangement{m_widths, {}};
    const QHeaderView *header = horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual)
        arrangement.order << header->logicalIndex(visual);
    return arrangement;
}

bool GridView::setArrangement(const Arrangement &arrangement)
{
    QHeaderView *header = horizontalHeader();
    const int count = header->count();
    if (arrangement.widths.size() != count || arrangement.order.size() != count)
        return false;
    for (int width : arrangement.widths) {
        if (width < header->minimumSectionSize() || width > kMaxColumnWidth)
            return false;
    }
    QList<int> numbers = arrangement.order;
    std::sort(numbers.begin(), numbers.end());
    for (int i = 0; i < count; ++i) {
        if (numbers[i] != i)
            return false;
    }
    for (int column = 0; column < count; ++column) {
        setColumnWidth(column, arrangement.widths[column]); // a hidden column keeps it for later
        m_widths[column] = arrangement.widths[column];
    }
    for (int visual = 0; visual < count; ++visual)
        header->moveSection(header->visualIndex(arrangement.order[visual]), visual);
    return true;
}

void GridView::resetColumns()
{
    if (!m_model)
        return;
    Arrangement first;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        first.widths << m_model->column(c).width;
        first.order << c;
    }
    setArrangement(first);
}
