#include "core/system/singleinstance.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopy_data();
    void secondCopy();
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

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
