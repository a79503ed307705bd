#pragma once

#include <QRadioButton>

// A skinned radio box. Boxes with the same parent and the same non-zero
// group form one group; boxes under another parent are never touched.
// Mouse only: it takes no focus, so the keyboard can't change it.
class RadioBox final : public QRadioButton
{
    Q_OBJECT

public:
    RadioBox(const QString &text, int group, QWidget *parent);

    int group() const { return m_group; }

    // Checks the box, unchecks the other checked boxes of its group, then
    // reports selected(), even when the box was checked already. The
    // stored state at start is set with setChecked() instead, which
    // reports nothing and touches no other box.
    void check();

Q_SIGNALS:
    // The box was set to checked, by the user or by check().
    void selected();

protected:
    // A click on an unchecked box checks it; on the checked box, nothing.
    void nextCheckState() override;
    // Mouse only, even for a key event sent straight to the box.
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    int m_group = 0;
};
