#include "core/system/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>
#include <sys/mount.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopy_data();
    void secondCopy();
    void readOnlyRuntimeFolder_data();
    void readOnlyRuntimeFolder();
};

void TestSingleInstance::secondCopy_data()
{
    QTest::addColumn<QByteArray>("leftOver"); // a lock file already there, or none
    QTest::addColumn<bool>("firstHolds");     // a first copy holds the lock
    QTest::addColumn<bool>("first");
    QTest::newRow("alone") << QByteArray() << false << true;
    QTest::newRow("another copy runs") << QByteArray() << true << false;
    // A copy that crashed or lost its display leaves the file behind.
    QTest::newRow("left by a copy that ended") << QByteArray("12345\n") << false << true;
    QTest::newRow("damaged file") << QByteArray("not a lock") << false << true;
}

void TestSingleInstance::secondCopy()
{
    QFETCH(QByteArray, leftOver);
    QFETCH(bool, firstHolds);
    QFETCH(bool, first);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vorkelclocks.lock"));
    if (!leftOver.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(leftOver);
    }
    std::optional<TSingleInstance> holder;
    if (firstHolds) {
        holder.emplace(path);
        QVERIFY(holder->First());
    }
    QCOMPARE(TSingleInstance(path).First(), first);
    // Once the first copy ends, the next start is the first again.
    holder.reset();
    QVERIFY(TSingleInstance(path).First());
}

void TestSingleInstance::readOnlyRuntimeFolder_data()
{
    QTest::addColumn<bool>("leftOver"); // a lock file made before the folder became read-only
    QTest::newRow("no lock file there: the one beside the settings") << false;
    QTest::newRow("a lock file there: locked read-only") << true;
}

void TestSingleInstance::readOnlyRuntimeFolder()
{
    QFETCH(bool, leftOver);
    QTemporaryDir dir;
    const QString runtime = dir.filePath(QStringLiteral("run"));
    QVERIFY(QDir().mkpath(runtime));
    const QByteArray folder = QFile::encodeName(runtime);
    if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=8k") != 0)
        QSKIP("Mounting a tmpfs needs root");
    const std::unique_ptr<const char, void (*)(const char *)> unmount(
        folder.constData(), [](const char *path) { ::umount(path); });
    const QStringList paths = {runtime + QStringLiteral("/vorkelclocks.lock"),
                               dir.filePath(QStringLiteral("config/vorkelclocks.lock"))};
    if (leftOver) {
        QFile file(paths[0]);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(::mount("tmpfs", folder.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=8k"), 0);
    {
        const TSingleInstance firstCopy(paths);
        QVERIFY(firstCopy.First());
        QVERIFY(!TSingleInstance(paths).First());
    }
    QVERIFY(TSingleInstance(paths).First());
    QCOMPARE(QFile::exists(paths[1]), !leftOver);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
