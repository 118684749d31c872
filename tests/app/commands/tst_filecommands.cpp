#include "FileDialog.h"
#include "IgnFile.h"
#include "ParameterCodes.h"
#include "ParameterComparison.h"
#include "PollCycle.h"
#include "RadioGroup.h"
#include "SpinEdit.h"
#include "TuningTools.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

Q_DECLARE_METATYPE(FileDialogKind)

namespace {

// A stored set unlike the New defaults in several groups, already in range.
ParameterSet storedSet()
{
    ParameterSet p;
    p.SetDefaults();
    p.setBaseAdv(14);
    p.setAdvance(3, 22);
    p.setLimiter(0, 120);
    p.setClutch(0, 35);
    p.setInput(0, 1);
    return p;
}

ParameterSet newDefaults(ParameterSet p)
{
    p.SetDefaults();
    return p;
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> m_fixture;
    QList<FileDialogKind> m_asked;
    QStringList m_proposed;
    QString m_answer; // what the file dialog returns; empty cancels

    TFormHlav &start(const QStringList &arguments = {})
    {
        TFormHlav &form = m_fixture->start(arguments);
        form.setFileDialog([this](FileDialogKind kind, const QString &proposed) {
            m_asked << kind;
            m_proposed << proposed;
            return m_answer;
        });
        return form;
    }

    QAction *action(const char *name) { return m_fixture->control<QAction>(name); }
    QLabel *label(const char *name) { return m_fixture->control<QLabel>(name); }
    bool canUndo() { return m_fixture->control<QToolButton>("SpeedButtonZpet")->isEnabled(); }

    // Answers the New question with button; returns the question's text.
    QString answerNew(QMessageBox::StandardButton button)
    {
        QString text;
        const bool asked = testmodal::withModal([this] { action("MenuNew")->trigger(); },
                                                [&](QWidget *modal) {
                                                    auto *box = qobject_cast<QMessageBox *>(modal);
                                                    if (!box) {
                                                        modal->close();
                                                        return;
                                                    }
                                                    text = box->text();
                                                    QCOMPARE(box->icon(), QMessageBox::Question);
                                                    QCOMPARE(box->standardButtons(),
                                                             QMessageBox::Yes | QMessageBox::No |
                                                                 QMessageBox::Cancel);
                                                    box->button(button)->click();
                                                });
        return asked ? text : QString();
    }

    void showMessageLine()
    {
        label("LabelHlaseni")->show();
        m_fixture->control<QWidget>("CGaugeProgram")->show();
    }

    void checkMessageLineHidden()
    {
        QVERIFY(label("LabelHlaseni")->isHidden());
        QVERIFY(m_fixture->control<QWidget>("CGaugeProgram")->isHidden());
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<WindowFixture>();
        m_asked.clear();
        m_proposed.clear();
        m_answer.clear();
    }

    void cleanup() { m_fixture.reset(); }

    void newAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << int(QMessageBox::No);
        QTest::newRow("Cancel") << int(QMessageBox::Cancel);
        QTest::newRow("Yes") << int(QMessageBox::Yes);
    }

    void newAsksFirst()
    {
        QFETCH(int, answer);
        const QString lastFile = m_fixture->workFolder() + "/last.ign";
        m_fixture->writeSettings("[FORM_HLAV]\nFile=" + lastFile.toUtf8() +
                                 "\nIniDir=" + lastFile.toUtf8() + "\n");
        m_fixture->writeImage(storedSet());
        TFormHlav &form = start();
        showMessageLine();
        const ParameterSet before = form.parameters();
        QCOMPARE(before, storedSet());

        QCOMPARE(answerNew(QMessageBox::StandardButton(answer)),
                 QString("Do you want default setting?"));

        if (answer != QMessageBox::Yes) {
            QCOMPARE(form.parameters(), before);
            QVERIFY(!canUndo());
            QCOMPARE(label("LabelFile2")->text(), lastFile);
            QVERIFY(!label("LabelHlaseni")->isHidden());
            return;
        }
        QCOMPARE(form.parameters(), newDefaults(before));
        QVERIFY(canUndo());
        QCOMPARE(label("LabelFile2")->text(), QString());
        checkMessageLineHidden();
        // The last file is still what Save proposes.
        action("MenuSave")->trigger();
        QCOMPARE(m_proposed, QStringList{lastFile});
    }

    void saveThenOpenKeepsEveryField_data()
    {
        QTest::addColumn<bool>("storedImage");
        QTest::addColumn<bool>("newBetween");
        QTest::newRow("defaults, nothing differs") << false << false;
        QTest::newRow("stored set, nothing differs") << true << false;
        QTest::newRow("stored set back after New") << true << true;
    }

    void saveThenOpenKeepsEveryField()
    {
        QFETCH(bool, storedImage);
        QFETCH(bool, newBetween);
        if (storedImage)
            m_fixture->writeImage(storedSet());
        TFormHlav &form = start();
        const ParameterSet saved = form.parameters();
        m_answer = m_fixture->workFolder() + "/set.ign";

        action("MenuSave")->trigger();
        QCOMPARE(m_asked, QList<FileDialogKind>{FileDialogKind::Save});
        QCOMPARE(testfiles::readFile(m_answer), IgnFile::parameterFileText(saved));
        QCOMPARE(label("LabelFile2")->text(), m_answer);
        QVERIFY(!canUndo());

        if (newBetween) {
            answerNew(QMessageBox::Yes);
            QVERIFY(form.parameters() != saved);
        }
        showMessageLine();
        action("MenuOpen")->trigger();
        QCOMPARE(m_asked.last(), FileDialogKind::Open);
        QCOMPARE(m_proposed.last(), m_answer);
        QCOMPARE(form.parameters(), saved);
        QCOMPARE(label("LabelFile2")->text(), m_answer);
        QCOMPARE(canUndo(), newBetween);
        checkMessageLineHidden();
        QVERIFY(testboxes::shownMessageTexts().isEmpty());

        // Both file keys go to the settings file on close.
        form.close();
        const QByteArray settings = testfiles::readFile(m_fixture->settingsPath());
        QVERIFY(settings.contains("\nFile=" + m_answer.toUtf8() + "\n"));
        QVERIFY(settings.contains("\nIniDir=" + m_answer.toUtf8() + "\n"));
    }

    // Save takes the window as it stands, a value typed but not confirmed too.
    void saveTakesTypedValue()
    {
        TFormHlav &form = start();
        QVERIFY(m_fixture->showActive());
        auto *edit = m_fixture->control<SpinEdit>("EditBaseAdv");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "17");
        m_answer = m_fixture->workFolder() + "/typed.ign";

        action("MenuSave")->trigger();
        QCOMPARE(int(form.parameters().baseAdv()), 17);
        QVERIFY(IgnFile::parameterFileText(form.parameters()) == testfiles::readFile(m_answer));
        QVERIFY(!canUndo());
    }

    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<QString>("target"); // below the work folder
        QTest::addColumn<bool>("readOnlyFolder");
        // Pick-up kind 1 with polarity 1: a collect would move the polarity group.
        QTest::addColumn<bool>("forcedPickup");
        QTest::newRow("missing folder") << "missing/set.ign" << false << false;
        QTest::newRow("target is a folder") << "folder.ign" << false << false;
        QTest::newRow("read-only folder") << "locked/set.ign" << true << false;
#ifdef Q_OS_UNIX
        QTest::newRow("link to a pipe") << "piped/set.ign" << false << false;
#endif
        QTest::newRow("polarity to be forced, programming after change")
            << "missing/set.ign" << false << true;
    }

    void failedSaveChangesNothing()
    {
        QFETCH(QString, target);
        QFETCH(bool, readOnlyFolder);
        QFETCH(bool, forcedPickup);
        const QString path = m_fixture->workFolder() + '/' + target;
        const QByteArray previous = "KORVALEN_KEY   46 \r\n\r\nBIKE            3 ";
        if (target == "folder.ign")
            QVERIFY(QDir().mkpath(path));
        // A pipe stands for a device node, which only the system may make.
        const QString pipe = m_fixture->workFolder() + "/piped/pipe";
#ifdef Q_OS_UNIX
        if (target == "piped/set.ign") {
            QVERIFY(QDir().mkpath(m_fixture->workFolder() + "/piped"));
            QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
            QVERIFY(QFile::link(pipe, path));
        }
#endif
        const QString lockedFolder = m_fixture->workFolder() + "/locked";
        if (readOnlyFolder) {
            testfiles::writeFile(path, previous);
            QFile::setPermissions(lockedFolder, QFile::ReadOwner | QFile::ExeOwner);
            if (QFileInfo(lockedFolder).isWritable()) {
                QFile::setPermissions(lockedFolder,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("This user writes into read-only folders");
            }
        }

        const QString lastFile = m_fixture->workFolder() + "/last.ign";
        m_fixture->writeSettings("[FORM_HLAV]\nFile=shown.ign\nIniDir=" + lastFile.toUtf8() + "\n");
        if (forcedPickup) {
            ParameterSet image = storedSet();
            image.setBike(1);
            image.setPolarita(1);
            m_fixture->writeImage(image);
        }
        TFormHlav &form = start();
        QVERIFY(m_fixture->showActive());
        auto *polarity = m_fixture->control<RadioGroup>("RadioGroupPolarita");
        const int shownPolarity = polarity->itemIndex();
        if (forcedPickup)
            QCOMPARE(shownPolarity, 1);
        m_fixture->control<QCheckBox>("CheckBoxProgHned")->setChecked(forcedPickup);
        const ParameterSet before = form.parameters();
        auto *edit = m_fixture->control<SpinEdit>("EditBaseAdv");
        // Typed without moving the focus: leaving the focused field would commit.
        edit->selectAll();
        QTest::keyClicks(edit, "17");
        m_answer = path;

        action("MenuSave")->trigger();
        if (readOnlyFolder)
            QFile::setPermissions(lockedFolder,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(testboxes::shownMessageTexts(), QStringList{"Open file error!"});
        QCOMPARE(form.parameters(), before);
        QCOMPARE(polarity->itemIndex(), shownPolarity);
        QVERIFY(!canUndo());
        QCOMPARE(form.link().linkState(), PollCycle::LinkState::Idle);
        QCOMPARE(edit->text(), QString("17"));
        QCOMPARE(label("LabelFile2")->text(), QString("shown.ign"));
        if (readOnlyFolder)
            QCOMPARE(testfiles::readFile(path), previous);
        else
            QVERIFY(!QFileInfo(path).isFile());
        if (target == "piped/set.ign")
            QVERIFY(QFileInfo(path).isSymLink() && QFileInfo(pipe).exists());
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                 readOnlyFolder || target == "piped/set.ign" ? QStringList{"set.ign"}
                                                             : QStringList{});

        testboxes::closeMessageBoxes();
        m_answer.clear();
        action("MenuSave")->trigger();
        QCOMPARE(m_proposed.last(), lastFile);
    }

    void openThatChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancelled") << QByteArray() << true << QStringList{};
        QTest::newRow("missing file") << QByteArray() << false << QStringList{"Open file error!"};
        QTest::newRow("version 45")
            << QByteArray("KORVALEN_KEY   45 \r\n\r\nBIKE            0 \r\n"
                          "BASE_ADV       30 \r\nLIMITER        90   140     4 ")
            << false << QStringList{"Unmatched version of *.ign file!"};
        QTest::newRow("no key at all") << QByteArray("BASE_ADV 30\n") << false
                                       << QStringList{"Unmatched version of *.ign file!"};
    }

    void openThatChangesNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, cancel);
        QFETCH(QStringList, messages);
        const QString path = m_fixture->workFolder() + "/old.ign";
        if (!content.isNull())
            testfiles::writeFile(path, content);
        m_fixture->writeSettings("[FORM_HLAV]\nFile=shown.ign\nIniDir=last.ign\n");
        m_fixture->writeImage(storedSet());
        TFormHlav &form = start();
        showMessageLine();
        m_answer = cancel ? QString() : path;

        action("MenuOpen")->trigger();
        QCOMPARE(m_proposed, QStringList{"last.ign"});
        QCOMPARE(testboxes::shownMessageTexts(), messages);
        QCOMPARE(form.parameters(), storedSet());
        QVERIFY(!canUndo());
        QCOMPARE(label("LabelFile2")->text(), QString("shown.ign"));
        checkMessageLineHidden();
        testboxes::closeMessageBoxes();
        action("MenuSave")->trigger();
        QCOMPARE(m_proposed.last(), QString("last.ign"));
    }

    // Compare with file shows the file's set beside the window's and changes
    // neither the window's set, its undo history nor its file name.
    void compareWithFile_data()
    {
        QTest::addColumn<QByteArray>(
            "content"); // null: no file; empty: storedSet with another bike
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("another motorcycle") << QByteArray("") << QStringList{};
        QTest::newRow("missing file") << QByteArray() << QStringList{"Open file error!"};
        QTest::newRow("version 45")
            << QByteArray("KORVALEN_KEY   45 \r\n\r\nBIKE            4 \r\n")
            << QStringList{"Unmatched version of *.ign file!"};
    }

    void compareWithFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, messages);
        const QString path = m_fixture->workFolder() + "/other.ign";
        ParameterSet fileSet = storedSet();
        fileSet.setBike(4);
        if (content.isEmpty() && !content.isNull())
            QVERIFY(IgnFile::save(path, fileSet));
        else if (!content.isNull())
            testfiles::writeFile(path, content);
        m_fixture->writeSettings("[FORM_HLAV]\nFile=shown.ign\nIniDir=last.ign\n");
        m_fixture->writeImage(storedSet());
        TFormHlav &form = start();
        form.tuningTools().setCompareFileDialog(
            [this](FileDialogKind kind, const QString &proposed) {
                m_asked << kind;
                m_proposed << proposed;
                return m_answer;
            });
        m_answer = path;

        action("MenuCompareFile")->trigger();
        QCOMPARE(m_asked, QList<FileDialogKind>{FileDialogKind::Open});
        QCOMPARE(testboxes::shownMessageTexts(), messages);
        testboxes::closeMessageBoxes();
        QCOMPARE(form.parameters(), storedSet());
        QVERIFY(!canUndo());
        QCOMPARE(label("LabelFile2")->text(), QString("shown.ign"));
        auto *table = form.findChild<QTableWidget *>(QStringLiteral("TableCompare"));
        if (!messages.isEmpty()) {
            QVERIFY(!table);
            return;
        }
        QVERIFY(table && table->isVisible());
        int marked = 0;
        for (int r = 0; r < table->rowCount(); ++r)
            marked += table->item(r, 0)->data(Qt::UserRole).toBool() ? 1 : 0;
        QCOMPARE(marked, 1);
        QCOMPARE(marked, int(ParameterComparison::compare(storedSet(), fileSet).size()));
        // The motorcycles by the names the window's list gives them.
        auto *bikes = m_fixture->control<QComboBox>("ComboBoxBike");
        const QString windowBike = bikes->currentText();
        bikes->setCurrentIndex(*codes::listIndexFromBike(fileSet.bike()));
        const QString fileBike = bikes->currentText();
        QVERIFY(windowBike != fileBike);
        const QList<QTableWidgetItem *> found = table->findItems(fileBike, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QCOMPARE(table->item(found.first()->row(), 1)->text(), windowBike);
        // Open still proposes its own last file.
        action("MenuOpen")->trigger();
        QCOMPARE(m_proposed.last(), QString("last.ign"));
    }

    // The programming an opened set starts keeps its message line in view.
    void openedSetIsProgrammedAtOnce()
    {
        m_fixture->writeImage(storedSet());
        TFormHlav &form = start();
        m_answer = m_fixture->workFolder() + "/defaults.ign";
        QVERIFY(IgnFile::save(m_answer, newDefaults(storedSet())));
        m_fixture->control<QCheckBox>("CheckBoxProgHned")->setChecked(true);

        action("MenuOpen")->trigger();
        QCOMPARE(form.parameters(), newDefaults(storedSet()));
        QCOMPARE(form.link().linkState(), PollCycle::LinkState::Programming);
        QVERIFY(!label("LabelHlaseni")->isHidden());
        QVERIFY(label("LabelHlaseni")->text().startsWith("Programing"));
    }

    void realDialogAsksForIgnFiles_data()
    {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QString>("typed"); // null cancels
        QTest::addColumn<QString>("chosen");
        const QStringList open{"Ignition Parametrs(*.ign)", "All Files (*.*)"};
        const QStringList save{"Ignition Parametrs(*.ign)"};
        QTest::newRow("open proposed") << FileDialogKind::Open << open << "a.ign"
                                       << "a.ign";
        QTest::newRow("open cancelled") << FileDialogKind::Open << open << QString() << QString();
        QTest::newRow("save adds suffix") << FileDialogKind::Save << save << "b"
                                          << "b.ign";
        QTest::newRow("save cancelled") << FileDialogKind::Save << save << QString() << QString();
    }

    void realDialogAsksForIgnFiles()
    {
        QFETCH(FileDialogKind, kind);
        QFETCH(QStringList, filters);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        const QString folder = m_fixture->workFolder();
        const QString proposed = folder + "/a.ign";
        testfiles::writeFile(proposed, "KORVALEN_KEY 46");
        QWidget owner;
        QString result = "not asked";

        const bool shown = testmodal::withModal(
            [&] { result = askForParameterFile(&owner, kind, proposed); },
            [&](QWidget *modal) {
                auto *dialog = qobject_cast<QFileDialog *>(modal);
                QVERIFY2(dialog, testmodal::describe(modal));
                QCOMPARE(dialog->nameFilters(), filters);
                QCOMPARE(dialog->selectedNameFilter(), filters.first());
                QCOMPARE(dialog->defaultSuffix(), QString("ign"));
                QCOMPARE(dialog->acceptMode(), kind == FileDialogKind::Save
                                                   ? QFileDialog::AcceptSave
                                                   : QFileDialog::AcceptOpen);
                QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
                QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(folder).canonicalPath());
                QCOMPARE(dialog->selectedFiles(), QStringList{proposed});
                if (typed.isNull()) {
                    dialog->reject();
                    return;
                }
                // Typed as a user types it: selectFile() leaves a name field
                // that has focus as it is, so it would race with the dialog
                // taking the focus, and the proposed name would stay.
                auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                QVERIFY(name);
                name->setText(typed);
                QMetaObject::invokeMethod(dialog, "accept");
            });
        QVERIFY2(shown, "no file dialog appeared");
        QCOMPARE(result, chosen.isNull() ? QString() : folder + '/' + chosen);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
