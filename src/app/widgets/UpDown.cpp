#include "UpDown.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleOption>
#include <QStylePainter>

namespace {
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 60;
} // namespace

UpDown::UpDown(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void UpDown::setEdit(SpinEdit *edit)
{
    if (m_edit)
        disconnect(m_edit, nullptr, this, nullptr);
    m_edit = edit;
    if (m_edit)
        connect(m_edit, &SpinEdit::arrowKeyPressed, this, &UpDown::step);
}

void UpDown::pairWithEdits(QWidget *root)
{
    const QWidget *window = root->window();
    for (UpDown *upDown : root->findChildren<UpDown *>()) {
        QString editName = upDown->objectName();
        editName.replace(0, int(qstrlen("UpDown")), QStringLiteral("Edit"));
        upDown->setEdit(window->findChild<SpinEdit *>(editName));
    }
}

void UpDown::step(int direction)
{
    if (!m_edit)
        return;
    const int next = m_edit->position() + direction * m_edit->singleStep();
    m_edit->setValue(qBound(m_edit->minimum(), next, m_edit->maximum()));
    emit clicked();
}

void UpDown::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        const int direction = i == 0 ? 1 : -1;
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        button.state |= m_pressed == direction ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonBevel, button);
        QStyleOption arrow = button;
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        painter.drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                              arrow);
    }
}

void UpDown::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The field takes the focus first, as with a native up-down control: a
    // value pending in the field left is confirmed, and typing goes on where
    // the arrows were used.
    if (m_edit && !m_edit->hasFocus()) {
        m_edit->setFocus(Qt::MouseFocusReason);
        // That confirmation may have hidden or disabled these arrows.
        if (isHidden() || !isEnabled())
            return;
    }
    m_pressed = directionAt(event->position().toPoint());
    update();
    m_repeat.start(kRepeatDelayMs, this);
    step(m_pressed);
}

void UpDown::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_repeat.stop();
    m_pressed = 0;
    update();
}

void UpDown::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_repeat.timerId())
        return QWidget::timerEvent(event);
    // A release can be missed when a step hides the arrows or opens a dialog.
    if (m_pressed == 0 || !isVisible() || !isEnabled() ||
        !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        m_repeat.stop();
        m_pressed = 0;
        update();
        return;
    }
    m_repeat.start(kRepeatIntervalMs, this);
    step(m_pressed);
}
