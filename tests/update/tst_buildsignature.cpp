#include "update/buildsignature.h"

#include <QTemporaryDir>
#include <QtTest>

class BuildSignatureTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheSignedBuildPasses_data();
    void onlyTheSignedBuildPasses();
};

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

void BuildSignatureTest::onlyTheSignedBuildPasses_data()
{
    QTest::addColumn<QByteArray>("served"); // the build as the learner's computer receives it
    QTest::addColumn<bool>("signedByOtherKey");
    QTest::addColumn<QByteArray>("garbledSignature"); // replaces the signature when not empty
    QTest::addColumn<bool>("accepted");
    const QByteArray build = QByteArray("\x7f"
                                        "ELF",
                                        4) +
                             QByteArray(100000, 'x');
    QTest::newRow("the signed build") << build << false << QByteArray() << true;
    QTest::newRow("one byte changed") << QByteArray(build).replace(5000, 1, "y") << false << QByteArray() << false;
    QTest::newRow("cut short") << build.left(build.size() - 1) << false << QByteArray() << false;
    QTest::newRow("signed by another key") << build << true << QByteArray() << false;
    QTest::newRow("signature not base64") << build << false << QByteArray("not a signature!") << false;
    QTest::newRow("signature too short") << build << false << QByteArray(32, 'A') << false;
}

void BuildSignatureTest::onlyTheSignedBuildPasses()
{
    QFETCH(QByteArray, served);
    QFETCH(bool, signedByOtherKey);
    QFETCH(QByteArray, garbledSignature);
    QFETCH(bool, accepted);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarmika1002.exe"));
    const BuildSignature::KeyPair project = BuildSignature::generateKeyPair();
    const BuildSignature::KeyPair other = BuildSignature::generateKeyPair();
    QVERIFY(!project.privateKey.isEmpty() && !other.privateKey.isEmpty());
    QCOMPARE(BuildSignature::publicKeyOf(project.privateKey), project.publicKey);

    writeFile(path, QByteArray("\x7f"
                               "ELF",
                               4) +
                        QByteArray(100000, 'x'));
    QByteArray signature = BuildSignature::signFile(path, signedByOtherKey ? other.privateKey : project.privateKey);
    QVERIFY(!signature.isEmpty());
    if (!garbledSignature.isEmpty())
        signature = garbledSignature;
    writeFile(path, served);

    const QString problem = BuildSignature::checkFile(path, signature, project.publicKey);
    QCOMPARE(problem.isEmpty(), accepted);
}

QTEST_GUILESS_MAIN(BuildSignatureTest)
#include "tst_buildsignature.moc"
