#pragma once

#include <QSpinBox>

class QMenu;

#include <optional>

// The edit half of a spin field. It has no arrows of its own (its UpDown sits
// beside it) and never blocks typing: a value outside the range can be typed
// and is simply not taken. The number it stands for is position().
class SpinEdit : public QSpinBox
{
    Q_OBJECT
    // Grouped fields show thousands separators (15 000); the others plain digits.
    Q_PROPERTY(bool grouped READ grouped WRITE setGrouped)

public:
    explicit SpinEdit(QWidget *parent = nullptr);

    bool grouped() const { return isGroupSeparatorShown(); }
    void setGrouped(bool on) { setGroupSeparatorShown(on); }

    // The typed text when it is a whole number within range (thousands
    // separators ignored), otherwise the last number taken.
    int position() const;

    // Enter moves on like Tab does.
    void moveFocusToNext() { focusNextChild(); }

    // The edit's own context menu: the clipboard items of a text field. The
    // spin box's "step up/down" items are left out: they would step from the
    // last number taken, past the UpDown and its click.
    QMenu *createContextMenu();

signals:
    void enterPressed();
    // Focus went to another control of the window (not to a menu or another
    // window). A menu opened from the keyboard does not end the edit: only
    // where the focus goes after the menu counts.
    void exited();
    // Up or down arrow key: +1 or -1 step, handled by the UpDown.
    void arrowKeyPressed(int steps);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    int valueFromText(const QString &text) const override;
    QString textFromValue(int value) const override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<int> parse(const QString &text) const;
    void fitTextSize();
    void placeTextInsideFrame();
    void exitWhenFocusLeavesMenuBar();

    QMetaObject::Connection m_menuBarWatch;
};
