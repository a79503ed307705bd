#pragma once

#include <QColor>
#include <QLabel>
#include <QPoint>

// A label whose text casts a shadow: the text drawn once more under it,
// offset and dark. Drawn straight with the text, where a graphics effect
// would first render the label off screen and blur it on every paint.
class ShadowLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ShadowLabel(const QString &text, QWidget *parent = nullptr);

    void setShadow(const QColor &color, QPoint offset);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color{0, 0, 0, 160};
    QPoint m_offset{1, 1};
};
