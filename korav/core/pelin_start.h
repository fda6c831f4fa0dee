#pragma once

#include <QString>
#include <functional>

class DataFolder;
class Messenger;

// Starts PELIN from the data folder with the word "korav", so that it reads
// the base data where they were built. Failures are shown in the words of
// the system's shell.
class PelinStart {
public:
    // Starts `program` detached in `folder` with `arguments`.
    using Starter
        = std::function<bool(const QString& program, const QStringList& arguments, const QString& folder)>;

    explicit PelinStart(Starter starter = DetachedStarter());

    bool start(const DataFolder& data, Messenger& messenger) const;

    static Starter DetachedStarter();

private:
    Starter starter_;
};
