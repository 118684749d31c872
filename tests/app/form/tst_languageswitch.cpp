#include "ControlTexts.h"
#include "PollCycle.h"
#include "QtTranslations.h"
#include "TFormHlav.h"
#include "WidgetOverlap.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const char *const kLanguageItems[] = {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};

// Ticks until "No connection with PC" shows, with room for a busy machine.
constexpr int kNoConnectionWaitMs = (PollCycle::kWatchdogTicks + 2) * PollCycle::kTickMs * 10;

// The monitor labels that show a placeholder while disconnected, in the order
// of the expected rows below.
const QStringList kMonitorLabels = {
    "LabelMon_Advance", "LabelMonStartLimiterOut", "LabelMonHardLimiter", "LabelMonLedRazeni",
    "LabelClutchMon",   "LabelMonRetard",          "LabelBlocking",       "LabelPocetProgramovani",
    "LabelSnimac",      "LabelPolaritaMer",        "LabelMonInput1In",    "LabelMonInput2In"};

QStringList placeholders(int language)
{
    switch (language) {
    case 1:
        return {"Vorzündung= --- [°]", "Startbegrenzer: ---",
                "Begrenzer: ---",      "Schaltblitz: ---",
                "Schaltautomat: ---",  "Spätzündung: ---",
                "Motor off: ---",      "Programmierungsanzahl=  ---",
                "Geber(CPS): ---",     "Polarität des CKPS: ---",
                "Eingang 1: ---",      "Eingang 2: ---"};
    case 2:
        return {"Avance= --- [°]",    "Limitateur départ: ---",
                "Limitateur: ---",    "Retard à l´allumage: ---",
                "Clutch master: ---", "Retard d´allumage: ---",
                "Blocage: ---",       "Nombre de programmations=  ---",
                "Capteur(CPS): ---",  "Polarité CKPS: ---",
                "Entrée 1: ---",      "Entrée 2: ---"};
    case 3:
        return {"Předstih= --- [°]",  "Startovací omezovač: ---",
                "Omezovač: ---",      "Kontrolka řazení: ---",
                "Clutch master: ---", "Snížení předstihu: ---",
                "Blokování: ---",     "Počet programování=  ---",
                "Snímač (CPS): ---",  "Polarita CKPS: ---",
                "Vstup 1: ---",       "Vstup 2: ---"};
    default:
        return {"Advance= --- [°]",   "Start limiter: ---",
                "Limiter: ---",       "Gear shift light: ---",
                "Clutch master: ---", "Retard: ---",
                "Motor off: ---",     "Number of Programing=  ---",
                "Pick-up (CPS): ---", "Polarity of CKPS: ---",
                "Input 1: ---",       "Input 2: ---"};
    }
}

QString caption(const QObject *control)
{
    if (const auto *menu = qobject_cast<const QMenu *>(control))
        return menu->title();
    if (const auto *action = qobject_cast<const QAction *>(control))
        return action->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *window = qobject_cast<const QWidget *>(control); window && window->isWindow())
        return window->windowTitle();
    return {};
}

const QObject *hintHolder(const QObject *control)
{
    if (const auto *menu = qobject_cast<const QMenu *>(control))
        return menu->menuAction();
    return control;
}

QString tip(const QObject *control)
{
    control = hintHolder(control);
    if (const auto *action = qobject_cast<const QAction *>(control))
        return action->toolTip();
    return qobject_cast<const QWidget *>(control)->toolTip();
}

QString statusTip(const QObject *control)
{
    control = hintHolder(control);
    if (const auto *action = qobject_cast<const QAction *>(control))
        return action->statusTip();
    return qobject_cast<const QWidget *>(control)->statusTip();
}

// Combo-box entries, or the buttons of a radio group, one a line.
QString items(const QObject *control)
{
    QStringList texts;
    if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    } else {
        for (const QAbstractButton *button :
             control->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
            texts << button->text();
    }
    return texts.join('\n');
}

// Everything the window shows as text, by "objectName:kind".
QMap<QString, QString> shownTexts(const TFormHlav &form)
{
    QMap<QString, QString> texts;
    const auto add = [&texts](const QObject *control) {
        const QString name = control->objectName();
        if (name.isEmpty())
            return;
        if (const QString text = caption(control); !text.isEmpty())
            texts.insert(name + ":caption", text);
        if (qobject_cast<const QComboBox *>(control) || control->inherits("RadioGroup"))
            texts.insert(name + ":items", items(control));
        if (qobject_cast<const QWidget *>(control) || qobject_cast<const QAction *>(control)) {
            if (const QString text = tip(control); !text.isEmpty())
                texts.insert(name + ":tip", text);
        }
    };
    add(&form);
    // Message boxes left open by start-up are not the window's texts.
    for (const QWidget *widget : form.findChildren<QWidget *>()) {
        if (widget->window() == &form || qobject_cast<const QMenu *>(widget))
            add(widget);
    }
    for (const QAction *action : form.findChildren<QAction *>())
        add(action);
    return texts;
}

// Where a control's text would need more room than the control has.
bool clipped(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return false;
        if (label->wordWrap())
            return label->heightForWidth(label->width()) > label->height();
        return label->sizeHint().width() > label->width();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        if (qobject_cast<const QPushButton *>(button) || button->text().isEmpty())
            return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() >
                   button->width();
        return button->sizeHint().width() > button->width();
    }
    return false;
}

QString describe(const QWidget *widget)
{
    const QRect r = widget->geometry();
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    return QString("%1 (%2,%3 %4x%5)")
        .arg(widget->objectName().isEmpty() && button ? button->text() : widget->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

// Clipped texts, controls reaching out of their container, and overlapping
// neighbours among the window's visible controls.
QStringList layoutFaults(const QWidget &window)
{
    QStringList faults;
    for (const QWidget *container : window.findChildren<QWidget *>()) {
        if (container->window() != &window || !container->isVisible())
            continue;
        if (!qobject_cast<const QGroupBox *>(container) &&
            container->objectName() != "centralwidget")
            continue;
        QList<const QWidget *> children;
        for (const QWidget *child :
             container->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && !child->objectName().startsWith("qt_"))
                children << child;
        }
        for (int i = 0; i < children.size(); ++i) {
            const QWidget *child = children.at(i);
            if (clipped(child))
                faults << "clipped: " + describe(child);
            if (!container->rect().contains(child->geometry()))
                faults << "outside " + container->objectName() + ": " + describe(child);
            for (int j = i + 1; j < children.size(); ++j) {
                if (testlayout::overlap(child, children.at(j)))
                    faults << "overlap: " + describe(child) + " " + describe(children.at(j));
            }
        }
    }
    return faults;
}

} // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<TFormHlav> m_form;

    // Settings with COM1 on a device that cannot exist, so no unit ever answers.
    void writeSettings(const QByteArray &formSection = {})
    {
        const QString folder = m_home.path() + "/zevras";
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + "/zevras.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[FORM_HLAV]\n" + formSection +
                   "[PORTS]\nCOM1=" + QFile::encodeName(m_home.path()) + "/no-such-port\n");
    }

    TFormHlav &open(const QStringList &arguments = {})
    {
        m_form = std::make_unique<TFormHlav>(arguments);
        return *m_form;
    }

    template <typename T = QObject> T *control(const QString &name) const
    {
        T *found = m_form->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    void choose(int language) { control<QAction>(kLanguageItems[language])->trigger(); }

    QStringList monitorTexts() const
    {
        QStringList texts;
        for (const QString &name : kMonitorLabels)
            texts << control<QLabel>(name)->text();
        return texts;
    }

    QStringList checkedLanguageItems() const
    {
        QStringList names;
        for (const char *name : kLanguageItems) {
            if (control<QAction>(name)->isChecked())
                names << name;
        }
        return names;
    }

    QWidget *noConnectionLabel() const { return control<QWidget>("LabelSpojeni"); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    }

    void init()
    {
        QDir(m_home.path() + "/zevras").removeRecursively();
        writeSettings();
    }

    void cleanup() { m_form.reset(); }

    // Qt's own dialogs speak the window's language: the open dialog's and a
    // message box's buttons, after each switch.
    void qtDialogsFollowLanguage_data()
    {
        QTest::addColumn<QList<int>>("languages");
        QTest::addColumn<QStringList>("buttons"); // Yes, No, Open, Cancel
        QTest::newRow("English") << QList<int>{0} << QStringList{"&Yes", "&No", "&Open", "Cancel"};
        QTest::newRow("German") << QList<int>{1}
                                << QStringList{"&Ja", "&Nein", "&Öffnen", "Abbrechen"};
        QTest::newRow("French") << QList<int>{2}
                                << QStringList{"&Oui", "&Non", "&Ouvrir", "Annuler"};
        QTest::newRow("Czech") << QList<int>{3} << QStringList{"&Ano", "&Ne", "&Otevřít", "Zrušit"};
        QTest::newRow("German, then English")
            << QList<int>{1, 0} << QStringList{"&Yes", "&No", "&Open", "Cancel"};
    }

    void qtDialogsFollowLanguage()
    {
        QFETCH(QList<int>, languages);
        QFETCH(QStringList, buttons);
        open();
        for (int language : languages)
            choose(language);
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No,
                        m_form.get());
        QFileDialog dialog(m_form.get());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        const auto *dialogButtons = dialog.findChild<QDialogButtonBox *>();
        QVERIFY(dialogButtons);
        QCOMPARE(
            QStringList({box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                         dialogButtons->button(QDialogButtonBox::Open)->text(),
                         dialogButtons->button(QDialogButtonBox::Cancel)->text()}),
            buttons);
    }

    void missingQtTranslationLeavesEnglish()
    {
        QTemporaryDir empty;
        QtTranslations translations(nullptr, empty.path());
        translations.setLanguage(1);
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QString("&Yes"));
    }

    void disconnectedSwitchWritesPlaceholders_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("English to German") << 0 << 1;
        QTest::newRow("English to French") << 0 << 2;
        QTest::newRow("German to Czech") << 1 << 3;
        QTest::newRow("Czech to English") << 3 << 0;
        QTest::newRow("French to French") << 2 << 2;
    }

    void disconnectedSwitchWritesPlaceholders()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        open();
        choose(from);
        // The grace ticks after start hide the label; silence then shows it.
        QTRY_VERIFY_WITH_TIMEOUT(noConnectionLabel()->isHidden(), kNoConnectionWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!noConnectionLabel()->isHidden(), kNoConnectionWaitMs);
        for (const QString &name : kMonitorLabels)
            control<QLabel>(name)->setText("old");
        choose(to);
        QCOMPARE(monitorTexts(), placeholders(to));
    }

    void connectedSwitchLeavesMonitor()
    {
        open();
        QTRY_VERIFY_WITH_TIMEOUT(noConnectionLabel()->isHidden(), kNoConnectionWaitMs);
        const QStringList before = monitorTexts();
        QCOMPARE(before, placeholders(0));
        choose(1);
        QCOMPARE(monitorTexts(), before);
        QCOMPARE(caption(noConnectionLabel()), QString("Keine Verbindung zum PC"));
    }

    void choicesSurviveSwitch_data()
    {
        QTest::addColumn<int>("to");
        for (int language = 0; language < 4; ++language)
            QTest::newRow(kLanguageItems[language]) << language;
    }

    void choicesSurviveSwitch()
    {
        QFETCH(int, to);
        TFormHlav &form = open({"DEUTSCH"});
        control<QComboBox>("ComboBoxPocPalcu")->setCurrentIndex(3);
        control<QWidget>("RadioGroupPolarita")->setProperty("itemIndex", 2);
        control<QWidget>("RadioGroupInput1")->setProperty("itemIndex", 3);
        control<QWidget>("RadioGroupInput2")->setProperty("itemIndex", 4);
        control<QLabel>("LabelFile2")->setText("/tmp/bike.ign");
        const ParameterSet image = form.parameters();
        QCOMPARE(int(image.input(0)), 3);
        QVERIFY(control<QWidget>("SpeedButtonZpet")->isEnabled());

        choose(to);

        QCOMPARE(form.parameters(), image);
        QCOMPARE(control<QComboBox>("ComboBoxPocPalcu")->currentIndex(), 3);
        QCOMPARE(control<QWidget>("RadioGroupPolarita")->property("itemIndex").toInt(), 2);
        QCOMPARE(control<QWidget>("RadioGroupInput1")->property("itemIndex").toInt(), 3);
        QCOMPARE(control<QWidget>("RadioGroupInput2")->property("itemIndex").toInt(), 4);
        QCOMPARE(control<QLabel>("LabelFile2")->text(), QString("/tmp/bike.ign"));
        QVERIFY(control<QWidget>("SpeedButtonZpet")->isEnabled());
        QCOMPARE(int(form.language()), to);
        // The tuning tools' items follow the switch too.
        const lang::ControlTexts texts{quint8(to)};
        QCOMPARE(control<QAction>("MenuCompareUnit")->text(), texts.caption("MenuCompareUnit"));
        QCOMPARE(control<QAction>("MenuRecord")->text(), texts.caption("MenuRecord"));
    }

    // The controls are not read first: a value typed but not confirmed goes.
    void unconfirmedValueIsReplaced()
    {
        TFormHlav &form = open();
        auto *edit = control<QSpinBox>("EditBaseAdv");
        const int stored = form.parameters().baseAdv();
        edit->findChild<QLineEdit *>()->setText(QString::number(stored - 5));
        choose(2);
        QCOMPARE(edit->text(), QString::number(stored));
        QCOMPARE(int(form.parameters().baseAdv()), stored);
    }

    void speedHint_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("status");
        QTest::newRow("English") << 0 << "Round per Minute"
                                 << "Speed - Round per Minute";
        QTest::newRow("German") << 1 << "Umdrehungen pro Minute"
                                << "Umdrehungen pro Minute";
        QTest::newRow("French") << 2 << "Tours minute"
                                << "Tours minute";
        QTest::newRow("Czech") << 3 << "Otáčky za minutu"
                               << "Rychlost - Otáčky za minutu";
    }

    void speedHint()
    {
        QFETCH(int, language);
        QFETCH(QString, tip);
        QFETCH(QString, status);
        open({"CESKY"});
        choose(language);
        for (const char *name : {"LabelRpm1", "LabelRpm2"}) {
            QCOMPARE(control<QWidget>(name)->toolTip(), tip);
            QCOMPARE(control<QWidget>(name)->statusTip(), status);
        }
    }

    void checkMarkFollowsLanguage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("chosen"); // -1: no menu choice
        QTest::addColumn<QString>("checked");
        QTest::newRow("DEUTSCH") << QStringList{"DEUTSCH"} << QByteArray() << -1 << "MenuGerman";
        QTest::newRow("FRANCE") << QStringList{"FRANCE"} << QByteArray() << -1 << "MenuFrench";
        QTest::newRow("CESKY over stored German")
            << QStringList{"CESKY"} << QByteArray("Language=1\n") << -1 << "MenuCzech";
        QTest::newRow("stored German")
            << QStringList{} << QByteArray("Language=1\n") << -1 << "MenuGerman";
        QTest::newRow("lower-case word")
            << QStringList{"cesky"} << QByteArray() << -1 << "MenuEnglish";
        QTest::newRow("German to French")
            << QStringList{"DEUTSCH"} << QByteArray() << 2 << "MenuFrench";
        QTest::newRow("German again")
            << QStringList{"DEUTSCH"} << QByteArray() << 1 << "MenuGerman";
        QTest::newRow("Czech to English")
            << QStringList{"CESKY"} << QByteArray() << 0 << "MenuEnglish";
    }

    void checkMarkFollowsLanguage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, stored);
        QFETCH(int, chosen);
        QFETCH(QString, checked);
        writeSettings(stored);
        open(arguments);
        if (chosen >= 0)
            choose(chosen);
        QCOMPARE(checkedLanguageItems(), QStringList{checked});
    }

    void textsFitAndKeepApart_data()
    {
        QTest::addColumn<int>("language");
        for (int language = 0; language < 4; ++language)
            QTest::newRow(kLanguageItems[language]) << language;
    }

    // Every curve point shown, as many texts on screen as there can be.
    void textsFitAndKeepApart()
    {
        QFETCH(int, language);
        TFormHlav &form = open();
        form.parameters().setPocetBodu(15);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        choose(language);
        QCoreApplication::sendPostedEvents();
        const QStringList faults = layoutFaults(form);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        // The heads of the two curve columns must not read as one line.
        constexpr int kHeadGap = 8;
        QVERIFY(control<QWidget>("LabelAdvance1")->geometry().right() + kHeadGap <
                control<QWidget>("LabelRpm2")->x());
    }

    void versionWarningKeepsMonitorFree_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("warning");
        QTest::newRow("English") << 0
                                 << "Unmatched version of PC and Ignition programs!  PC-46, IGN-45";
        QTest::newRow("German")
            << 1
            << "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!  PC-46, IGN-45";
        QTest::newRow("French")
            << 2
            << "Programme du boitier d´alumage non compatible avec programme PC!  PC-46, IGN-45";
        QTest::newRow("Czech") << 3 << "Neshodné verze proramu v PC a zapalování!  PC-46, IGN-45";
    }

    // The data-format warning may cover the logo but not the live values.
    void versionWarningKeepsMonitorFree()
    {
        QFETCH(int, language);
        QFETCH(QString, warning);
        TFormHlav &form = open();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        choose(language);
        auto *label = control<QLabel>("LabelVersion");
        label->setText(warning);
        label->show();
        QCoreApplication::sendPostedEvents();
        QVERIFY2(!clipped(label), qPrintable(describe(label)));
        QVERIFY(form.rect().contains(label->geometry()));
        for (const QString &name : kMonitorLabels + QStringList{"LabelRpm", "LabelNapeti",
                                                                "LabelKillSwitch", "CGaugeRpm"}) {
            const QWidget *monitor = control<QWidget>(name);
            if (monitor->parentWidget() == label->parentWidget())
                QVERIFY2(!label->geometry().intersects(monitor->geometry()), qPrintable(name));
        }
        const QObjectList stacking = label->parentWidget()->children();
        QVERIFY(stacking.indexOf(label) > stacking.indexOf(control("ImageLogo")));
    }

    void chosenLanguageIsStored()
    {
        TFormHlav &form = open({"DEUTSCH"});
        choose(2);
        form.close();
        QFile settings(m_home.path() + "/zevras/zevras.ini");
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("Language=2"));
    }

    // Captions, hints and item lists of the window in every language.
    void controlTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("texts"); // English, German, French, Czech
        const auto row = [](const char *name, const char *kind, const QStringList &texts) {
            QTest::addRow("%s %s", name, kind) << QString(name) << QString(kind) << texts;
        };
        row("FormHlav", "caption",
            {"Programming of ZEVRA-S2 unit", "Programmierung der ZEVRA-S2 Zündbox",
             "Programation de ZEVRA-S2 unité", "Programování jednotky ZEVRA-S2"});
        row("LabelSpojeni", "caption",
            {"No connection with PC", "Keine Verbindung zum PC", "Pas de connection acec pc",
             "Není spojení s PC"});
        row("MenuFile", "caption", {"&File", "&Datei", "&Fichier", "&Soubor"});
        row("LabelFile1", "caption", {"File:", "Datei:", "Fichier:", "Soubor:"});
        row("MenuSave", "caption", {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"});
        row("MenuCom", "caption", {"&Com", "&COM-Anschluß", "&Connection com", "&Port"});
        row("MenuDevice", "caption", {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"});
        row("MenuRead", "caption", {"&Read", "&Lesen", "&Lire", "&Čtení"});
        row("ButtonVerify", "caption", {"&Verify", "&Vergleichen", "&Vérifier", "&Verifikace"});
        row("ButtonProgram", "caption",
            {"&Programing", "&Programmieren", "&Programmer", "&Programování"});
        row("MenuAdvanceMinus", "caption", {"Advance -", "Vorzündung -", "Avance -", "Předstih -"});
        row("MenuFrench", "caption", {"&French", "&Französisch", "&Francais", "Francouzky"});
        row("MenuCzech", "caption", {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"});
        row("MenuContens", "caption", {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"});
        row("MenuAbout", "caption",
            {"&About...", "&Über Programm...", "&Contenu du programme", "&O programu..."});
        row("CheckBoxProgHned", "caption",
            {"Programming after change", "Programmierung nach Änderung",
             "Sovegarde après modification", "Programování po změně"});
        row("CheckBoxZakazCteni", "caption",
            {"No Reading", "Lesen Verboten", "Pas axessible", "Zákaz čtení"});
        row("LabelRetard", "caption",
            {"Retard [°]", "Spätzündung [°]", "Retard d´allumage[°]", "Snížení předstihu [°]"});
        row("LabelLedRazeni", "caption",
            {"Gear shift light [rpm]", "Schaltblitz [rpm]", "Témoin de changement de rapport [rpm]",
             "Kontrolka řazení [rpm]"});
        row("CheckBoxRevOutLedRazeni", "caption",
            {"Reverse otput polarity", "Umgekehrte Ausgangpolarität", "Reverse otput polarity",
             "Opačná polarita výstupu"});
        row("RadioGroupPolarita", "caption",
            {"Polarity of CPS:", "Polarität des CPS:", "Polarité CPS", "Polarita CPS:"});
        row("RadioGroupInput2", "caption", {"Input 2", "Eingang 2", "Entrée 2", "Vstup 2"});
        row("GroupBoxRpm", "caption",
            {"Tachometer output", "Drehzählerausgang", "Tachometer output",
             "Výstup pro otáčkoměr"});
        row("GroupBoxMonInput", "caption",
            {"Input to ground", "Eingang zu Erde", "Entrée de terre", "Vstup uzeměn"});
        row("MenuZnovu", "caption", {"Redo", "Wieder", "Redo", "Znovu"});
        row("LabelClutch1", "caption",
            {"Clutch master time [ms]", "Clutch master time [ms]", "Clutch master time [ms]",
             "Clutch master time [ms]"});
        row("MenuCom10", "caption", {"Com 1&0", "Com 1&0", "Com 1&0", "Com 1&0"});
        row("ComboBoxPocPalcu", "items",
            {"1 ignition per revolution\n2 ignitions per revolution\n"
             "3 ignitions per revolution\n1 ignition per 2 revolutions (camshaft)",
             "1 Zündung pro Umdrehung\n2 Zündungen pro Umdrehung\n3 Zündungen pro Umdrehung\n"
             "1 Zündung pro 2 Umdrehungen (Nockenwelle)",
             "1 ignition per revolution\n2 ignitions per revolution\n"
             "3 ignitions per revolution\n1 ignition per 2 revolutions (camshaft)",
             "1 zápal za otáčku\n2 zápaly za otáčku\n3 zápaly za otáčku\n"
             "1 zápal za 2 otáčky (vačkový hřídel)"});
        row("RadioGroupPolarita", "items",
            {"Positive\nNegative\nSelfsearch", "Positiv\nNegativ\nAutomatisch",
             "Positif\nNégatif\nAutomatique", "Kladná\nZáporná\nSamohledání"});
        row("RadioGroupInput1", "items",
            {"Off\nKill switch\nClutch master\nRetard\nStart Limiter",
             "Aus\nNot Aus\nSchaltautomat\nSpätzündung\nStartbegrenzer",
             "Off\nInterrupteur de sécurité\npar embeillage\nRetard à l´allumage\n"
             "Limitateur départ",
             "Vypnut\nKill switch\nClutch master\nSnížení předstihu\nStartovací omezovač"});
        row("RadioGroupInput2", "items",
            {"Off\nBlocking\nClutch master\nRetard\nStart Limiter",
             "Aus\nBlockierung\nSchaltautomat\nSpätzündung\nStartbegrenzer",
             "Off\nBlocage\npar embeillage\nRetard à l´allumage\nLimitateur départ",
             "Vypnut\nBlokování\nClutch master\nSnížení předstihu\nStartovací omezovač"});
        row("SpeedButton6", "tip",
            {"Set default parametrs", "neue Kenndatendatei erstellen",
             "Reprogramation des paramètres initial Dórigine", "Nastavení výchozích parametrů"});
        row("MenuVerify", "status",
            {"Compare set parametrs  with parametrs of ignition",
             "Kenndaten mit Zündungskenndaten vergleichen", "Comparer les paramètres de ECU",
             "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do "
             "zapalování"});
        row("BitBtnAdvPlus", "tip",
            {"Add 1 degree of Advance", "Vorzündung plus 1 Grad",
             "Avance accroître l´avance a l´allumage de 1 degré", "Zvětšení předstihu o 1 stupeň"});
        row("LabelVerze3", "status",
            {"Time of program in ignition", "Programmierzeitpunkt der Zündung",
             "Temp de programation de la courbe d´avance", "Čas zhotovení programu v zapalování"});
        row("MenuLanguage", "tip",
            {"Set English or German or French or Czech ",
             "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ",
             "installer lange; Englais,Allemand , Francais ou Czech",
             "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "});
        row("CheckBoxProgHned", "tip",
            {"Programing at once after change", "Programmmieren sofort nach dem änderung",
             "Programation instantanée des modifications", "Programování ihned po změně"});
        row("MenuCom", "status",
            {"Set number of com", "Com-Anschluß festlegen", "installer nombre de com",
             "Nastavení čísla serivého portu (Com) "});
        row("MenuCom7", "tip",
            {"Set com 7", "Com-Anschluß auswahl 7", "installer com 7",
             "Nastavení komunikace na port com 7"});
        row("MenuFrench", "tip",
            {"Installer en Francais ", "Installer en Francais ", "Installer en Francais ",
             "Installer en Francais "});
        row("MenuGerman", "status",
            {"Deutsches Menü", "Deutsches Menü", "Deutsches Menü", "Deutsches Menü"});
    }

    void controlTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QStringList, texts);
        TFormHlav &form = open();
        const QObject *target = name == "FormHlav" ? &form : control(name);
        // Each language is reached from another one, so no text is left from the last.
        for (int language : {2, 0, 3, 1, 0, 1, 2, 3}) {
            choose(language);
            const QString shown = kind == "caption" ? caption(target)
                                  : kind == "items" ? items(target)
                                  : kind == "tip"   ? tip(target)
                                                    : statusTip(target);
            QCOMPARE(shown, texts.at(language));
        }
    }

    // A switch re-labels everything except the design texts that no language
    // changes and the words a language shares with English.
    void onlyDesignTextsStay_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("shared");
        QTest::newRow("German") << 1 << QStringList{"LabelBlocking:caption"};
        QTest::newRow("French") << 2
                                << QStringList{"CheckBoxRevOutLedRazeni:caption",
                                               "ComboBoxPocPalcu:items",
                                               "GroupBoxRpm:caption",
                                               "LabelClutchMon:caption",
                                               "LabelRpmKorekce:caption",
                                               "LabelRpmPulsu:caption",
                                               "MenuZnovu:caption",
                                               "MenuZnovu:tip",
                                               "MenuZpet:caption",
                                               "MenuZpet:tip"};
        QTest::newRow("Czech") << 3 << QStringList{"LabelClutchMon:caption"};
    }

    void onlyDesignTextsStay()
    {
        QFETCH(int, language);
        QFETCH(QStringList, shared);
        // Texts that are the same in every language.
        QStringList kept = {"BitBtnAdvMinus:caption",
                            "BitBtnAdvPlus:caption",
                            "ComboBoxBike:items",
                            "ComboBoxBike:tip",
                            "ComboBoxPocPalcu:tip",
                            "LabelCasTisku:caption",
                            "LabelClutch1:caption",
                            "LabelClutch2:caption",
                            "LabelEeDataErr:caption",
                            "LabelHlaseni:caption",
                            "LabelKillSwitch:caption",
                            "LabelNapeti:caption",
                            "LabelRpm1:caption",
                            "LabelRpm2:caption",
                            "LabelRpm:caption",
                            "LabelVersion:caption",
                            "MenuAdvanceMinus:tip",
                            "MenuAdvancePlus:tip",
                            "MenuCzech:tip",
                            "MenuEnglish:tip",
                            "MenuFrench:tip",
                            "MenuGerman:tip",
                            "MenuHelp:tip"};
        for (int i = 1; i <= 10; ++i)
            kept << QString("MenuCom%1:caption").arg(i);
        for (int i = 1; i <= 8; ++i)
            kept << QString("LabelTest%1:caption").arg(i);
        kept += shared;
        kept.sort();

        TFormHlav &form = open();
        const QMap<QString, QString> english = shownTexts(form);
        choose(language);
        const QMap<QString, QString> other = shownTexts(form);
        QCOMPARE(other.keys(), english.keys());
        QStringList same;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (other.value(it.key()) == it.value())
                same << it.key();
        }
        QCOMPARE(same, kept);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
