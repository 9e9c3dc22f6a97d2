// Prints what a keystroke in the options dialog's search box costs from the
// text changing to the zone list repainted, beside the search alone in the
// same run, so what the list adds shows. Runs on any Qt platform; offscreen
// unless QT_QPA_PLATFORM says otherwise.
#include "options/zonelistmodel.h"
#include "options/zonesearchbox.h"
#include "timezones/tzhelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QListView>
#include <QVBoxLayout>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

template <typename F> double PerKeystrokeMs(const QString &word, int repeats, F &&type)
{
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < repeats; ++r) {
        for (qsizetype n = 1; n <= word.size(); ++n) {
            type(word.left(n));
        }
    }
    return double(timer.nsecsElapsed()) / 1e6 / double(repeats * word.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    TTimeZoneList zones;
    zones.LoadFromZoneFile(QStringLiteral(VORKEL_RESOURCES "/zones.ini"));

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *regions = new QComboBox(&window);
    regions->addItems({u"Africa"_s, u"America"_s, u"Asia"_s, u"Europe"_s});
    auto *box = new TZoneSearchBox(&window);
    auto *list = new QListView(&window);
    list->setUniformItemSizes(true);
    auto *model = new TZoneListModel(&window);
    auto *shown = new TZoneFilterModel(model, &window);
    model->SetZones(&zones);
    list->setModel(shown);
    layout->addWidget(regions);
    layout->addWidget(box);
    layout->addWidget(list);
    box->Bind(regions, list, shown);
    box->SetZones(zones);
    window.resize(260, 200);
    window.show();
    QCoreApplication::processEvents();

    const TZoneSearch search(zones);
    std::printf("place table: %lld bytes, %d places (%d zones)\n",
                static_cast<long long>(search.TableBytes()), search.PlaceCount(), zones.Count());
    std::printf("%-16s %14s %14s   (ms per keystroke, typed letter by letter)\n", "typed",
                "search box", "search alone");
    const QStringList words = {u"mumbai"_s, u"san francisco"_s, u"united states"_s,
                               u"pst"_s,    u"zürich"_s,        u"s"_s};
    size_t sink = 0;
    for (const QString &word : words) {
        const double whole = PerKeystrokeMs(word, 50, [&](const QString &text) {
            box->setText(text);
            list->viewport()->repaint();
            QCoreApplication::processEvents();
        });
        box->clear();
        const double alone = PerKeystrokeMs(
            word, 50, [&](const QString &text) { sink += search.Find(text).size(); });
        std::printf("%-16s %14.3f %14.3f\n", qPrintable(word), whole, alone);
    }
    return sink == size_t(-1) ? 1 : 0;
}
