#include "korav/forms/update_form.h"

#include "common/clock.h"
#include "common/messenger.h"
#include "common/ui/busy_cursor.h"
#include "common/ui/named_widgets.h"
#include "common/wait.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/korav_help.h"
#include "korav/core/update_activation.h"
#include "korav/core/update_package.h"
#include "korav/core/update_upload.h"
#include "korav/core/zip_obj.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/korav_environment.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QToolButton* MakeSpeedButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

} // namespace

TUpdateForm::TUpdateForm(
    KoravEnvironment& environment, ConnectionSettings& settings, MainWindowParts parts, QWidget* parent)
    : QDialog(parent), environment_(environment), settings_(settings), parts_(std::move(parts))
{
    setObjectName(u"UpdateForm"_s);
    setWindowTitle(u"  PELIN -Updateversion erstellen"_s);
    // Room for the archive's path in the status lines.
    setMinimumWidth(560);
    buildControls();
}

void TUpdateForm::buildControls()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(
        Named(new QLabel(u"Update - Erstellen, Hochladen und Aktivieren"_s, this), u"Label15"_s), 0, 0, 1, 2);
    grid->addWidget(
        MakeHelpImage(this, environment_.help, KoravHelp::kAdministrationTopic), 0, 2, Qt::AlignRight);
    const std::pair<const char16_t*, const char16_t*> steps[] = {
        { u"PelinZipErstellenSBtn", u"(1)   pelin-update.zip  in KORAV - Ordner erstellen" },
        { u"ZipUploadSBtn", u"(2)   pelin-update.zip  in FTP - Ordner  hochladen" },
        { u"ZipInFtpOrdnerPruefenSBtn", u"(3)   pelin-update.zip  in FTP - Ordner prüfen" },
        { u"CreateNewUpdateNrSBtn", u"(4)   Neues Update aktivieren" },
    };
    QList<QToolButton*> buttons;
    for (const auto& [name, caption] : steps) {
        buttons.append(MakeSpeedButton(this, QString::fromUtf16(name), QString::fromUtf16(caption)));
        grid->addWidget(buttons.back(), grid->rowCount(), 0, 1, 3);
    }
    createNewUpdateNrSBtn_ = buttons.at(3);
    lastUpdateNrLabel_ = Named(new QLabel(this), u"LastUpdateNrLabel"_s);
    newUpdateNrLabel_ = Named(new QLabel(this), u"NewUpdateNrLabel"_s);
    zipMeldungLabel_ = Named(new QLabel(this), u"ZipMeldungLabel"_s);
    zipDatumLabel_ = Named(new QLabel(this), u"ZipDatumLabel"_s);
    int row = grid->rowCount();
    grid->addWidget(Named(new QLabel(u"Letztes Update - Datum"_s, this), u"Label2"_s), row, 0);
    grid->addWidget(lastUpdateNrLabel_, row, 1, 1, 2);
    grid->addWidget(Named(new QLabel(u"Neues Update - Datum"_s, this), u"Label3"_s), ++row, 0);
    grid->addWidget(newUpdateNrLabel_, row, 1, 1, 2);
    grid->addWidget(zipMeldungLabel_, ++row, 0);
    grid->addWidget(zipDatumLabel_, row, 1, 1, 2);
    grid->addWidget(buildProgress(), ++row, 0, 1, 3);
    memoZipStatus_ = Named(new QPlainTextEdit(this), u"memoZipStatus"_s);
    memoZipStatus_->setReadOnly(true);
    memoZipStatus_->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid->addWidget(memoZipStatus_, ++row, 0, 1, 3);
    filesToCompLBox_ = Named(new QListWidget(this), u"FilesToCompLBox"_s);
    filesToCompLBox_->setVisible(false);
    errLabel_ = MakeStatusLabel(this, u"ErrLabel"_s);
    grid->addWidget(errLabel_, ++row, 0, 1, 2);
    auto* close = MakeSpeedButton(this, u"CloseSBtn"_s, u"&Schließen"_s);
    grid->addWidget(close, row, 2);

    connect(buttons.at(0), &QToolButton::clicked, this, &TUpdateForm::PelinZipErstellenSBtnClick);
    connect(buttons.at(1), &QToolButton::clicked, this, &TUpdateForm::ZipUploadSBtnClick);
    connect(buttons.at(2), &QToolButton::clicked, this, &TUpdateForm::ZipInFtpOrdnerPruefenSBtnClick);
    connect(createNewUpdateNrSBtn_, &QToolButton::clicked, this, &TUpdateForm::CreateNewUpdateNrSBtnClick);
    connect(close, &QToolButton::clicked, this, &TUpdateForm::CloseSBtnClick);
}

QWidget* TUpdateForm::buildProgress()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins({});
    prbarFileProgress_ = Named(new QProgressBar(panel), u"prbarFileProgress"_s);
    lblFileProgress_ = Named(new QLabel(u"0 %"_s, panel), u"lblFileProgress"_s);
    prbarArchiveProgress_ = Named(new QProgressBar(panel), u"prbarArchiveProgress"_s);
    lblArchiveProgress_ = Named(new QLabel(u"0 %"_s, panel), u"lblArchiveProgress"_s);
    for (QProgressBar* bar : { prbarFileProgress_, prbarArchiveProgress_ }) {
        bar->setRange(0, 100);
        bar->setTextVisible(false);
    }
    grid->addWidget(Named(new QLabel(u"Aktuelle Datei"_s, panel), u"Label1"_s), 0, 0);
    grid->addWidget(prbarFileProgress_, 0, 1);
    grid->addWidget(lblFileProgress_, 0, 2);
    grid->addWidget(Named(new QLabel(u"Gesamt"_s, panel), u"Label4"_s), 1, 0);
    grid->addWidget(prbarArchiveProgress_, 1, 1);
    grid->addWidget(lblArchiveProgress_, 1, 2);
    return panel;
}

void TUpdateForm::FormShow()
{
    prbarFileProgress_->setValue(0);
    prbarArchiveProgress_->setValue(0);
    memoZipStatus_->clear();
    errLabel_->clear();
    zipMeldungLabel_->clear();
    zipDatumLabel_->clear();
    newUpdateNrLabel_->clear();
    createNewUpdateNrSBtn_->setEnabled(false);
    settings_.load();
    lastUpdateNrLabel_->setText(UpdateActivation::LastNumberText(settings_.lines()));
    changed_ = false;
}

void TUpdateForm::showProgress(QProgressBar* bar, QLabel* label, int percent)
{
    bar->setValue(percent);
    label->setText(QString::number(percent) + u" %"_s);
    // Packing a large program takes a while; the window keeps painting.
    QCoreApplication::processEvents();
}

void TUpdateForm::PelinZipErstellenSBtnClick()
{
    filesToCompLBox_->clear();
    const DataFolder& data = environment_.store.folder();
    if (!UpdatePackage::MayPack(data, environment_.messenger))
        return;
    parts_.buildStaleBaseData();
    const std::optional<QStringList> files = UpdatePackage::FilesToPack(data, environment_.messenger);
    if (!files)
        return;
    filesToCompLBox_->addItems(*files);
    TZipObj zip;
    zip.OnZipMessage = [this](const QString& text, int) { memoZipStatus_->appendPlainText(text); };
    zip.OnFileProgress = [this](int percent) { showProgress(prbarFileProgress_, lblFileProgress_, percent); };
    zip.OnArchiveProgress
        = [this](int percent) { showProgress(prbarArchiveProgress_, lblArchiveProgress_, percent); };
    UpdatePackage::Pack(data, *files, zip);
}

void TUpdateForm::ZipUploadSBtnClick()
{
    errLabel_->clear();
    const DataFolder& data = environment_.store.folder();
    if (!UpdateUpload::MayStart(data, environment_.messenger))
        return;
    const BusyCursor busy;
    ShowDone(errLabel_, UpdateUpload::StartedText(environment_.clock.now().time()));
    errLabel_->repaint();
    FtpClient* ftp = parts_.ftpVerbinden();
    if (!ftp)
        return;
    if (!UpdateUpload::Upload(*ftp, data, environment_.messenger, SleepMilliseconds)) {
        errLabel_->clear();
        return;
    }
    ShowDone(errLabel_, UpdateUpload::DoneText(environment_.clock.now().time()));
    zipMeldungLabel_->clear();
    zipDatumLabel_->clear();
}

void TUpdateForm::ZipInFtpOrdnerPruefenSBtnClick()
{
    createNewUpdateNrSBtn_->setEnabled(false);
    newUpdateNrLabel_->clear();
    zipMeldungLabel_->clear();
    zipDatumLabel_->clear();
    ZipImFtpOrdnerSuchen();
}

void TUpdateForm::ZipImFtpOrdnerSuchen()
{
    FtpClient* ftp = parts_.ftpVerbinden();
    if (!ftp) {
        environment_.messenger.show(QString::fromUtf16(UpdateUpload::kNoConnection));
        return;
    }
    const std::optional<QString> time = UpdateUpload::LookUp(*ftp, environment_.messenger);
    if (!time)
        return;
    zipMeldungLabel_->setText(QString::fromUtf16(UpdateUpload::kFoundText));
    zipDatumLabel_->setText(*time);
    createNewUpdateNrSBtn_->setEnabled(true);
}

void TUpdateForm::CreateNewUpdateNrSBtnClick()
{
    const std::optional<QString> number = UpdateActivation::Activate(
        zipDatumLabel_->text(), lastUpdateNrLabel_->text(), environment_.messenger);
    if (!number)
        return;
    newUpdateNrLabel_->setText(*number);
    changed_ = true;
}

void TUpdateForm::CloseSBtnClick()
{
    if (changed_
        && UpdateActivation::StoreOnClose(newUpdateNrLabel_->text(), settings_, environment_.messenger))
        parts_.checkBaseData();
    changed_ = false;
    accept();
}
