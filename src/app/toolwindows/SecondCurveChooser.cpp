#include "SecondCurveChooser.h"

#include "CurveGraph.h"
#include "IgnFile.h"
#include "ParameterCodes.h"
#include "ParameterSet.h"
#include "ToolTexts.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QTime>

namespace {

// The points in use, as the window's range rule would show them.
QList<QPoint> curveOf(ParameterSet set)
{
    set.NormaliseParameterSet();
    QList<QPoint> points;
    const int count = std::clamp<int>(set.pocetBodu(), 1, ParameterSet::kCurvePoints);
    for (int i = 0; i < count; ++i)
        points << QPoint(codes::toDisplay(set.rpmAdv(i), codes::kRpmScale), set.advance(i));
    return points;
}

} // namespace

SecondCurveChooser::SecondCurveChooser(CurveGraph &graph, const ParameterSet &image,
                                       QWidget *parent)
    : QWidget(parent), m_graph(graph), m_image(image)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("LabelSecondCurve"));
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("ComboBoxSecondCurve"));
    m_list->addItems({QString(), QString(), QString(), QString()});
    caption->setBuddy(m_list);
    m_says = new QLabel(this);
    m_says->setObjectName(QStringLiteral("LabelSecondCurveShown"));
    m_says->setSizePolicy(QSizePolicy::Ignored,
                          QSizePolicy::Preferred); // long names never widen the window
    layout->addWidget(caption);
    layout->addWidget(m_list);
    layout->addWidget(m_says, 1);
    // Activated, not changed: choosing File again asks for another file.
    connect(m_list, &QComboBox::activated, this, [this](int index) { choose(Item(index)); });
}

void SecondCurveChooser::setLanguage(quint8 language)
{
    using lang::Tool;
    m_language = language;
    findChild<QLabel *>(QStringLiteral("LabelSecondCurve"))
        ->setText(lang::toolText(Tool::SecondCurve, language));
    const Tool items[] = {Tool::SecondCurveNone, Tool::SecondCurveFile, Tool::SecondCurveHistory,
                          Tool::SecondCurveUnit};
    for (int i = 0; i < 4; ++i)
        m_list->setItemText(i, lang::toolText(items[i], language));
    showSays();
}

void SecondCurveChooser::showSays()
{
    m_says->setText(m_saysText ? m_saysText(m_language) : QString());
}

void SecondCurveChooser::choose(Item item)
{
    switch (item) {
    case None:
        showNothing({});
        break;
    case File:
    case HistoryEntry: {
        const ChoosePath &ask = item == File ? m_sources.file : m_sources.historyEntry;
        const QString path = ask ? ask() : QString();
        if (path.isEmpty()) {
            m_list->setCurrentIndex(m_shown); // cancelled: what was shown stays
            return;
        }
        showFile(path);
        break;
    }
    case Unit:
        if (m_sources.unit)
            readUnit();
        return;
    }
    m_list->setCurrentIndex(item);
    m_shown = item;
}

void SecondCurveChooser::readUnit()
{
    m_list->setCurrentIndex(Unit);
    m_shown = Unit;
    showNothing([](quint8 language) { return lang::toolText(lang::Tool::ReadingUnit, language); });
    const QPointer<SecondCurveChooser> alive(this);
    m_sources.unit([this, alive](const ParameterSet *set, const QString &failure) {
        if (!alive || m_list->currentIndex() != Unit)
            return;
        if (!set) {
            showNothing([failure](quint8) { return failure; }); // the link's words
            return;
        }
        const QString when = QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
        showSet(*set, [when](quint8 language) {
            return lang::toolText(lang::Tool::SecondCurveOfUnit, language).arg(when);
        });
    });
}

// Starts from the window's set, as Open does: bytes the file lacks are alike.
void SecondCurveChooser::showFile(const QString &path)
{
    const QString name = QDir::toNativeSeparators(path);
    ParameterSet file = m_image;
    if (IgnFile::load(path, file) != IgnFile::LoadResult::Loaded) {
        showNothing([name](quint8 language) {
            return lang::toolText(lang::Tool::SecondCurveBadFile, language).arg(name);
        });
        return;
    }
    const QString fileName = QFileInfo(path).fileName();
    showSet(file, [fileName](quint8 language) {
        return lang::toolText(lang::Tool::SecondCurveOfFile, language).arg(fileName);
    });
    m_says->setToolTip(name);
}

void SecondCurveChooser::showSet(const ParameterSet &set, Says says)
{
    m_graph.setSecondCurve(curveOf(set));
    m_saysText = std::move(says);
    showSays();
    m_says->setToolTip(QString());
}

void SecondCurveChooser::showNothing(Says says)
{
    m_graph.setSecondCurve({});
    m_saysText = std::move(says);
    showSays();
    m_says->setToolTip(QString());
}
