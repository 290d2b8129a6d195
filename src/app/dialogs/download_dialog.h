#pragma once

#include <QDialog>

#include "downloader.h"

class QLabel;
class QProgressBar;

namespace hoopdeck::app {

// "HDK Download": fetches one data file once the dialog is on screen,
// showing which step it is at and how many bytes have come. A failure is
// told in a message over the main form; Cancel, or closing the dialog,
// ends the transfer silently and keeps the old file.
class DownloadDialog : public QDialog {
    Q_OBJECT
public:
    DownloadDialog(DownloadKind kind, const QString &server, const QString &localPath, QWidget *mainForm,
                   const DownloadLimits &limits = {});
    ~DownloadDialog() override;

    DownloadKind kind() const { return kind_; }
    QString stepCaption() const;
    Downloader &downloader() { return downloader_; }

signals:
    // The new file is in place; the main form reloads what depends on it.
    void downloaded(hoopdeck::DownloadKind kind, qint64 bytes);
    // The download failed and the old file stays; told before the message box.
    void notDownloaded(hoopdeck::DownloadKind kind, const hoopdeck::DownloadResult &result);

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void showStep(const QString &caption);
    void onFinished(const DownloadResult &result);

    DownloadKind kind_;
    QString server_;
    QString localPath_;
    QWidget *mainForm_;
    Downloader downloader_;
    bool started_ = false;
    QLabel *step_;
    QProgressBar *progress_;
};

} // namespace hoopdeck::app
