#include "common/data_file_codec.h"

#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/messenger.h"
#include "common/wait.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr int kAttempts = 3;
constexpr int kRetryWaitMs = 1000;
constexpr int kCodingNumberLimit = 56;
constexpr int kHeaderLength = 7;

QString ShortFileName(const QString& path)
{
    return QFileInfo(path).fileName().left(30);
}

} // namespace

namespace DataFileFormat {

const QString& CodecAlphabet()
{
    static const QString alphabet = u"qW5(hR2)zM8-cT0.uG7_kB3xY9aN1vE6mJ4bQsAfLtDiZoKgUrCyPeHnXjSwFlVpIdO"_s;
    return alphabet;
}

QString HeaderLine(int codingNumber)
{
    return u"-CR"_s + FixedWidth::TwoDigits(codingNumber) + u"P-"_s;
}

bool LooksLikeHeader(QStringView firstLine)
{
    return firstLine.size() >= kHeaderLength && firstLine.startsWith(u"-CR") && firstLine.mid(5, 2) == u"P-";
}

QString Scramble(QStringView text, int codingNumber)
{
    const QString& alphabet = CodecAlphabet();
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        const qsizetype j = alphabet.indexOf(QChar(c));
        if (j >= 0) {
            const qsizetype k = j + codingNumber;
            c = alphabet[k <= kAlphabetLength - 1 ? k : k - kAlphabetLength].unicode();
        }
        out[i] = QChar(char16_t(~c));
    }
    return out;
}

QString Unscramble(QStringView text, int codingNumber)
{
    const QString& alphabet = CodecAlphabet();
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = char16_t(~text[i].unicode());
        const qsizetype j = alphabet.indexOf(QChar(c));
        if (j < 0) {
            out[i] = QChar(c);
            continue;
        }
        const qsizetype k = j - codingNumber;
        out[i] = alphabet[k >= 0 ? k : k + kAlphabetLength];
    }
    return out;
}

QChar FirstUnscramblableChar(QStringView text)
{
    for (const QChar c : text) {
        const auto complement = char16_t(~c.unicode());
        if (QChar::isSurrogate(complement) || complement == u'\r' || complement == u'\n' || complement == 0)
            return c;
    }
    return {};
}

} // namespace DataFileFormat

DataFileCodec::DataFileCodec(CodecProgram program, Messenger& messenger, Wait wait)
    : program_(program), messenger_(messenger), wait_(std::move(wait))
{
}

QString DataFileCodec::message(QStringView pelinText, QStringView koravText) const
{
    return (program_ == CodecProgram::Pelin ? pelinText : koravText).toString();
}

void DataFileCodec::wait(int milliseconds) const
{
    if (wait_)
        wait_(milliseconds);
    else
        SleepMilliseconds(milliseconds);
}

void DataFileCodec::LoadDataFile(const QString& path, StringList& list)
{
    if (!QFileInfo(path).isFile()) {
        list.clear();
        return;
    }
    if (FileStore::IsTooLargeForText(path)) {
        list.clear();
        messenger_.show(FileStore::TooLargeText(path));
        return;
    }
    std::optional<QString> text;
    for (int attempt = 1; attempt <= kAttempts && !text; ++attempt) {
        text = FileStore::ReadUtf8(path);
        if (!text)
            wait(kRetryWaitMs);
    }
    if (!text) {
        messenger_.show(message(u"Zugriffsfehler\n\nDatei %1 konnte nicht gelesen werden [Err15a]",
            u"Zugriffsfehler\n\nDatei %1 konnte nicht gelesen werden [Err15a]  ")
                            .arg(ShortFileName(path)));
        return;
    }
    list = StringList::FromText(*text);
    if (list.isEmpty() || !DataFileFormat::LooksLikeHeader(list.at(0)))
        return;

    const QString headerDigits = list.at(0).mid(3, 2);
    list.removeAt(0);
    const QString body = list.toText();
    // The old loader left bodies under eight code units scrambled, which
    // handed callers garbage for short lists such as "a=1"; every non-empty
    // body is decoded here.
    if (body.isEmpty())
        return;
    if (codingNumber_ >= kCodingNumberLimit) {
        messenger_.show(message(u"Codierungszahl ist zu groß", u"Codierungszahl ist zu groß  "));
        return;
    }
    if (FixedWidth::TwoDigits(codingNumber_) != headerDigits) {
        if (headerDigits != u"10") {
            list.clear();
            messenger_.show(message(u"Die Termindaten sind verschlüsselt und können\nvon dieser "
                                    u"Programmversion nicht eingelesen werden!",
                u"Die Termindaten sind verschlüsselt und können  \nvon dieser Programmversion nicht "
                u"eingelesen werden !  "));
            return;
        }
        codingNumber_ = 10;
    }
    list = StringList::FromText(
        DataFileFormat::Unscramble(QStringView(body).left(body.size() - 2), codingNumber_));
}

bool DataFileCodec::SaveDataFile(const QString& path, StringList& list)
{
    if (codingNumber_ >= kCodingNumberLimit) {
        messenger_.show(u"Codierungszahl ist zu groß.  \nKeine Datenspeicherung möglich.  "_s);
        return false;
    }
    const QString plain = list.toText();
    const QChar bad = DataFileFormat::FirstUnscramblableChar(plain);
    if (!bad.isNull()) {
        messenger_.show(
            u"Datei %1 kann nicht gespeichert werden:\ndas Zeichen \"%2\" (U+%3) kann in dieser Datei nicht gespeichert werden.  "_s
                .arg(QFileInfo(path).fileName(), QString(bad),
                    QStringLiteral("%1").arg(int(bad.unicode()), 4, 16, QChar(u'0')).toUpper()));
        return false;
    }
    StringList file;
    file.append(DataFileFormat::HeaderLine(codingNumber_));
    if (!plain.isEmpty())
        file.append(DataFileFormat::Scramble(plain, codingNumber_));
    list = file;

    const QString fileText = list.toText();
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (FileStore::WriteText(path, fileText, TextEncoding::Utf8WithBom))
            return true;
        wait(kRetryWaitMs);
    }
    messenger_.show(
        u"Zugriffsfehler\n\nDatei %1 konnte nicht gespeichert werden [Err25a]  "_s.arg(ShortFileName(path)));
    return false;
}
