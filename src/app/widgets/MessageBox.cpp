#include "MessageBox.h"

#include <QMessageBox>

#include <utility>

void showMessageBox(QWidget *parent, const QString &text)
{
    showMessageBox(parent, text, nullptr);
}

void showMessageBox(QWidget *parent, const QString &text, std::function<void()> closed)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("ZEVRA-S2"), text,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    if (closed)
        QObject::connect(box, &QDialog::finished, box,
                         [closed = std::move(closed)](int) { closed(); });
    box->open();
}
