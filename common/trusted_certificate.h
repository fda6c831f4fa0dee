#pragma once

#include <QString>
#include <QStringList>

// The certificate (PEM) of a firm's own FTP or directory server, which KORAV
// puts into the program folder beside "pelin.cfg". Where it is, both
// programs trust it in place of the system's CA store.
namespace TrustedCertificate {

inline constexpr char16_t kFileName[] = u"pelin_zertifikat.pem";

QString PathIn(const QString& folder);
// The first folder holding the certificate; empty when none does.
QString FoundIn(const QStringList& folders);
// Whether the file holds at least one certificate in PEM form.
bool IsPem(const QString& path);

} // namespace TrustedCertificate
