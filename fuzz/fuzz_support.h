#pragma once

#include "common/messenger.h"
#include "common/wait.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// What every fuzz program needs: the input as bytes, a scratch folder for
// the readers that take a path, a messenger nobody sees and no waiting.
namespace Fuzz {

class SilentMessenger final : public Messenger {
public:
    int show(const QString&) override { return kAnswerNo; }
    // "Nein", and the close box never: a question must not change data.
    int ask(const QString&) override { return kAnswerNo; }
    void systemMessage(const QString&) override { }
};

Wait NoWait();

QByteArray Bytes(const std::uint8_t* data, std::size_t size);

// A folder of its own for this process, removed when it ends.
const QString& ScratchFolder();

// Writes the bytes as they are to `name` in `folder` (created when missing)
// and returns the path.
QString WriteFile(const QString& folder, const QString& name, const QByteArray& bytes);

// A broken promise of the code under test: stops the run like a crash, so
// that libFuzzer keeps the input that shows it.
void Require(bool holds, const char* promise);

} // namespace Fuzz
