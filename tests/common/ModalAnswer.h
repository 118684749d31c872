#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace testmodal {

// Closes a modal window whatever it is: a dialog ends rejected, even a
// message box without an escape button, which ignores close().
inline void closeModal(QWidget *modal)
{
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->done(QDialog::Rejected);
    else
        modal->close();
}

inline QByteArray describe(QWidget *modal)
{
    QString text = QString::fromLatin1(modal->metaObject()->className());
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        text += QStringLiteral(" \"%1\"").arg(box->text());
    else if (!modal->windowTitle().isEmpty())
        text += QStringLiteral(" \"%1\"").arg(modal->windowTitle());
    return text.toUtf8();
}

// Runs trigger, which may open a modal window and wait in it. The first modal
// window to show goes to answer, which must close it. Returns whether one
// showed.
//
// The answer runs from a timer of its own, so the watch goes on while it
// waits: a window still modal when the answer has returned (a check inside it
// failed), or one that stays modal longer than kLeftOpenMs after the answer
// began (a box nobody expected, opened in a nested loop), fails the test and
// is closed. So a surprise ends the test instead of leaving it waiting.
inline bool withModal(const std::function<void()> &trigger,
                      const std::function<void(QWidget *)> &answer)
{
    constexpr int kPollMs = 10;
    constexpr int kLeftOpenMs = 5000;
    bool seen = false;
    QPointer<QWidget> answered;
    bool answerReturned = false;
    QElapsedTimer sinceAnswer;

    QTimer watch;
    watch.setInterval(kPollMs);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!seen) {
            if (!modal)
                return;
            seen = true;
            answered = modal;
            sinceAnswer.start();
            QTimer::singleShot(0, modal, [&answer, &answerReturned, modal] {
                answer(modal);
                answerReturned = true;
            });
            return;
        }
        if (!modal)
            return;
        const bool answerLeftItOpen = answerReturned && modal == answered;
        if (answerLeftItOpen || sinceAnswer.elapsed() > kLeftOpenMs) {
            QTest::qFail(("left open: " + describe(modal)).constData(), __FILE__, __LINE__);
            closeModal(modal);
        }
    });
    watch.start();
    trigger();
    watch.stop();
    return seen;
}

} // namespace testmodal
