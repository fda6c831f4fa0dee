#include "korav/forms/backup_form.h"

#include "common/ui/fitting_scroll_area.h"
#include "common/ui/long_work.h"
#include "common/ui/named_widgets.h"
#include "common/ui/program_icons.h"
#include "common/ui/progress_display.h"
#include "korav/forms/backup_restore_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString BrowseForFolder(QWidget* parent, const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(parent, title, startFolder, QFileDialog::ShowDirsOnly);
}

} // namespace

TBackupForm::TBackupForm(Messenger& messenger, const QString& dataFolder, const Clock& clock, QWidget* parent)
    : QDialog(parent),
      messenger_(messenger),
      clock_(clock),
      chooseFolder_(
          [this](const QString& title, const QString& start) { return BrowseForFolder(this, title, start); })
{
    setObjectName(u"TBackupForm"_s);
    setWindowTitle(u"  KORAV - Datensicherung"_s);
    buildControls();
    setDataFolder(dataFolder);
}

TBackupForm::~TBackupForm() = default;

void TBackupForm::setDataFolder(const QString& dataFolder)
{
    ring_ = std::make_unique<BackupRing>(dataFolder, messenger_, clock_);
    ring_->setProgress([this](int done, int total) { showProgress(done, total); });
    restorePanel_->setRing(ring_.get());
}

void TBackupForm::buildControls()
{
    // The controls scroll on a small screen; help and close stay in sight.
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    bkpIntervallCBox_ = Named(new QComboBox(this), u"BkpIntervallCBox"_s);
    for (int hours : BackupChoices::kIntervalHours)
        bkpIntervallCBox_->addItem(QString::number(hours));
    anzBkpOrdnerCBox_ = Named(new QComboBox(this), u"AnzBkpOrdnerCBox"_s);
    for (int count : BackupChoices::kFolderCounts)
        anzBkpOrdnerCBox_->addItem(QString::number(count));
    backupCBox_
        = Named(new QCheckBox(u"  Automatische Datensicherung deaktivieren"_s, this), u"BackupCBox"_s);
    dateisperreAufhebenBtn_
        = Named(new QPushButton(u"Dateisperre aufheben"_s, this), u"DateisperreAufhebenBtn"_s);
    bkpOrdnerEdit_ = Named(new QLineEdit(this), u"BkpOrdnerEdit"_s);
    bkpOrdnerEdit_->setReadOnly(true);
    bkpDialogEdit_ = Named(new QLineEdit(this), u"BkpDialogEdit"_s);
    bkpDialogEdit_->setVisible(false);
    chgBkpOrdnerBtn_ = Named(new QToolButton(this), u"ChgBkpOrdnerBtn"_s);
    chgBkpOrdnerBtn_->setText(u"..."_s);
    chgBkpOrdnerBtn_->setToolTip(u"Backup-Ordner wählen"_s);
    lastBkpLabel_ = Named(new QLabel(this), u"LastBkpLabel"_s);
    startManBackupBtn_ = Named(new QPushButton(u"Starten"_s, this), u"StartManBackupBtn"_s);
    progressBar1_ = Named(new QProgressBar(this), u"ProgressBar1"_s);
    progressBar1_->setRange(0, 1);
    ShowProgressIdle(progressBar1_);
    backupLBox_ = Named(new QListWidget(this), u"BackupLBox"_s);
    restorePanel_ = new BackupRestorePanel(messenger_, progressBar1_, this);

    grid->addWidget(
        new QLabel(u"Automatische Datensicherung ausführen, wenn letzte Sicherung älter als "_s, this), 0, 0);
    grid->addWidget(bkpIntervallCBox_, 0, 1);
    grid->addWidget(new QLabel(u"Stunde(n) ist."_s, this), 0, 2);
    grid->addWidget(new QLabel(u"Anzahl der Sicherungsordner für Umlaufmodus"_s, this), 1, 0);
    grid->addWidget(anzBkpOrdnerCBox_, 1, 1);
    grid->addWidget(backupCBox_, 2, 0);
    grid->addWidget(dateisperreAufhebenBtn_, 2, 2);
    grid->addWidget(
        new QLabel(u"Sicherungsdateien werden in folgenden Ordnern gespeichert :"_s, this), 3, 0, 1, 3);
    grid->addWidget(bkpOrdnerEdit_, 4, 0, 1, 2);
    grid->addWidget(chgBkpOrdnerBtn_, 4, 2);
    grid->addWidget(new QLabel(u"Letzte Datensicherung erfolgte am :"_s, this), 5, 0, 1, 3);
    grid->addWidget(lastBkpLabel_, 6, 0, 1, 3);
    grid->addWidget(new QLabel(u"Datensicherung jetzt ausführen"_s, this), 7, 0);
    grid->addWidget(startManBackupBtn_, 7, 1);
    grid->addWidget(progressBar1_, 8, 0, 1, 3);
    grid->addWidget(new QLabel(u"Vorhandene Datensicherung(en)"_s, this), 9, 0, 1, 3);
    grid->addWidget(backupLBox_, 10, 0, 1, 3);
    grid->addWidget(restorePanel_, 11, 0, 1, 3);
    grid->addWidget(bkpDialogEdit_, 12, 0);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Named(new FittingScrollArea(content, this), u"ControlsScroll"_s), 1);
    // Made after the scrolled controls, so that Tab reaches them last.
    hilfeImage_ = Named(new QToolButton(this), u"HilfeImage"_s);
    hilfeImage_->setText(u"?"_s);
    hilfeImage_->setIcon(HelpIcon());
    closeBtn_ = Named(new QPushButton(u"&Schließen"_s, this), u"CloseBtn"_s);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(hilfeImage_, 0, Qt::AlignLeft);
    bottom->addStretch(1);
    bottom->addWidget(closeBtn_);
    column->addLayout(bottom);

    connect(bkpIntervallCBox_, &QComboBox::activated, this, &TBackupForm::BkpIntervallCBoxChange);
    connect(backupCBox_, &QCheckBox::clicked, this, &TBackupForm::BkpIntervallCBoxChange);
    connect(anzBkpOrdnerCBox_, &QComboBox::activated, this, &TBackupForm::AnzBkpOrdnerCBoxChange);
    connect(dateisperreAufhebenBtn_, &QPushButton::clicked, this, &TBackupForm::DateisperreAufhebenBtnClick);
    connect(chgBkpOrdnerBtn_, &QToolButton::clicked, this, &TBackupForm::ChgBkpOrdnerBtnClick);
    connect(startManBackupBtn_, &QPushButton::clicked, this, &TBackupForm::StartManBackupBtnClick);
    connect(hilfeImage_, &QToolButton::clicked, this, &TBackupForm::HilfeImageClick);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::reject);
    connect(restorePanel_, &BackupRestorePanel::restoreFinished, this, &TBackupForm::restoreFinished);
}

void TBackupForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TBackupForm::FormShow()
{
    dateisperreAufhebenBtn_->setVisible(ring_->lockExists());
    ring_->dialogShown();
    showChoices();
    showState();
    bkpOrdnerEdit_->setText(ring_->folderDescription());
}

void TBackupForm::showChoices()
{
    const QSignalBlocker blockInterval(bkpIntervallCBox_);
    const QSignalBlocker blockCount(anzBkpOrdnerCBox_);
    const BackupChoices& choices = ring_->choices();
    bkpIntervallCBox_->setCurrentIndex(choices.intervalIndex);
    anzBkpOrdnerCBox_->setCurrentIndex(choices.folderCountIndex);
    backupCBox_->setChecked(choices.automaticOff);
    bkpDialogEdit_->setText(choices.chosenFolder);
}

void TBackupForm::showState()
{
    lastBkpLabel_->setText(ring_->lastBackupDescription());
    backupLBox_->clear();
    backupLBox_->addItems(ring_->BackupListeAnzeigen());
    restorePanel_->showFolders();
}

void TBackupForm::BkpIntervallCBoxChange()
{
    ring_->setIntervalIndex(bkpIntervallCBox_->currentIndex());
    ring_->setAutomaticOff(backupCBox_->isChecked());
}

void TBackupForm::AnzBkpOrdnerCBoxChange()
{
    ring_->setFolderCountIndex(anzBkpOrdnerCBox_->currentIndex());
    bkpOrdnerEdit_->setText(ring_->ringDescription());
}

void TBackupForm::DateisperreAufhebenBtnClick()
{
    if (busy())
        return;
    ring_->DateisperreAufheben();
    dateisperreAufhebenBtn_->setVisible(ring_->lockExists());
}

void TBackupForm::ChgBkpOrdnerBtnClick()
{
    if (busy())
        return;
    const QString chosen = ring_->choices().chosenFolder;
    const QString start = chosen.isEmpty() ? ring_->dataFolder() : chosen;
    const QString folder = chooseFolder_(u"Backup-Ordner für KORAV-Datensicherung auswählen"_s, start);
    if (folder.isEmpty())
        return;
    ring_->chooseBaseFolder(folder);
    dateisperreAufhebenBtn_->setVisible(ring_->lockExists());
    showChoices();
    showState();
    bkpOrdnerEdit_->setText(ring_->folderDescription());
}

void TBackupForm::StartManBackupBtnClick()
{
    if (busy())
        return;
    busy_ = true;
    {
        const LongWork work(
            { startManBackupBtn_, closeBtn_, chgBkpOrdnerBtn_, dateisperreAufhebenBtn_ }, progressBar1_);
        runManualBackup();
    }
    busy_ = false;
}

void TBackupForm::runManualBackup()
{
    const QString chosenBefore = ring_->choices().chosenFolder;
    ring_->StartManBackup();
    if (ring_->choices().chosenFolder != chosenBefore) {
        bkpDialogEdit_->setText(ring_->choices().chosenFolder);
        bkpOrdnerEdit_->setText(ring_->ringDescription());
    }
    showState();
}

void TBackupForm::HilfeImageClick()
{
    if (help_)
        help_();
}

void TBackupForm::showProgress(int done, int total)
{
    progressBar1_->setRange(0, std::max(total, 1));
    progressBar1_->setValue(done);
    // The copy may take long on a slow share; the window keeps painting.
    QCoreApplication::processEvents();
}

void TBackupForm::restoreFinished(bool replaced)
{
    restored_ = restored_ || replaced;
    showState();
}

bool TBackupForm::busy() const
{
    return busy_ || restorePanel_->busy();
}

void TBackupForm::done(int result)
{
    // Closing in the middle of a copy would save the settings while the
    // backup or the restore holds the lock.
    if (busy())
        return;
    ring_->FormClose();
    QDialog::done(result);
}
