// On a dark desktop every control the window colours keeps text that reads on
// its colour: rendered, the text stands off the background it is drawn on.
#include "Background.h"
#include "CompareWindow.h"
#include "FormFixture.h"
#include "MonitorLabels.h"
#include "WindowLinkView.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTableWidget>

Q_DECLARE_METATYPE(LabelColour)

namespace {

// The background where the text is not, against the colour in the rendering
// that stands off it the most: the text's core.
double renderedContrast(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    const QColor background = image.pixelColor(1, 1);
    double best = 1.0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, contrastRatio(background, image.pixelColor(x, y)));
    return best;
}

} // namespace

class TestDarkTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        FormFixture::useEnglishNumbers();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette dark(QColor(53, 53, 53), QColor(36, 36, 36));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(238, 238, 238));
        QApplication::setPalette(dark);
    }

    // Ratios as the web's contrast rules publish them, to two places.
    void contrastOfKnownPairs_data()
    {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<int>("hundredths");
        const QColor white(255, 255, 255);
        const QColor black(0, 0, 0);
        QTest::newRow("black on white") << black << white << 2100;
        QTest::newRow("white on white") << white << white << 100;
        QTest::newRow("#777777 on white") << QColor(0x777777) << white << 448;
        QTest::newRow("#767676 on white") << QColor(0x767676) << white << 454;
        QTest::newRow("#595959 on white") << QColor(0x595959) << white << 700;
        QTest::newRow("blue on white") << QColor(0x0000ff) << white << 859;
        QTest::newRow("red on white") << QColor(0xff0000) << white << 400;
        QTest::newRow("lime on black") << QColor(0x00ff00) << black << 1530;
    }

    void contrastOfKnownPairs()
    {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(int, hundredths);
        QCOMPARE(qRound(contrastRatio(a, b) * 100), hundredths);
        QCOMPARE(qRound(contrastRatio(b, a) * 100), hundredths);
    }

    // Between #757575 and #767676 black starts to stand off more than white.
    void readableTextTurnsAtMidGrey_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("#757575") << QColor(0x757575) << QColor(255, 255, 255);
        QTest::newRow("#767676") << QColor(0x767676) << QColor(0, 0, 0);
    }

    void readableTextTurnsAtMidGrey()
    {
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        QCOMPARE(readableTextOn(background), text);
    }

    void colouredControlsRead_data()
    {
        QTest::addColumn<LabelColour>("colour");
        QTest::newRow("normal") << LabelColour::Normal;
        QTest::newRow("red") << LabelColour::Red;
        QTest::newRow("yellow") << LabelColour::Yellow;
        QTest::newRow("fuchsia") << LabelColour::Fuchsia;
        QTest::newRow("aqua") << LabelColour::Aqua;
        QTest::newRow("lime") << LabelColour::Lime;
        QTest::newRow("white") << LabelColour::White;
    }

    void colouredControlsRead()
    {
        QFETCH(LabelColour, colour);
        FormFixture form;
        WindowLinkView view(form.ui, *form.binding);
        view.setMessageText(QStringLiteral("Verify: OK"));
        view.setMessageColour(colour);
        view.setMonitorText(MonitorLabel::LabelMon_Advance, QStringLiteral("Advance = 23 /max 30"));
        view.setMonitorColour(MonitorLabel::LabelMon_Advance, colour);
        for (QWidget *label :
             {(QWidget *)form.ui.LabelHlaseni, (QWidget *)form.ui.LabelMon_Advance})
            QVERIFY2(renderedContrast(label) >= 4.5, qPrintable(label->objectName()));
    }

    // The point in use is lime; its fields keep readable digits, and the
    // point left goes back to the system's colours.
    void currentPointReads()
    {
        FormFixture form;
        WindowLinkView view(form.ui, *form.binding);
        view.setCurrentPoint(0);
        QVERIFY(renderedContrast(form.ui.EditRpmAdv1) >= 4.5);
        view.setCurrentPoint(1);
        QCOMPARE(form.ui.EditRpmAdv1->palette().color(QPalette::Text),
                 QApplication::palette().color(QPalette::Text));
        QVERIFY(renderedContrast(form.ui.EditAdvance2) >= 4.5);
    }

    void differingCompareRowsRead()
    {
        ParameterSet window;
        window.SetDefaults();
        ParameterSet other = window;
        other.setBaseAdv(quint8(window.baseAdv() + 3));
        CompareWindow compare(nullptr);
        compare.showSets(window, other, QStringLiteral("other.ign"));
        auto *table = compare.findChild<QTableWidget *>(QStringLiteral("TableCompare"));
        QVERIFY(table);
        int differing = 0;
        for (int r = 0; r < table->rowCount(); ++r) {
            const QTableWidgetItem *item = table->item(r, 1);
            if (!item->data(Qt::UserRole).toBool())
                continue;
            ++differing;
            QVERIFY(contrastRatio(item->background().color(), item->foreground().color()) >= 4.5);
        }
        QVERIFY(differing > 0);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestDarkTheme)
#include "tst_darktheme.moc"
