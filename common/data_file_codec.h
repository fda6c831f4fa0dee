#pragma once

#include "common/wait.h"

#include "common/string_list.h"

#include <QString>
#include <functional>

class Messenger;

// The coding number both programs are built with.
inline constexpr int kFixedCodingNumber = 37;

// The two programs word the codec's messages slightly differently.
enum class CodecProgram { Pelin, Korav };

// Pure transformations of the scrambled format.
namespace DataFileFormat {

inline constexpr int kAlphabetLength = 67;
const QString& CodecAlphabet();
QString HeaderLine(int codingNumber);
bool LooksLikeHeader(QStringView firstLine);
QString Scramble(QStringView text, int codingNumber);
QString Unscramble(QStringView text, int codingNumber);
// The first code unit that a scrambled file cannot carry, or a null QChar.
QChar FirstUnscramblableChar(QStringView text);

} // namespace DataFileFormat

// Loads plain and scrambled data files into string lists and (in the
// administration program) saves string lists scrambled. Holds the program's
// coding number, which a file coded with 10 switches for the rest of the run.
class DataFileCodec {
public:
    DataFileCodec(CodecProgram program, Messenger& messenger, Wait wait = {});

    int CodingNumber() const { return codingNumber_; }
    void SetCodingNumber(int codingNumber) { codingNumber_ = codingNumber; }

    // Fills `list` with the plain lines of the file. A missing file empties
    // the list; failures are reported through the messenger.
    void LoadDataFile(const QString& path, StringList& list);
    // Writes `list` scrambled. Afterwards the list holds the two lines of the
    // file (header and scrambled line); callers keep their own copy.
    // Returns whether the file was written.
    bool SaveDataFile(const QString& path, StringList& list);

private:
    QString message(QStringView pelinText, QStringView koravText) const;
    void wait(int milliseconds) const;

    CodecProgram program_;
    Messenger& messenger_;
    Wait wait_;
    int codingNumber_ = kFixedCodingNumber;
};
