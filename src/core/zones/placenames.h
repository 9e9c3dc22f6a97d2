// The names that a language gives places, from the translated catalogues of
// Debian's libgeonames-common (GeoNames cities keyed by GeoNames id, countries
// by ISO code) and iso-codes (countries and their subdivisions, keyed by their
// English names).
#pragma once

#include "mocatalogue.h"

#include <QByteArrayView>
#include <QStringList>
#include <memory>
#include <vector>

class TPlaceNames
{
public:
    // The catalogues of these locale folders ("de_AT", "de"), under root; for
    // each name the first folder that translates it wins, as with gettext.
    explicit TPlaceNames(const QStringList &folders, const QString &root = DefaultRoot);
    // Those of the user's interface languages; null when the first of them is
    // English, whose names the place table holds already.
    static std::unique_ptr<TPlaceNames> ForUserLanguage();
    // The locale folders for interface languages as QLocale::uiLanguages
    // gives them ("de-AT" → "de_AT", "de"), up to the first English one.
    static QStringList Folders(const QStringList &uiLanguages);

    // True when none of the catalogues was found.
    bool IsEmpty() const;
    // Each name is the translation's UTF-8, empty when there is none; it
    // points into the catalogue, valid while this object lives.
    // A city by its GeoNames id.
    QByteArrayView City(quint32 geonamesId) const;
    // A country by its code ("AT"), or anything else GeoNames keys by text.
    QByteArrayView GeoName(QByteArrayView key) const;
    QByteArrayView Country(QByteArrayView englishName) const;
    QByteArrayView Subdivision(QByteArrayView englishName) const;

    static inline const QString DefaultRoot = QStringLiteral("/usr/share/locale");

private:
    void IndexCities();
    static QByteArrayView First(const std::vector<TMoCatalogue> &catalogues,
                                QByteArrayView message);

    std::vector<TMoCatalogue> FGeoNames;
    // The cities' names by GeoNames id in a table of their own, open
    // addressing over a power of two of slots (id 0 marks an empty one): a
    // search looks up every city of its place table, which hashing each id's
    // text into the catalogues made several times slower.
    std::vector<quint32> FCityIds;
    std::vector<QByteArrayView> FCityNames;
    static size_t CitySlot(quint32 id, size_t slots);
    std::vector<TMoCatalogue> FCountries;
    std::vector<TMoCatalogue> FSubdivisions;
};
