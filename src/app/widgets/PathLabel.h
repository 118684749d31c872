#pragma once

#include <QLabel>

// A label for a file path in a fixed room: a path too long for it is shortened
// in the middle ("/home/…/set.ign"), so the folder's start and the file name
// stay readable; its tooltip gives the whole path. text() is the whole path.
class PathLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // What the label shows of text() in its present width, the mark included.
    QString shownText() const;
    // A short mark shown after the path, never shortened ("•" for an edited set).
    void setMark(const QString &mark);
    const QString &mark() const { return m_mark; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QString m_mark;
};
