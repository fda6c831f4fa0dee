#include "tools/kvd/kvd_command.h"

#include "common/data_file_codec.h"
#include "common/file_store.h"
#include "common/number_parse.h"
#include "common/stream_messenger.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

const char kHelp[]
    = "Aufruf: kvd cat DATEI            gibt die Zeilen einer Datendatei aus (verschleiert oder nicht)\n"
      "        kvd scramble EIN AUS     schreibt die Zeilen der UTF-8-Textdatei EIN verschleiert nach AUS\n"
      "        kvd --help               zeigt diese Hilfe\n"
      "Optionen:\n"
      "        --code N                 Codierungszahl N (10 bis 55) statt der eingebauten\n"
      "Verschleiert heißt nicht verschlüsselt: wer kvd hat, liest jede solche Datei.\n"
      "Exit-Code 0 bei Erfolg, 1 bei abgelehnter oder fehlgeschlagener Datei, 2 bei falschem Aufruf.\n";

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

void Error(FILE* err, const QString& text)
{
    Print(err, u"kvd: "_s + text + u'\n');
}

int Cat(const QString& path, DataFileCodec& codec, StreamMessenger& messenger, FILE* out, FILE* err)
{
    if (!QFileInfo(path).isFile()) {
        Error(err, u"Datei %1 ist nicht vorhanden."_s.arg(path));
        return kExitRefused;
    }
    StringList lines;
    codec.LoadDataFile(path, lines);
    if (messenger.messageCount() > 0)
        return kExitRefused;
    for (const QString& line : lines.lines())
        Print(out, line + u'\n');
    return kExitOk;
}

int Scramble(
    const QString& in, const QString& outPath, DataFileCodec& codec, StreamMessenger& messenger, FILE* err)
{
    QString readError;
    const std::optional<QString> text = FileStore::ReadUtf8(in, &readError);
    if (!text) {
        Error(err, u"Datei %1 kann nicht gelesen werden: %2"_s.arg(in, readError));
        return kExitRefused;
    }
    StringList lines = StringList::FromText(*text);
    if (!codec.SaveDataFile(outPath, lines) || messenger.messageCount() > 0)
        return kExitRefused;
    return kExitOk;
}

} // namespace

int RunKvd(const QStringList& arguments, FILE* out, FILE* err)
{
    QStringList args = arguments.mid(1);
    if (args.isEmpty() || args.contains(u"--help"_s) || args.contains(u"-h"_s)) {
        std::fputs(kHelp, args.isEmpty() ? err : out);
        return args.isEmpty() ? kExitUsage : kExitOk;
    }
    StreamMessenger messenger(err);
    DataFileCodec codec(CodecProgram::Korav, messenger, [](int) {});
    const qsizetype codeAt = args.indexOf(u"--code"_s);
    if (codeAt >= 0) {
        const int code = codeAt + 1 < args.size() ? ParseDecimalInt(args.at(codeAt + 1)) : -1;
        if (code < 10 || code > 55) {
            Error(err, u"--code erwartet eine Zahl von 10 bis 55."_s);
            return kExitUsage;
        }
        codec.SetCodingNumber(code);
        args.remove(codeAt, 2);
    }
    if (args.size() == 2 && args.at(0) == u"cat")
        return Cat(args.at(1), codec, messenger, out, err);
    if (args.size() == 3 && args.at(0) == u"scramble")
        return Scramble(args.at(1), args.at(2), codec, messenger, err);
    Error(err, u"unbekannter Aufruf. \"kvd --help\" zeigt die Befehle."_s);
    return kExitUsage;
}
