// Tool tips that carry the user's words.
#pragma once

#include <QString>

// The text as a tool tip shows it letter for letter: Qt takes a tip that
// starts like HTML for HTML, so a clock titled "<b>HQ</b>" would lose its
// tags and "<img src=…>" would load a picture.
QString PlainToolTip(const QString &text);
