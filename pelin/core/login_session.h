#pragma once

#include "common/transfer.h"
#include "pelin/core/login_settings.h"
#include "pelin/core/login_state.h"

#include <QDate>
#include <functional>
#include <memory>
#include <optional>

class DataFileCodec;
class Messenger;

// Log-in and log-out of an employee, and the save to the central store. The
// main window calls it and shows what the state holds.
class LoginSession {
public:
    // What the form does with the log-in field afterwards.
    struct Result {
        bool loggedIn = false;
        bool clearField = false;
        bool focusField = false;
    };

    // `startDate` is the day the main window was created: it fixes the current
    // and the previous month for the whole run.
    LoginSession(LoginSettings settings, UserFolders folders, Messenger& messenger, QDate startDate,
        DataFileCodec& codec, Wait wait);
    ~LoginSession();

    const LoginState& state() const { return state_; }
    LoginState& state() { return state_; }
    Transfer& transfer() { return *transfer_; }
    // The day sheet stores its displayed day into the month list before a save.
    void setStoreDisplayedDay(std::function<void()> store) { storeDisplayedDay_ = std::move(store); }

    // `loginText` is the password, or the user name in directory mode.
    Result login(const QString& loginText, const QString& password);
    // Asks to save when something changed, then forgets the employee. False
    // when the question was closed or the changes could not be written: the
    // session then stays as it was.
    bool logout();
    // At program end: asks to save when something changed. False when the
    // program must not end (see logout).
    bool offerSave();
    // True only when everything was saved and uploaded.
    bool saveAndUpload();
    void reset();

private:
    enum class SaveResult { Saved, KeptLocally, NotSaved };

    Result loginSteps(const QString& loginText, const QString& password);
    // The steps of the log-in: nothing when the step succeeded, else how the
    // log-in ends.
    std::optional<Result> preparePersonalFolder();
    std::optional<Result> fetchBaseData();
    std::optional<Result> findEmployee(const QString& loginText);
    void loadEmployeeData();
    void fail(const QString& text, bool disconnect = true);
    QString baseDataPath(const QString& fileName) const;
    bool versionAccepted();
    void downloadUpdate();
    QString updateTargetFolder();
    void setUpdateFileTime(const QString& path);
    void readEmployee(const EmployeeFile::LoginRecord& record);
    void loadPersonalSettings();
    void loadAccounts();
    void loadMonths();
    void loadMonth(MonthList& month);
    void offerRecoveryCopy(MonthList& month);
    void keepRecoveryCopy(const MonthList& month);
    void discardRecoveryCopies();
    void readTargets();
    SaveResult save();
    bool unchangedClosedMonth(const MonthList& month) const;
    bool writeMonth(MonthList& month);
    bool uploadMonth(MonthSync& sync, const MonthList& month, MonthLink& link, const QString& failureText);

    LoginSettings settings_;
    UserFolders folders_;
    Messenger& messenger_;
    DataFileCodec& codec_;
    std::unique_ptr<Transfer> transfer_;
    QDate startDate_;
    std::function<void()> storeDisplayedDay_;
    LoginState state_;
};
