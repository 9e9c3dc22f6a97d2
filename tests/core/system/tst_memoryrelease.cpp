#include "core/system/memoryrelease.h"

#include <QFile>
#include <QTest>
#include <array>
#include <numeric>
#include <unistd.h>

namespace {

// Read-only data in the test's image, as the compiled-in resources are in the
// program's; not zeros, so it is stored in the file rather than made empty.
constexpr std::size_t ImageBytes = 16 * 4096 + 512;
alignas(4096) constexpr auto Image = [] {
    std::array<unsigned char, ImageBytes> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 1);
    return bytes;
}();

// Reads every byte, which the compiler could otherwise take from the constant.
unsigned Sum()
{
    const volatile unsigned char *bytes = Image.data();
    unsigned sum = 0;
    for (std::size_t i = 0; i < ImageBytes; ++i)
        sum += bytes[i];
    return sum;
}

// Whether the page holding p is mapped into the process now.
bool Resident(const unsigned char *p)
{
    QFile pagemap(QStringLiteral("/proc/self/pagemap"));
    if (!pagemap.open(QIODevice::ReadOnly))
        return true;
    const auto page = reinterpret_cast<quintptr>(p) / static_cast<quintptr>(sysconf(_SC_PAGESIZE));
    quint64 entry = 0;
    pagemap.seek(static_cast<qint64>(page * sizeof entry));
    pagemap.read(reinterpret_cast<char *>(&entry), sizeof entry);
    return (entry >> 63) != 0;
}

} // namespace

class TestMemoryRelease : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dropImagePages_data();
    void dropImagePages();
};

void TestMemoryRelease::dropImagePages_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("kept");    // a byte on a partial page, which must stay mapped
    QTest::addColumn<int>("dropped"); // a byte on a whole page, or -1
    QTest::newRow("whole pages") << 0 << 16 * 4096 << 16 * 4096 << 5 * 4096;
    QTest::newRow("ends inside pages") << 100 << 4 * 4096 << 50 << 2 * 4096;
    QTest::newRow("less than a page") << 10 << 3000 << 20 << -1;
    QTest::newRow("nothing") << 0 << 0 << 0 << -1;
}

void TestMemoryRelease::dropImagePages()
{
    QFETCH(int, from);
    QFETCH(int, size);
    QFETCH(int, kept);
    QFETCH(int, dropped);
    const unsigned expected = std::accumulate(Image.begin(), Image.end(), 0u);
    QCOMPARE(Sum(), expected); // every page read in
    DropImagePages(Image.data() + from, static_cast<std::size_t>(size));
    QVERIFY(Resident(Image.data() + kept));
    if (dropped >= 0)
        QVERIFY(!Resident(Image.data() + dropped));
    // The data reads back unchanged from the file.
    QCOMPARE(Sum(), expected);
}

QTEST_APPLESS_MAIN(TestMemoryRelease)
#include "tst_memoryrelease.moc"
