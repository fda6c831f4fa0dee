// Any bytes as a data file: the loader must hand over some list without
// crashing, and whatever it handed over must survive a save and a load.

#include "common/data_file_codec.h"
#include "fuzz/fuzz_support.h"

using namespace Qt::StringLiterals;

namespace {

void CheckRoundTrip(DataFileCodec& codec, const QString& path, const StringList& loaded)
{
    StringList saved = loaded;
    if (!codec.SaveDataFile(path, saved))
        return; // a character the scrambled form cannot carry is refused
    StringList reloaded;
    codec.LoadDataFile(path, reloaded);
    Fuzz::Require(reloaded == loaded, "a saved list loads back unchanged");
}

void CheckScrambling(QStringView text, int codingNumber)
{
    const QString scrambled = DataFileFormat::Scramble(text, codingNumber);
    Fuzz::Require(scrambled.size() == text.size(), "scrambling keeps the length");
    Fuzz::Require(
        DataFileFormat::Unscramble(scrambled, codingNumber) == text, "unscrambling undoes scrambling");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fuzz::SilentMessenger messenger;
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const QString path = Fuzz::WriteFile(Fuzz::ScratchFolder(), u"daten.kvd"_s, bytes);

    // A codec per input: a file coded with 10 switches the coding number,
    // and one input must not change how the next one is read.
    DataFileCodec codec(CodecProgram::Korav, messenger, Fuzz::NoWait());
    StringList loaded;
    codec.LoadDataFile(path, loaded);
    CheckRoundTrip(codec, path, loaded);

    const QString text = QString::fromUtf8(bytes);
    CheckScrambling(text, kFixedCodingNumber);
    CheckScrambling(text, 10);
    return 0;
}
