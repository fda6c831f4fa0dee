#include "korav/reports/forms/monat_komplett_form.h"

#include "common/messenger.h"
#include "common/ui/long_work.h"
#include "common/ui/named_widgets.h"
#include "common/ui/program_icons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kWorkingTimeTag = 100;
constexpr int kEntryTimeTag = 200;
constexpr int kChooserTag = 222;

void SetBackground(QLabel* label, Rgb colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

QLineEdit* ReadOnlyEdit(QWidget* parent, const QString& name, int width)
{
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setReadOnly(true);
    edit->setFixedWidth(width);
    return edit;
}

QLabel* TotalLabel(QWidget* parent, const QString& name)
{
    auto* label = Named(new QLabel(parent), name);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(u"-9999:99 "_s));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetBackground(label, kOpenGrey);
    return label;
}

} // namespace

TMonatKomplettForm::TMonatKomplettForm(
    MonthCompletion& completion, MonatKomplettPickers pickers, QDate startDate, QWidget* parent)
    : QDialog(parent), completion_(completion), pickers_(std::move(pickers))
{
    setObjectName(u"MonatKomplettForm"_s);
    setWindowTitle(u"  Monatswerte ersatzweise erfassen"_s);
    buildControls();
    for (int month = 1; month <= 12; ++month)
        monatCBox_->addItem(QString::number(month));
    for (int year = startDate.year() - 2; year <= startDate.year(); ++year)
        jahrCBox_->addItem(QString::number(year));
    monatCBox_->setCurrentIndex(startDate.month() - 1);
    jahrCBox_->setCurrentIndex(2);
}

void TMonatKomplettForm::buildControls()
{
    maLCBox_ = Named(new QComboBox(this), u"MaLCBox"_s);
    maLCBox_->setMinimumWidth(200);
    monatCBox_ = Named(new QComboBox(this), u"MonatCBox"_s);
    jahrCBox_ = Named(new QComboBox(this), u"JahrCBox"_s);
    anzeigenBtn_ = Named(new QPushButton(u"Anzeigen"_s, this), u"AnzeigenBtn"_s);

    monArbZeitStdEdit_ = ReadOnlyEdit(this, u"MonArbZeitStdEdit"_s, 48);
    monArbZeitMinEdit_ = ReadOnlyEdit(this, u"MonArbZeitMinEdit"_s, 32);
    bemerkungLabel1_ = Named(new QLabel(this), u"BemerkungLabel1"_s);
    bemerkungLabel1_->setMinimumWidth(300);
    SetBackground(bemerkungLabel1_, { 255, 255, 255 });
    bemerkungSText_ = Named(new QLabel(this), u"BemerkungSText"_s);
    bemerkungSText_->hide();

    projektNrEdit_ = ReadOnlyEdit(this, u"ProjektNrEdit"_s, 120);
    lupeImage_ = Named(new QLabel(this), u"LupeImage"_s);
    lupeImage_->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(16, 16));
    monProjZeitStdEdit_ = ReadOnlyEdit(this, u"MonProjZeitStdEdit"_s, 48);
    monProjZeitMinEdit_ = ReadOnlyEdit(this, u"MonProjZeitMinEdit"_s, 32);
    projektBeschreibungLabel_ = Named(new QLabel(this), u"ProjektBeschreibungLabel"_s);
    offeneZeitSBtn_ = Named(new QPushButton(u"Offene Zeit"_s, this), u"OffeneZeitSBtn"_s);
    einfgEintragSBtn_ = Named(new QPushButton(u"in Liste eintragen"_s, this), u"EinfgEintragSBtn"_s);
    chgEintragSBtn_ = Named(new QPushButton(u"Eintrag Ändern"_s, this), u"ChgEintragSBtn"_s);
    delEintragSBtn_ = Named(new QPushButton(u"Eintrag Entfernen"_s, this), u"DelEintragSBtn"_s);

    anzeigeListView_ = Named(new QTreeWidget(this), u"AnzeigeListView"_s);
    anzeigeListView_->setColumnCount(3);
    anzeigeListView_->setHeaderLabels({ u"Schlüssel-Nr."_s, u"Dauer"_s, u"Beschreibung"_s });
    anzeigeListView_->setRootIsDecorated(false);
    anzeigeListView_->setSortingEnabled(true);
    anzeigeListView_->sortByColumn(0, Qt::AscendingOrder);

    monArbLabel_ = TotalLabel(this, u"MonArbLabel"_s);
    sollZeitLabel_ = TotalLabel(this, u"SollZeitLabel"_s);
    diffZeitLabel_ = TotalLabel(this, u"DiffZeitLabel"_s);
    monArbLabel2_ = TotalLabel(this, u"MonArbLabel2"_s);
    zugeordnetLabel_ = TotalLabel(this, u"ZugeordnetLabel"_s);
    offenLabel_ = TotalLabel(this, u"OffenLabel"_s);
    offenLabelFarbe_ = Named(new QLabel(this), u"OffenLabelFarbe"_s);
    offenLabelFarbe_->setFixedHeight(4);
    SetBackground(offenLabelFarbe_, kOpenOrangeStripe);
    label11_ = Named(new QLabel(this), u"Label11"_s);
    monatLabel_ = Named(new QLabel(this), u"MonatLabel"_s);
    label12_ = Named(new QLabel(this), u"Label12"_s);
    dateiSpeichernBtn_ = Named(new QPushButton(u"in Textdatei speichern"_s, this), u"DateiSpeichernBtn"_s);
    closeBtn_ = Named(new QPushButton(u"Schließen"_s, this), u"CloseBtn"_s);
    auto* hilfeImage = Named(new QToolButton(this), u"HilfeImage"_s);
    hilfeImage->setText(u"?"_s);
    hilfeImage->setIcon(HelpIcon());
    hilfeImage->setToolTip(u"Hilfedatei öffnen"_s);

    auto* choice = new QHBoxLayout;
    choice->addWidget(maLCBox_);
    choice->addWidget(monatCBox_);
    choice->addWidget(jahrCBox_);
    choice->addWidget(anzeigenBtn_);
    choice->addStretch();
    choice->addWidget(hilfeImage);

    auto* workingRow = new QHBoxLayout;
    workingRow->addWidget(new QLabel(u"Arbeitszeit"_s, this));
    workingRow->addWidget(monArbZeitStdEdit_);
    workingRow->addWidget(monArbZeitMinEdit_);
    workingRow->addWidget(bemerkungLabel1_, 1);

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(projektNrEdit_);
    entryRow->addWidget(lupeImage_);
    entryRow->addWidget(monProjZeitStdEdit_);
    entryRow->addWidget(monProjZeitMinEdit_);
    entryRow->addWidget(projektBeschreibungLabel_, 1);

    auto* month = new QVBoxLayout;
    month->addWidget(label11_);
    month->addLayout(workingRow);
    month->addLayout(entryRow);

    auto* entryButtons = new QHBoxLayout;
    for (QPushButton* b : { offeneZeitSBtn_, einfgEintragSBtn_, chgEintragSBtn_, delEintragSBtn_ })
        entryButtons->addWidget(b);
    entryButtons->addStretch();

    auto* totals = new QGridLayout;
    totals->addWidget(monatLabel_, 0, 0);
    totals->addWidget(label12_, 0, 1);
    const std::pair<const char16_t*, QLabel*> rows[] = { { u"Arbeitszeit", monArbLabel_ },
        { u"Sollzeit", sollZeitLabel_ }, { u"Differenz", diffZeitLabel_ }, { u"Arbeitszeit", monArbLabel2_ },
        { u"Zugeordnet", zugeordnetLabel_ }, { u"Offen", offenLabel_ } };
    int row = 1;
    for (const auto& [caption, label] : rows) {
        totals->addWidget(new QLabel(QString::fromUtf16(caption), this), row, 0);
        totals->addWidget(label, row++, 1);
    }
    totals->addWidget(offenLabelFarbe_, row++, 1);
    totals->setRowStretch(row, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(anzeigeListView_, 1);
    middle->addLayout(totals);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(dateiSpeichernBtn_);
    bottom->addStretch();
    bottom->addWidget(closeBtn_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(month);
    layout->addLayout(entryButtons);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    for (QWidget* w : std::initializer_list<QWidget*> { monArbZeitStdEdit_, monArbZeitMinEdit_,
             monProjZeitStdEdit_, monProjZeitMinEdit_, projektNrEdit_, lupeImage_, bemerkungLabel1_ })
        w->installEventFilter(this);

    connect(anzeigenBtn_, &QPushButton::clicked, this, &TMonatKomplettForm::AnzeigenBtnClick);
    connect(offeneZeitSBtn_, &QPushButton::clicked, this, &TMonatKomplettForm::OffeneZeitSBtnClick);
    connect(einfgEintragSBtn_, &QPushButton::clicked, this, &TMonatKomplettForm::EinfgEintragSBtnClick);
    connect(chgEintragSBtn_, &QPushButton::clicked, this, &TMonatKomplettForm::ChgEintragSBtnClick);
    connect(delEintragSBtn_, &QPushButton::clicked, this, &TMonatKomplettForm::DelEintragSBtnClick);
    connect(anzeigeListView_, &QTreeWidget::itemSelectionChanged, this,
        &TMonatKomplettForm::AnzeigeListViewClick);
    connect(
        anzeigeListView_, &QTreeWidget::itemDoubleClicked, this, &TMonatKomplettForm::ChgEintragSBtnClick);
    connect(dateiSpeichernBtn_, &QPushButton::clicked, this, &TMonatKomplettForm::DateiSpeichernBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &TMonatKomplettForm::CloseBtnClick);
    connect(hilfeImage, &QToolButton::clicked, this, &TMonatKomplettForm::HilfeImageClick);
}

bool TMonatKomplettForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    if (watched == monArbZeitStdEdit_ || watched == monArbZeitMinEdit_)
        MonArbZeitStdEditClick();
    else if (watched == monProjZeitStdEdit_ || watched == monProjZeitMinEdit_)
        MonProjZeitStdEditClick();
    else if (watched == projektNrEdit_ || watched == lupeImage_)
        ProjektNrEditClick();
    else if (watched == bemerkungLabel1_)
        BemerkungLabel1Click();
    return QDialog::eventFilter(watched, event);
}

void TMonatKomplettForm::FormShow()
{
    completion_.Open();
    maLCBox_->clear();
    maLCBox_->addItems(completion_.directory().names);
    maLCBox_->setCurrentIndex(-1);
    FormularZuruecksetzen();
}

void TMonatKomplettForm::FormularZuruecksetzen()
{
    for (QLineEdit* e :
        { monArbZeitStdEdit_, monArbZeitMinEdit_, projektNrEdit_, monProjZeitStdEdit_, monProjZeitMinEdit_ })
        e->clear();
    for (QLabel* l :
        { bemerkungLabel1_, bemerkungSText_, projektBeschreibungLabel_, label11_, monatLabel_, label12_ })
        l->clear();
    for (QLabel* l :
        { monArbLabel_, sollZeitLabel_, diffZeitLabel_, monArbLabel2_, zugeordnetLabel_, offenLabel_ }) {
        l->clear();
        SetBackground(l, kOpenGrey);
    }
    sollZeitLabel_->setToolTip(QString());
    offenLabelFarbe_->hide();
    anzeigeListView_->clear();
    setEntryButtons(false, false);
}

void TMonatKomplettForm::AnzeigenBtnClick()
{
    const LongWork running { anzeigenBtn_ };
    const QString name = maLCBox_->currentIndex() >= 0 ? maLCBox_->currentText() : QString();
    if (completion_.Show(
            name, monatCBox_->currentText().toInt(), jahrCBox_->currentText().toInt(), entryLineComplete()))
        MonatLaden();
    else if (!completion_.isShown())
        FormularZuruecksetzen();
}

void TMonatKomplettForm::MonatLaden()
{
    FormularZuruecksetzen();
    const KoravMonthFile::MonthRecord& record = completion_.record();
    label11_->setText(completion_.headingText());
    monatLabel_->setText(completion_.monthText());
    label12_->setText(completion_.shownName());
    monArbZeitStdEdit_->setText(record.hoursText);
    monArbZeitMinEdit_->setText(record.minutesText);
    bemerkungSText_->setText(record.remark);
    bemerkungLabel1_->setText(u' ' + record.remark);
    sollZeitLabel_->setText(completion_.target().label);
    sollZeitLabel_->setToolTip(completion_.target().hint);
    fillRows();
    SummenAktualisieren();
}

void TMonatKomplettForm::fillRows()
{
    anzeigeListView_->clear();
    for (const MonthCompletionRow& row : completion_.rows()) {
        auto* item = new QTreeWidgetItem(anzeigeListView_);
        item->setText(0, row.key);
        item->setText(1, row.duration);
        item->setText(2, row.description);
    }
}

void TMonatKomplettForm::SummenAktualisieren()
{
    const std::optional<MonthSums> sums = completion_.UpdateSums();
    if (!sums)
        return;
    monArbLabel_->setText(sums->workingText);
    monArbLabel2_->setText(sums->workingText);
    zugeordnetLabel_->setText(sums->assignedText);
    offenLabelFarbe_->hide();
    if (sums->openText) {
        offenLabel_->setText(*sums->openText);
        SetBackground(offenLabel_, *sums->openColour);
    }
    offenLabelFarbe_->setVisible(sums->openBarShown);
    diffZeitLabel_->setText(sums->differenceText);
    SetBackground(diffZeitLabel_, sums->differenceColour);
}

void TMonatKomplettForm::MonArbZeitStdEditClick()
{
    if (!completion_.RequireShown()) {
        anzeigenBtn_->setFocus();
        return;
    }
    const auto picked = pickers_.pickHours(kWorkingTimeTag, precision(), monArbZeitStdEdit_);
    if (picked) {
        monArbZeitStdEdit_->setText(picked->first);
        monArbZeitMinEdit_->setText(picked->second);
        completion_.SetWorkingTime(picked->first, picked->second);
    }
    SummenAktualisieren();
}

void TMonatKomplettForm::MonProjZeitStdEditClick()
{
    if (!completion_.RequireShown()) {
        anzeigenBtn_->setFocus();
        return;
    }
    const auto picked = pickers_.pickHours(kEntryTimeTag, precision(), monProjZeitStdEdit_);
    if (picked) {
        monProjZeitStdEdit_->setText(picked->first);
        monProjZeitMinEdit_->setText(picked->second);
        completion_.EntryTimeChanged();
    }
    SummenAktualisieren();
}

void TMonatKomplettForm::ProjektNrEditClick()
{
    if (!completion_.RequireShown()) {
        anzeigenBtn_->setFocus();
        return;
    }
    if (!completion_.RequireWorkingTime())
        return;
    anzeigeListView_->clearSelection();
    setEntryButtons(einfgEintragSBtn_->isEnabled(), false);
    const ActivityChoice choice = pickers_.chooseActivity(kChooserTag);
    completion_.SetDescriptions(choice.list);
    if (choice.fields) {
        projektNrEdit_->setText(choice.fields->first);
        projektBeschreibungLabel_->setText(choice.fields->second);
    }
    if (!projektNrEdit_->text().isEmpty())
        einfgEintragSBtn_->setEnabled(true);
}

void TMonatKomplettForm::BemerkungLabel1Click()
{
    if (!completion_.RequireShown())
        return;
    SetBackground(bemerkungLabel1_, kOpenGrey);
    const std::optional<QString> remark = pickers_.editRemark(
        completion_.record().remark, bemerkungLabel1_->mapToGlobal(QPoint(0, bemerkungLabel1_->height())));
    if (remark) {
        completion_.SetRemark(*remark);
        bemerkungSText_->setText(completion_.record().remark);
        bemerkungLabel1_->setText(u' ' + completion_.record().remark);
    }
    SetBackground(bemerkungLabel1_, { 255, 255, 255 });
}

void TMonatKomplettForm::OffeneZeitSBtnClick()
{
    if (!completion_.isShown())
        anzeigenBtn_->setFocus();
    const std::optional<EntryFields> open = completion_.OpenTime();
    if (!open)
        return;
    monProjZeitStdEdit_->setText(open->hours);
    monProjZeitMinEdit_->setText(open->minutes);
    completion_.EntryTimeChanged();
}

void TMonatKomplettForm::EinfgEintragSBtnClick()
{
    if (!completion_.isShown())
        return;
    const AddEntryResult result = completion_.AddEntry(
        projektNrEdit_->text(), monProjZeitStdEdit_->text(), monProjZeitMinEdit_->text());
    switch (result.refusal) {
    case EntryRefusal::None:
        break;
    case EntryRefusal::Negative:
    case EntryRefusal::NotNumeric:
    case EntryRefusal::Zero:
        monProjZeitStdEdit_->setFocus();
        return;
    case EntryRefusal::Duplicate: {
        const QString key = StringList::KeyOf(completion_.record().entries.at(result.duplicateIndex));
        const QList<QTreeWidgetItem*> rows = anzeigeListView_->findItems(key, Qt::MatchFixedString, 0);
        if (!rows.isEmpty()) {
            anzeigeListView_->setCurrentItem(rows.first());
            anzeigeListView_->setFocus();
        }
        return;
    }
    case EntryRefusal::TooMany:
        return;
    }
    fillRows();
    SummenAktualisieren();
    clearEntryLine();
    anzeigeListView_->clearSelection();
    setEntryButtons(false, false);
}

void TMonatKomplettForm::ChgEintragSBtnClick()
{
    const std::optional<EntryFields> fields = completion_.TakeEntryBack(
        selectedRowKey().isEmpty() ? std::nullopt : std::optional(selectedRowKey()), entryLineStarted());
    if (!fields)
        return;
    projektNrEdit_->setText(fields->key);
    monProjZeitStdEdit_->setText(fields->hours);
    monProjZeitMinEdit_->setText(fields->minutes);
    const QString description = completion_.descriptions().value(fields->key);
    projektBeschreibungLabel_->setText(description.isEmpty() ? QString() : u' ' + description);
    fillRows();
    SummenAktualisieren();
    setEntryButtons(true, false);
}

void TMonatKomplettForm::DelEintragSBtnClick()
{
    const QString key = selectedRowKey();
    if (key.isEmpty())
        return;
    if (completion_.RemoveEntry(key)) {
        fillRows();
        SummenAktualisieren();
    }
    setEntryButtons(false, false);
}

void TMonatKomplettForm::AnzeigeListViewClick()
{
    const bool selected = !anzeigeListView_->selectedItems().isEmpty();
    setEntryButtons(einfgEintragSBtn_->isEnabled(), selected);
}

void TMonatKomplettForm::DateiSpeichernBtnClick()
{
    const LongWork running { dateiSpeichernBtn_ };
    if (!completion_.isShown()) {
        completion_.ExportText(pickers_.chooseFile);
        anzeigenBtn_->setFocus();
        return;
    }
    if (maLCBox_->currentIndex() < 0)
        return;
    completion_.ExportText(pickers_.chooseFile);
}

void TMonatKomplettForm::CloseBtnClick()
{
    reject();
}

void TMonatKomplettForm::HilfeImageClick()
{
    if (openHelp_)
        openHelp_();
}

void TMonatKomplettForm::reject()
{
    if (completion_.ConfirmClose(entryLineComplete()))
        QDialog::reject();
}

void TMonatKomplettForm::clearEntryLine()
{
    projektNrEdit_->clear();
    monProjZeitStdEdit_->clear();
    monProjZeitMinEdit_->clear();
    projektBeschreibungLabel_->clear();
}

void TMonatKomplettForm::setEntryButtons(bool insert, bool changeAndRemove)
{
    einfgEintragSBtn_->setEnabled(insert);
    chgEintragSBtn_->setEnabled(changeAndRemove);
    delEintragSBtn_->setEnabled(changeAndRemove);
}

int TMonatKomplettForm::precision() const
{
    return completion_.fiveMinutePrecision() ? 5 : 15;
}

bool TMonatKomplettForm::entryLineComplete() const
{
    return !projektNrEdit_->text().isEmpty() && !monProjZeitStdEdit_->text().isEmpty()
        && !monProjZeitMinEdit_->text().isEmpty();
}

bool TMonatKomplettForm::entryLineStarted() const
{
    return !projektNrEdit_->text().isEmpty() || !monProjZeitStdEdit_->text().isEmpty()
        || !projektBeschreibungLabel_->text().isEmpty();
}

QString TMonatKomplettForm::selectedRowKey() const
{
    const QList<QTreeWidgetItem*> rows = anzeigeListView_->selectedItems();
    return rows.isEmpty() ? QString() : rows.first()->text(0);
}
