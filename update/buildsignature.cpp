#include "update/buildsignature.h"

#include <QCryptographicHash>
#include <QFile>

#include <openssl/evp.h>

#include <memory>

namespace {

constexpr int keyBytes = 32;
constexpr int signatureBytes = 64;

using PKey = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using MdContext = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

QByteArray fromBase64(const QByteArray &text)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

PKey rawKey(int type, const QByteArray &base64, bool isPrivate)
{
    const QByteArray raw = fromBase64(base64);
    if (raw.size() != keyBytes)
        return PKey(nullptr, EVP_PKEY_free);
    const auto *bytes = reinterpret_cast<const unsigned char *>(raw.constData());
    EVP_PKEY *key = isPrivate ? EVP_PKEY_new_raw_private_key(type, nullptr, bytes, keyBytes)
                              : EVP_PKEY_new_raw_public_key(type, nullptr, bytes, keyBytes);
    return PKey(key, EVP_PKEY_free);
}

// The SHA-512 digest of the file, read in blocks; empty when it cannot be read.
QByteArray fileDigest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha512);
    if (!hash.addData(&file))
        return {};
    return hash.result();
}

QByteArray rawOf(EVP_PKEY *key, bool isPrivate)
{
    QByteArray raw(keyBytes, '\0');
    size_t length = keyBytes;
    auto *bytes = reinterpret_cast<unsigned char *>(raw.data());
    const int ok = isPrivate ? EVP_PKEY_get_raw_private_key(key, bytes, &length)
                             : EVP_PKEY_get_raw_public_key(key, bytes, &length);
    return ok == 1 && length == keyBytes ? raw.toBase64() : QByteArray();
}

} // namespace

namespace BuildSignature {

QString fileName(const QString &buildName)
{
    return buildName + QStringLiteral(".sig");
}

QByteArray trustedKey()
{
    return QByteArrayLiteral(TARMIKA_UPDATE_PUBLIC_KEY);
}

QString checkFile(const QString &path, const QByteArray &signatureText, const QByteArray &publicKey)
{
    const QByteArray signature = fromBase64(signatureText);
    if (signature.size() != signatureBytes)
        return QStringLiteral("the signature is not a signature");
    const PKey key = rawKey(EVP_PKEY_ED25519, publicKey, false);
    if (!key)
        return QStringLiteral("the trusted key is damaged");
    const QByteArray digest = fileDigest(path);
    if (digest.isEmpty())
        return QStringLiteral("the build cannot be read");
    const MdContext context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    const bool valid =
        context && EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
        EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char *>(signature.constData()), signatureBytes,
                         reinterpret_cast<const unsigned char *>(digest.constData()), size_t(digest.size())) == 1;
    return valid ? QString() : QStringLiteral("the signature does not match the build");
}

KeyPair generateKeyPair()
{
    EVP_PKEY *generated = nullptr;
    const std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> context(
        EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr), EVP_PKEY_CTX_free);
    if (!context || EVP_PKEY_keygen_init(context.get()) != 1 || EVP_PKEY_keygen(context.get(), &generated) != 1)
        return {};
    const PKey key(generated, EVP_PKEY_free);
    return {rawOf(key.get(), true), rawOf(key.get(), false)};
}

QByteArray publicKeyOf(const QByteArray &privateKey)
{
    const PKey key = rawKey(EVP_PKEY_ED25519, privateKey, true);
    return key ? rawOf(key.get(), false) : QByteArray();
}

QByteArray signFile(const QString &path, const QByteArray &privateKey)
{
    const PKey key = rawKey(EVP_PKEY_ED25519, privateKey, true);
    const QByteArray digest = fileDigest(path);
    if (!key || digest.isEmpty())
        return {};
    QByteArray signature(signatureBytes, '\0');
    size_t length = signatureBytes;
    const MdContext context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1 ||
        EVP_DigestSign(context.get(), reinterpret_cast<unsigned char *>(signature.data()), &length,
                       reinterpret_cast<const unsigned char *>(digest.constData()), size_t(digest.size())) != 1)
        return {};
    return signature.toBase64();
}

} // namespace BuildSignature
