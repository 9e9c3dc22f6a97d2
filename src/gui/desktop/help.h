// The manual's pages and the context pop-ups: which page of the HTML manual
// compiled into the program a help keyword opens (shown by THelpViewer), and
// numbered pop-up texts shown with What's This.
#pragma once

#include <QLocale>
#include <QPoint>
#include <QString>

// Help commands routed through ApplicationHelp, numbered as the help hook
// of the clocks window knows them.
enum THelpCommand : int
{
    HELP_CONTEXT = 1,
    HELP_CONTEXTPOPUP = 8,
};

// The manual page of an A-keyword ("AContents", "AClockList",
// "AAppearanceAlarm"); "contents.htm" for any other.
QString HelpPageForKeyword(const QString &keyword);
// The page in the language of locale where the manual has it
// ("de/contents.htm"), else the English page itself.
QString LocalizedHelpPage(const QString &page, const QLocale &locale = QLocale());
// The same for a page in any resource folder (":/" for "de/about.htm").
QString LocalizedPage(const QString &folder, const QString &page,
                      const QLocale &locale = QLocale());
// The pop-up text of a context topic; empty for an unknown topic.
QString ContextPopupText(int topic);
// Shows a topic's pop-up at a screen position; nothing for an unknown topic.
void ShowContextPopup(int topic, const QPoint &globalPos);

// The application's help hook: HELP_CONTEXTPOPUP shows topic `data` at the
// pointer. Returns true when the request was handled; other commands are
// left to the caller.
bool ApplicationHelp(int command, long long data);
