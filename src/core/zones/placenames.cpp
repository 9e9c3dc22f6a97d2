#include "placenames.h"

#include <QLocale>

using namespace Qt::StringLiterals;

TPlaceNames::TPlaceNames(const QStringList &folders, const QString &root)
{
    for (const QString &folder : folders) {
        const QString messages = root + u'/' + folder + u"/LC_MESSAGES/"_s;
        for (auto [catalogues, file] :
             {std::pair{&FGeoNames, u"geonames.mo"_s}, std::pair{&FCountries, u"iso_3166-1.mo"_s},
              std::pair{&FSubdivisions, u"iso_3166-2.mo"_s}}) {
            TMoCatalogue catalogue(messages + file);
            if (!catalogue.IsEmpty()) {
                catalogues->push_back(std::move(catalogue));
            }
        }
    }
    IndexCities();
}

size_t TPlaceNames::CitySlot(quint32 id, size_t slots)
{
    // Fibonacci hashing: ids of neighbouring places differ in their low digits.
    return size_t((quint64(id) * 0x9e3779b97f4a7c15ULL) >> 32) & (slots - 1);
}

void TPlaceNames::IndexCities()
{
    size_t count = 0;
    for (const TMoCatalogue &catalogue : FGeoNames) {
        count += catalogue.Count();
    }
    size_t slots = 16;
    while (slots < 2 * count) {
        slots *= 2;
    }
    FCityIds.assign(slots, 0);
    FCityNames.assign(slots, {});
    // In folder order: a name already there is the earlier folder's.
    for (const TMoCatalogue &catalogue : FGeoNames) {
        for (quint32 i = 0; i < catalogue.Count(); ++i) {
            bool number = false;
            const quint32 id = catalogue.Original(i).toUInt(&number);
            const QByteArrayView name = catalogue.Translation(i);
            if (!number || id == 0 || name.isEmpty()) {
                continue;
            }
            size_t slot = CitySlot(id, slots);
            while (FCityIds[slot] != 0 && FCityIds[slot] != id) {
                slot = (slot + 1) & (slots - 1);
            }
            if (FCityIds[slot] == 0) {
                FCityIds[slot] = id;
                FCityNames[slot] = name;
            }
        }
    }
}

std::unique_ptr<TPlaceNames> TPlaceNames::ForUserLanguage()
{
    const QStringList folders = Folders(QLocale().uiLanguages());
    if (folders.isEmpty()) {
        return nullptr;
    }
    return std::make_unique<TPlaceNames>(folders);
}

QStringList TPlaceNames::Folders(const QStringList &uiLanguages)
{
    QStringList folders;
    for (const QString &language : uiLanguages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
            break;
        }
        // gettext's folders name a language and perhaps its territory, never
        // the script that QLocale puts between them ("zh-Hans-CN").
        const QString code = QLocale::languageToCode(locale.language());
        QStringList candidates;
        if (locale.territory() != QLocale::AnyTerritory && language.contains(u'-')) {
            candidates << code + u'_' + QLocale::territoryToCode(locale.territory());
        }
        candidates << code;
        for (const QString &folder : std::as_const(candidates)) {
            if (!folders.contains(folder)) {
                folders << folder;
            }
        }
    }
    return folders;
}

bool TPlaceNames::IsEmpty() const
{
    return FGeoNames.empty() && FCountries.empty() && FSubdivisions.empty();
}

QByteArrayView TPlaceNames::First(const std::vector<TMoCatalogue> &catalogues,
                                  QByteArrayView message)
{
    // An empty message is the catalogue's header, not a name.
    if (message.isEmpty()) {
        return {};
    }
    for (const TMoCatalogue &catalogue : catalogues) {
        const QByteArrayView found = catalogue.Find(message);
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

QByteArrayView TPlaceNames::City(quint32 geonamesId) const
{
    if (FCityIds.empty() || geonamesId == 0) {
        return {};
    }
    const size_t slots = FCityIds.size();
    for (size_t slot = CitySlot(geonamesId, slots); FCityIds[slot] != 0;
         slot = (slot + 1) & (slots - 1)) {
        if (FCityIds[slot] == geonamesId) {
            return FCityNames[slot];
        }
    }
    return {};
}

QByteArrayView TPlaceNames::GeoName(QByteArrayView key) const
{
    return First(FGeoNames, key);
}

QByteArrayView TPlaceNames::Country(QByteArrayView englishName) const
{
    return First(FCountries, englishName);
}

QByteArrayView TPlaceNames::Subdivision(QByteArrayView englishName) const
{
    return First(FSubdivisions, englishName);
}
