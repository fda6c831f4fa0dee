#pragma once

#include <QString>

// A self-signed certificate for 127.0.0.1 (and no other name), made with
// openssl into `folder` as "cert.pem" and "key.pem". Trusted by nobody until
// a test names "cert.pem" as trusted.
bool MakeTestCertificate(const QString& folder);
