#include "plaintooltip.h"

#include <QTextDocument>

QString PlainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    // Spaces kept as they are: a rich tip would otherwise be wrapped.
    return Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}
