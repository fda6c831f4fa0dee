#include "pelin/core/account_display.h"
#include "pelin/core/login_session.h"
#include "pelin/forms/main_form.h"

#include <QFormLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

void TMainForm::buildAccountRows(QFormLayout* layout, QWidget* area)
{
    const std::array<std::array<QString, 3>, 2> rows = { {
        { u"KontostandLabel"_s, u"Kontostand"_s, u" = Kontostand Vormonat + Ist - Soll bis heute  "_s },
        { u"ResturlaubLabel"_s, u"Resturlaub"_s, u" = Anspruch + Übertrag - genommene Urlaubstage  "_s },
    } };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [name, caption, hint] = rows[i];
        accountLabels_[i] = new QLabel(caption, area);
        accountLabels_[i]->setObjectName(name);
        accountLabels_[i]->setToolTip(hint);
        accountValueLabels_[i] = new QLabel(area);
        accountValueLabels_[i]->setObjectName(name + u"Wert"_s);
        layout->addRow(accountLabels_[i], accountValueLabels_[i]);
        accountLabels_[i]->hide();
        accountValueLabels_[i]->hide();
    }
}

void TMainForm::showAccount()
{
    const bool loggedIn = loginSession_ && loginSession_->state().loggedIn;
    const std::optional<AccountDisplay> account
        = loggedIn ? AccountDisplayOf(loginSession_->state(), dates_.today, holidays_) : std::nullopt;
    const std::array<std::optional<QString>, 2> texts
        = { account ? std::optional(account->balanceText) : std::nullopt,
              account && account->remaining ? std::optional(account->remainingText) : std::nullopt };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        accountLabels_[i]->setVisible(texts[i].has_value());
        accountValueLabels_[i]->setVisible(texts[i].has_value());
        accountValueLabels_[i]->setText(texts[i].value_or(QString()));
    }
}
