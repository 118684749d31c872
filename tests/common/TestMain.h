#pragma once

// A test program holds the test classes of one tests/ folder; its main
// (TestMain.cpp) runs the class named by its first argument. Each tst_*.cpp
// ends with the line that names its class and the application it needs, in
// place of Qt's QTEST_MAIN, QTEST_GUILESS_MAIN and QTEST_APPLESS_MAIN:
//   ZEVRAS_TEST_MAIN(TestX)          the program's widest application, as QTEST_MAIN
//   ZEVRAS_TEST_GUILESS_MAIN(TestX)  a QCoreApplication
//   ZEVRAS_TEST_APPLESS_MAIN(TestX)  no application
#include <QtTest>

#if defined(QT_WIDGETS_LIB)
#include <QApplication>
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
#endif

namespace zevras::test {

using RunTestClass = int (*)(int argc, char *argv[]);

// Keeps the class for the main to find by its name; true, for a static's value.
bool addTestClass(const char *name, RunTestClass run);

} // namespace zevras::test

// Everything QTEST_MAIN does but defining main(), run for one class.
#define ZEVRAS_TEST_RUNNER(TestObject, ...)                                                        \
    namespace {                                                                                    \
    int run##TestObject(int argc, char *argv[])                                                    \
    {                                                                                              \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                         \
        __VA_ARGS__                                                                                \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }                                                                                              \
    const bool kAdded##TestObject = zevras::test::addTestClass(#TestObject, &run##TestObject);     \
    }

#define ZEVRAS_TEST_APPLICATION(Application)                                                       \
    Application app(argc, argv);                                                                   \
    app.setAttribute(Qt::AA_Use96Dpi, true);

#if defined(QT_WIDGETS_LIB)
#define ZEVRAS_TEST_MAIN(TestObject)                                                               \
    ZEVRAS_TEST_RUNNER(TestObject,                                                                 \
                       ZEVRAS_TEST_APPLICATION(QApplication) QTEST_DISABLE_KEYPAD_NAVIGATION)
#elif defined(QT_GUI_LIB)
#define ZEVRAS_TEST_MAIN(TestObject)                                                               \
    ZEVRAS_TEST_RUNNER(TestObject, ZEVRAS_TEST_APPLICATION(QGuiApplication))
#else
#define ZEVRAS_TEST_MAIN(TestObject)                                                               \
    ZEVRAS_TEST_RUNNER(TestObject, ZEVRAS_TEST_APPLICATION(QCoreApplication))
#endif

#define ZEVRAS_TEST_GUILESS_MAIN(TestObject)                                                       \
    ZEVRAS_TEST_RUNNER(TestObject, ZEVRAS_TEST_APPLICATION(QCoreApplication))

#define ZEVRAS_TEST_APPLESS_MAIN(TestObject) ZEVRAS_TEST_RUNNER(TestObject)
