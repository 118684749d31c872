#include "TFormAbout.h"
#include "ui_TFormAbout.h"

#include "BuildStamp.h"
#include "MessageTable.h"
#include "ScreenCentre.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Resources of a static library are registered by hand, outside any namespace.
static void registerAboutResources()
{
    Q_INIT_RESOURCE(about);
}

namespace {

const char *const kLogoPath = ":/about/zevra-logo.svg";

} // namespace

TFormAbout::TFormAbout(LanguageSource language, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TFormAbout>()), m_language(std::move(language))
{
    registerAboutResources();
    m_ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    m_ui->LabelExit->installEventFilter(this);
    FormCreate();
}

TFormAbout::~TFormAbout() = default;

void TFormAbout::FormCreate()
{
    const QDateTime built = about::buildMoment();
    m_ui->LabelDate->setText(about::buildDateText(built));
    m_ui->LabelTime->setText(about::buildTimeText(built));

    if (const std::optional<QPoint> centred = centredOnPrimaryScreen(size()))
        move(*centred);
}

void TFormAbout::FormActivate()
{
    if (!m_language)
        return;
    // An unknown language leaves the caption as it was.
    const QString caption = lang::aboutCaption(m_language());
    if (!caption.isEmpty())
        setWindowTitle(caption);
}

void TFormAbout::Button1Click()
{
    accept();
}

void TFormAbout::showLogo()
{
    QSvgRenderer renderer(QString::fromLatin1(kLogoPath));
    const qreal scale = devicePixelRatioF();
    QPixmap logo(m_ui->Image1->size() * scale);
    logo.setDevicePixelRatio(scale);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    renderer.render(&painter, QRectF(QPointF(0, 0), m_ui->Image1->size()));
    painter.end();
    m_ui->Image1->setPixmap(logo);
}

void TFormAbout::showEvent(QShowEvent *event)
{
    // Drawn when first shown: most starts never open the box.
    if (m_ui->Image1->pixmap().isNull())
        showLogo();
    FormActivate();
    QDialog::showEvent(event);
}

bool TFormAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->LabelExit && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_ui->LabelExit->rect().contains(mouse->position().toPoint())) {
            Button1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
