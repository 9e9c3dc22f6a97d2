#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
bool Install(QCoreApplication &app, const QLocale &locale, const QString &name,
             const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}
} // namespace

bool InstallTranslations(QCoreApplication &app, const QLocale &locale)
{
    // Qt's own come from the system's Qt, so they follow its version.
    Install(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return Install(app, locale, QStringLiteral("vorkelclocks"), QStringLiteral(":/i18n"));
}
