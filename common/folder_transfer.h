#pragma once

#include "common/transfer.h"
#include "common/transfer_settings.h"

// The central store as a folder on the local network.
class FolderTransfer final : public Transfer {
public:
    FolderTransfer(FolderSettings settings, Messenger& messenger, Wait wait = {});

    // Only checks that both folders are there; there is nothing to open.
    bool connect() override;
    bool upload(const QString& localFolder, const QString& fileName) override;
    RemoteFile lookUp(const QString& fileName) override;

protected:
    bool fetch(const QString& localPath, const QString& fileName, bool required) override;

private:
    QString timeFolder() const;
    QString sourcePath(const QString& fileName) const;

    FolderSettings settings_;
};
