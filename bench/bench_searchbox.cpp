// Prints what a keystroke in the options dialog's search box costs from the
// text changing to the dialog repainted (the zone list; the info box follows
// once typing pauses), beside the search alone in the same run, so what the
// dialog adds shows. Runs on any Qt
// platform; offscreen unless QT_QPA_PLATFORM says otherwise.
#include "core/settings/settings.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonesearch.h"
#include "gui/options/zoneform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
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

// The same for the dialog, each word typed into an empty box, the emptying
// not counted.
double DialogKeystrokeMs(QLineEdit *box, const QString &word, int repeats)
{
    qint64 nsecs = 0;
    QElapsedTimer timer;
    for (int r = 0; r < repeats; ++r) {
        box->clear();
        QCoreApplication::processEvents();
        for (qsizetype n = 1; n <= word.size(); ++n) {
            timer.start();
            box->setText(word.left(n));
            // Paints what the text changed, as the next turn of the event loop would.
            QCoreApplication::processEvents();
            nsecs += timer.nsecsElapsed();
        }
    }
    return double(nsecs) / 1e6 / double(repeats * word.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QString zoneFile = QStringLiteral(VORKEL_RESOURCES "/zones.ini");
    TTimeZoneList zones;
    zones.LoadFromZoneFile(zoneFile);
    // No clocks of the user's own.
    const QTemporaryDir dir;
    SetSettingsFileName(dir.filePath(u"Clocks.ini"_s));

    auto *form = new TZoneForm(zoneFile); // deleted when closed
    form->show();
    QCoreApplication::processEvents();
    auto *box = form->findChild<QLineEdit *>(u"EditZoneSearch"_s);
    auto *list = form->findChild<QListView *>(u"LstZones"_s);
    if (box == nullptr || list == nullptr) {
        std::fprintf(stderr, "no search box or zone list in the options dialog\n");
        return 1;
    }
    // Typed by a user: the box has the focus.
    form->activateWindow();
    box->setFocus();
    QCoreApplication::processEvents();
    if (!box->hasFocus()) {
        std::fprintf(stderr, "the search box did not take the focus\n");
        return 1;
    }

    const TZoneSearch search(zones);
    std::printf("place table: %lld bytes, %d places (%d zones)\n",
                static_cast<long long>(search.TableBytes()), search.PlaceCount(), zones.Count());
    std::printf("%-16s %14s %14s   (ms per keystroke, typed letter by letter)\n", "typed", "dialog",
                "search alone");
    const QStringList words = {u"mumbai"_s, u"san francisco"_s, u"united states"_s,
                               u"pst"_s,    u"zürich"_s,        u"s"_s};
    size_t sink = 0;
    for (const QString &word : words) {
        const double whole = DialogKeystrokeMs(box, word, 50);
        const double alone = PerKeystrokeMs(
            word, 50, [&](const QString &text) { sink += search.Find(text).size(); });
        std::printf("%-16s %14.3f %14.3f\n", qPrintable(word), whole, alone);
    }
    form->close();
    return sink == size_t(-1) ? 1 : 0;
}
