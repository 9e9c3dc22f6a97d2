// The settings file's text: INI sections of "key=value" lines, in the form
// the settings have always been stored in, so files written by earlier
// versions read the same and those written now read in them.
//
// Grammar, line by line (a line ends at LF, CR LF or CR; a "\" at its end
// continues it on the next line):
//   blank line | ";" comment | "#" comment       ignored
//   "[" section "]"                              "General" is the root, "%General" the section
//   named so key "=" value                                blanks around both are dropped
// Keys and section names escape "/" as "\" and other characters as %XX or
// %UXXXX. A value may be quoted in parts ("a;b"); "\" escapes inside it are
// those of C plus \xHH..; a ";" or "#" inside a value is part of it. A value
// starting with "@" is typed: "@@" starts a text with "@", "@String(...)" and
// "@ByteArray(...)" hold texts, "@Variant(...)" and the like hold no text.
// Lines in no other form are ignored.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

class TIniDocument
{
public:
    // Never fails: what does not parse is left out.
    static TIniDocument Parse(const QByteArray &bytes);
    // Sections in the order they were read (new ones after them, the root
    // first), keys in code-unit order; empty sections are left out.
    QByteArray Serialize() const;

    bool Contains(const QString &section, const QString &key) const;
    // nullopt when the value is missing or holds no text.
    std::optional<QString> Text(const QString &section, const QString &key) const;
    // Names of the sections, the root's (empty) among them.
    QStringList Sections() const;
    // Keys of a section, in code-unit order.
    QStringList Keys(const QString &section) const;

    void SetText(const QString &section, const QString &key, const QString &text);
    void Remove(const QString &section, const QString &key);

    // One value as it is written after "=", and back.
    static QByteArray EscapeValue(const QString &text);
    static std::optional<QString> UnescapeValue(const QByteArray &raw);

private:
    struct TSection
    {
        QString Name; // empty for the root
        // The value as it stands in the file, so a value the program does not
        // understand is written back unchanged.
        std::map<QString, QByteArray> Values;
    };

    const TSection *Find(const QString &section) const;
    TSection &Insert(const QString &section);

    std::vector<TSection> FSections;
};
