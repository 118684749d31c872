#include "SpinEdit.h"

#include "TextFit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>

namespace {
// QLineEdit keeps 2 px free on each side of its text and 1 px for the cursor.
constexpr int kLineEditTextPadding = 2 * 2 + 1;
constexpr int kFrame = 1;
} // namespace

SpinEdit::SpinEdit(QWidget *parent) : QSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    // A thin frame of its own leaves the narrow fields room for five digits and a separator.
    setFrame(false);
}

std::optional<int> SpinEdit::parse(const QString &text) const
{
    const QLocale loc = locale();
    QString digits = text.trimmed();
    digits.remove(loc.groupSeparator());
    // Locales that group with a (narrow) no-break space: a typed plain space is meant the same.
    if (loc.groupSeparator().trimmed().isEmpty())
        digits.remove(QLatin1Char(' '));
    digits.replace(loc.negativeSign(), QLatin1String("-"));
    bool ok = false;
    const int number = digits.toInt(&ok, 10);
    if (!ok || number < minimum() || number > maximum())
        return std::nullopt;
    return number;
}

int SpinEdit::position() const
{
    return parse(lineEdit()->text()).value_or(value());
}

QValidator::State SpinEdit::validate(QString &input, int &) const
{
    return parse(input) ? QValidator::Acceptable : QValidator::Intermediate;
}

int SpinEdit::valueFromText(const QString &text) const
{
    return parse(text).value_or(value());
}

QString SpinEdit::textFromValue(int value) const
{
    if (isGroupSeparatorShown())
        return locale().toString(value);
    return QString::number(value);
}

bool SpinEdit::event(QEvent *event)
{
    // Ctrl+Z is the window's Undo, not the undo of the text being typed.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo))
        return true;
    return QSpinBox::event(event);
}

void SpinEdit::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit enterPressed();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->accept();
        emit arrowKeyPressed(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->accept();
        return;
    default:
        QSpinBox::keyPressEvent(event);
    }
}

void SpinEdit::focusOutEvent(QFocusEvent *event)
{
    QSpinBox::focusOutEvent(event);
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    case Qt::MenuBarFocusReason:
        exitWhenFocusLeavesMenuBar();
        break;
    default:
        emit exited();
    }
}

// Alt takes the focus to the menu bar, and the menu bar gives it back when it
// is done. Only a move on to another control of this window leaves the field.
void SpinEdit::exitWhenFocusLeavesMenuBar()
{
    disconnect(m_menuBarWatch);
    m_menuBarWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (!now || qobject_cast<QMenuBar *>(now) || now->window() != window())
                return;
            disconnect(m_menuBarWatch);
            if (now != this && now != lineEdit())
                emit exited();
        });
}

QMenu *SpinEdit::createContextMenu()
{
    return lineEdit()->createStandardContextMenu();
}

void SpinEdit::contextMenuEvent(QContextMenuEvent *event)
{
    const QPointer<QMenu> menu = createContextMenu();
    const QPoint where = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                     : mapToGlobal(rect().center());
    menu->exec(where);
    delete menu;
    event->accept();
}

void SpinEdit::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

void SpinEdit::changeEvent(QEvent *event)
{
    QSpinBox::changeEvent(event);
    switch (event->type()) {
    case QEvent::StyleChange:
        placeTextInsideFrame();
        fitTextSize();
        break;
    case QEvent::FontChange:
    case QEvent::LocaleChange:
        fitTextSize();
        break;
    case QEvent::PaletteChange:
        // The text part paints the background: a colour given to the field reaches it.
        lineEdit()->setPalette(palette());
        break;
    default:
        break;
    }
}

void SpinEdit::resizeEvent(QResizeEvent *event)
{
    QSpinBox::resizeEvent(event);
    placeTextInsideFrame();
    fitTextSize();
}

void SpinEdit::placeTextInsideFrame()
{
    lineEdit()->setGeometry(rect().adjusted(kFrame, kFrame, -kFrame, -kFrame));
}

void SpinEdit::paintEvent(QPaintEvent *event)
{
    QSpinBox::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// The field keeps the window's font unless its widest number would not fit;
// then its text alone gets smaller, so no digit is ever cut off.
void SpinEdit::fitTextSize()
{
    const int room = lineEdit()->contentsRect().width() - kLineEditTextPadding;
    const QString lowest = textFromValue(minimum());
    const QString highest = textFromValue(maximum());
    lineEdit()->setFont(fittedFont(font(), room, [&](const QFont &font) {
        return qMax(measuredWidth(font, lowest, TextMeasure::Advance),
                    measuredWidth(font, highest, TextMeasure::Advance));
    }));
}
