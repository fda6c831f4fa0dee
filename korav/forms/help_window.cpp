#include "korav/forms/help_window.h"

#include "common/messenger.h"
#include "korav/core/base_data_store.h"

#include <QApplication>
#include <QShortcut>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(u"HelpBrowser"_s);
    setOpenLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == u"archive"_s) {
        const std::optional<QByteArray> bytes = KoravHelp::ReadArchiveEntry(archive_, name.path().mid(1));
        if (bytes)
            return type == QTextDocument::HtmlResource ? QVariant(QString::fromUtf8(*bytes))
                                                       : QVariant(*bytes);
    }
    return QTextBrowser::loadResource(type, name);
}

KoravHelpWindow::KoravHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new HelpBrowser(this))
{
    setObjectName(u"KoravHelpWindow"_s);
    setWindowTitle(u"KORAV"_s);
    resize(760, 560);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

bool KoravHelpWindow::showPage(const QString& archive, const QString& page)
{
    const QString start = page.isEmpty() ? KoravHelp::PageForTopic(KoravHelp::kMainWindowTopic) : page;
    if (!KoravHelp::ReadArchiveEntry(archive, start))
        return false;
    browser_->setArchive(archive);
    browser_->setSource(QUrl(u"archive:/"_s + start));
    // Opened from a modal dialog, the viewer must be modal too, or the dialog
    // would block it.
    setWindowModality(QApplication::activeModalWidget() ? Qt::ApplicationModal : Qt::NonModal);
    show();
    raise();
    return true;
}

KoravHelpOpener::KoravHelpOpener(const BaseDataStore& store, QString appDataFolder, QString programDirectory)
    : store_(store), appDataFolder_(std::move(appDataFolder)), programDirectory_(std::move(programDirectory))
{
}

KoravHelp::Places KoravHelpOpener::places() const
{
    return { store_.folder(), appDataFolder_, programDirectory_ };
}

void KoravHelpOpener::OpenHelp(int topic)
{
    Messenger& messenger = store_.messenger();
    if (window_.isVisible()) {
        messenger.show(u"Hilfedatei %1 ist bereits geöffnet !"_s.arg(QString::fromUtf16(KoravFile::kHelp)));
        return;
    }
    const std::optional<QString> archive = KoravHelp::PrepareHelpFile(places(), messenger);
    if (archive && !window_.showPage(*archive, KoravHelp::PageForTopic(topic)))
        messenger.show(u"Hilfe-Bibliothek hhctrl.ocx konnte nicht geöffnet werden !  "_s);
}

QString KoravHelpOpener::LocationText() const
{
    return KoravHelp::LocationText(places());
}
