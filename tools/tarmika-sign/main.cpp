// tarmika-sign keygen KEYFILE   writes a new private key to KEYFILE and prints its public key
// tarmika-sign public KEYFILE   prints the public key of KEYFILE
// tarmika-sign sign KEYFILE BUILD   writes BUILD.sig, the signature the program checks
#include "update/buildsignature.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tarmika-sign: %s\n", qPrintable(message));
    return 1;
}

bool writeSecret(const QString &path, const QByteArray &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return file.write(text + '\n') == text.size() + 1 && file.commit();
}

QByteArray readKey(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString verb = args.value(0);
    if (verb == QLatin1String("keygen") && args.size() == 2) {
        if (QFile::exists(args[1]))
            return fail(QStringLiteral("%1 exists; a key is never overwritten").arg(args[1]));
        const BuildSignature::KeyPair pair = BuildSignature::generateKeyPair();
        if (pair.privateKey.isEmpty() || !writeSecret(args[1], pair.privateKey))
            return fail(QStringLiteral("cannot write %1").arg(args[1]));
        std::printf("%s\n", pair.publicKey.constData());
        return 0;
    }
    if (verb == QLatin1String("public") && args.size() == 2) {
        const QByteArray key = BuildSignature::publicKeyOf(readKey(args[1]));
        if (key.isEmpty())
            return fail(QStringLiteral("%1 holds no private key").arg(args[1]));
        std::printf("%s\n", key.constData());
        return 0;
    }
    if (verb == QLatin1String("sign") && args.size() == 3) {
        const QByteArray signature = BuildSignature::signFile(args[2], readKey(args[1]));
        if (signature.isEmpty())
            return fail(QStringLiteral("cannot sign %1 with %2").arg(args[2], args[1]));
        QSaveFile out(BuildSignature::fileName(args[2]));
        if (!out.open(QIODevice::WriteOnly) || out.write(signature + '\n') != signature.size() + 1 || !out.commit())
            return fail(QStringLiteral("cannot write %1").arg(out.fileName()));
        return 0;
    }
    return fail(QStringLiteral("usage: tarmika-sign keygen KEYFILE | public KEYFILE | sign KEYFILE BUILD"));
}
