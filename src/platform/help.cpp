#include "help.h"

#include "platform/windowfront.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QWhatsThis>

namespace {
QPointer<QTextBrowser> viewer;

const QHash<int, QString> &PopupTexts()
{
    // Read once from the compiled-in table of the user's language (English
    // where there is none): "topic<TAB>text" lines.
    static const QHash<int, QString> texts = [] {
        QHash<int, QString> table;
        QFile file(QStringLiteral(":/help/") +
                   LocalizedHelpPage(QStringLiteral("popups.txt"), QLocale()));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return table;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (line.startsWith(u'#'))
                continue;
            const qsizetype tab = line.indexOf(u'\t');
            bool ok = false;
            const int topic = line.left(tab).toInt(&ok);
            if (tab > 0 && ok)
                table.insert(topic, line.mid(tab + 1).trimmed());
        }
        return table;
    }();
    return texts;
}
} // namespace

QString HelpPageForKeyword(const QString &keyword)
{
    static const QHash<QString, QString> pages = {
        {QStringLiteral("AContents"), QStringLiteral("contents.htm")},
        {QStringLiteral("AClockList"), QStringLiteral("clocklist.htm")},
        {QStringLiteral("AAppearanceAlarm"), QStringLiteral("appearance.htm")},
    };
    return pages.value(keyword, QStringLiteral("contents.htm"));
}

QString LocalizedHelpPage(const QString &page, const QLocale &locale)
{
    const QString translated = QLocale::languageToCode(locale.language()) + u'/' + page;
    return QFile::exists(QStringLiteral(":/help/") + translated) ? translated : page;
}

void ShowHelpTopic(const QString &keyword)
{
    if (viewer.isNull()) {
        // A top-level window of its own; deleted when the user closes it.
        viewer = new QTextBrowser();
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        // A top-level window has no parent to free it: the application does
        // at its end if the user left the manual open.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer, &QObject::deleteLater);
        viewer->setWindowTitle(QCoreApplication::translate("ShowHelpTopic", "Vorkel Clocks Help"));
        viewer->setOpenExternalLinks(true);
        viewer->setSearchPaths({QStringLiteral(":/help")});
        // One style for every page: the viewer ignores linked style sheets.
        QFile css(QStringLiteral(":/help/style.css"));
        if (css.open(QIODevice::ReadOnly))
            viewer->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
        const QFontMetrics fm(viewer->font());
        viewer->resize(fm.averageCharWidth() * 80, fm.height() * 36);
    }
    viewer->setSource(
        QUrl(QStringLiteral("qrc:/help/") + LocalizedHelpPage(HelpPageForKeyword(keyword))));
    ReturnActivationOnHide(*viewer);
    BringToFront(*viewer);
}

QTextBrowser *HelpViewer()
{
    return viewer.data();
}

QString ContextPopupText(int topic)
{
    return PopupTexts().value(topic);
}

void ShowContextPopup(int topic, const QPoint &globalPos)
{
    const QString text = ContextPopupText(topic);
    if (!text.isEmpty())
        QWhatsThis::showText(globalPos, text);
}

bool ApplicationHelp(int command, long long data)
{
    switch (command) {
    case HELP_CONTEXTPOPUP:
        ShowContextPopup(static_cast<int>(data), QCursor::pos());
        return true;
    default:
        return false;
    }
}
