#include "cli/Darstellung.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tabulo::cli {

QString jsonText(const QString& text) {
    QString aus;
    aus.reserve(text.size() + 2);
    aus += QLatin1Char('"');
    for (QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            aus += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            aus += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            aus += QLatin1String("\\r");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            aus += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            aus += c;
    }
    aus += QLatin1Char('"');
    return aus;
}

static QString wertText(const Feldwert& f) {
    return f.zahl ? f.wert : jsonText(f.wert);
}

QString alsText(const Satzliste& liste) {
    QString aus;
    for (size_t i = 0; i < liste.saetze.size(); ++i) {
        aus += QStringLiteral("%1 %2\n").arg(satzWort(liste.art)).arg(i + 1);
        for (const Feldwert& f : liste.saetze[i])
            aus += QStringLiteral("  %1 %2\n").arg(f.name, -16).arg(wertText(f));
    }
    if (!liste.rest.isEmpty())
        aus += QStringLiteral("Rest (kein ganzer Satz): %1\n").arg(jsonText(liste.rest));
    return aus;
}

static QString csvFeld(const QString& text) {
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QString alsCsv(const Satzliste& liste) {
    // The header names the fields of the first record; bundle lines that are not three fields put
    // their text under the same columns.
    QStringList kopf{satzWort(liste.art).toLower()};
    if (liste.art == Tabelle::Einstellungen)
        kopf << QStringLiteral("sektion") << QStringLiteral("schluessel") << QStringLiteral("wert");
    else if (!liste.saetze.empty())
        for (const Feldwert& f : liste.saetze.front())
            kopf << f.name;
    QString aus = kopf.join(QLatin1Char(';')) + QLatin1Char('\n');
    for (size_t i = 0; i < liste.saetze.size(); ++i) {
        QStringList zeile{QString::number(i + 1)};
        for (const Feldwert& f : liste.saetze[i])
            if (f.name != QLatin1String("ende"))
                zeile << csvFeld(f.wert);
        aus += zeile.join(QLatin1Char(';')) + QLatin1Char('\n');
    }
    return aus;
}

QString alsJson(const Satzliste& liste) {
    const QString schluessel =
        liste.art == Tabelle::Einstellungen ? QStringLiteral("zeilen") : QStringLiteral("saetze");
    QString aus = QStringLiteral("{\n  \"art\": \"%1\",\n  \"%2\": [").arg(artWort(liste.art), schluessel);
    for (size_t i = 0; i < liste.saetze.size(); ++i) {
        aus += i == 0 ? QStringLiteral("\n    {") : QStringLiteral(",\n    {");
        bool erstes = true;
        for (const Feldwert& f : liste.saetze[i]) {
            aus += (erstes ? QString() : QStringLiteral(", ")) + jsonText(f.name) + QStringLiteral(": ") +
                   wertText(f);
            erstes = false;
        }
        aus += QLatin1Char('}');
    }
    aus += liste.saetze.empty() ? QStringLiteral("]") : QStringLiteral("\n  ]");
    if (!liste.rest.isEmpty())
        aus += QStringLiteral(",\n  \"rest\": ") + jsonText(liste.rest);
    return aus + QStringLiteral("\n}\n");
}

std::optional<Satzliste> ausJson(const QByteArray& json, std::optional<Tabelle> art,
                                 std::optional<Tabelle> ersatz, QString& fehler) {
    QJsonParseError lesefehler;
    const QJsonDocument dok = QJsonDocument::fromJson(json, &lesefehler);
    if (dok.isNull() || !dok.isObject()) {
        fehler = dok.isNull() ? QStringLiteral("kein g\u00fcltiges JSON (%1 bei Zeichen %2)")
                                    .arg(lesefehler.errorString())
                                    .arg(lesefehler.offset)
                              : QStringLiteral("das JSON ist kein Objekt");
        return std::nullopt;
    }
    const QJsonObject wurzel = dok.object();
    if (wurzel.contains(QLatin1String("art"))) {
        const auto eigene = artAusWort(wurzel.value(QLatin1String("art")).toString());
        if (!eigene || (art && *art != *eigene)) {
            fehler = QStringLiteral("das JSON ist von der Art %1")
                         .arg(jsonText(wurzel.value(QLatin1String("art")).toString()));
            if (art)
                fehler += QStringLiteral(", nicht %1").arg(artWort(*art));
            return std::nullopt;
        }
        art = eigene;
    }
    if (!art)
        art = ersatz;
    if (!art) {
        fehler = QStringLiteral("die Art der Datei ist unbekannt; bitte --art angeben");
        return std::nullopt;
    }
    Satzliste liste;
    liste.art = *art;
    const QString schluessel =
        *art == Tabelle::Einstellungen ? QStringLiteral("zeilen") : QStringLiteral("saetze");
    const QJsonValue saetze = wurzel.value(schluessel);
    if (!saetze.isArray()) {
        fehler = QStringLiteral("die Liste \"%1\" fehlt").arg(schluessel);
        return std::nullopt;
    }
    for (const QJsonValue& s : saetze.toArray()) {
        if (!s.isObject()) {
            fehler = QStringLiteral("%1 %2 ist kein Objekt").arg(satzWort(*art)).arg(liste.saetze.size() + 1);
            return std::nullopt;
        }
        Satz satz;
        const QJsonObject objekt = s.toObject();
        for (auto it = objekt.begin(); it != objekt.end(); ++it) {
            const bool zahl = it.value().isDouble();
            satz.push_back({it.key(),
                            zahl ? QString::number(it.value().toDouble(), 'g', 17) : it.value().toString(),
                            zahl});
            if (!zahl && !it.value().isString()) {
                fehler = QStringLiteral("%1 %2: %3 ist weder Text noch Zahl")
                             .arg(satzWort(*art))
                             .arg(liste.saetze.size() + 1)
                             .arg(it.key());
                return std::nullopt;
            }
        }
        liste.saetze.push_back(std::move(satz));
    }
    liste.rest = wurzel.value(QLatin1String("rest")).toString();
    return liste;
}

} // namespace tabulo::cli
