#include "korav/forms/backup_restore_panel.h"

#include "common/messenger.h"
#include "common/ui/long_work.h"
#include "common/ui/named_widgets.h"
#include "korav/core/backup_list.h"
#include "korav/core/backup_restore.h"
#include "korav/core/backup_ring.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

BackupRestorePanel::BackupRestorePanel(Messenger& messenger, QProgressBar* progress, QWidget* parent)
    : QGroupBox(u"Daten aus einer Sicherung wiederherstellen"_s, parent),
      messenger_(messenger),
      progress_(progress)
{
    setObjectName(u"WiederherstGBox"_s);
    buildControls();
}

void BackupRestorePanel::buildControls()
{
    auto* grid = new QGridLayout(this);
    wiederherstOrdnerCBox_ = Named(new QComboBox(this), u"WiederherstOrdnerCBox"_s);
    wiederherstAlleRBtn_
        = Named(new QRadioButton(u"den ganzen KORAV-Ordner"_s, this), u"WiederherstAlleRBtn"_s);
    wiederherstAlleRBtn_->setChecked(true);
    wiederherstAuswahlRBtn_
        = Named(new QRadioButton(u"nur die ausgewählten Dateien :"_s, this), u"WiederherstAuswahlRBtn"_s);
    wiederherstDateienLBox_ = Named(new QListWidget(this), u"WiederherstDateienLBox"_s);
    wiederherstBtn_ = Named(new QPushButton(u"Wiederherstellen"_s, this), u"WiederherstBtn"_s);

    grid->addWidget(new QLabel(u"Sicherungsordner :"_s, this), 0, 0);
    grid->addWidget(wiederherstOrdnerCBox_, 0, 1, 1, 2);
    grid->addWidget(wiederherstAlleRBtn_, 1, 0, 1, 3);
    grid->addWidget(wiederherstAuswahlRBtn_, 2, 0, 1, 3);
    grid->addWidget(wiederherstDateienLBox_, 3, 0, 1, 3);
    grid->addWidget(wiederherstBtn_, 4, 2);

    connect(wiederherstOrdnerCBox_, &QComboBox::currentIndexChanged, this, &BackupRestorePanel::showFiles);
    connect(wiederherstAlleRBtn_, &QRadioButton::toggled, this, &BackupRestorePanel::showChoice);
    connect(wiederherstBtn_, &QPushButton::clicked, this, &BackupRestorePanel::WiederherstBtnClick);
    showChoice();
}

void BackupRestorePanel::showFolders()
{
    const int chosen = wiederherstOrdnerCBox_->currentData().toInt();
    {
        const QSignalBlocker block(wiederherstOrdnerCBox_);
        wiederherstOrdnerCBox_->clear();
        if (ring_) {
            for (const RingFolder& folder : RingFolders(ring_->baseFolder()))
                wiederherstOrdnerCBox_->addItem(folder.description, folder.index);
        }
        const int again = wiederherstOrdnerCBox_->findData(chosen);
        wiederherstOrdnerCBox_->setCurrentIndex(again >= 0 ? again : 0);
    }
    showFiles();
}

void BackupRestorePanel::showFiles()
{
    wiederherstDateienLBox_->clear();
    const int index = wiederherstOrdnerCBox_->currentData().toInt();
    if (!ring_ || index == 0)
        return;
    for (const QString& name : RestorableFiles(BackupFolderPath(ring_->baseFolder(), index))) {
        auto* item = new QListWidgetItem(name, wiederherstDateienLBox_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void BackupRestorePanel::showChoice()
{
    wiederherstDateienLBox_->setEnabled(wiederherstAuswahlRBtn_->isChecked());
}

QStringList BackupRestorePanel::chosenFiles() const
{
    QStringList files;
    for (int row = 0; row < wiederherstDateienLBox_->count(); ++row) {
        const QListWidgetItem* item = wiederherstDateienLBox_->item(row);
        if (item->checkState() == Qt::Checked)
            files.append(item->text());
    }
    return files;
}

void BackupRestorePanel::WiederherstBtnClick()
{
    if (busy_ || !ring_)
        return;
    const int index = wiederherstOrdnerCBox_->currentData().toInt();
    if (index == 0) {
        messenger_.show(u"Es ist keine Datensicherung vorhanden."_s);
        return;
    }
    const QStringList files = wiederherstAuswahlRBtn_->isChecked() ? chosenFiles() : QStringList();
    if (wiederherstAuswahlRBtn_->isChecked() && files.isEmpty()) {
        messenger_.show(u"Bitte wählen Sie die Dateien aus, die wiederhergestellt werden sollen."_s);
        return;
    }
    if (confirm(index))
        restore(index, files);
}

bool BackupRestorePanel::confirm(int sourceIndex)
{
    return messenger_.ask(
               u" Daten aus %1 wiederherstellen ?  \n"
               u" Der heutige Stand wird vorher in %2 gesichert,"
               u" der bisherige Inhalt dieses Ordners wird ersetzt.  "_s.arg(
                   BackupFolderName(sourceIndex), BackupFolderName(ring_->folderBeforeRestore(sourceIndex))))
        == kAnswerYes;
}

void BackupRestorePanel::restore(int sourceIndex, const QStringList& files)
{
    busy_ = true;
    RestoreResult result;
    {
        const LongWork work({ this }, progress_);
        result = Wiederherstellen(*ring_, BackupFolderName(sourceIndex), files);
    }
    busy_ = false;
    if (!result.summary.isEmpty())
        messenger_.show(result.summary.join(u'\n'));
    Q_EMIT restoreFinished(result.ran);
}
