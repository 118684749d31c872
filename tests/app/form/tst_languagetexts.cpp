#include "LanguageTexts.h"
#include "MessageTable.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A few controls of the main window, named as there.
struct Window
{
    Window()
    {
        root.setObjectName("FormHlav");
        root.setWindowTitle("design");
        auto *layout = new QVBoxLayout(&root);
        const auto label = [&](const char *name, const char *text) {
            auto *widget = new QLabel(QString::fromUtf8(text), &root);
            widget->setObjectName(name);
            layout->addWidget(widget);
            return widget;
        };
        speed = label("LabelRpm1", "RPM");
        file = label("LabelFile1", "File:");
        noConnection = label("LabelSpojeni", "No Connection");
        monitorAdvance = label("LabelMon_Advance", "ADVANCE= --- [°]");
        monitorCount = label("LabelPocetProgramovani", "Number of Programing: -----");
        monitorInput = label("LabelMonInput1In", "Input 1: Yes");
        liveSpeed = label("LabelRpm", "RPM = ---");

        kinds = new QComboBox(&root);
        kinds->setObjectName("ComboBoxPocPalcu");
        kinds->addItems({"a", "b", "c", "d"});
        kinds->setCurrentIndex(2);
        layout->addWidget(kinds);

        input = new QGroupBox("Input 1", &root);
        input->setObjectName("RadioGroupInput1");
        auto *inputLayout = new QVBoxLayout(input);
        for (int i = 0; i < 5; ++i) {
            auto *button = new QRadioButton(QString::number(i), input);
            inputLayout->addWidget(button);
            buttons << button;
        }
        buttons.at(3)->setChecked(true);
        layout->addWidget(input);

        readButton = new QPushButton("&Read", &root);
        readButton->setObjectName("ButtonRead");
        layout->addWidget(readButton);

        deviceMenu = new QMenu("&Device", &root);
        deviceMenu->setObjectName("MenuDevice");
        comMenu = new QMenu("&Com", &root);
        comMenu->setObjectName("MenuCom");
        read = new QAction("&Read", &root);
        read->setObjectName("MenuRead");
        deviceMenu->addAction(read);
        for (const char *name : {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"}) {
            auto *item = new QAction(name, &root);
            item->setObjectName(name);
            languageItems << item;
        }
    }

    QStringList checkedItems() const
    {
        QStringList names;
        for (const QAction *item : languageItems) {
            if (item->isChecked())
                names << item->objectName();
        }
        return names;
    }

    QWidget root;
    QLabel *speed, *file, *noConnection, *monitorAdvance, *monitorCount, *monitorInput, *liveSpeed;
    QComboBox *kinds;
    QGroupBox *input;
    QList<QRadioButton *> buttons;
    QPushButton *readButton;
    QMenu *deviceMenu, *comMenu;
    QAction *read;
    QList<QAction *> languageItems;
};

} // namespace

class TestLanguageTexts : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("speedTip");
        QTest::addColumn<QString>("speedStatus");
        QTest::addColumn<QString>("fileLabel");
        QTest::addColumn<QString>("readCaption");
        QTest::addColumn<QString>("readHint");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("comTip");
        QTest::addColumn<QString>("kind2");
        QTest::addColumn<QString>("input1");
        QTest::addColumn<QString>("input3");

        QTest::newRow("English") << 0 << "Programming of ZEVRA-S2 unit"
                                 << "Round per Minute"
                                 << "Speed - Round per Minute"
                                 << "File:"
                                 << "&Read"
                                 << "Reading parametrs from ignition"
                                 << "&Ignition"
                                 << "Set number of com"
                                 << "3 ignitions per revolution"
                                 << "Input 1"
                                 << "Retard";
        QTest::newRow("German hint without a bar goes whole to both")
            << 1 << "Programmierung der ZEVRA-S2 Zündbox"
            << "Umdrehungen pro Minute"
            << "Umdrehungen pro Minute"
            << "Datei:"
            << "&Lesen"
            << "Kenndaten aus Zündung lesen"
            << "&Zündung"
            << "Com-Anschluß festlegen"
            << "3 Zündungen pro Umdrehung"
            << "Eingang 1"
            << "Spätzündung";
        QTest::newRow("French") << 2 << "Programation de ZEVRA-S2 unité"
                                << "Tours minute"
                                << "Tours minute"
                                << "Fichier:"
                                << "&Lire"
                                << "Lire paramètres ECU"
                                << "&Allumage"
                                << "installer nombre de com"
                                << "3 ignitions per revolution"
                                << "Entrée 1"
                                << "Retard à l´allumage";
        QTest::newRow("Czech") << 3 << "Programování jednotky ZEVRA-S2"
                               << "Otáčky za minutu"
                               << "Rychlost - Otáčky za minutu"
                               << "Soubor:"
                               << "&Čtení"
                               << "Čtení parametrů ze zapalování"
                               << "&Zapalování"
                               << "Nastavení čísla serivého portu (Com) "
                               << "3 zápaly za otáčku"
                               << "Vstup 1"
                               << "Snížení předstihu";
    }

    void everyLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, speedTip);
        QFETCH(QString, speedStatus);
        QFETCH(QString, fileLabel);
        QFETCH(QString, readCaption);
        QFETCH(QString, readHint);
        QFETCH(QString, device);
        QFETCH(QString, comTip);
        QFETCH(QString, kind2);
        QFETCH(QString, input1);
        QFETCH(QString, input3);

        Window w;
        lang::MessageTable messages;
        lang::applyLanguageTexts(&w.root, messages, quint8(language));

        QCOMPARE(messages.language(), quint8(language));
        QCOMPARE(w.root.windowTitle(), title);
        QCOMPARE(w.speed->toolTip(), speedTip);
        QCOMPARE(w.speed->statusTip(), speedStatus);
        QCOMPARE(w.speed->text(), QStringLiteral("RPM"));
        QCOMPARE(w.file->text(), fileLabel);
        QCOMPARE(w.read->text(), readCaption);
        QCOMPARE(w.read->toolTip(), readHint);
        QCOMPARE(w.read->statusTip(), readHint);
        QCOMPARE(w.readButton->text(), readCaption);
        QCOMPARE(w.readButton->statusTip(), readHint);
        QCOMPARE(w.deviceMenu->title(), device);
        QCOMPARE(w.comMenu->menuAction()->toolTip(), comTip);
        QCOMPARE(w.comMenu->menuAction()->statusTip(), comTip);
        QCOMPARE(w.kinds->itemText(2), kind2);
        QCOMPARE(w.input->title(), input1);
        QCOMPARE(w.buttons.at(3)->text(), input3);
        QCOMPARE(w.liveSpeed->text(), QStringLiteral("RPM = ---"));
    }

    void selectionsSurviveSwitching()
    {
        Window w;
        lang::MessageTable messages;
        lang::applyLanguageTexts(&w.root, messages, lang::German);
        lang::applyLanguageTexts(&w.root, messages, lang::Czech);

        QCOMPARE(w.kinds->count(), 4);
        QCOMPARE(w.kinds->currentIndex(), 2);
        QCOMPARE(w.kinds->itemText(0), QStringLiteral("1 zápal za otáčku"));
        QCOMPARE(w.kinds->itemText(3), QStringLiteral("1 zápal za 2 otáčky (vačkový hřídel)"));
        QVERIFY(w.buttons.at(3)->isChecked());
        QStringList shown;
        for (const QRadioButton *button : w.buttons)
            shown << button->text();
        QCOMPARE(shown, (QStringList{"Vypnut", "Kill switch", "Clutch master", "Snížení předstihu",
                                     "Startovací omezovač"}));
    }

    void shortListsKeepTheirLength()
    {
        Window w;
        w.kinds->clear();
        w.kinds->addItems({"x", "y"});
        w.kinds->setCurrentIndex(1);
        delete w.buttons.takeLast();
        lang::MessageTable messages;
        lang::applyLanguageTexts(&w.root, messages, lang::English);

        QCOMPARE(w.kinds->count(), 2);
        QCOMPARE(w.kinds->currentIndex(), 1);
        QCOMPARE(w.kinds->itemText(1), QStringLiteral("2 ignitions per revolution"));
        QCOMPARE(w.buttons.last()->text(), QStringLiteral("Retard"));
    }

    void checkMarkOnOneItem_data()
    {
        QTest::addColumn<QList<int>>("switches");
        QTest::addColumn<QString>("checked");
        QTest::newRow("German") << QList<int>{1} << "MenuGerman";
        QTest::newRow("German then Czech") << QList<int>{1, 3} << "MenuCzech";
        QTest::newRow("same language twice") << QList<int>{2, 2} << "MenuFrench";
        QTest::newRow("unknown index is English") << QList<int>{3, 7} << "MenuEnglish";
    }

    void checkMarkOnOneItem()
    {
        QFETCH(QList<int>, switches);
        QFETCH(QString, checked);
        Window w;
        lang::MessageTable messages;
        for (int language : switches)
            lang::applyLanguageTexts(&w.root, messages, quint8(language));
        QCOMPARE(w.checkedItems(), QStringList{checked});
        for (const QAction *item : w.languageItems)
            QVERIFY(item->isCheckable());
        QCOMPARE(w.languageItems.at(1)->statusTip(), QStringLiteral("Deutsches Menü"));
    }

    void placeholdersOnlyWithoutConnection_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QString>("advance");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("input");
        QTest::newRow("no connection") << false << "Vorzündung= --- [°]"
                                       << "Programmierungsanzahl=  ---"
                                       << "Eingang 1: ---";
        QTest::newRow("connected keeps the monitor") << true << "Advance = 12° /max 30°"
                                                     << "Number of Programing= 5"
                                                     << "Input 1: Yes";
    }

    void placeholdersOnlyWithoutConnection()
    {
        QFETCH(bool, connected);
        QFETCH(QString, advance);
        QFETCH(QString, count);
        QFETCH(QString, input);
        Window w;
        w.monitorAdvance->setText("Advance = 12° /max 30°");
        w.monitorCount->setText("Number of Programing= 5");
        w.noConnection->setVisible(!connected);
        lang::MessageTable messages;
        lang::applyLanguageTexts(&w.root, messages, lang::German);

        QCOMPARE(w.monitorAdvance->text(), advance);
        QCOMPARE(w.monitorCount->text(), count);
        QCOMPARE(w.monitorInput->text(), input);
        QCOMPARE(w.noConnection->text(), QStringLiteral("Keine Verbindung zum PC"));
    }

    void labelWithBuddyKeepsAccessKey()
    {
        Window w;
        w.file->setBuddy(w.kinds);
        lang::MessageTable messages;
        lang::applyLanguageTexts(&w.root, messages, lang::German);
        QCOMPARE(w.file->text(), QStringLiteral("&Datei:"));
    }

    void setHint_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("status");
        QTest::newRow("split") << "Open|Open file with parametrs"
                               << "Open"
                               << "Open file with parametrs";
        QTest::newRow("whole") << "Type of keying"
                               << "Type of keying"
                               << "Type of keying";
    }

    void setHint()
    {
        QFETCH(QString, hint);
        QFETCH(QString, tip);
        QFETCH(QString, status);
        QLabel label;
        QAction action(nullptr);
        QMenu menu;
        lang::setHint(&label, hint);
        lang::setHint(&action, hint);
        lang::setHint(&menu, hint);
        QCOMPARE(label.toolTip(), tip);
        QCOMPARE(label.statusTip(), status);
        QCOMPARE(action.toolTip(), tip);
        QCOMPARE(action.statusTip(), status);
        QCOMPARE(menu.menuAction()->toolTip(), tip);
        QCOMPARE(menu.menuAction()->statusTip(), status);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestLanguageTexts)
#include "tst_languagetexts.moc"
