#pragma once

#include <QGroupBox>

class BackupRing;
class Messenger;
class QComboBox;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

// The restore part of the backup dialog: a folder of the ring, chosen by its
// date, and either the whole data folder or chosen files from it.
class BackupRestorePanel : public QGroupBox {
    Q_OBJECT
public:
    BackupRestorePanel(Messenger& messenger, QProgressBar* progress, QWidget* parent);

    void setRing(BackupRing* ring) { ring_ = ring; }
    // Fills the folders afresh, keeping the chosen one where it still exists.
    void showFolders();
    bool busy() const { return busy_; }

Q_SIGNALS:
    // A restore was tried: the ring may hold a new folder, and when
    // `replaced`, what the windows show of the data folder is old.
    void restoreFinished(bool replaced);

private:
    void buildControls();
    void showFiles();
    void showChoice();
    QStringList chosenFiles() const;
    void WiederherstBtnClick();
    bool confirm(int sourceIndex);
    void restore(int sourceIndex, const QStringList& files);

    Messenger& messenger_;
    QProgressBar* progress_;
    BackupRing* ring_ = nullptr;
    bool busy_ = false;

    QComboBox* wiederherstOrdnerCBox_ = nullptr;
    QRadioButton* wiederherstAlleRBtn_ = nullptr;
    QRadioButton* wiederherstAuswahlRBtn_ = nullptr;
    QListWidget* wiederherstDateienLBox_ = nullptr;
    QPushButton* wiederherstBtn_ = nullptr;
};
