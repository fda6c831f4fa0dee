#include "korav/forms/form_parts.h"

#include "common/ui/program_icons.h"
#include "korav/forms/help_window.h"
#include "korav/forms/korav_environment.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

int RunModal(QDialog& dialog)
{
    return dialog.exec();
}

void ShowError(QLabel* label, const QString& text)
{
    label->setStyleSheet(u"color: rgb(185, 0, 0);"_s);
    label->setText(text);
}

void ShowDone(QLabel* label, const QString& text)
{
    label->setStyleSheet(u"color: rgb(0, 128, 0);"_s);
    label->setText(text);
}

QLabel* MakeStatusLabel(QWidget* parent, const QString& objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    ShowError(label, {});
    return label;
}

QToolButton* MakeHelpImage(QWidget* parent, KoravHelpOpener& help, int topic)
{
    auto* image = new QToolButton(parent);
    image->setObjectName(u"HilfeImage"_s);
    image->setToolTip(u"Hilfedatei öffnen"_s);
    image->setText(u"?"_s);
    image->setIcon(HelpIcon());
    image->setAutoRaise(true);
    QObject::connect(image, &QToolButton::clicked, parent, [&help, topic] { help.OpenHelp(topic); });
    return image;
}
