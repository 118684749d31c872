#pragma once

#include "MessageBoxes.h"
#include "ModalAnswer.h"
#include "ParameterSet.h"
#include "TFormHlav.h"
#include "TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

// Stands in for the desktop's document viewer for file URLs while it lives.
class ViewerRecorder : public QObject
{
    Q_OBJECT

public:
    ViewerRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~ViewerRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

// The main window for real, started in scratch folders: its settings and
// image live under a temporary XDG_CONFIG_HOME, its history of sets under a
// temporary XDG_DATA_HOME, and its working folder is temporary too. The "Com opening error!" box of
// every start is closed and the tick stopped, so only the command under test changes the window.
class WindowFixture
{
public:
    WindowFixture() : m_previousFolder(QDir::currentPath())
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        QDir::setCurrent(m_work.path());
    }

    ~WindowFixture()
    {
        m_window.reset();
        testboxes::closeMessageBoxes();
        QDir::setCurrent(m_previousFolder);
    }

    QString configFolder() const { return m_config.path() + QStringLiteral("/zevras"); }
    QString workFolder() const { return m_work.path(); }
    QString historyFolder() const { return m_data.path() + QStringLiteral("/zevras/history"); }
    QString settingsPath() const { return configFolder() + QStringLiteral("/zevras.ini"); }

    void writeSettings(const QByteArray &text) { testfiles::writeFile(settingsPath(), text); }

    // The stored image the window starts with: "%5u " per byte.
    void writeImage(const ParameterSet &image)
    {
        QByteArray text;
        for (int i = 0; i < ParameterSet::kSize; ++i)
            text += QByteArray::number(image.at(i)).rightJustified(5, ' ') + ' ';
        testfiles::writeFile(configFolder() + QStringLiteral("/_zevras.ini"), text);
    }

    TFormHlav &start(const QStringList &arguments = {})
    {
        m_window = std::make_unique<TFormHlav>(arguments);
        if (auto *timer = m_window->findChild<QTimer *>(QStringLiteral("Timer1")))
            timer->stop();
        testboxes::closeMessageBoxes();
        return *m_window;
    }

    // Shown and active, as keyboard shortcuts need it.
    bool showActive()
    {
        m_window->show();
        m_window->activateWindow();
        return QTest::qWaitForWindowActive(m_window.get());
    }

    TFormHlav &window() { return *m_window; }

    template <typename T> T *control(const char *name)
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_data;
    QTemporaryDir m_work;
    QString m_previousFolder;
    std::unique_ptr<TFormHlav> m_window;
};
