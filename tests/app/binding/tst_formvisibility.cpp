// What the window shows, greys and hides for a parameter set, the print-mode
// sheet, the design values and hints, and a layout where nothing is cut off.
#include "FormFixture.h"
#include "LanguageTexts.h"
#include "MessageTable.h"
#include "WidgetOverlap.h"

#include <QApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>

class TestFormVisibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFixture::useEnglishNumbers(); }

    void inputFunctions_data();
    void inputFunctions();
    void pickupKinds_data();
    void pickupKinds();
    void curveRows_data();
    void curveRows();
    void printMode();
    void redWhileTicked_data();
    void redWhileTicked();
    void designValues();
    void designHints();
    void buttonsShowTheirDrawings_data();
    void buttonsShowTheirDrawings();
    void logoIsItsDrawing();
    void nothingClippedOrOverlapping_data();
    void nothingClippedOrOverlapping();
};

void TestFormVisibility::inputFunctions_data()
{
    QTest::addColumn<int>("input1");
    QTest::addColumn<int>("input2");
    QTest::addColumn<bool>("clutch");
    QTest::addColumn<bool>("startLimiter");
    QTest::addColumn<bool>("retard");
    QTest::addColumn<bool>("killSwitch");
    QTest::addColumn<bool>("blocking");

    QTest::newRow("both off") << 0 << 0 << false << false << false << false << false;
    QTest::newRow("clutch master on input 1") << 2 << 0 << true << false << false << false << false;
    QTest::newRow("retard on both") << 3 << 3 << false << false << true << false << false;
    QTest::newRow("blocking enables its monitor only")
        << 0 << 1 << false << false << false << false << true;
    QTest::newRow("kill switch and start limiter")
        << 1 << 4 << false << true << false << true << false;
}

void TestFormVisibility::inputFunctions()
{
    QFETCH(int, input1);
    QFETCH(int, input2);
    QFETCH(bool, clutch);
    QFETCH(bool, startLimiter);
    QFETCH(bool, retard);
    QFETCH(bool, killSwitch);
    QFETCH(bool, blocking);

    FormFixture form([&](ParameterSet &image) {
        image.setInput(0, quint8(input1));
        image.setInput(1, quint8(input2));
    });
    const Ui::TFormHlav &ui = form.ui;
    for (QWidget *w :
         {(QWidget *)ui.EditClutch1, (QWidget *)ui.LabelClutch1, (QWidget *)ui.EditClutch2,
          (QWidget *)ui.LabelClutch2, (QWidget *)ui.LabelClutchMon})
        QCOMPARE(w->isEnabled(), clutch);
    QCOMPARE(ui.UpDownClutch1->isVisible(), clutch);
    QCOMPARE(ui.UpDownClutch2->isVisible(), clutch);
    QCOMPARE(ui.EditOmez1->isEnabled(), startLimiter);
    QCOMPARE(ui.LabelOmez1->isEnabled(), startLimiter);
    QCOMPARE(ui.UpDownOmez1->isVisible(), startLimiter);
    QCOMPARE(ui.LabelMonStartLimiterOut->isEnabled(), startLimiter);
    QCOMPARE(ui.EditRetard->isEnabled(), retard);
    QCOMPARE(ui.LabelRetard->isEnabled(), retard);
    QCOMPARE(ui.UpDownRetard->isVisible(), retard);
    QCOMPARE(ui.LabelMonRetard->isEnabled(), retard);
    QCOMPARE(ui.LabelKillSwitch->isEnabled(), killSwitch);
    QCOMPARE(ui.LabelBlocking->isEnabled(), blocking);
    // Fields of every function keep their values, greyed or not.
    QCOMPARE(ui.EditClutch1->text(), QString("200"));
    QVERIFY(ui.EditOmez2->isEnabled() && ui.UpDownOmez2->isVisible());
}

void TestFormVisibility::pickupKinds_data()
{
    QTest::addColumn<int>("bike");
    QTest::addColumn<bool>("free");

    QTest::newRow("standard") << 0 << true;
    QTest::newRow("Kawasaki") << 1 << false;
    QTest::newRow("Honda") << 4 << false;
    QTest::newRow("Suzuki") << 5 << false;
}

void TestFormVisibility::pickupKinds()
{
    QFETCH(int, bike);
    QFETCH(bool, free);

    FormFixture form([&](ParameterSet &image) { image.setBike(quint8(bike)); });
    QCOMPARE(form.ui.ComboBoxPocPalcu->isEnabled(), free);
    QCOMPARE(form.ui.RadioGroupPolarita->isEnabled(), free);
    QCOMPARE(form.ui.LabelPolaritaMer->isEnabled(), free);
    QVERIFY(form.ui.ComboBoxBike->isEnabled());
}

void TestFormVisibility::curveRows_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("fifteen") << 15;
}

void TestFormVisibility::curveRows()
{
    QFETCH(int, points);
    FormFixture form([&](ParameterSet &image) { image.setPocetBodu(quint8(points)); });
    const ControlTables &tables = form.binding->tables();
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        const bool inUse = i < points;
        QCOMPARE(tables.RpmAdvEdits[i]->isVisible(), inUse);
        QCOMPARE(tables.AdvanceEdits[i]->isVisible(), inUse);
        QCOMPARE(tables.RpmAdvUpDowns[i]->isVisible(), inUse);
        QCOMPARE(tables.AdvanceUpDowns[i]->isVisible(), inUse);
    }
}

void TestFormVisibility::printMode()
{
    FormFixture form([](ParameterSet &image) {
        image.setPocetBodu(3);
        image.setInput(0, 3);
    });
    const Ui::TFormHlav &ui = form.ui;
    const ControlTables &tables = form.binding->tables();
    const QColor normal = form.window.palette().color(QPalette::Window);

    form.binding->setPrintMode(true);
    form.binding->ApplyVisibilityRules();
    QCOMPARE(form.window.palette().color(QPalette::Window), QColor(255, 255, 255));
    for (QWidget *hidden : std::initializer_list<QWidget *>{
             ui.CGaugeRpm, ui.CheckBoxProgHned, ui.CheckBoxZakazCteni, ui.StatusBar1, ui.ImageLogo,
             ui.GroupBoxToolBar, ui.UpDownBaseAdv, ui.UpDownOmez2, ui.UpDownLedRazeni,
             ui.BitBtnAdvMinus, ui.BitBtnAdvPlus, ui.CheckBoxIgnAll, ui.UpDownPocetBodu,
             ui.LabelSnimac, ui.UpDownRetard, tables.RpmAdvUpDowns[0], tables.AdvanceUpDowns[2]})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    for (QWidget *shown : std::initializer_list<QWidget *>{
             ui.UpDownRpmPulsu, ui.UpDownRpmKorekce, ui.EditBaseAdv, ui.EditOmez2, ui.EditLedRazeni,
             ui.EditPocetBodu, ui.EditRetard, tables.RpmAdvEdits[2], tables.AdvanceEdits[2]})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    QVERIFY(!tables.RpmAdvEdits[3]->isVisible());

    form.binding->setPrintMode(false);
    form.binding->ApplyVisibilityRules();
    QCOMPARE(form.window.palette().color(QPalette::Window), normal);
    QVERIFY(ui.GroupBoxToolBar->isVisible() && ui.StatusBar1->isVisible());
    QVERIFY(tables.RpmAdvUpDowns[0]->isVisible() && ui.UpDownRetard->isVisible());
}

namespace {
int redShare(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixelColor(x, y) == QColor(255, 0, 0);
    return 100 * red / (image.width() * image.height());
}

QPalette darkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    return dark;
}
} // namespace

// Ticked, a box that makes every edit write to the unit must be seen: red over
// the whole control, in any style; unticked, not a red pixel stays.
void TestFormVisibility::redWhileTicked_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("box");
    for (const QString &style : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
        for (const bool dark : {false, true}) {
            for (const char *box : {"CheckBoxProgHned", "CheckBoxZakazCteni"})
                QTest::addRow("%s %s %s", qPrintable(style), dark ? "dark" : "light", box)
                    << style << dark << QString(box);
        }
    }
}

void TestFormVisibility::redWhileTicked()
{
    QFETCH(QString, style);
    QFETCH(bool, dark);
    QFETCH(QString, box);
    const QPalette before = QApplication::palette();
    QApplication::setStyle(QStyleFactory::create(style));
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    {
        FormFixture form;
        auto *check = form.window.findChild<QCheckBox *>(box);
        QVERIFY(check);
        QCOMPARE(redShare(check), 0);
        FormFixture::clickIndicator(check);
        QVERIFY(check->isChecked());
        QVERIFY2(redShare(check) > 60, qPrintable(QString::number(redShare(check))));
        QCOMPARE(check->palette().color(QPalette::WindowText), QColor(Qt::black));
        FormFixture::clickIndicator(check);
        QVERIFY(!check->isChecked());
        QCOMPARE(redShare(check), 0);
        QCOMPARE(check->palette().color(QPalette::WindowText),
                 QApplication::palette().color(QPalette::WindowText));
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(before);
}

void TestFormVisibility::designValues()
{
    QMainWindow window;
    Ui::TFormHlav ui;
    ui.setupUi(&window);
    const QList<QPair<SpinEdit *, QString>> design{
        {ui.EditRpmAdv1, "1,000"},    {ui.EditRpmAdv10, "10,000"}, {ui.EditRpmAdv11, "3,000"},
        {ui.EditRpmAdv15, "7,000"},   {ui.EditAdvance7, "20"},     {ui.EditPocetBodu, "3"},
        {ui.EditBaseAdv, "40"},       {ui.EditOmez1, "15,000"},    {ui.EditOmez2, "15,000"},
        {ui.EditRetard, "0"},         {ui.EditClutch1, "2,500"},   {ui.EditClutch2, "2,500"},
        {ui.EditLedRazeni, "15,000"}, {ui.EditRpmPulsu, "1"},      {ui.EditRpmKorekce, "0"}};
    for (const auto &[edit, text] : design)
        QCOMPARE(edit->text(), text);
    QCOMPARE(ui.EditRpmAdv5->minimum(), 600);
    QCOMPARE(ui.EditRpmAdv5->maximum(), 20100);
    QCOMPARE(ui.EditOmez1->minimum(), 999);
    QCOMPARE(ui.EditLedRazeni->minimum(), 1000);
    QCOMPARE(ui.EditRpmKorekce->minimum(), -60);
    QCOMPARE(ui.CGaugeRpm->maximum(), 100);
    QCOMPARE(ui.CGaugeProgram->maximum(), 3);
    QCOMPARE(ui.RadioGroupInput2->items().at(1), QString("Blocking"));
    QCOMPARE(ui.MenuZnovu->shortcut(), QKeySequence("Ctrl+Alt+Z"));
    QCOMPARE(ui.MenuContens->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(ui.N1->isSeparator() && ui.N4->isSeparator());
}

Q_DECLARE_METATYPE(QIcon::Mode)

void TestFormVisibility::buttonsShowTheirDrawings_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QIcon::Mode>("mode");
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0, 3.0, 1.1}) {
        QTest::addRow("scale %g", scale) << scale << QIcon::Normal;
        QTest::addRow("scale %g, disabled", scale) << scale << QIcon::Disabled;
    }
}

// Each button with an icon name shows the drawing of that name as Qt's SVG
// renderer draws it, at display scales rendered in advance and at one (1.1)
// that is not.
void TestFormVisibility::buttonsShowTheirDrawings()
{
    QFETCH(qreal, scale);
    QFETCH(QIcon::Mode, mode);
    FormFixture form;
    int buttons = 0;
    for (const QToolButton *button : form.window.findChildren<QToolButton *>()) {
        const QString name = button->property("iconName").toString();
        if (name.isEmpty())
            continue;
        ++buttons;
        const QIcon drawing(QStringLiteral(":/icons/%1.svg").arg(name));
        const QSize size = button->iconSize();
        const QPixmap shown = button->icon().pixmap(size, scale, mode);
        QCOMPARE(shown.devicePixelRatio(), scale);
        QVERIFY2(
            shown.toImage().convertToFormat(QImage::Format_ARGB32) ==
                drawing.pixmap(size, scale, mode).toImage().convertToFormat(QImage::Format_ARGB32),
            qPrintable(name));
    }
    QVERIFY(buttons > 0);
}

void TestFormVisibility::logoIsItsDrawing()
{
    FormFixture form;
    QImageReader drawing(QStringLiteral(ZEVRAS_FORM_DRAWINGS "/logo/zevras-logo.svg"));
    const QImage expected = drawing.read();
    QVERIFY2(!expected.isNull(), qPrintable(drawing.errorString()));
    QCOMPARE(form.ui.ImageLogo->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
             expected.convertToFormat(QImage::Format_ARGB32));
}

void TestFormVisibility::designHints()
{
    FormFixture form;
    QCOMPARE(form.ui.ButtonProgram->toolTip(), QString("Programing"));
    QCOMPARE(form.ui.ButtonProgram->statusTip(), QString("Programing  set parametrs to ignition"));
    QCOMPARE(form.ui.MenuEnglish->statusTip(), QString("Set Englich menu"));
    QCOMPARE(form.ui.ComboBoxBike->toolTip(), QString("Type of keying"));
    QCOMPARE(form.ui.ComboBoxBike->statusTip(), QString("Type of keying"));
    QCOMPARE(form.ui.MenuCom->menuAction()->statusTip(), QString("Set number of com "));
}

void TestFormVisibility::nothingClippedOrOverlapping_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("language");
    const char *const languages[] = {"English", "German", "French", "Czech"};
    for (int language = 0; language < 4; ++language) {
        for (int points : {2, 15}) {
            QTest::addRow("%s, %d points", languages[language], points) << points << language;
        }
    }
}

void TestFormVisibility::nothingClippedOrOverlapping()
{
    QFETCH(int, points);
    QFETCH(int, language);
    FormFixture form([&](ParameterSet &image) {
        image.setPocetBodu(quint8(points));
        image.setInput(0, 2);
        image.setInput(1, 4);
    });
    lang::MessageTable messages;
    lang::applyLanguageTexts(&form.window, messages, quint8(language));
    form.binding->ShowParameterSet();
    QList<QWidget *> containers{form.ui.centralwidget};
    for (QGroupBox *group : form.ui.centralwidget->findChildren<QGroupBox *>())
        containers << group;
    for (QWidget *container : containers) {
        if (qobject_cast<RadioGroup *>(container))
            continue;
        QList<QWidget *> shown;
        for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible())
                shown << child;
        }
        for (QWidget *child : shown) {
            QVERIFY2(container->rect().contains(child->geometry()),
                     qPrintable(child->objectName() + " leaves " + container->objectName()));
            for (QWidget *other : shown) {
                QVERIFY2(child == other || !testlayout::overlap(child, other),
                         qPrintable(child->objectName() + " overlaps " + other->objectName()));
            }
        }
    }
    for (QPushButton *button : form.window.findChildren<QPushButton *>()) {
        const int needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
        QVERIFY2(needed <= button->width() - 4, qPrintable(button->objectName()));
    }
    for (QCheckBox *box : form.window.findChildren<QCheckBox *>())
        QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->objectName()));
    for (QComboBox *list : {form.ui.ComboBoxBike, form.ui.ComboBoxPocPalcu}) {
        for (int i = 0; i < list->count(); ++i) {
            const int needed = list->fontMetrics().horizontalAdvance(list->itemText(i));
            QVERIFY2(needed <= list->width() - 24, qPrintable(list->itemText(i)));
        }
    }
    for (SpinEdit *edit : form.window.findChildren<SpinEdit *>()) {
        const QLineEdit *line = edit->findChild<QLineEdit *>();
        const int needed = QFontMetrics(line->font()).horizontalAdvance(edit->text()) + 5;
        QVERIFY2(needed <= line->contentsRect().width(), qPrintable(edit->objectName()));
    }
}

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestFormVisibility)
#include "tst_formvisibility.moc"
