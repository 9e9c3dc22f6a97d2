#include "vorkelresources.h"

#include <QFile>
#include <QString>
#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE declares a function in the enclosing namespace, so it must
// be expanded at global scope, outside any namespace of ours.
static void InitVorkelResources()
{
    Q_INIT_RESOURCE(vorkel);
}

void EnsureVorkelResources()
{
    static const bool registered = [] {
        InitVorkelResources();
        return true;
    }();
    Q_UNUSED(registered)
}

QIcon TrayIconPicture()
{
    const QString picture = QStringLiteral(":/trayxp.ico");
    if (!QFile::exists(picture))
        return {};
    QIcon icon(picture);
    // Trays here are often 22 or 24 pixels high, and screens denser than
    // 96 dpi: the same picture drawn larger stays sharp there.
    for (const int size : {22, 24, 32, 48, 64}) {
        const QString larger = QStringLiteral(":/icons/trayxp-%1.png").arg(size);
        if (QFile::exists(larger))
            icon.addFile(larger, QSize(size, size));
    }
    return icon;
}
