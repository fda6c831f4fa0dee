#include "korav/reports/forms/pel_ue_monat_form.h"

#include "common/ui/long_work.h"
#include "common/ui/named_widgets.h"
#include "common/ui/program_icons.h"
#include "common/ui/week_separator_lines.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPlainTextEdit* ReportEdit(const QString& name)
{
    auto* edit = Named(new QPlainTextEdit, name);
    edit->setReadOnly(true);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return edit;
}

} // namespace

TPelUeMonatForm::TPelUeMonatForm(PelinMonthViewer& viewer, PelinMonthViewer::FileChooser chooseFile,
    std::function<void()> openHelp, QDate startDate, QWidget* parent)
    : QDialog(parent),
      viewer_(viewer),
      chooseFile_(std::move(chooseFile)),
      openHelp_(std::move(openHelp)),
      startDate_(startDate)
{
    setObjectName(u"PelUeMonatForm"_s);
    setWindowTitle(u"PELIN - Monatsübersicht"_s);
    buildControls();
}

void TPelUeMonatForm::buildControls()
{
    maLCBox_ = Named(new QComboBox, u"MaLCBox"_s);
    monatCBox_ = Named(new QComboBox, u"MonatCBox"_s);
    jahrCBox_ = Named(new QComboBox, u"JahrCBox"_s);
    for (int month = 1; month <= 12; ++month)
        monatCBox_->addItem(QString::number(month));
    for (int year = startDate_.year() - 2; year <= startDate_.year(); ++year)
        jahrCBox_->addItem(QString::number(year));
    anzeigenBtn_ = Named(new QPushButton(u"&Anzeigen"_s), u"AnzeigenBtn"_s);
    headUeMonatREdit_ = ReportEdit(u"HeadUeMonatREdit"_s);
    headUeMonatREdit_->setStyleSheet(u"background-color: rgb(216, 216, 216);"_s);
    headUeMonatREdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headUeMonatREdit_->setFixedHeight(headUeMonatREdit_->fontMetrics().lineSpacing() * 7);
    pelUeMonatREdit_ = ReportEdit(u"PelUeMonatREdit"_s);
    saveUeBtn_ = Named(new QPushButton(u"&Übersicht in Textdatei speichern"_s), u"SaveUeBtn"_s);
    auto* hilfeImage = Named(new QToolButton, u"HilfeImage"_s);
    hilfeImage->setText(u"?"_s);
    hilfeImage->setIcon(HelpIcon());
    closeBtn_ = Named(new QPushButton(u"&Schließen"_s), u"CloseBtn"_s);

    auto* choice = new QGridLayout;
    choice->addWidget(new QLabel(u"Mitarbeiter/in"_s), 0, 0);
    choice->addWidget(new QLabel(u"Monat / Jahr"_s), 0, 1, 1, 2);
    choice->addWidget(maLCBox_, 1, 0);
    choice->addWidget(monatCBox_, 1, 1);
    choice->addWidget(jahrCBox_, 1, 2);
    choice->addWidget(anzeigenBtn_, 1, 3);
    choice->setColumnStretch(4, 1);
    choice->addWidget(hilfeImage, 1, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveUeBtn_);
    buttons->addStretch();
    buttons->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(headUeMonatREdit_);
    layout->addWidget(pelUeMonatREdit_, 1);
    layout->addLayout(buttons);
    resize(1100, 700);

    for (QComboBox* box : { maLCBox_, monatCBox_, jahrCBox_ })
        connect(box, &QComboBox::currentIndexChanged, this, &TPelUeMonatForm::MaLCBoxChange);
    connect(anzeigenBtn_, &QPushButton::clicked, this, &TPelUeMonatForm::AnzeigenBtnClick);
    connect(saveUeBtn_, &QPushButton::clicked, this, &TPelUeMonatForm::SaveUeBtnClick);
    connect(hilfeImage, &QToolButton::clicked, this, &TPelUeMonatForm::HilfeImageClick);
    connect(closeBtn_, &QPushButton::clicked, this, &TPelUeMonatForm::CloseBtnClick);
}

void TPelUeMonatForm::FormShow()
{
    viewer_.Open();
    const QSignalBlocker blockNames(maLCBox_);
    const QSignalBlocker blockMonths(monatCBox_);
    const QSignalBlocker blockYears(jahrCBox_);
    maLCBox_->clear();
    maLCBox_->addItems(viewer_.directory().names);
    maLCBox_->setCurrentIndex(-1);
    monatCBox_->setCurrentIndex(startDate_.month() - 1);
    jahrCBox_->setCurrentIndex(jahrCBox_->count() - 1);
    showReport();
}

void TPelUeMonatForm::MaLCBoxChange()
{
    viewer_.Clear();
    showReport();
}

void TPelUeMonatForm::AnzeigenBtnClick()
{
    const LongWork running { anzeigenBtn_ };
    const int month = monatCBox_->currentIndex() < 0 ? 0 : monatCBox_->currentText().toInt();
    const int year = jahrCBox_->currentIndex() < 0 ? 0 : jahrCBox_->currentText().toInt();
    viewer_.Show(maLCBox_->currentText(), month, year);
    showReport();
}

void TPelUeMonatForm::showReport()
{
    headUeMonatREdit_->setPlainText(viewer_.head().join(u'\n'));
    pelUeMonatREdit_->setPlainText(viewer_.body().join(u'\n'));
    GreyWeekSeparatorLines(pelUeMonatREdit_);
    saveUeBtn_->setEnabled(!viewer_.body().isEmpty());
    pelUeMonatREdit_->moveCursor(QTextCursor::Start);
}

void TPelUeMonatForm::SaveUeBtnClick()
{
    const LongWork running { saveUeBtn_ };
    viewer_.SaveText(chooseFile_);
}

void TPelUeMonatForm::HilfeImageClick()
{
    if (openHelp_)
        openHelp_();
}

void TPelUeMonatForm::CloseBtnClick()
{
    close();
}
