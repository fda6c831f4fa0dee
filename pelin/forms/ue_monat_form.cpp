#include "pelin/forms/ue_monat_form.h"

#include "common/file_store.h"
#include "common/messenger.h"
#include "common/ui/week_separator_lines.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPlainTextEdit* ReportArea(const QString& name, QWidget* parent)
{
    auto* area = new QPlainTextEdit(parent);
    area->setObjectName(name);
    area->setReadOnly(true);
    area->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(u"Courier New"_s, 9);
    font.setStyleHint(QFont::TypeWriter);
    area->setFont(font);
    return area;
}

} // namespace

TUeMonatForm::TUeMonatForm(Messenger& messenger, QWidget* parent)
    : QDialog(parent),
      messenger_(messenger),
      headUeMonatREdit_(ReportArea(u"HeadUeMonatREdit"_s, this)),
      ueMonatREdit_(ReportArea(u"UeMonatREdit"_s, this))
{
    setObjectName(u"UeMonatForm"_s);
    setWindowTitle(u"Monatsübersicht"_s);
    resize(1000, 700);
    QPalette grey = headUeMonatREdit_->palette();
    grey.setColor(QPalette::Base, QColor(216, 216, 216));
    headUeMonatREdit_->setPalette(grey);
    headUeMonatREdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headUeMonatREdit_->setFixedHeight(headUeMonatREdit_->fontMetrics().lineSpacing() * 7);

    askSavePath_ = [this](const QString& proposed) {
        return QFileDialog::getSaveFileName(
            this, u"Übersicht speichern"_s, proposed, u"Textdateien (*.txt)"_s);
    };
    auto* save = new QPushButton(u"&Übersicht in Textdatei speichern"_s, this);
    save->setObjectName(u"SaveUeBtn"_s);
    auto* cancel = new QPushButton(u"&Schließen"_s, this);
    cancel->setObjectName(u"CancelBtn"_s);
    connect(save, &QPushButton::clicked, this, &TUeMonatForm::SaveUeBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headUeMonatREdit_);
    layout->addWidget(ueMonatREdit_, 1);
    layout->addLayout(buttons);
}

void TUeMonatForm::prepare(const MonthOverview& overview, const QString& proposedPath)
{
    overview_ = overview;
    proposedPath_ = proposedPath;
    headUeMonatREdit_->setPlainText(overview.head.join(u'\n'));
    ueMonatREdit_->setPlainText(overview.body.join(u'\n'));
    GreyWeekSeparatorLines(ueMonatREdit_);
    ueMonatREdit_->moveCursor(QTextCursor::Start);
}

void TUeMonatForm::SaveUeBtnClick()
{
    const QString path = askSavePath_(proposedPath_);
    if (path.isEmpty())
        return;
    QString error;
    if (!FileStore::WriteText(path, OverviewFileText(overview_), TextEncoding::Utf8WithBom, &error)) {
        messenger_.show(
            u"Übersicht konnte nicht in Datei\n\n%1\n\ngespeichert werden.\n%2"_s.arg(path, error));
        return;
    }
    messenger_.show(u"Übersicht ist in Datei\n\n%1\n\ngespeichert."_s.arg(path));
}
