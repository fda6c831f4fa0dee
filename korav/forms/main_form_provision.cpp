// The main window's part in providing PELIN and collecting time files.
#include "common/ui/busy_cursor.h"
#include "common/wait.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_state.h"
#include "korav/core/pelin_base_builder.h"
#include "korav/core/pelin_provision.h"
#include "korav/core/pelin_start.h"
#include "korav/core/time_file_update.h"
#include "korav/forms/connection_indicator.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/korav_environment.h"
#include "korav/forms/main_form.h"
#include "korav/forms/update_form.h"
#include "korav/forms/verb_daten_form.h"

#include "common/clock.h"
#include "common/messenger.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

} // namespace

void TMainForm::connectProvisionHandlers()
{
    verbDatenForm_ = new TVerbDatenForm(
        environment_, connection_, [this] { CheckBaseDataCurrent(); }, this);
    updateForm_ = new TUpdateForm(environment_, connection_,
        { [this] { return FtpVerbinden() ? ftp_.get() : nullptr; },
            [this] {
                if (stale_.anyBaseData())
                    PelinErstellenBtnClick();
            },
            [this] { CheckBaseDataCurrent(); } },
        this);
    paintBox1_ = new TConnectionIndicator(this);
    statusBar()->addPermanentWidget(paintBox1_);
    const auto onClick = [this](const QString& button, const QString& menuItem, auto handler) {
        connect(findChild<QPushButton*>(button), &QPushButton::clicked, this, handler);
        connect(findChild<QAction*>(menuItem), &QAction::triggered, this, handler);
    };
    onClick(u"PelinErstellenBtn"_s, u"MenuPelinErstellen"_s, &TMainForm::PelinErstellenBtnClick);
    onClick(u"KoravUploadBtn"_s, u"MenuKoravUpload"_s, &TMainForm::KoravUploadBtnClick);
    onClick(u"PelinExeUploadBtn"_s, u"MenuPelinExeUpload"_s, &TMainForm::PelinExeUploadBtnClick);
    onClick(u"StartPelinBtn"_s, u"MenuStartPelin"_s, &TMainForm::StartPelinBtnClick);
    onClick(u"KoravDownloadBtn"_s, u"MenuKoravDownload"_s, &TMainForm::KoravDownloadBtnClick);
    onClick(u"VerbindBtn"_s, u"MenuVerbind"_s, &TMainForm::VerbindBtnClick);
    onClick(u"UpdateBtn"_s, u"MenuUpdate"_s, &TMainForm::UpdateBtnClick);
    connect(this, &TMainForm::activityListStale, this, &TMainForm::MarkActivityListStale);
    connect(this, &TMainForm::baseDataSaved, this, &TMainForm::CheckBaseDataCurrent);
}

void TMainForm::EinstellungenLaden()
{
    connection_.load();
}

void TMainForm::setButtonState(QStringView button, QStringView menuItem, const QString& caption, bool enabled)
{
    auto* b = centralWidget()->findChild<QPushButton*>(button.toString());
    auto* m = findChild<QAction*>(menuItem.toString());
    b->setText(caption);
    b->setEnabled(enabled);
    m->setText(caption);
    m->setEnabled(enabled);
}

void TMainForm::setButtonLook(QStringView button, bool italic, const QString& colour)
{
    auto* b = centralWidget()->findChild<QPushButton*>(button.toString());
    QFont font = b->font();
    font.setItalic(italic);
    b->setFont(font);
    if (!colour.isNull())
        b->setStyleSheet(u"color: %1;"_s.arg(colour));
}

void TMainForm::CheckPelinProgramCurrent()
{
    stale_.checkProgram(environment_.store.folder(), connection_.fields().programFolder);
    setButtonLook(u"PelinExeUploadBtn", stale_.program);
    setButtonState(u"PelinExeUploadBtn", u"MenuPelinExeUpload",
        stale_.program ? u"Programm PELIN bereitstellen "_s : u"Programm PELIN ist aktuell"_s,
        stale_.program);
}

void TMainForm::CheckBaseDataCurrent()
{
    CheckPelinProgramCurrent();
    stale_.check(environment_.store.folder(), connection_.fields().programFolder, startDate_.year());
    const bool stale = stale_.anyBaseData();
    setButtonLook(u"PelinErstellenBtn", stale, stale ? u"rgb(0, 128, 0)"_s : u"black"_s);
    setButtonState(u"PelinErstellenBtn", u"MenuPelinErstellen",
        stale ? u"PELIN-Basisdaten erstellen ! "_s : u"PELIN-Basisdaten sind aktuell"_s, stale);
    const bool upload = !stale && role_ != AdminPasswords::kNoRole;
    findChild<QPushButton*>(u"KoravUploadBtn"_s)->setEnabled(upload);
    findChild<QAction*>(u"MenuKoravUpload"_s)->setEnabled(upload);
    if (!stale)
        setButtonLook(u"KoravUploadBtn", false);
}

void TMainForm::MarkActivityListStale()
{
    stale_.activityList = true;
}

void TMainForm::PelinErstellenBtnClick()
{
    errLabel_->clear();
    EinstellungenLaden();
    const PelinBaseBuild build { environment_.store, codec_, environment_.clock, startDate_, connection_ };
    if (!build.run(stale_))
        return;
    CheckBaseDataCurrent();
    setButtonLook(u"KoravUploadBtn", true);
}

void TMainForm::KoravUploadBtnClick()
{
    errLabel_->clear();
    setButtonLook(u"KoravUploadBtn", false);
    EinstellungenLaden();
    const PelinProvision provision(environment_.store, connection_, SleepMilliseconds);
    const std::optional<QString> status = provision.provideBaseData(stale_, environment_.clock.now());
    CheckPelinProgramCurrent();
    if (status)
        ShowDone(errLabel_, *status);
}

void TMainForm::PelinExeUploadBtnClick()
{
    errLabel_->clear();
    EinstellungenLaden();
    const PelinProvision provision(environment_.store, connection_, SleepMilliseconds);
    const std::optional<QString> status = provision.provideProgram(stale_, environment_.clock.now());
    CheckPelinProgramCurrent();
    if (status)
        ShowDone(errLabel_, *status);
}

void TMainForm::StartPelinBtnClick()
{
    errLabel_->clear();
    PelinStart().start(environment_.store.folder(), environment_.messenger);
}

void TMainForm::KoravDownloadBtnClick()
{
    errLabel_->clear();
    const BusyCursor busy;
    const std::optional<TimeFileCollection::Result> result
        = UpdateTimeFiles(environment_.store, connection_, environment_.clock.now());
    if (!result)
        return;
    if (result->collectionText != azDatStandLabel_->text())
        azDatStandLabel_->setText(result->collectionText);
    ShowDone(errLabel_, result->statusText);
    setButtonLook(u"KoravDownloadBtn", false);
}

void TMainForm::VerbindBtnClick()
{
    errLabel_->clear();
    verbDatenForm_->FormShow();
    environment_.runModal(*verbDatenForm_);
}

void TMainForm::UpdateBtnClick()
{
    errLabel_->clear();
    updateForm_->FormShow();
    environment_.runModal(*updateForm_);
}

int TMainForm::FtpVerbinden()
{
    if (!connection_.isLoaded())
        EinstellungenLaden();
    ftp_ = std::make_unique<FtpClient>(connection_.ftpSettings());
    if (!ftp_->open()) {
        errLabel_->setText(u" Eine Internetverbindung konnte nicht hergestellt werden! (4)"_s);
        return 0;
    }
    if (!ftp_->login()) {
        ftp_->close();
        errLabel_->setText(u"Die Anmeldung am FTP-Server war nicht erfolgreich! (2)"_s);
        return 0;
    }
    paintBox1_->showOnline();
    return 1;
}
