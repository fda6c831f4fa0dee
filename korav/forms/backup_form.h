#pragma once

#include "korav/core/backup_ring.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <utility>

class Clock;
class Messenger;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;
class BackupRestorePanel;

// "  KORAV - Datensicherung": the backup settings, the manual start, the
// list of existing backups and the restore from one of them. It owns the ring that the main window's timer
// also uses (`ring().AutoBackupPruefen()`), so a change of the choices takes
// effect for the automatic step at once.
class TBackupForm : public QDialog {
    Q_OBJECT
public:
    // Asks for a folder; an empty answer means cancel.
    using FolderChooser = std::function<QString(const QString& title, const QString& startFolder)>;

    TBackupForm(
        Messenger& messenger, const QString& dataFolder, const Clock& clock, QWidget* parent = nullptr);
    ~TBackupForm() override;

    BackupRing& ring() { return *ring_; }
    void setDataFolder(const QString& dataFolder);
    void setFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }
    void setHelpHandler(std::function<void()> help) { help_ = std::move(help); }
    // True once after files of the data folder were restored.
    bool takeRestored() { return std::exchange(restored_, false); }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void FormShow();
    void showChoices();
    void showState();
    void BkpIntervallCBoxChange();
    void AnzBkpOrdnerCBoxChange();
    void DateisperreAufhebenBtnClick();
    void ChgBkpOrdnerBtnClick();
    void StartManBackupBtnClick();
    void runManualBackup();
    void HilfeImageClick();
    void showProgress(int done, int total);
    void restoreFinished(bool replaced);
    bool busy() const;

    Messenger& messenger_;
    const Clock& clock_;
    std::unique_ptr<BackupRing> ring_;
    FolderChooser chooseFolder_;
    std::function<void()> help_;
    bool busy_ = false;
    bool restored_ = false;

    QComboBox* bkpIntervallCBox_ = nullptr;
    QComboBox* anzBkpOrdnerCBox_ = nullptr;
    QCheckBox* backupCBox_ = nullptr;
    QPushButton* dateisperreAufhebenBtn_ = nullptr;
    QLineEdit* bkpOrdnerEdit_ = nullptr;
    QLineEdit* bkpDialogEdit_ = nullptr;
    QToolButton* chgBkpOrdnerBtn_ = nullptr;
    QLabel* lastBkpLabel_ = nullptr;
    QPushButton* startManBackupBtn_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QListWidget* backupLBox_ = nullptr;
    BackupRestorePanel* restorePanel_ = nullptr;
    QToolButton* hilfeImage_ = nullptr;
    QPushButton* closeBtn_ = nullptr;
};
