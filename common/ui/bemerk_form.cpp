#include "common/ui/bemerk_form.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxRemark = 60;

// Focus given by the dialog on showing would select the whole remark, so that
// the first key typed replaced it; a remark is added to at its end.
class RemarkEdit final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        if (event->reason() != Qt::MouseFocusReason) {
            deselect();
            end(false);
        }
    }
};

} // namespace

TBemerkForm::TBemerkForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), bemerkungEdit_(new RemarkEdit(this))
{
    setObjectName(u"BemerkForm"_s);
    setWindowTitle(u"  Eingabe der Bemerkung"_s);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(212, 208, 200));
    setPalette(grey);
    setAutoFillBackground(true);

    bemerkungEdit_->setObjectName(u"BemerkungEdit"_s);
    bemerkungEdit_->setMaxLength(kMaxRemark);
    bemerkungEdit_->setMinimumWidth(
        bemerkungEdit_->fontMetrics().horizontalAdvance(QString(kMaxRemark, u'x')));

    auto* take = new QPushButton(u"&Übernehmen"_s, this);
    take->setObjectName(u"UebernehmenSBtn"_s);
    take->setDefault(true);
    auto* cancel = new QPushButton(u"&Abbrechen"_s, this);
    cancel->setObjectName(u"CancelSBtn"_s);
    connect(take, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* caption = new QLabel(windowTitle(), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(take);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(caption);
    layout->addWidget(bemerkungEdit_);
    layout->addLayout(buttons);
}

void TBemerkForm::FormShow(const QString& current)
{
    bemerkungEdit_->setText(current);
    bemerkungEdit_->end(false);
    bemerkungEdit_->setFocus();
}

std::optional<QString> TBemerkForm::editRemark(const QString& current, const QPoint& position)
{
    FormShow(current);
    move(position);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return bemerkungEdit_->text();
}

void TBemerkForm::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // Without a window frame the dialog draws its own: grey, black, grey.
    QPainter painter(this);
    const QColor colours[] = { Qt::gray, Qt::black, Qt::gray };
    QRect frame = rect().adjusted(0, 0, -1, -1);
    for (const QColor& colour : colours) {
        painter.setPen(colour);
        painter.drawRect(frame);
        frame.adjust(1, 1, -1, -1);
    }
}
