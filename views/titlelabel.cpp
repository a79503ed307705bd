#include "views/titlelabel.h"

#include "views/accessibility.h"
#include "views/skinelement.h"

TitleLabel::TitleLabel(const QString &what, QWidget *parent)
    : QLabel(parent)
    , m_what(what)
{
    accessibility::install();
    setTextFormat(Qt::PlainText); // feed text is data, never markup
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAccessibleDescription(what);
    skinelement::set(this, QStringLiteral("label"));
}
