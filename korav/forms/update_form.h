#pragma once

#include <QDialog>
#include <functional>

struct KoravEnvironment;
class ConnectionSettings;
class FtpClient;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QToolButton;

// "  PELIN -Updateversion erstellen": packs the update package, uploads it
// into the FTP folder, looks it up there and activates its server time as
// the new update number.
class TUpdateForm : public QDialog {
    Q_OBJECT
public:
    // What the main window lends the dialog: its FTP connection (nothing
    // when `FtpVerbinden` failed), the building of stale base data, and the
    // check of the base data after the settings were saved.
    struct MainWindowParts {
        std::function<FtpClient*()> ftpVerbinden;
        std::function<void()> buildStaleBaseData;
        std::function<void()> checkBaseData;
    };

    TUpdateForm(KoravEnvironment& environment, ConnectionSettings& settings, MainWindowParts parts,
        QWidget* parent = nullptr);

    bool updateNumberChanged() const { return changed_; }

public Q_SLOTS:
    void FormShow();
    void PelinZipErstellenSBtnClick();
    void ZipUploadSBtnClick();
    void ZipInFtpOrdnerPruefenSBtnClick();
    void CreateNewUpdateNrSBtnClick();
    void CloseSBtnClick();

private:
    void buildControls();
    QWidget* buildProgress();
    void ZipImFtpOrdnerSuchen();
    void showProgress(QProgressBar* bar, QLabel* label, int percent);

    KoravEnvironment& environment_;
    ConnectionSettings& settings_;
    MainWindowParts parts_;
    bool changed_ = false;

    QToolButton* createNewUpdateNrSBtn_ = nullptr;
    QLabel* lastUpdateNrLabel_ = nullptr;
    QLabel* newUpdateNrLabel_ = nullptr;
    QLabel* zipMeldungLabel_ = nullptr;
    QLabel* zipDatumLabel_ = nullptr;
    QProgressBar* prbarFileProgress_ = nullptr;
    QLabel* lblFileProgress_ = nullptr;
    QProgressBar* prbarArchiveProgress_ = nullptr;
    QLabel* lblArchiveProgress_ = nullptr;
    QPlainTextEdit* memoZipStatus_ = nullptr;
    QListWidget* filesToCompLBox_ = nullptr;
    QLabel* errLabel_ = nullptr;
};
