#include "download_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "child_windows.h"
#include "colour_contrast.h"
#include "message_box.h"

namespace hoopdeck::app {

namespace {
// The transfer starts this long after the dialog first shows, so that it is
// painted first.
constexpr int kTransferStartDelayMs = 100;

// A server tower joined to a small computer by a zigzag line.
class ServerPicture : public QWidget {
public:
    ServerPicture() { setFixedSize(250, 200); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor outline(40, 40, 60);
        p.setPen(QPen(outline, 2));

        // The server: a tower with drive bays and lights.
        const QRectF tower(20, 20, 70, 160);
        p.setBrush(QColor(200, 205, 215));
        p.drawRoundedRect(tower, 6, 6);
        for (int bay = 0; bay < 4; ++bay) {
            const QRectF slot(30, 34 + bay * 22, 50, 12);
            p.setBrush(QColor(150, 155, 170));
            p.drawRect(slot);
            p.setBrush(bay == 0 ? QColor(40, 200, 60) : QColor(90, 95, 110));
            p.drawEllipse(QPointF(74, slot.center().y()), 3, 3);
        }

        // The computer: a case with a screen and buttons.
        const QRectF computer(170, 70, 60, 100);
        p.setBrush(QColor(60, 70, 90));
        p.drawRoundedRect(computer, 8, 8);
        p.setBrush(QColor(170, 210, 240));
        p.drawRect(QRectF(178, 80, 44, 56));
        p.setBrush(QColor(200, 205, 215));
        for (int button = 0; button < 3; ++button)
            p.drawEllipse(QPointF(185 + button * 15, 152), 4, 4);

        // The link between them.
        QPainterPath zigzag(QPointF(92, 100));
        const QPointF points[] = {{110, 86}, {122, 114}, {136, 86}, {148, 114}, {168, 100}};
        for (const QPointF &point : points)
            zigzag.lineTo(point);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(230, 40, 40), 3));
        p.drawPath(zigzag);
    }
};

QLabel *lettering(const QString &text, const QColor &colour)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(18);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(legibleOn(colour, label->palette().color(QPalette::Window)).name()));
    return label;
}

QString downloadingCaption(DownloadKind kind)
{
    return kind == DownloadKind::Standings ? QStringLiteral("Downloading Standings")
                                           : QStringLiteral("Downloading Rosters");
}
} // namespace

DownloadDialog::DownloadDialog(DownloadKind kind, const QString &server, const QString &localPath,
                               QWidget *mainForm, const DownloadLimits &limits)
    : QDialog(mainForm), kind_(kind), server_(server), localPath_(localPath), mainForm_(mainForm), downloader_(limits),
      step_(lettering(QString(), Qt::red)), progress_(new QProgressBar)
{
    setWindowTitle(QLatin1String(kDownloadDialogTitle));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *picture = new ServerPicture;
    progress_->setRange(0, 0);
    progress_->setTextVisible(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(step_);
    layout->addWidget(lettering(QStringLiteral("Please wait..."), Qt::blue));
    layout->addWidget(progress_);
    layout->addStretch();
    layout->addWidget(buttons);
    if (mainForm)
        resize(mainForm->size());

    // A standings download connects first; a roster download says
    // "Downloading Rosters" throughout.
    showStep(kind == DownloadKind::Standings ? QStringLiteral("Connecting to Internet") : downloadingCaption(kind));
    connect(&downloader_, &Downloader::replyBegan, this, [this] { showStep(downloadingCaption(kind_)); });
    connect(&downloader_, &Downloader::progress, this, [this](qint64 received, qint64 total) {
        if (total > 0) {
            progress_->setRange(0, 1000);
            progress_->setValue(int(qMin<qint64>(1000, received * 1000 / total)));
        }
        progress_->setFormat(tr("%1 bytes").arg(received));
        progress_->setTextVisible(received > 0);
    });
    connect(&downloader_, &Downloader::finished, this, &DownloadDialog::onFinished);
}

DownloadDialog::~DownloadDialog() = default;

QString DownloadDialog::stepCaption() const
{
    return step_->text();
}

void DownloadDialog::showStep(const QString &caption)
{
    step_->setText(caption);
}

void DownloadDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (started_)
        return;
    started_ = true;
    QTimer::singleShot(kTransferStartDelayMs, this, [this] { downloader_.start(kind_, server_, localPath_); });
}

void DownloadDialog::reject()
{
    // A running transfer ends through onFinished(), which closes the dialog.
    if (downloader_.isRunning())
        downloader_.cancel();
    else
        QDialog::reject();
}

void DownloadDialog::onFinished(const DownloadResult &result)
{
    hide();
    if (result.outcome == DownloadResult::Failed) {
        emit notDownloaded(kind_, result);
        ShowHoopdeckMessage(mainForm_, result.message());
    }
    else if (result.outcome == DownloadResult::Succeeded)
        emit downloaded(kind_, result.bytes);
    done(result.outcome == DownloadResult::Succeeded ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace hoopdeck::app
