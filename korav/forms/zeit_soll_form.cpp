#include "korav/forms/zeit_soll_form.h"

#include "common/ui/tab_order.h"
#include "korav/core/korav_help.h"
#include "korav/core/month_hours_picker.h"
#include "korav/forms/ausw_monat_std_form.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/grid_keys.h"
#include "korav/forms/korav_environment.h"
#include "korav/forms/zeit_ueber_form.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFixedColumns = 2;

QLineEdit* MakeDailyEntry(QWidget* parent, const QString& name)
{
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(name);
    entry->setReadOnly(true);
    entry->setMaximumWidth(48);
    return entry;
}

QTableWidgetItem* FixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

void SetYearFont(QPushButton* button, bool displayed)
{
    QFont font = button->font();
    font.setBold(displayed);
    font.setPointSize(displayed ? 12 : 10);
    button->setFont(font);
}

} // namespace

TZeitSollForm::TZeitSollForm(KoravEnvironment& environment, TAuswMonatStdForm& picker, int startYear,
    BaseDataSaved saved, QWidget* parent)
    : QDialog(parent),
      environment_(environment),
      editor_(environment.store, startYear, std::move(saved)),
      picker_(picker),
      zeitUeberForm_(new TZeitUeberForm(*this)),
      pageControl1_(new QTabWidget(this)),
      msTabSheet_(new QWidget(pageControl1_)),
      zeitSollSGrid_(new QTableWidget(msTabSheet_)),
      vorJahrBtn_(MakeButton(this, u"VorJahrBtn"_s, QString::number(startYear - 1))),
      aktJahrBtn_(MakeButton(this, u"AktJahrBtn"_s, QString::number(startYear))),
      folJahrBtn_(MakeButton(this, u"FolJahrBtn"_s, QString::number(startYear + 1))),
      tagArbZeitStdEdit_(MakeDailyEntry(this, u"TagArbZeitStdEdit"_s)),
      tagArbZeitMinEdit_(MakeDailyEntry(this, u"TagArbZeitMinEdit"_s)),
      min5CBox_(
          new QCheckBox(u"Arbeits- / Tätigkeitszeiten  5 min. genau erfassen ( aus = 15 min. )"_s, this))
{
    setObjectName(u"ZeitSollForm"_s);
    setWindowTitle(u"  Arbeits - Sollzeiten"_s);
    buildControls(environment);
}

void TZeitSollForm::buildControls(KoravEnvironment& environment)
{
    pageControl1_->setObjectName(u"PageControl1"_s);
    msTabSheet_->setObjectName(u"MS_TabSheet"_s);
    pageControl1_->addTab(msTabSheet_, QString());
    zeitSollSGrid_->setObjectName(u"ZeitSollSGrid"_s);
    zeitSollSGrid_->setColumnCount(kFixedColumns + TargetTimesEditor::kMonths);
    zeitSollSGrid_->setHorizontalHeaderLabels(
        { QString(), QString(), u" Jan."_s, u" Feb."_s, u" März"_s, u" April"_s, u" Mai"_s, u" Juni"_s,
            u" Juli"_s, u" Aug."_s, u" Sept."_s, u" Okt."_s, u" Nov."_s, u" Dez."_s });
    zeitSollSGrid_->verticalHeader()->hide();
    new GridKeys(zeitSollSGrid_);
    zeitSollSGrid_->setColumnWidth(0, 32);
    zeitSollSGrid_->setColumnWidth(1, 96);
    for (int column = kFixedColumns; column < zeitSollSGrid_->columnCount(); ++column)
        zeitSollSGrid_->setColumnWidth(column, 56);
    auto* page = new QVBoxLayout(msTabSheet_);
    page->addWidget(zeitSollSGrid_);
    min5CBox_->setObjectName(u"Min5CBox"_s);
    tagArbZeitStdEdit_->installEventFilter(this);
    tagArbZeitMinEdit_->installEventFilter(this);
    auto* copyBtn = MakeButton(this, u"MS_ZeileKopBtn"_s, u"&Zeile kopieren"_s);
    auto* saveBtn = MakeButton(this, u"SaveBtn"_s, u"&Speichern"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    for (QPushButton* button : { vorJahrBtn_, aktJahrBtn_, folJahrBtn_, copyBtn, saveBtn, cancelBtn })
        button->setAutoDefault(false);
    saveBtn->setDefault(true);

    auto* layout = new QGridLayout(this);
    auto* years = new QHBoxLayout;
    years->addWidget(vorJahrBtn_);
    years->addWidget(aktJahrBtn_);
    years->addWidget(folJahrBtn_);
    years->addStretch(1);
    years->addWidget(copyBtn);
    years->addWidget(MakeHelpImage(this, environment.help, KoravHelp::kBaseDataTopic));
    layout->addLayout(years, 0, 0, 1, 3);
    layout->addWidget(pageControl1_, 1, 0, 1, 3);
    layout->addWidget(buildDailyTarget(), 2, 0);
    layout->addWidget(saveBtn, 2, 1);
    layout->addWidget(cancelBtn, 2, 2);
    SetTabOrder({ vorJahrBtn_, aktJahrBtn_, folJahrBtn_, copyBtn, pageControl1_, zeitSollSGrid_,
        tagArbZeitStdEdit_, tagArbZeitMinEdit_, min5CBox_, saveBtn, cancelBtn });
    resize(900, 560);

    connect(vorJahrBtn_, &QPushButton::clicked, this, &TZeitSollForm::VorJahrBtnClick);
    connect(aktJahrBtn_, &QPushButton::clicked, this, &TZeitSollForm::AktJahrBtnClick);
    connect(folJahrBtn_, &QPushButton::clicked, this, &TZeitSollForm::FolJahrBtnClick);
    connect(copyBtn, &QPushButton::clicked, this, &TZeitSollForm::MS_ZeileKopBtnClick);
    connect(saveBtn, &QPushButton::clicked, this, &TZeitSollForm::SaveBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &TZeitSollForm::CancelBtnClick);
    connect(zeitSollSGrid_, &QTableWidget::cellChanged, this, &TZeitSollForm::cellChanged);
    connect(min5CBox_, &QCheckBox::toggled, this, [this](bool on) { editor_.setFiveMinuteRaster(on); });
}

QWidget* TZeitSollForm::buildDailyTarget()
{
    auto* box = new QWidget(this);
    auto* layout = new QGridLayout(box);
    auto* label1 = new QLabel(u" Tägliche Soll-Arbeitszeit"_s, box);
    label1->setObjectName(u"Label1"_s);
    layout->addWidget(label1, 0, 0, 1, 4);
    layout->addWidget(tagArbZeitStdEdit_, 1, 0);
    layout->addWidget(new QLabel(u"Std."_s, box), 1, 1);
    layout->addWidget(tagArbZeitMinEdit_, 1, 2);
    layout->addWidget(new QLabel(u"Min."_s, box), 1, 3);
    layout->addWidget(min5CBox_, 2, 0, 1, 4);
    return box;
}

bool TZeitSollForm::FormShow(const QStringList& employees)
{
    if (!editor_.open(employees))
        return false;
    showDaily();
    {
        const QSignalBlocker block(min5CBox_);
        min5CBox_->setChecked(editor_.fiveMinuteRaster());
    }
    showYear();
    zeitSollSGrid_->setCurrentCell(0, kFixedColumns);
    zeitSollSGrid_->setFocus();
    return true;
}

void TZeitSollForm::showDaily()
{
    tagArbZeitStdEdit_->setText(editor_.dailyHours());
    tagArbZeitMinEdit_->setText(editor_.dailyMinutes());
}

void TZeitSollForm::showYear()
{
    filling_ = true;
    pageControl1_->setTabText(
        0, u"Monatliche Soll-Arbeitszeiten %1"_s.arg(editor_.displayedYear(), 4, 10, QChar(u'0')));
    const QStringList& rows = editor_.rows();
    zeitSollSGrid_->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        zeitSollSGrid_->setItem(row, 0, FixedItem(QString::number(row + 1)));
        zeitSollSGrid_->setItem(row, 1, FixedItem(rows.at(row)));
        for (int month = 1; month <= TargetTimesEditor::kMonths; ++month)
            zeitSollSGrid_->setItem(
                row, kFixedColumns + month - 1, new QTableWidgetItem(editor_.cell(row, month)));
    }
    filling_ = false;
    showYearButtons();
}

void TZeitSollForm::showYearButtons()
{
    const int year = editor_.displayedYear();
    SetYearFont(vorJahrBtn_, year == editor_.startYear() - 1);
    SetYearFont(aktJahrBtn_, year == editor_.startYear());
    SetYearFont(folJahrBtn_, year == editor_.startYear() + 1);
}

void TZeitSollForm::cellChanged(int row, int column)
{
    if (filling_ || column < kFixedColumns)
        return;
    editor_.editCell(row, column - kFixedColumns + 1, zeitSollSGrid_->item(row, column)->text());
}

void TZeitSollForm::selectFaultyCell()
{
    const std::optional<TargetTimesEditor::Cell> cell = editor_.faultyCell();
    if (!cell)
        return;
    pageControl1_->setCurrentWidget(msTabSheet_);
    zeitSollSGrid_->setCurrentCell(cell->row, kFixedColumns + cell->month - 1);
    zeitSollSGrid_->setFocus();
}

void TZeitSollForm::switchYear(int year, bool nextYearWording)
{
    if (!editor_.switchYear(year, nextYearWording)) {
        showYear();
        selectFaultyCell();
        return;
    }
    showYear();
    zeitSollSGrid_->setFocus();
}

void TZeitSollForm::VorJahrBtnClick()
{
    switchYear(editor_.startYear() - 1, false);
}

void TZeitSollForm::AktJahrBtnClick()
{
    switchYear(editor_.startYear(), false);
}

void TZeitSollForm::FolJahrBtnClick()
{
    switchYear(editor_.startYear() + 1, true);
}

void TZeitSollForm::MS_ZeileKopBtnClick()
{
    zeitUeberForm_->FormShow();
    environment_.runModal(*zeitUeberForm_);
}

void TZeitSollForm::copyRow(const QString& from, const QString& to, bool allRows)
{
    if (allRows ? editor_.copyRowToAll(from) : editor_.copyRow(from, to))
        showYear();
}

bool TZeitSollForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress
        && (watched == tagArbZeitStdEdit_ || watched == tagArbZeitMinEdit_)) {
        TagArbZeitStdEditClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TZeitSollForm::TagArbZeitStdEditClick()
{
    picker_.start(MonthHoursPicker::kDailyTarget, min5CBox_->isChecked() ? 5 : 15);
    picker_.placeBelow(tagArbZeitStdEdit_);
    if (environment_.runModal(picker_) == QDialog::Accepted)
        editor_.pickDaily(picker_.hourText(), picker_.minuteText());
    editor_.markDailyPicked();
    showDaily();
}

void TZeitSollForm::SaveBtnClick()
{
    const DialogOutcome outcome = editor_.save();
    showYear();
    selectFaultyCell();
    finish(outcome);
}

void TZeitSollForm::CancelBtnClick()
{
    finish(editor_.cancel());
}

void TZeitSollForm::reject()
{
    CancelBtnClick();
}

void TZeitSollForm::finish(DialogOutcome outcome)
{
    if (outcome == DialogOutcome::Close)
        done(QDialog::Rejected);
}
