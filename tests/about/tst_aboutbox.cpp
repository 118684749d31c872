#include "BuildStamp.h"
#include "TFormAbout.h"

#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void captionFollowsLanguageOnEveryShow_data();
    void captionFollowsLanguageOnEveryShow();
    void opensInScreenCentreWhereverTheOwnerIs();
    void okClosesModalBox_data();
    void okClosesModalBox();
    void stampTextsHaveCompilerForm_data();
    void stampTextsHaveCompilerForm();
    void compilerStampReadsAsLocalTime_data();
    void compilerStampReadsAsLocalTime();
    void labelsShowBuildStamp();
    void logoIsDrawn();

private:
    static QLabel *label(const TFormAbout &box, const char *name)
    {
        return box.findChild<QLabel *>(QLatin1String(name));
    }
};

void TestAboutBox::captionFollowsLanguageOnEveryShow_data()
{
    QTest::addColumn<QList<int>>("languages"); // one per showing of the box
    QTest::addColumn<QString>("caption");      // after the last showing

    QTest::newRow("English") << QList<int>{0} << QString("About ZEVRA-S2");
    QTest::newRow("German") << QList<int>{1} << QString("Über Programm ZEVRA-S2");
    QTest::newRow("French") << QList<int>{2} << QString("Information ZEVRA-S2");
    QTest::newRow("Czech") << QList<int>{3} << QString("O programu ZEVRA-S2");
    QTest::newRow("unknown index keeps design caption")
        << QList<int>{4} << QString("Vulkar ZEVRA-S2");
    QTest::newRow("switched while closed") << QList<int>{1, 3} << QString("O programu ZEVRA-S2");
    QTest::newRow("back to English") << QList<int>{2, 0} << QString("About ZEVRA-S2");
    QTest::newRow("unknown index keeps last caption")
        << QList<int>{1, 255} << QString("Über Programm ZEVRA-S2");
}

void TestAboutBox::captionFollowsLanguageOnEveryShow()
{
    QFETCH(QList<int>, languages);
    QFETCH(QString, caption);

    quint8 language = 0;
    TFormAbout box([&language] { return language; });
    QCOMPARE(box.windowTitle(), QString("Vulkar ZEVRA-S2"));
    for (int index : languages) {
        language = quint8(index);
        box.show();
        box.hide();
    }
    QCOMPARE(box.windowTitle(), caption);
}

void TestAboutBox::opensInScreenCentreWhereverTheOwnerIs()
{
    QWidget owner;
    owner.setGeometry(17, 23, 300, 200);
    owner.show();
    TFormAbout box([] { return quint8(0); }, &owner);
    box.show();

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(box.size(), QSize(281, 402));
    QCOMPARE(box.pos(), QPoint(screen.left() + screen.width() / 2 - 281 / 2,
                               screen.top() + screen.height() / 2 - 402 / 2));
}

void TestAboutBox::okClosesModalBox_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("closes");

    QTest::newRow("left click") << Qt::LeftButton << true;
    QTest::newRow("right click") << Qt::RightButton << false;
}

void TestAboutBox::okClosesModalBox()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, closes);

    TFormAbout box([] { return quint8(1); });
    QLabel *exit = label(box, "LabelExit");
    QVERIFY(exit);
    QCOMPARE(exit->text(), QString("OK"));

    bool stillOpenAfterClick = false;
    QTimer::singleShot(0, &box, [&] {
        QTest::mouseClick(exit, button);
        stillOpenAfterClick = box.isVisible();
        if (stillOpenAfterClick)
            box.reject();
    });
    const int result = box.exec();

    QCOMPARE(stillOpenAfterClick, !closes);
    QCOMPARE(result, int(closes ? QDialog::Accepted : QDialog::Rejected));
    QVERIFY(!box.isVisible());
}

void TestAboutBox::stampTextsHaveCompilerForm_data()
{
    QTest::addColumn<qint64>("epoch");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");

    QTest::newRow("two-digit day") << qint64(1159511773) << "Sep 29 2006"
                                   << "06:36:13";
    QTest::newRow("one-digit day padded with a space") << qint64(1157784973) << "Sep  9 2006"
                                                       << "06:56:13";
    QTest::newRow("first second of a year") << qint64(946684800) << "Jan  1 2000"
                                            << "00:00:00";
    QTest::newRow("last second of a year") << qint64(1704067199) << "Dec 31 2023"
                                           << "23:59:59";
}

void TestAboutBox::stampTextsHaveCompilerForm()
{
    QFETCH(qint64, epoch);
    QFETCH(QString, date);
    QFETCH(QString, time);

    const QDateTime moment = QDateTime::fromSecsSinceEpoch(epoch, QTimeZone::utc());
    QCOMPARE(about::buildDateText(moment), date);
    QCOMPARE(about::buildTimeText(moment), time);
}

void TestAboutBox::compilerStampReadsAsLocalTime_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QByteArray>("time");
    QTest::addColumn<QDateTime>("moment"); // invalid: not a compiler stamp

    const auto local = [](int y, int m, int d, int h, int min, int s) {
        return QDateTime(QDate(y, m, d), QTime(h, min, s), Qt::LocalTime);
    };
    QTest::newRow("two-digit day")
        << QByteArray("Sep 29 2006") << QByteArray("06:36:13") << local(2006, 9, 29, 6, 36, 13);
    QTest::newRow("day padded with a space")
        << QByteArray("Jan  9 2027") << QByteArray("23:59:59") << local(2027, 1, 9, 23, 59, 59);
    QTest::newRow("December") << QByteArray("Dec 31 2026") << QByteArray("00:00:00")
                              << local(2026, 12, 31, 0, 0, 0);
    QTest::newRow("unknown month")
        << QByteArray("Sept 29 2006") << QByteArray("06:36:13") << QDateTime();
    QTest::newRow("no such day") << QByteArray("Feb 30 2026") << QByteArray("06:36:13")
                                 << QDateTime();
    QTest::newRow("bad time") << QByteArray("Sep 29 2006") << QByteArray("6:36") << QDateTime();
}

void TestAboutBox::compilerStampReadsAsLocalTime()
{
    QFETCH(QByteArray, date);
    QFETCH(QByteArray, time);
    QFETCH(QDateTime, moment);

    const QDateTime stamp = about::compilerStamp(date.constData(), time.constData());
    QCOMPARE(stamp.isValid(), moment.isValid());
    if (!moment.isValid())
        return;
    QCOMPARE(stamp, moment);
    QCOMPARE(stamp.timeSpec(), Qt::LocalTime);
    // The box shows the compiler's own texts.
    QCOMPARE(about::buildDateText(stamp), QString::fromLatin1(date));
    QCOMPARE(about::buildTimeText(stamp), QString::fromLatin1(time));
}

void TestAboutBox::labelsShowBuildStamp()
{
    TFormAbout box([] { return quint8(0); });
    const QString date = label(box, "LabelDate")->text();
    const QString time = label(box, "LabelTime")->text();

    static const QRegularExpression dateForm(
        "^(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) ( [1-9]|[12][0-9]|3[01]) [0-9]{4}$");
    static const QRegularExpression timeForm("^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$");
    QVERIFY2(dateForm.match(date).hasMatch(), qPrintable(date));
    QVERIFY2(timeForm.match(time).hasMatch(), qPrintable(time));

    const QDateTime built = about::buildMoment();
    QVERIFY(built.isValid());
    QVERIFY(built <= QDateTime::currentDateTime()); // compiled, not some later moment
    QCOMPARE(date, about::buildDateText(built));
    QCOMPARE(time, about::buildTimeText(built));
}

void TestAboutBox::logoIsDrawn()
{
    TFormAbout box([] { return quint8(0); });
    box.show();
    const QLabel *logo = label(box, "Image1");
    QVERIFY(logo);
    const QImage image = logo->pixmap().toImage();
    QVERIFY(!image.isNull());
    // The logo's plate is dark; an unregistered resource would leave it transparent.
    const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
    QVERIFY2(centre.alpha() == 255, "logo not rendered");
}

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
