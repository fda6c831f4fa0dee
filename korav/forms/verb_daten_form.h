#pragma once

#include "korav/core/connection_settings.h"
#include "korav/forms/select_dir.h"

#include <QDialog>
#include <functional>

struct KoravEnvironment;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// The connection settings: the exchange folders, the FTP server (and the
// choice of FTP for the exchange) and the directory log-in.
class TVerbDatenForm : public QDialog {
    Q_OBJECT
public:
    // `checkBaseData` runs after every save: the base data are built from
    // "zconfig.kvd".
    TVerbDatenForm(KoravEnvironment& environment, ConnectionSettings& settings,
        std::function<void()> checkBaseData, QWidget* parent = nullptr);

    // Shows the file dialog for a certificate; returns the file or nothing.
    using CertificateBrowser = std::function<QString()>;

    TSelectDir& selectDir() { return selectDir_; }
    void setCertificateBrowser(CertificateBrowser browser) { certificateBrowser_ = std::move(browser); }
    bool directoryTested() const { return directoryTested_; }

public Q_SLOTS:
    void FormShow();
    void OrdnerProgDatenBtnClick();
    void OrdnerZeitDatenBtnClick();
    void VorhFtpOrdnerLBoxClick();
    void FtpVerbindungPruefenSBtnClick();
    void FtpTlsCBoxClick();
    void ZertifikatBtnClick();
    void ZertifikatEntfernenBtnClick();
    void LdapAktivierenCBoxClick();
    void LdapPruefenSBtnClick();
    void SaveBtnClick();
    void FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildFolderPanel(QWidget* parent);
    QWidget* buildFtpPanel(QWidget* parent);
    QWidget* buildLdapPanel(QWidget* parent);
    QWidget* buildCertificatePanel(QWidget* parent);
    void connectHandlers();
    ConnectionFields fieldsFromControls() const;
    void showFields(const ConnectionFields& fields);
    void chooseFolder(QLineEdit* edit, const QString& titel, const QString& refusal);
    void LdapFelderSchalten(bool on);
    void clearFlags();
    void showLdapLine(QLabel* label, const QString& text, bool ok);

    KoravEnvironment& environment_;
    ConnectionSettings& settings_;
    std::function<void()> checkBaseData_;
    TSelectDir selectDir_;
    CertificateBrowser certificateBrowser_;
    ConnectionFields snapshot_;
    bool directoryTested_ = false;
    bool ftpChanged_ = false;
    bool closingBySave_ = false;

    QLineEdit* progOrdnerEdit_;
    QLineEdit* zeitOrdnerEdit_;
    QLineEdit* ftpServerEdit_;
    QLineEdit* ftpBenutzerEdit_;
    QLineEdit* ftpPasswortEdit_;
    QLineEdit* ftpOrdnerEdit_;
    QCheckBox* ftpAktivCBox_;
    QCheckBox* ftpTlsCBox_;
    QListWidget* vorhFtpOrdnerLBox_;
    QLabel* errLabels_[3];
    QLineEdit* ldapServerEdit_;
    QLineEdit* ldapPortEdit_;
    QLineEdit* ldapDn1Edit_;
    QLineEdit* ldapDn2Edit_;
    QCheckBox* ldapAktivierenCBox_;
    QCheckBox* ldapStartTlsCBox_;
    QLineEdit* zertifikatEdit_;
    QCheckBox* passwortPruefwertCBox_;
    QLineEdit* ldapAnmeldeNameEdit_;
    QLineEdit* ldapKennwortEdit_;
    QToolButton* ldapPruefenSBtn_;
    QLabel* err3Label_;
    QLabel* err4Label_;
    QPushButton* saveBtn_;
};
