#include "ParameterNames.h"

#include "ControlTexts.h"
#include "ToolTexts.h"

#include <QRegularExpression>

#include <iterator>

namespace lang {

namespace {

// Keys whose name is the caption of a control of the window, by number.
struct ParameterCaption
{
    const char *key;
    const char *controls[3];
};

const ParameterCaption kParameterCaptions[] = {
    {"POCET_BODU", {"LabelPocetBodu"}},
    {"BASE_ADV", {"LabelBaseAdv"}},
    {"LIMITER", {"LabelOmez1", "LabelOmez2", "LabelRetard"}},
    {"POLARITA", {"RadioGroupPolarita"}},
    {"PILOT_LIGHT", {"LabelLedRazeni"}},
    {"REV_OUT_PILOT_LIGHT", {"CheckBoxRevOutLedRazeni"}},
    {"NO_READING", {"CheckBoxZakazCteni"}},
    {"RPM", {"LabelRpmPulsu", "LabelRpmKorekce"}},
    {"INPUT", {"RadioGroupInput1", "RadioGroupInput2"}},
};

// Keys whose values the window shows as entries of a list or radio group.
const ParameterCaption kParameterItems[] = {
    {"POLARITA", {"RadioGroupPolarita"}},
    {"GEBER_NR", {"ComboBoxPocPalcu"}},
    {"INPUT", {"RadioGroupInput1", "RadioGroupInput2"}},
};

const char *controlOf(const ParameterCaption *table, int size, const QString &key, int number)
{
    for (int i = 0; i < size; ++i) {
        if (key == QLatin1String(table[i].key))
            return number >= 1 && number <= 3 ? table[i].controls[number - 1] : nullptr;
    }
    return nullptr;
}

// The window shows the clutch master's captions alike in every language.
const char *const kClutch[] = {"Clutch master time", "Clutch master pause"};

// "Limiter [rpm]" is "Limiter", "Polarity of CPS:" is "Polarity of CPS".
QString withoutUnit(const QString &caption)
{
    static const QRegularExpression unitOrColon(QStringLiteral("\\s*(\\[[^]]*\\])?\\s*:?\\s*$"));
    return withoutAccessKeys(caption).remove(unitOrColon);
}

} // namespace

QString parameterName(quint8 language, const QString &key, int number)
{
    if (key == QLatin1String("BIKE"))
        return toolText(Tool::Motorcycle, language);
    if (key == QLatin1String("GEBER_NR"))
        return toolText(Tool::IgnitionsPerRevolution, language);
    if (key == QLatin1String("RPM_ADV"))
        return toolText(Tool::CurvePointSpeed, language).arg(number);
    if (key == QLatin1String("ADVANCE"))
        return toolText(Tool::CurvePointAdvance, language).arg(number);
    if (key == QLatin1String("CLUTCH") && number >= 1 && number <= 2)
        return QLatin1String(kClutch[number - 1]);
    const char *control =
        controlOf(kParameterCaptions, int(std::size(kParameterCaptions)), key, number);
    if (!control)
        return QString();
    return withoutUnit(ControlTexts(language).caption(QLatin1String(control)));
}

QString parameterItem(quint8 language, const QString &key, int number, int index)
{
    const char *control = controlOf(kParameterItems, int(std::size(kParameterItems)), key, number);
    if (!control)
        return QString();
    const QStringList items = ControlTexts(language).items(QLatin1String(control));
    return index >= 0 && index < items.size() ? items.at(index) : QString();
}

} // namespace lang
