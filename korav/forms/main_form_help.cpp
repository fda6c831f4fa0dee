// The main window's notes, help, program information and visual style.
#include "common/messenger.h"
#include "common/ui/about_form.h"
#include "korav/core/korav_settings.h"
#include "korav/core/korav_start.h"
#include "korav/core/version_line.h"
#include "korav/forms/help_window.h"
#include "korav/forms/main_form.h"

#include <QAction>
#include <QLabel>

using namespace Qt::StringLiterals;

void TMainForm::InfoImageClick()
{
    errLabel_->clear();
    environment_.messenger.show(u" Das Standard-Passwort heißt 'nuvo' .  \n\nÄndern Sie das Passwort um den "
                                u"Zugang zu schützen.\n( Schalter 'Passworte ändern' )"_s);
}

void TMainForm::MenuHilfeDateiClick()
{
    errLabel_->clear();
    environment_.messenger.show(environment_.help.LocationText());
}

void TMainForm::MenuInfoClick()
{
    errLabel_->clear();
    TAboutForm about(u"Programm "_s + QString::fromUtf16(kApplicationTitle), KoravVersionLine(), this);
    environment_.runModal(about);
}

void TMainForm::switchStyle(VisualStyle style)
{
    errLabel_->clear();
    if (style != style_) {
        style_ = style;
        ApplyVisualStyle(style);
        styleChanged_ = true;
    }
    subMenuStilWindows_->setChecked(style_ == VisualStyle::System);
    subMenuStilGrau_->setChecked(style_ == VisualStyle::Grey);
}

void TMainForm::SubMenuStilWindowsClick()
{
    switchStyle(VisualStyle::System);
}

void TMainForm::SubMenuStilGrauClick()
{
    switchStyle(VisualStyle::Grey);
}

void TMainForm::FormClose()
{
    if (styleChanged_
        && !environment_.settings.write(
            KoravSettings::kStyle, VisualStyleName(style_, QString::fromUtf16(kGreyStyle))))
        environment_.messenger.show(u"In Registrierung kann nicht geschrieben werden !  "_s);
}
