#pragma once

#include "korav/reports/core/month_completion.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <utility>

class Messenger;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The choices the dialog asks of other windows: the hours picker (tags 100
// and 200), the activity chooser (tag 222), the remark dialog and the save
// dialog. Until KORAV's own pickers join, simple inputs stand in.
struct MonatKomplettPickers {
    // Hours and minutes texts, nothing when cancelled.
    std::function<std::optional<std::pair<QString, QString>>(int tag, bool fiveMinutes)> pickHours;
    // Key and description.
    std::function<std::optional<std::pair<QString, QString>>(int tag, const StringList& activities)>
        chooseActivity;
    std::function<std::optional<QString>(const QString& current)> editRemark;
    MonthCompletion::FileChooser chooseFile;

    static MonatKomplettPickers SimpleInputs(QWidget* parent);
};

// "  Monatswerte ersatzweise erfassen": a whole month of an employee without
// PELIN, its working time, remark and up to 20 activity entries.
class TMonatKomplettForm : public QDialog {
    Q_OBJECT
public:
    TMonatKomplettForm(MonthCompletion& completion, Messenger& messenger, MonatKomplettPickers pickers,
        QDate startDate, QWidget* parent = nullptr);

    // Closing by the button, the close box or Escape offers to save a
    // modified month alike.

    void FormShow();
    void AnzeigenBtnClick();
    void MonArbZeitStdEditClick();
    void MonProjZeitStdEditClick();
    void ProjektNrEditClick();
    void BemerkungLabel1Click();
    void OffeneZeitSBtnClick();
    void EinfgEintragSBtnClick();
    void ChgEintragSBtnClick();
    void DelEintragSBtnClick();
    void AnzeigeListViewClick();
    void DateiSpeichernBtnClick();
    void CloseBtnClick();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void FormularZuruecksetzen();
    void MonatLaden();
    void SummenAktualisieren();
    void fillRows();
    void clearEntryLine();
    void setEntryButtons(bool insert, bool changeAndRemove);
    bool entryLineComplete() const;
    bool entryLineStarted() const;
    QString selectedRowKey() const;

    MonthCompletion& completion_;
    Messenger& messenger_;
    MonatKomplettPickers pickers_;

    QComboBox* maLCBox_;
    QComboBox* monatCBox_;
    QComboBox* jahrCBox_;
    QPushButton* anzeigenBtn_;
    QLineEdit* monArbZeitStdEdit_;
    QLineEdit* monArbZeitMinEdit_;
    QLabel* bemerkungLabel1_;
    QLabel* bemerkungSText_;
    QLineEdit* projektNrEdit_;
    QLabel* lupeImage_;
    QLineEdit* monProjZeitStdEdit_;
    QLineEdit* monProjZeitMinEdit_;
    QLabel* projektBeschreibungLabel_;
    QPushButton* offeneZeitSBtn_;
    QPushButton* einfgEintragSBtn_;
    QPushButton* chgEintragSBtn_;
    QPushButton* delEintragSBtn_;
    QTreeWidget* anzeigeListView_;
    QLabel* monArbLabel_;
    QLabel* sollZeitLabel_;
    QLabel* diffZeitLabel_;
    QLabel* monArbLabel2_;
    QLabel* zugeordnetLabel_;
    QLabel* offenLabel_;
    QLabel* offenLabelFarbe_;
    QLabel* label11_;
    QLabel* monatLabel_;
    QLabel* label12_;
    QPushButton* dateiSpeichernBtn_;
    QPushButton* closeBtn_;
};
