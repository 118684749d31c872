#pragma once

#include "DesignExtras.h"
#include "FormBinding.h"
#include "FormEvents.h"
#include "ParameterSet.h"
#include "WindowState.h"
#include "ui_TFormHlav.h"

#include <QMainWindow>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

// The main window's form with its binding, brought up the way start-up does:
// defaults, range rule, show, undo history. English number format, so that
// grouped fields show "15,000".
struct FormFixture
{
    static void useEnglishNumbers()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    explicit FormFixture(const std::function<void(ParameterSet &)> &prepare = {})
    {
        ui.setupUi(&window);
        applyDesignExtras(&window);
        image.SetDefaults();
        if (prepare)
            prepare(image);
        binding = std::make_unique<FormBinding>(ui, image, state);
        events = std::make_unique<FormEvents>(ui, *binding);
        binding->ApplyRangeRule();
        binding->ShowParameterSet();
        binding->StartUndoHistory();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    // Puts text into the field as a user would: focus, select all, type.
    void type(SpinEdit *edit, const QString &text)
    {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Buttons with a short text are hit on their indicator, not in the empty middle.
    static void clickIndicator(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    void clickArrow(UpDown *upDown, int direction)
    {
        const QPoint half(upDown->width() / 2, direction > 0 ? 3 : upDown->height() - 3);
        QTest::mouseClick(upDown, Qt::LeftButton, {}, half);
    }

    QMainWindow window;
    Ui::TFormHlav ui;
    ParameterSet image;
    WindowState state;
    std::unique_ptr<FormBinding> binding;
    std::unique_ptr<FormEvents> events;
};
