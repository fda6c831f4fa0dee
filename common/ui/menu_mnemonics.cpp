#include "common/ui/menu_mnemonics.h"

#include <QAction>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

// Where a caption already names its letter ("&Info"), or -1.
qsizetype MnemonicPosition(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != u'&')
            continue;
        if (text.at(i + 1) != u'&')
            return i + 1;
        ++i;
    }
    return -1;
}

QChar LetterOf(const QAction* entry)
{
    const QString text = entry->text();
    const qsizetype at = MnemonicPosition(text);
    return at < 0 ? QChar() : text.at(at).toLower();
}

QString Escaped(const QString& caption)
{
    QString text = caption;
    return text.replace(u'&', u"&&"_s);
}

QList<QChar> LettersTakenBesides(const QAction* entry)
{
    QList<QChar> taken;
    for (const QObject* object : entry->associatedObjects()) {
        const auto* menu = qobject_cast<const QMenu*>(object);
        if (!menu)
            continue;
        for (const QAction* other : menu->actions())
            if (other != entry && !LetterOf(other).isNull())
                taken.append(LetterOf(other));
    }
    return taken;
}

// The first free letter that starts a word, else any free letter.
qsizetype FreeLetterPosition(const QString& caption, const QList<QChar>& taken, QChar preferred)
{
    if (!preferred.isNull())
        for (qsizetype i = 0; i < caption.size(); ++i)
            if (caption.at(i).toLower() == preferred)
                return i;
    const auto free
        = [&](qsizetype i) { return caption.at(i).isLetter() && !taken.contains(caption.at(i).toLower()); };
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (free(i) && (i == 0 || !caption.at(i - 1).isLetter()))
            return i;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (free(i))
            return i;
    return -1;
}

void SetCaptionWithLetter(QAction* entry, const QString& caption, QChar preferred)
{
    const QList<QChar> taken = LettersTakenBesides(entry);
    if (!preferred.isNull() && taken.contains(preferred))
        preferred = QChar();
    const qsizetype at = FreeLetterPosition(caption, taken, preferred);
    if (at < 0) {
        entry->setText(Escaped(caption));
        return;
    }
    entry->setText(Escaped(caption.left(at)) + u'&' + Escaped(caption.mid(at)));
}

} // namespace

void AssignMenuMnemonics(QMenu* menu)
{
    for (QAction* entry : menu->actions()) {
        if (entry->isSeparator() || MnemonicPosition(entry->text()) >= 0)
            continue;
        SetCaptionWithLetter(entry, entry->text().replace(u"&&"_s, u"&"_s), QChar());
    }
}

void SetMenuEntryCaption(QAction* entry, const QString& caption)
{
    SetCaptionWithLetter(entry, caption, LetterOf(entry));
}
