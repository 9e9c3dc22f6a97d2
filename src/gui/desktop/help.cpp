#include "help.h"

#include <QCursor>
#include <QFile>
#include <QHash>
#include <QWhatsThis>

namespace {
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

QString LocalizedPage(const QString &folder, const QString &page, const QLocale &locale)
{
    const QString translated = QLocale::languageToCode(locale.language()) + u'/' + page;
    return QFile::exists(folder + translated) ? translated : page;
}

QString LocalizedHelpPage(const QString &page, const QLocale &locale)
{
    return LocalizedPage(QStringLiteral(":/help/"), page, locale);
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
