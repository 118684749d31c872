#include "ControlTexts.h"
#include "CurveGraphWindow.h"
#include "HistoryFolder.h"
#include "IgnFile.h"
#include "PathLabel.h"
#include "PollCycle.h"
#include "SpinEdit.h"
#include "TestFiles.h"
#include "ToolTexts.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

// The tool items of the Tools menu on the real main window.
class TestToolCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> m_fixture;

    CurveGraphWindow *graphWindow()
    {
        return m_fixture->control<CurveGraphWindow>("FormCurveGraph");
    }

private slots:
    void init() { m_fixture = std::make_unique<WindowFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void toolItemsCloseTheToolsMenu()
    {
        const TFormHlav &form = m_fixture->start();
        const QList<QAction *> items = m_fixture->control<QMenu>("MenuTools")->actions();
        QVERIFY(items.size() > 4);
        QVERIFY(items.at(items.size() - 4)->isSeparator());
        QCOMPARE(items.at(items.size() - 3)->objectName(), QStringLiteral("MenuCurveGraph"));
        QCOMPARE(items.at(items.size() - 2)->objectName(), QStringLiteral("MenuHistory"));
        QCOMPARE(items.last()->objectName(), QStringLiteral("MenuRideLog"));
        // Captioned and hinted by the language pass from the table, by name,
        // like every other item.
        const lang::ControlTexts texts(form.language());
        for (const char *name : {"MenuCompareFile", "MenuCompareUnit", "MenuRecord",
                                 "MenuCurveGraph", "MenuHistory", "MenuRideLog"}) {
            const auto *item = m_fixture->control<QAction>(name);
            QCOMPARE(item->text(), texts.caption(QLatin1String(name)));
            QCOMPARE(item->statusTip(), lang::splitHint(texts.hint(QLatin1String(name))).status);
        }
    }

    // Ctrl+G opens the graph; its place and that it was open come back at the next start.
    void graphPlaceAndOpenAreRestored()
    {
        TFormHlav &form = m_fixture->start();
        QVERIFY(m_fixture->showActive());
        QVERIFY(!graphWindow()->isVisible());
        QTest::keySequence(&form, QKeySequence(QStringLiteral("Ctrl+G")));
        QVERIFY(graphWindow()->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(graphWindow()));
        const QRect placed(60, 70, 420, 300);
        graphWindow()->setGeometry(placed);
        form.close();

        m_fixture->start();
        QTRY_VERIFY_WITH_TIMEOUT(graphWindow()->isVisible(), 2000);
        QCOMPARE(graphWindow()->geometry(), placed);
        graphWindow()->close();
        m_fixture->window().close();

        m_fixture->start();
        QCoreApplication::processEvents();
        QVERIFY(!graphWindow()->isVisible());
    }

    // A place on no screen any more is not taken: the graph opens beside the window.
    void graphOffEveryScreenIsPlacedAnew()
    {
        m_fixture->writeSettings("[CURVE_GRAPH]\r\nLeft=-90000\r\nTop=-90000\r\nWidth=400\r\n"
                                 "Height=300\r\nOpen=1\r\n");
        m_fixture->start();
        QTRY_VERIFY_WITH_TIMEOUT(graphWindow()->isVisible(), 2000);
        QVERIFY(graphWindow()->geometry().left() > -90000);
    }

    void historyOpensLikeOpen_data()
    {
        QTest::addColumn<bool>("programAfterChange");
        QTest::newRow("plain") << false;
        QTest::newRow("programming after change") << true;
    }

    // History opens the chosen set as File -> Open does, programming included.
    void historyOpensLikeOpen()
    {
        QFETCH(bool, programAfterChange);
        ParameterSet kept;
        kept.SetDefaults();
        kept.setBaseAdv(17);
        kept.setAdvance(0, 33);
        HistoryFolder folder(m_fixture->historyFolder());
        QVERIFY(folder.record(kept, QStringLiteral("SIL13"), HistoryEvent::Programmed));
        const QString path = folder.entries().first().path;

        TFormHlav &form = m_fixture->start();
        m_fixture->control<QCheckBox>("CheckBoxProgHned")->setChecked(programAfterChange);
        const bool shown = testmodal::withModal(
            [this] { m_fixture->control<QAction>("MenuHistory")->trigger(); },
            [](QWidget *modal) {
                auto *open = modal->findChild<QPushButton *>(QStringLiteral("ButtonHistoryOpen"));
                if (!open) {
                    testmodal::closeModal(modal);
                    return;
                }
                open->click();
            });
        QVERIFY(shown);
        QCOMPARE(form.parameters().baseAdv(), quint8(17));
        QCOMPARE(form.parameters().advance(0), quint8(33));
        // A record, not a file of the user's: the line says so, and no dialog starts there.
        QVERIFY(m_fixture->control<QLabel>("LabelFile2")->text() != path);
        QVERIFY(m_fixture->control<QLabel>("LabelFile2")
                    ->text()
                    .contains(QLocale().toString(folder.entries().first().when.toLocalTime().date(),
                                                 QLocale::ShortFormat)));
        QVERIFY(m_fixture->control<QToolButton>("SpeedButtonZpet")->isEnabled());
        QCOMPARE(form.link().linkState() == PollCycle::LinkState::Programming, programAfterChange);
    }

    // Save offers the last folder of the user's, never the history's; saving
    // into the history is refused, and the entry survives Open + Save.
    void historyEntrySurvivesOpenAndSave()
    {
        ParameterSet kept;
        kept.SetDefaults();
        kept.setBaseAdv(17);
        HistoryFolder folder(m_fixture->historyFolder());
        QVERIFY(folder.record(kept, QStringLiteral("SIL13"), HistoryEvent::Read));
        const QString entry = folder.entries().first().path;
        const QByteArray before = testfiles::readFile(entry);

        TFormHlav &form = m_fixture->start();
        QStringList proposed;
        QString answer = entry;
        form.setFileDialog([&](FileDialogKind, const QString &start) {
            proposed << start;
            return answer;
        });
        m_fixture->control<QAction>("MenuOpen")->trigger(); // the user went there by hand
        QCOMPARE(form.parameters().baseAdv(), quint8(17));
        QVERIFY(m_fixture->control<QLabel>("LabelFile2")->text() != entry);
        m_fixture->control<QAction>("MenuSave")->trigger();
        QCOMPARE(testboxes::shownMessageTexts(),
                 QStringList{lang::toolText(lang::Tool::HistorySaveRefused, lang::English)});
        testboxes::closeMessageBoxes();
        QCOMPARE(testfiles::readFile(entry), before);
        QCOMPARE(folder.entries().size(), 1);
        QCOMPARE(proposed.size(), 2);
        QVERIFY(!proposed.last().startsWith(m_fixture->historyFolder()));

        answer = m_fixture->historyFolder() + QStringLiteral("/../mine.ign");
        m_fixture->control<QAction>("MenuSave")->trigger();
        QVERIFY(QFileInfo::exists(answer));
        QCOMPARE(m_fixture->control<QLabel>("LabelFile2")->text(), answer);
        QCOMPARE(testfiles::readFile(entry), before);
    }

    // "•" after the file name and in the title once the set is edited; gone
    // again when it is saved.
    void editedSetIsMarkedUntilSaved()
    {
        TFormHlav &form = m_fixture->start();
        QVERIFY(m_fixture->showActive());
        QVERIFY(QDir().mkpath(m_fixture->historyFolder()));
        const QString path = m_fixture->historyFolder() + QStringLiteral("/../bike.ign");
        form.setFileDialog([&](FileDialogKind, const QString &) { return path; });
        m_fixture->control<QAction>("MenuSave")->trigger();
        auto *fileLine = m_fixture->control<PathLabel>("LabelFile2");
        const QString title = form.windowTitle();
        QCOMPARE(fileLine->mark(), QString());

        auto *edit = m_fixture->control<SpinEdit>("EditBaseAdv");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "17");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(fileLine->mark().contains(QChar(0x2022)));
        QCOMPARE(form.windowTitle(), title + fileLine->mark());
        QVERIFY(fileLine->shownText().endsWith(fileLine->mark()));

        m_fixture->control<QAction>("MenuSave")->trigger();
        QCOMPARE(fileLine->mark(), QString());
        QCOMPARE(form.windowTitle(), title);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestToolCommands)
#include "tst_toolcommands.moc"
