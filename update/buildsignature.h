#pragma once

#include <QByteArray>
#include <QString>

// Program builds are signed: beside "Tarmika" + version + ".exe" the server holds the same name
// + ".sig", one line of base64 with the Ed25519 signature of the build's SHA-512 digest, made
// with the project's private key. Hashing first keeps a check of a large (or hostile, endless)
// file at constant memory. Keys are written as base64: a public key is the raw 32-byte key, a
// private key the raw 32-byte seed.
namespace BuildSignature {

QString fileName(const QString &buildName);

// The public key this program trusts, compiled in.
QByteArray trustedKey();

// Empty when `signatureText` is a valid signature of the file at `path` by `publicKey`, else
// the reason, in words for the status line's log.
QString checkFile(const QString &path, const QByteArray &signatureText, const QByteArray &publicKey);

// For the signing tool and the tests.
struct KeyPair {
    QByteArray privateKey;
    QByteArray publicKey;
};
KeyPair generateKeyPair();
QByteArray publicKeyOf(const QByteArray &privateKey); // empty for a damaged key
// The signature line for the file at `path`; empty when the file or the key cannot be read.
QByteArray signFile(const QString &path, const QByteArray &privateKey);

} // namespace BuildSignature
