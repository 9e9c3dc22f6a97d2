// The manual and the context pop-ups: an in-program help viewer showing the
// HTML manual compiled into the program, opened at the page of a keyword, and
// numbered pop-up texts shown with What's This.
#pragma once

#include <QLocale>
#include <QPoint>
#include <QString>

class QTextBrowser;

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
// Opens the one help viewer window (created on first use, then reused) at
// the keyword's page and brings it to the front.
void ShowHelpTopic(const QString &keyword);
// The viewer window while it exists (tests).
QTextBrowser *HelpViewer();

// The pop-up text of a context topic; empty for an unknown topic.
QString ContextPopupText(int topic);
// Shows a topic's pop-up at a screen position; nothing for an unknown topic.
void ShowContextPopup(int topic, const QPoint &globalPos);

// The application's help hook: HELP_CONTEXTPOPUP shows topic `data` at the
// pointer. Returns true when the request was handled; other commands are
// left to the caller.
bool ApplicationHelp(int command, long long data);
