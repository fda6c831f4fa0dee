#pragma once

#include <QString>

class DataFolder;
class Messenger;

// What kind of folder is moved; it only changes the wording of the question.
enum class RelocationKind : int { General = 0, ProgramFolder = 1, TimeFolder = 2 };

// Copies the files directly in `from` into `to` (creating it), optionally
// deleting `from` afterwards, and reports every step. Nothing is deleted
// unless every copy was read back equal to its source.
void RelocateFolder(const QString& from, const QString& to, RelocationKind kind, const DataFolder& dataFolder,
    Messenger& messenger);
