// The main window's part in providing PELIN and collecting time files.
#include "common/ui/busy_cursor.h"
#include "common/ui/long_work.h"
#include "common/ui/menu_mnemonics.h"
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

using namespace Qt::StringLiterals;

void TMainForm::createProvisionDialogs()
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
}

void TMainForm::EinstellungenLaden()
{
    connection_.load();
}

void TMainForm::setCommandState(MainCommand command, const QString& caption, bool enabled)
{
    controls(command).button->setText(caption);
    SetMenuEntryCaption(controls(command).menuItem, caption);
    setCommandEnabled(command, enabled);
}

void TMainForm::setButtonLook(MainCommand command, bool italic, const QString& colour)
{
    QPushButton* b = button(command);
    QFont font = b->font();
    font.setItalic(italic);
    b->setFont(font);
    if (!colour.isNull())
        b->setStyleSheet(u"color: %1;"_s.arg(colour));
}

void TMainForm::CheckPelinProgramCurrent()
{
    stale_.checkProgram(environment_.store.folder(), connection_.fields().programFolder);
    setButtonLook(MainCommand::PelinExeUpload, stale_.program);
    setCommandState(MainCommand::PelinExeUpload,
        stale_.program ? u"Programm PELIN bereitstellen "_s : u"Programm PELIN ist aktuell"_s,
        stale_.program);
}

void TMainForm::CheckBaseDataCurrent()
{
    CheckPelinProgramCurrent();
    stale_.check(environment_.store.folder(), connection_.fields().programFolder, startDate_.year());
    const bool stale = stale_.anyBaseData();
    setButtonLook(MainCommand::PelinErstellen, stale, stale ? u"rgb(0, 128, 0)"_s : u"black"_s);
    setCommandState(MainCommand::PelinErstellen,
        stale ? u"PELIN-Basisdaten erstellen ! "_s : u"PELIN-Basisdaten sind aktuell"_s, stale);
    const bool upload = !stale && role_ != AdminPasswords::kNoRole;
    setCommandEnabled(MainCommand::KoravUpload, upload);
    if (!stale)
        setButtonLook(MainCommand::KoravUpload, false);
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
    if (!AsLongWork(button(MainCommand::PelinErstellen), [&] { return build.run(stale_); }))
        return;
    CheckBaseDataCurrent();
    setButtonLook(MainCommand::KoravUpload, true);
}

void TMainForm::KoravUploadBtnClick()
{
    errLabel_->clear();
    setButtonLook(MainCommand::KoravUpload, false);
    EinstellungenLaden();
    const PelinProvision provision(environment_.store, connection_, SleepMilliseconds);
    const PelinProvision::Result result = AsLongWork(button(MainCommand::KoravUpload),
        [&] { return provision.provideBaseData(stale_, environment_.clock.now()); });
    CheckPelinProgramCurrent();
    if (result.statusText)
        ShowDone(errLabel_, *result.statusText);
}

void TMainForm::PelinExeUploadBtnClick()
{
    errLabel_->clear();
    EinstellungenLaden();
    const PelinProvision provision(environment_.store, connection_, SleepMilliseconds);
    const PelinProvision::Result result = AsLongWork(button(MainCommand::PelinExeUpload),
        [&] { return provision.provideProgram(stale_, environment_.clock.now()); });
    CheckPelinProgramCurrent();
    if (result.statusText)
        ShowDone(errLabel_, *result.statusText);
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
    const std::optional<TimeFileCollection::Result> result = AsLongWork(button(MainCommand::KoravDownload),
        [&] { return UpdateTimeFiles(environment_.store, connection_, environment_.clock.now()); });
    if (!result)
        return;
    if (result->collectionText != azDatStandLabel_->text())
        azDatStandLabel_->setText(result->collectionText);
    ShowDone(errLabel_, result->statusText);
    setButtonLook(MainCommand::KoravDownload, false);
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
        const QString tlsText = FtpFailureText(ftp_->lastFailure());
        ftp_->close();
        errLabel_->setText(
            tlsText.isEmpty() ? u"Die Anmeldung am FTP-Server war nicht erfolgreich! (2)"_s : tlsText);
        return 0;
    }
    paintBox1_->showOnline();
    return 1;
}
