#pragma once

#include "korav/reports/core/month_completion.h"

#include <QDialog>
#include <QPoint>

#include <functional>
#include <optional>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// What the activity chooser hands back once it has been shown.
struct ActivityChoice {
    StringList list; // the chooser's list: from now on the description list
    // Key and " " + description, both empty when no row was chosen; nothing
    // when the chooser was cancelled.
    std::optional<std::pair<QString, QString>> fields;
};

// The choices the dialog asks of other windows: KORAV's hours picker (tags
// 100 and 200) and activity chooser (tag 222), the remark dialog and the
// save dialog.
struct MonatKomplettPickers {
    // `precision` 5 or 15 minutes; the picker opens below `field`. Hours and
    // minutes texts, nothing when it closed without a result.
    std::function<std::optional<std::pair<QString, QString>>(int tag, int precision, QWidget* field)>
        pickHours;
    std::function<ActivityChoice(int tag)> chooseActivity;
    // Opens at `position`; nothing when cancelled.
    std::function<std::optional<QString>(const QString& current, QPoint position)> editRemark;
    MonthCompletion::FileChooser chooseFile;
};

// "  Monatswerte ersatzweise erfassen": a whole month of an employee without
// PELIN, its working time, remark and up to 20 activity entries.
class TMonatKomplettForm : public QDialog {
    Q_OBJECT
public:
    TMonatKomplettForm(MonthCompletion& completion, MonatKomplettPickers pickers, QDate startDate,
        QWidget* parent = nullptr);

    // What HilfeImage opens: the help at the check's topic.
    void setHelpHandler(std::function<void()> openHelp) { openHelp_ = std::move(openHelp); }

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
    void HilfeImageClick();

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void FormularZuruecksetzen();
    void MonatLaden();
    void SummenAktualisieren();
    void fillRows();
    void clearEntryLine();
    void setEntryButtons(bool insert, bool changeAndRemove);
    int precision() const;
    bool entryLineComplete() const;
    bool entryLineStarted() const;
    QString selectedRowKey() const;

    MonthCompletion& completion_;
    MonatKomplettPickers pickers_;
    std::function<void()> openHelp_;

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
