#include "WindowFixture.h"

#include <QToolButton>

// Every way to a file or help command reaches that command and no other.
class TestCommandKeys : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> m_fixture;
    ViewerRecorder m_viewer;

private slots:
    void init()
    {
        m_fixture = std::make_unique<WindowFixture>();
        m_viewer.opened.clear();
    }

    void cleanup() { m_fixture.reset(); }

    void triggerRunsCommand_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key"); // empty: a tool button, clicked
        QTest::addColumn<QString>("command");
        QTest::newRow("Ctrl+N") << "MenuNew"
                                << "Ctrl+N"
                                << "new";
        QTest::newRow("F3") << "MenuOpen"
                            << "F3"
                            << "open";
        QTest::newRow("F2") << "MenuSave"
                            << "F2"
                            << "save";
        QTest::newRow("F1") << "MenuContens"
                            << "F1"
                            << "help";
        QTest::newRow("new button") << "SpeedButton6" << QString() << "new";
        QTest::newRow("open button") << "SpeedButton5" << QString() << "open";
        QTest::newRow("save button") << "SpeedButton7" << QString() << "save";
    }

    void triggerRunsCommand()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        QFETCH(QString, command);
        testfiles::writeFile(m_fixture->workFolder() + "/manual_zevras_en.pdf", "%PDF");
        TFormHlav &form = m_fixture->start();
        QStringList ran;
        form.setFileDialog([&ran](FileDialogKind kind, const QString &) {
            ran << (kind == FileDialogKind::Open ? "open" : "save");
            return QString();
        });
        QVERIFY(m_fixture->showActive());

        std::function<void()> trigger;
        if (key.isEmpty()) {
            auto *button = m_fixture->control<QToolButton>(control.toLatin1());
            QVERIFY(button);
            trigger = [button] { QTest::mouseClick(button, Qt::LeftButton); };
        } else {
            auto *action = m_fixture->control<QAction>(control.toLatin1());
            QVERIFY(action);
            QCOMPARE(action->shortcut(), QKeySequence(key));
            trigger = [&form, key] { QTest::keySequence(&form, QKeySequence(key)); };
        }
        testmodal::withModal(trigger, [&ran](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (box && box->text() == "Do you want default setting?") {
                ran << "new";
                box->button(QMessageBox::Cancel)->click();
            } else {
                modal->close();
            }
        });
        if (!m_viewer.opened.isEmpty())
            ran << "help";
        QCOMPARE(ran, QStringList{command});
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestCommandKeys)
#include "tst_commandkeys.moc"
