#include "pelin/forms/day_sheet_panel.h"

#include "common/messenger.h"
#include "common/ui/bemerk_form.h"
#include "common/ui/named_widgets.h"
#include "pelin/core/filter_pool_store.h"
#include "pelin/forms/ausw_projekte_form.h"
#include "pelin/forms/ausw_std_form.h"
#include "pelin/forms/ausw_zeit_form.h"
#include "pelin/forms/filter_pool_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* ReadOnlyField(const QString& name, int maxLength, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setMaxLength(maxLength);
    field->setCursor(Qt::PointingHandCursor);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QString(maxLength + 2, u'0')) + 12);
    return field;
}

QString Css(const Rgb& rgb)
{
    return u"background-color: rgb(%1,%2,%3);"_s.arg(rgb.red).arg(rgb.green).arg(rgb.blue);
}

// The yellow of a day with attendance but no working time.
constexpr Rgb kLawHintYellow { 255, 221, 140 };

} // namespace

DaySheetPanel::DaySheetPanel(
    LoginState& state, PelinDates& dates, const Clock& clock, Messenger& messenger, QWidget* parent)
    : QWidget(parent),
      state_(state),
      messenger_(messenger),
      sheet_(state, dates, clock, messenger),
      zeitForm_(new TAuswZeitForm(messenger, this)),
      stdForm_(new TAuswStdForm(messenger, this)),
      projekteForm_(new TAuswProjekteForm(this)),
      bemerkForm_(new TBemerkForm(this)),
      filterForm_(new TFilterPoolForm(messenger, this))
{
    setObjectName(u"TagesBlatt"_s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildTimes());
    layout->addWidget(buildEntryEditor(), 1);
    layout->addWidget(buildDayValues());
    layout->addWidget(buildQuickEntries());
    setLoggedIn(false);
}

DaySheetPanel::~DaySheetPanel() = default;

QWidget* DaySheetPanel::buildTimes()
{
    auto* box = new QGroupBox(u"Kommen / Gehen"_s, this);
    auto* row = new QHBoxLayout(box);
    const QStringList names = { u"ZKomStdEdit"_s, u"ZKomMinEdit"_s, u"ZGehStdEdit"_s, u"ZGehMinEdit"_s };
    for (const QString& name : names) {
        QLineEdit* field = ReadOnlyField(name, 2, box);
        field->installEventFilter(this);
        timeFields_.append(field);
    }
    row->addWidget(timeFields_[0]);
    row->addWidget(new QLabel(u":"_s, box));
    row->addWidget(timeFields_[1]);
    row->addWidget(new QLabel(u" - "_s, box));
    row->addWidget(timeFields_[2]);
    row->addWidget(new QLabel(u":"_s, box));
    row->addWidget(timeFields_[3]);
    bemerkungSText_ = new QLabel(box);
    bemerkungSText_->setObjectName(u"BemerkungSText"_s);
    bemerkungSText_->hide();
    bemerkungLabel1_ = new QLabel(u" "_s, box);
    bemerkungLabel1_->setObjectName(u"BemerkungLabel1"_s);
    bemerkungLabel1_->setToolTip(u"Bemerkung eingeben"_s);
    bemerkungLabel1_->setCursor(Qt::PointingHandCursor);
    bemerkungLabel1_->setFrameShape(QFrame::StyledPanel);
    bemerkungLabel1_->installEventFilter(this);
    row->addWidget(bemerkungLabel1_, 1);
    return box;
}

QWidget* DaySheetPanel::buildEntryEditor()
{
    auto* box = new QGroupBox(u"Tätigkeiten"_s, this);
    projektNrEdit_ = ReadOnlyField(u"ProjektNrEdit"_s, 14, box);
    projektNrEdit_->installEventFilter(this);
    lupeImage_ = new QLabel(box);
    lupeImage_->setObjectName(u"LupeImage"_s);
    lupeImage_->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(20, 20));
    lupeImage_->setCursor(Qt::PointingHandCursor);
    lupeImage_->installEventFilter(this);
    projektBeschreibungLabel_ = new QLabel(box);
    projektBeschreibungLabel_->setObjectName(u"ProjektBeschreibungLabel"_s);
    stdEdit_ = ReadOnlyField(u"TagProjZeitStdEdit"_s, 3, box);
    minEdit_ = ReadOnlyField(u"TagProjZeitMinEdit"_s, 2, box);
    stdEdit_->installEventFilter(this);
    minEdit_->installEventFilter(this);

    QPushButton* open = MakeButton(box, u"OffeneZeitBtn"_s, u"Offene Zeit"_s);
    einfgEintragBtn_ = MakeButton(box, u"EinfgEintragBtn"_s, u"in Tagesliste eintragen"_s);
    chgEintragBtn_ = MakeButton(box, u"ChgEintragBtn"_s, u"Ändern"_s);
    delEintragBtn_ = MakeButton(box, u"DelEintragBtn"_s, u"Entfernen"_s);
    connect(open, &QPushButton::clicked, this, [this] { act([this] { sheet_.OffeneZeitBtnClick(); }); });
    connect(einfgEintragBtn_, &QPushButton::clicked, this,
        [this] { act([this] { sheet_.EinfgEintragBtnClick(); }); });
    connect(chgEintragBtn_, &QPushButton::clicked, this,
        [this] { act([this] { sheet_.ChgEintragBtnClick(); }); });
    connect(delEintragBtn_, &QPushButton::clicked, this,
        [this] { act([this] { sheet_.DelEintragBtnClick(); }); });

    anzeigeListView_ = new QTreeWidget(box);
    anzeigeListView_->setObjectName(u"AnzeigeListView"_s);
    anzeigeListView_->setHeaderLabels({ u"Schlüssel-Nr."_s, u"Zeit"_s, u"Beschreibung"_s });
    anzeigeListView_->setRootIsDecorated(false);
    anzeigeListView_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(anzeigeListView_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> items = anzeigeListView_->selectedItems();
        sheet_.Select(items.isEmpty() ? -1 : anzeigeListView_->indexOfTopLevelItem(items.first()));
        chgEintragBtn_->setEnabled(loggedIn_ && sheet_.changeEnabled());
        delEintragBtn_->setEnabled(loggedIn_ && sheet_.changeEnabled());
    });
    connect(anzeigeListView_, &QTreeWidget::itemDoubleClicked, this,
        [this] { act([this] { sheet_.ChgEintragBtnClick(); }); });

    auto* editor = new QHBoxLayout;
    editor->addWidget(projektNrEdit_);
    editor->addWidget(lupeImage_);
    editor->addWidget(projektBeschreibungLabel_, 1);
    editor->addWidget(stdEdit_);
    editor->addWidget(new QLabel(u":"_s, box));
    editor->addWidget(minEdit_);
    editor->addWidget(open);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { einfgEintragBtn_, chgEintragBtn_, delEintragBtn_ })
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(editor);
    layout->addLayout(buttons);
    layout->addWidget(anzeigeListView_, 1);
    loginButtons_ << open;
    return box;
}

QWidget* DaySheetPanel::buildDayValues()
{
    auto* box = new QGroupBox(u"Tageswerte"_s, this);
    auto* grid = new QGridLayout(box);
    const std::array<std::pair<QString, QString>, 5> rows = { { { u"ZDauerLabel"_s, u"Anwesenheit"_s },
        { u"PauseLabel"_s, u"Pause"_s }, { u"ArbZeitLabel"_s, u"Arbeitszeit"_s },
        { u"ZugeordnetLabel"_s, u"Tätigkeiten"_s }, { u"OffenLabel"_s, u"Offene Zeit"_s } } };
    int column = 0;
    for (const auto& [name, caption] : rows) {
        auto* value = new QLabel(box);
        value->setObjectName(name);
        value->setAutoFillBackground(true);
        QFont fixed(u"Courier New"_s);
        fixed.setStyleHint(QFont::TypeWriter);
        value->setFont(fixed);
        grid->addWidget(new QLabel(caption, box), 0, column);
        grid->addWidget(value, 1, column++);
        valueLabels_.append(value);
    }
    offenLabelFarbe_ = new QLabel(box);
    offenLabelFarbe_->setObjectName(u"OffenLabelFarbe"_s);
    offenLabelFarbe_->setFixedHeight(4);
    grid->addWidget(offenLabelFarbe_, 2, column - 1);
    arbZGHinweisLabel_ = new QLabel(box);
    arbZGHinweisLabel_->setObjectName(u"ArbZGHinweisLabel"_s);
    arbZGHinweisLabel_->setWordWrap(true);
    arbZGHinweisLabel_->setStyleSheet(Css(kLawHintYellow));
    arbZGHinweisLabel_->hide();
    grid->addWidget(arbZGHinweisLabel_, 3, 0, 1, column);
    return box;
}

QWidget* DaySheetPanel::buildQuickEntries()
{
    auto* box = new QGroupBox(u"Schnelleintrag"_s, this);
    auto* rows = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    auto* dayRow = new QHBoxLayout;
    rows->addLayout(row);
    rows->addLayout(dayRow);
    const std::array<std::pair<QString, QString>, 5> quick
        = { { { u"Pause"_s, u"PauseBtn"_s }, { u"Urlaub"_s, u"UrlaubBtn"_s }, { u"Krank"_s, u"KrankBtn"_s },
            { u"Gleitfrei"_s, u"GleitfreiBtn"_s }, { u"Verwaltung"_s, u"VerwaltungBtn"_s } } };
    for (const auto& [caption, name] : quick) {
        QPushButton* button = MakeButton(box, name, caption);
        connect(button, &QPushButton::clicked, this,
            [this, button] { act([this, button] { sheet_.QuickEntry(button->text()); }); });
        quickButtons_.append(button);
        row->addWidget(button);
    }
    row->addStretch();
    QPushButton* copy = MakeButton(box, u"CopyTagBtn"_s, u"Copy"_s);
    einfgBtn_ = MakeButton(box, u"EinfgBtn"_s, u"Einfg"_s);
    QPushButton* reset = MakeButton(box, u"ResetTagBtn"_s, u"Entf"_s);
    connect(copy, &QPushButton::clicked, this, [this] { act([this] { sheet_.CopyTagBtnClick(); }); });
    connect(einfgBtn_, &QPushButton::clicked, this, [this] { act([this] { sheet_.EinfgBtnClick(); }); });
    connect(reset, &QPushButton::clicked, this, [this] { act([this] { sheet_.ResetTagBtnClick(); }); });
    QPushButton* filter = MakeButton(box, u"TaetigFilterBtn"_s, u"Tätigkeiten-Filter einrichten"_s);
    connect(filter, &QPushButton::clicked, this, &DaySheetPanel::TaetigFilterBtnClick);
    filterAktivCBox_ = new QCheckBox(u"Filter ist aus"_s, box);
    filterAktivCBox_->setObjectName(u"TaetigFilterAktivCBox"_s);
    connect(filterAktivCBox_, &QCheckBox::toggled, this,
        [this](bool on) { filterAktivCBox_->setText(on ? u"Filter ist an"_s : u"Filter ist aus"_s); });
    for (QWidget* w : std::initializer_list<QWidget*> { copy, einfgBtn_, reset, filter, filterAktivCBox_ })
        dayRow->addWidget(w);
    dayRow->addStretch();
    loginButtons_ << copy << reset << filter << filterAktivCBox_;
    for (QPushButton* b : quickButtons_)
        loginButtons_ << b;
    return box;
}

void DaySheetPanel::setLoggedIn(bool loggedIn)
{
    loggedIn_ = loggedIn;
    for (QWidget* w : loginButtons_)
        w->setEnabled(loggedIn);
    if (loggedIn) {
        quickButtons_[3]->setText(state_.caption4);
        quickButtons_[4]->setText(state_.caption5);
    } else {
        sheet_.clear();
        filterEditor_.reset();
    }
    refresh();
}

void DaySheetPanel::LoadDisplayedDay()
{
    sheet_.LoadDisplayedDay();
    refresh();
}

bool DaySheetPanel::requireLogin()
{
    if (loggedIn_)
        return true;
    messenger_.show(u"Sie sind nicht angemeldet!"_s);
    Q_EMIT loginNeeded();
    return false;
}

void DaySheetPanel::act(const std::function<void()>& action)
{
    if (!requireLogin())
        return;
    action();
    refresh();
}

void DaySheetPanel::refresh()
{
    const DaySheetFields& fields = sheet_.fields();
    const QStringList times = { fields.comeHour, fields.comeMinute, fields.goHour, fields.goMinute };
    for (int i = 0; i < 4; ++i)
        timeFields_[i]->setText(times[i]);
    bemerkungSText_->setText(fields.remark);
    bemerkungLabel1_->setText(u" "_s + fields.remark);
    projektNrEdit_->setText(fields.projectNumber);
    projektBeschreibungLabel_->setText(
        fields.projectDescription.isEmpty() ? QString() : u" "_s + fields.projectDescription);
    stdEdit_->setText(fields.hoursField);
    minEdit_->setText(fields.minutesField);

    const QSignalBlocker blocker(anzeigeListView_);
    anzeigeListView_->clear();
    for (const DaySheetRow& row : sheet_.rows())
        anzeigeListView_->addTopLevelItem(
            new QTreeWidgetItem(QStringList { row.number, row.duration, row.description }));
    if (sheet_.selectedRow() >= 0)
        anzeigeListView_->setCurrentItem(anzeigeListView_->topLevelItem(int(sheet_.selectedRow())));
    else
        anzeigeListView_->scrollToBottom();
    // The rows were refilled while the list's signals were blocked: draw them now.
    anzeigeListView_->viewport()->update();

    const DaySheetValues& values = sheet_.values();
    const DayTexts& texts = values.dayTexts;
    const QStringList shown = { texts.attendance, texts.pause, texts.working, texts.assigned, texts.open };
    for (int i = 0; i < valueLabels_.size(); ++i)
        valueLabels_[i]->setText(loggedIn_ ? shown[i] : QString());
    valueLabels_.last()->setStyleSheet(loggedIn_ ? Css(values.dayColours.background) : QString());
    offenLabelFarbe_->setStyleSheet(
        loggedIn_ && values.dayColours.stripe ? Css(*values.dayColours.stripe) : QString());
    arbZGHinweisLabel_->setText(values.lawHint);
    arbZGHinweisLabel_->setVisible(loggedIn_ && !values.lawHint.isEmpty());

    einfgEintragBtn_->setEnabled(loggedIn_ && sheet_.enterEnabled());
    chgEintragBtn_->setEnabled(loggedIn_ && sheet_.changeEnabled());
    delEintragBtn_->setEnabled(loggedIn_ && sheet_.changeEnabled());
    einfgBtn_->setEnabled(loggedIn_ && !sheet_.clipboard().isEmpty());
    einfgBtn_->setToolTip(sheet_.pasteHint());
    Q_EMIT valuesChanged();
}

void DaySheetPanel::ZeitFieldClick()
{
    if (!requireLogin() || !sheet_.DayMayBeChanged())
        return;
    for (QLineEdit* field : timeFields_)
        field->setStyleSheet(u"background-color: rgb(192,192,192);"_s);
    const DaySheetFields& fields = sheet_.fields();
    zeitForm_->start(
        { fields.comeHour, fields.comeMinute, fields.goHour, fields.goMinute }, state_.freeMinutes);
    zeitForm_->placeBelow(timeFields_.first());
    const bool saved = zeitForm_->exec() == QDialog::Accepted;
    for (QLineEdit* field : timeFields_)
        field->setStyleSheet({});
    const ComeGoTexts picked = saved
        ? zeitForm_->times()
        : ComeGoTexts { fields.comeHour, fields.comeMinute, fields.goHour, fields.goMinute };
    sheet_.TimesPicked(picked.comeHour, picked.comeMinute, picked.goHour, picked.goMinute);
    refresh();
    if (saved)
        projektNrEdit_->setFocus();
}

void DaySheetPanel::BemerkungLabel1Click()
{
    if (!requireLogin() || !sheet_.DayMayBeChanged())
        return;
    if (!sheet_.RemarkMayBeEdited()) {
        ZeitFieldClick();
        return;
    }
    const QPoint below = bemerkungLabel1_->mapToGlobal(QPoint(0, bemerkungLabel1_->height()));
    if (const auto remark = bemerkForm_->editRemark(sheet_.fields().remark, below)) {
        sheet_.RemarkTaken(*remark);
        refresh();
    }
}

void DaySheetPanel::ProjektNrEditClick()
{
    if (!requireLogin() || !sheet_.DayMayBeChanged() || !sheet_.AttendancePresent())
        return;
    anzeigeListView_->clearSelection();
    projekteForm_->prepare(
        ChooserActivities(filterAktivCBox_->isChecked(), state_.filteredActivities, state_.activityList));
    if (projekteForm_->exec() == QDialog::Accepted) {
        sheet_.ActivityChosen(projekteForm_->choice().number, projekteForm_->choice().description);
        stdEdit_->setFocus();
    }
    refresh();
}

void DaySheetPanel::TagProjZeitClick()
{
    if (!requireLogin() || !sheet_.DayMayBeChanged() || !sheet_.AttendancePresent())
        return;
    stdForm_->start(state_.freeMinutes);
    stdForm_->placeBelow(stdEdit_);
    if (stdForm_->exec() == QDialog::Accepted)
        sheet_.HoursPicked(stdForm_->hourText(), stdForm_->minuteText());
    refresh();
}

void DaySheetPanel::TaetigFilterBtnClick()
{
    if (!requireLogin())
        return;
    anzeigeListView_->clearSelection();
    filterEditor_.open(state_.filterPool);
    filterForm_->prepare(filterEditor_, state_.activityList, state_.masterNumberLength);
    filterForm_->exec();
    TakeFilterDialogResult(state_, filterEditor_, filterForm_->closeResult(), messenger_);
}

// The read-only fields open their picker on Enter or Space; Return on a
// complete entry line enters it, as the button does.
bool DaySheetPanel::keyOnField(QObject* watched, const QKeyEvent& key)
{
    const int code = key.key();
    const bool enter = code == Qt::Key_Return || code == Qt::Key_Enter;
    if (!enter && code != Qt::Key_Space)
        return false;
    const bool entryField = watched == projektNrEdit_ || watched == stdEdit_ || watched == minEdit_;
    const bool complete = sheet_.enterEnabled() && !sheet_.fields().projectNumber.isEmpty()
        && !sheet_.fields().hoursField.isEmpty() && !sheet_.fields().minutesField.isEmpty();
    if (enter && entryField && loggedIn_ && complete) {
        act([this] { sheet_.EinfgEintragBtnClick(); });
        projektNrEdit_->setFocus();
        return true;
    }
    if (timeFields_.contains(qobject_cast<QLineEdit*>(watched)))
        ZeitFieldClick();
    else if (watched == projektNrEdit_)
        ProjektNrEditClick();
    else if (watched == stdEdit_ || watched == minEdit_)
        TagProjZeitClick();
    else
        return false;
    return true;
}

bool DaySheetPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && keyOnField(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() != QEvent::MouseButtonPress
        || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return QWidget::eventFilter(watched, event);
    if (timeFields_.contains(qobject_cast<QLineEdit*>(watched)))
        ZeitFieldClick();
    else if (watched == bemerkungLabel1_)
        BemerkungLabel1Click();
    else if (watched == projektNrEdit_ || watched == lupeImage_)
        ProjektNrEditClick();
    else if (watched == stdEdit_ || watched == minEdit_)
        TagProjZeitClick();
    else
        return QWidget::eventFilter(watched, event);
    return true;
}
