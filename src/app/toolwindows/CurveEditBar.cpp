#include "CurveEditBar.h"

#include "CurveGraph.h"
#include "ParameterSet.h"
#include "ToolTexts.h"

#include <QSpinBox>
#include <QToolButton>

namespace {
constexpr int kPercentMin = 10, kPercentMax = 300, kPercentStart = 110;
}

CurveEditBar::CurveEditBar(CurveGraph &graph, QWidget *parent) : QToolBar(parent), m_graph(graph)
{
    setObjectName(QStringLiteral("ToolBarCurveEdit"));
    m_minus = addButton("ButtonCurveMinus");
    m_plus = addButton("ButtonCurvePlus");
    m_minus->setText(QStringLiteral("−1°"));
    m_plus->setText(QStringLiteral("+1°"));
    m_percent = new QSpinBox(this);
    m_percent->setObjectName(QStringLiteral("SpinBoxCurveScale"));
    m_percent->setRange(kPercentMin, kPercentMax);
    m_percent->setValue(kPercentStart);
    m_percent->setSuffix(QStringLiteral(" %"));
    addWidget(m_percent);
    m_scale = addButton("ButtonCurveScale");
    m_smooth = addButton("ButtonCurveSmooth");
    m_insert = addButton("ButtonCurveInsert");
    m_delete = addButton("ButtonCurveDelete");

    const auto range = [this] { return std::pair{m_graph.rangeFirst(), m_graph.rangeLast()}; };
    connect(m_minus, &QToolButton::clicked, this,
            [this, range] { emit shiftAsked(range().first, range().second, -1); });
    connect(m_plus, &QToolButton::clicked, this,
            [this, range] { emit shiftAsked(range().first, range().second, 1); });
    connect(m_scale, &QToolButton::clicked, this,
            [this, range] { emit scaleAsked(range().first, range().second, m_percent->value()); });
    connect(m_smooth, &QToolButton::clicked, this,
            [this, range] { emit smoothAsked(range().first, range().second); });
    connect(m_insert, &QToolButton::clicked, this,
            [this] { emit insertAsked(m_graph.selectedPoint()); });
    connect(m_delete, &QToolButton::clicked, this,
            [this] { emit deleteAsked(m_graph.selectedPoint()); });
    connect(&m_graph, &CurveGraph::selectionChanged, this, &CurveEditBar::refresh);
}

QToolButton *CurveEditBar::addButton(const char *objectName)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(objectName));
    addWidget(button);
    return button;
}

void CurveEditBar::setLanguage(quint8 language)
{
    using lang::Tool;
    const auto text = [language](Tool tool) { return lang::toolText(tool, language); };
    m_minus->setToolTip(text(Tool::CurveMinusTip));
    m_plus->setToolTip(text(Tool::CurvePlusTip));
    m_percent->setToolTip(text(Tool::CurveScaleTip));
    m_scale->setText(text(Tool::CurveScale));
    m_scale->setToolTip(text(Tool::CurveScaleTip));
    m_smooth->setText(text(Tool::CurveSmooth));
    m_smooth->setToolTip(text(Tool::CurveSmoothTip));
    m_insert->setText(text(Tool::CurveInsert));
    m_insert->setToolTip(text(Tool::CurveInsertTip));
    m_delete->setText(text(Tool::CurveDelete));
    m_delete->setToolTip(text(Tool::CurveDeleteTip));
}

// Insert needs a next point and room for one more; delete leaves one point at least.
void CurveEditBar::refresh()
{
    const int count = m_graph.pointCount();
    const int selected = m_graph.selectedPoint();
    m_insert->setEnabled(count < ParameterSet::kCurvePoints && selected + 1 < count);
    m_delete->setEnabled(count > 1 && selected < count);
}
