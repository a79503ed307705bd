#pragma once

#include <QLabel>

// A framed, centred label that shows a title the program sets: plain text,
// never markup. A screen reader hears its text, or what it is while empty.
class TitleLabel final : public QLabel
{
    Q_OBJECT

public:
    // what: what the label holds, such as "Draw title".
    TitleLabel(const QString &what, QWidget *parent);

    QString what() const { return m_what; }

private:
    QString m_what;
};
