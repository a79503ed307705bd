#include "views/accessibility.h"

#include "views/radiobox.h"
#include "views/titlelabel.h"

#include <QAccessibleWidget>

namespace {

// Qt reports a checkable button that is not auto-exclusive as a check box.
class RadioBoxInterface final : public QAccessibleWidget
{
public:
    explicit RadioBoxInterface(RadioBox *box)
        : QAccessibleWidget(box, QAccessible::RadioButton)
    {
    }

    RadioBox *box() const { return static_cast<RadioBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && box()->accessibleName().isEmpty())
            return box()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = box()->isChecked();
        return s;
    }

    // As a click: checks an unchecked box; the checked one stays as it is.
    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            box()->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

class TitleLabelInterface final : public QAccessibleWidget
{
public:
    explicit TitleLabelInterface(TitleLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<TitleLabel *>(widget());
        if (t == QAccessible::Name) {
            if (!label->accessibleName().isEmpty())
                return label->accessibleName();
            return label->text().isEmpty() ? label->what() : label->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1StringView("RadioBox"))
        return new RadioBoxInterface(static_cast<RadioBox *>(object));
    if (className == QLatin1StringView("TitleLabel"))
        return new TitleLabelInterface(static_cast<TitleLabel *>(object));
    return nullptr;
}

} // namespace

void accessibility::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}
