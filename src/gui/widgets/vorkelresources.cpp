#include "vorkelresources.h"

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
