#include "RideLogWindow.h"

#include "FileAccess.h"
#include "RideMap.h"
#include "RideTimeLine.h"
#include "ToolTexts.h"
#include "WindowState.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kBytesPerMegabyte = 1024 * 1024;

QString askWithToolkit(QWidget *parent, RideLogWindow::FileChoice choice, const QString &proposed)
{
    switch (choice) {
    case RideLogWindow::FileChoice::OpenLog:
        return QFileDialog::getOpenFileName(parent, QString(), proposed,
                                            QStringLiteral("CSV (*.csv);;* (*)"));
    case RideLogWindow::FileChoice::SavePicture:
        return QFileDialog::getSaveFileName(parent, QString(), proposed,
                                            QStringLiteral("PNG (*.png)"));
    case RideLogWindow::FileChoice::SaveCsv:
        break;
    }
    return QFileDialog::getSaveFileName(parent, QString(), proposed, QStringLiteral("CSV (*.csv)"));
}

QPushButton *button(const char *objectName, QWidget *parent)
{
    auto *made = new QPushButton(parent);
    made->setObjectName(QString::fromLatin1(objectName));
    made->setAutoDefault(false);
    return made;
}

} // namespace

RideLogWindow::RideLogWindow(const ParameterSet &image, const WindowState &state, QWidget *parent)
    : QWidget(parent, Qt::Window), m_image(image), m_state(state),
      m_log(std::make_unique<RideLog>())
{
    setObjectName(QStringLiteral("FormRideLog"));
    m_fileDialog = [this](FileChoice choice, const QString &proposed) {
        return askWithToolkit(this, choice, proposed);
    };
    m_timeLine = new RideTimeLine(this);
    m_timeLine->setObjectName(QStringLiteral("RideTimeLine"));
    m_map = new RideMap(image, this);
    m_map->setObjectName(QStringLiteral("RideMap"));
    m_values = new QTableWidget(0, 2, this);
    m_values->setObjectName(QStringLiteral("TableRideValues"));
    m_values->verticalHeader()->hide();
    m_values->horizontalHeader()->setStretchLastSection(true);
    m_values->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_values->setFocusPolicy(Qt::NoFocus);
    m_summaryLabel = new QLabel(this);
    m_summaryLabel->setObjectName(QStringLiteral("LabelRideSummary"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("LabelRideMessage"));
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("LabelRideHint"));

    m_openButton = button("ButtonRideOpen", this);
    m_showAllButton = button("ButtonRideShowAll", this);
    m_timeLinePng = button("ButtonRideTimeLinePng", this);
    m_mapPng = button("ButtonRideMapPng", this);
    m_rangeCsv = button("ButtonRideRangeCsv", this);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *each : {m_openButton, m_showAllButton, m_timeLinePng, m_mapPng, m_rangeCsv})
        buttons->addWidget(each);
    buttons->addStretch(1);

    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_values, 1);
    sideLayout->addWidget(m_summaryLabel);
    auto *lower = new QSplitter(Qt::Horizontal, this);
    lower->addWidget(side);
    lower->addWidget(m_map);
    lower->setStretchFactor(1, 2);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_timeLine);
    split->addWidget(lower);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(split, 1);
    layout->addWidget(m_hint);
    layout->addWidget(m_message);

    connect(m_openButton, &QPushButton::clicked, this, &RideLogWindow::askToOpen);
    connect(m_showAllButton, &QPushButton::clicked, m_timeLine, &RideTimeLine::showAll);
    connect(m_timeLinePng, &QPushButton::clicked, this, [this] {
        askAndExport(FileChoice::SavePicture, QStringLiteral("-timeline.png"),
                     &RideLogWindow::exportTimeLine);
    });
    connect(m_mapPng, &QPushButton::clicked, this, [this] {
        askAndExport(FileChoice::SavePicture, QStringLiteral("-map.png"),
                     &RideLogWindow::exportMap);
    });
    connect(m_rangeCsv, &QPushButton::clicked, this, [this] {
        askAndExport(FileChoice::SaveCsv, QStringLiteral("-range.csv"),
                     &RideLogWindow::exportVisibleRange);
    });
    connect(m_timeLine, &RideTimeLine::cursorMoved, this, &RideLogWindow::showCursor);
    resize(1100, 760);
    refresh();
}

RideLogWindow::~RideLogWindow() = default;

QString RideLogWindow::text(int tool) const
{
    return lang::toolText(lang::Tool(tool), m_state.language());
}

void RideLogWindow::refresh()
{
    using lang::Tool;
    const auto t = [this](Tool tool) { return text(int(tool)); };
    setWindowTitle(m_path.isEmpty() ? t(Tool::RideLogTitle)
                                    : t(Tool::RideLogTitle) + QStringLiteral(" – ") +
                                          QFileInfo(m_path).fileName());
    m_openButton->setText(t(Tool::RideLogOpen));
    m_showAllButton->setText(t(Tool::RideLogShowAll));
    m_timeLinePng->setText(t(Tool::RideLogExportTimeLine));
    m_mapPng->setText(t(Tool::RideLogExportMap));
    m_rangeCsv->setText(t(Tool::RideLogExportRange));
    m_hint->setText(t(Tool::RideLogHint));
    m_values->setHorizontalHeaderLabels({t(Tool::RideLogValue), t(Tool::RideLogRecorded)});
    m_timeLine->setTexts(
        {t(Tool::EngineSpeedAxis), t(Tool::AdvanceAxis), t(Tool::RideLogSupplyLane)},
        {t(Tool::Limiter), t(Tool::StartLimiter), t(Tool::RideLogShiftLight),
         t(Tool::RideLogClutchMaster), t(Tool::RideLogKillSwitch), t(Tool::RideLogRetard),
         t(Tool::RideLogInput1), t(Tool::RideLogInput2)});
    m_map->setTexts(t(Tool::EngineSpeedAxis), t(Tool::AdvanceAxis), t(Tool::RideLogTimeAtPoint));
    m_map->refresh();
    showSummary();
    if (m_path.isEmpty())
        m_message->setText(t(Tool::RideLogEmpty));
}

void RideLogWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

void RideLogWindow::open()
{
    show();
    raise();
    activateWindow();
}

bool RideLogWindow::openFile(const QString &path)
{
    using lang::Tool;
    RideLog read = RideLogReader::readFile(path);
    switch (read.status) {
    case RideLog::Status::CannotOpen:
        showMessage(text(int(Tool::RideLogCannotOpen)) + QDir::toNativeSeparators(path));
        return false;
    case RideLog::Status::NotARecording:
        showMessage(text(int(Tool::RideLogNotARecording)) + QDir::toNativeSeparators(path));
        return false;
    case RideLog::Status::TooLarge:
        showMessage(text(int(Tool::RideLogTooLarge))
                        .arg((read.fileSize + kBytesPerMegabyte - 1) / kBytesPerMegabyte)
                        .arg(RideLog::kMaxBytes / kBytesPerMegabyte));
        return false;
    case RideLog::Status::Read:
        break;
    }
    *m_log = std::move(read);
    m_path = path;
    m_summary = RideSummary::of(*m_log);
    m_timeLine->setLog(m_log.get());
    m_map->setLog(m_log.get());
    m_values->setRowCount(0);
    refresh();
    showMessage(m_log->skippedLines == 0 ? QString()
                                         : text(int(Tool::RideLogSkipped))
                                               .arg(m_log->skippedLines)
                                               .arg(m_log->firstSkippedLine));
    if (!m_log->samples.isEmpty())
        m_timeLine->setCursorRow(0);
    return true;
}

QString RideLogWindow::message() const
{
    return m_message->text();
}

void RideLogWindow::showMessage(const QString &message)
{
    m_message->setText(message);
}

void RideLogWindow::showCursor(int row)
{
    const QList<QByteArray> fields = m_log->fields(row);
    m_values->setRowCount(int(m_log->columns.size()));
    for (int i = 0; i < m_log->columns.size(); ++i) {
        m_values->setItem(i, 0, new QTableWidgetItem(QString::fromLatin1(m_log->columns[i])));
        m_values->setItem(i, 1, new QTableWidgetItem(QString::fromLatin1(fields.value(i))));
    }
    m_map->setCursorRow(row);
    const RideSample &sample = m_log->samples[row];
    emit cursorAt(int(sample.rpm), int(std::lround(sample.advance)));
}

void RideLogWindow::showSummary()
{
    using lang::Tool;
    const auto line = [this](Tool tool, const QString &value) {
        return QStringLiteral("<tr><td>%1</td><td align=right>&nbsp;%2</td></tr>")
            .arg(text(int(tool)).toHtmlEscaped(), value);
    };
    const RideSummary &s = m_summary;
    m_summaryLabel->setText(
        QStringLiteral("<table>") + line(Tool::RideLogDuration, minutesSeconds(s.durationMs)) +
        line(Tool::RideLogRows, QString::number(s.rows)) +
        line(Tool::RideLogHighestSpeed, QStringLiteral("%1 rpm").arg(s.highestRpm, 0, 'f', 0)) +
        line(Tool::RideLogShiftLightTime, minutesSeconds(s.shiftLightMs)) +
        line(Tool::RideLogLimiterTime, minutesSeconds(s.limiterMs)) +
        line(Tool::RideLogLowestSupply,
             s.lowestSupplyV ? QStringLiteral("%1 V").arg(*s.lowestSupplyV, 0, 'f', 2)
                             : QStringLiteral("–")) +
        line(Tool::RideLogLongestGap, minutesSeconds(s.longestGapMs)) + QStringLiteral("</table>"));
}

void RideLogWindow::askToOpen()
{
    const QString path = m_fileDialog(FileChoice::OpenLog, QFileInfo(m_path).path());
    if (!path.isEmpty())
        openFile(path);
}

void RideLogWindow::askAndExport(FileChoice choice, const QString &suffix,
                                 bool (RideLogWindow::*write)(const QString &))
{
    const QFileInfo log(m_path.isEmpty() ? QStringLiteral("ride.csv") : m_path);
    const QString path = m_fileDialog(choice, log.dir().filePath(log.completeBaseName() + suffix));
    if (!path.isEmpty())
        (this->*write)(path);
}

bool RideLogWindow::writeFile(const QString &path, const QByteArray &data)
{
    if (fileaccess::writeAtomically(path, data, fileaccess::Folder::MustExist))
        return true;
    showMessage(text(int(lang::Tool::RideLogCannotWrite)) + QDir::toNativeSeparators(path));
    return false;
}

namespace {

QByteArray pngOf(QWidget &widget)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    widget.grab().save(&buffer, "PNG");
    return png;
}

} // namespace

bool RideLogWindow::exportTimeLine(const QString &path)
{
    return writeFile(path, pngOf(*m_timeLine));
}

bool RideLogWindow::exportMap(const QString &path)
{
    return writeFile(path, pngOf(*m_map));
}

bool RideLogWindow::exportVisibleRange(const QString &path)
{
    const auto [first, last] = m_timeLine->visibleRows();
    return writeFile(path, m_log->csvText(first, last));
}
