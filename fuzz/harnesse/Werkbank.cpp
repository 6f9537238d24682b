#include "Werkbank.h"

#include "core/common/Text.h"
#include "core/files/Ansi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

namespace tabulo::fuzz {

QString arbeitsordner() {
    static QTemporaryDir ordner;
    if (!ordner.isValid())
        std::abort();
    return ordner.path();
}

Fahrzeug bekannt(const char* kennung, const char* rufname, const char* stat) {
    Fahrzeug f;
    f.kennung = QString::fromLatin1(kennung);
    f.rufname = QString::fromLatin1(rufname);
    f.stat = QString::fromLatin1(stat);
    f.zeit = QStringLiteral("00:00:00");
    f.folgetelegramm = QStringLiteral("00");
    return f;
}

QString wieImBuendel(const QString& text) {
    QString t = TextErsetzen(text, u"\"", u"'");
    for (QChar& c : t)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return ansiNachText(textNachAnsi(t));
}

QString dateiAblegen(const QString& name, QByteArrayView daten) {
    const QString pfad = QDir(arbeitsordner()).filePath(name);
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        datei.write(daten.data(), daten.size()) != daten.size())
        std::abort();
    return pfad;
}

ImArbeitsordner::ImArbeitsordner() : m_vorher(QDir::currentPath()) {
    QDir::setCurrent(arbeitsordner());
}
ImArbeitsordner::~ImArbeitsordner() {
    QDir::setCurrent(m_vorher);
}

test::SkriptRueckfrage antwortet(Antwort antwort) {
    test::SkriptRueckfrage r;
    r.antworten.assign(4, antwort);
    return r;
}

int meldungen(const test::SkriptRueckfrage& r) {
    return static_cast<int>(std::count_if(r.fragen.begin(), r.fragen.end(),
                                          [](const auto& f) { return f.knoepfe == Knoepfe::Ok; }));
}

int fragen(const test::SkriptRueckfrage& r) {
    return static_cast<int>(r.fragen.size()) - meldungen(r);
}

Antwort antwortAus(quint8 wahl) {
    switch (wahl % 3) {
    case 0:
        return Antwort::Ja;
    case 1:
        return Antwort::Nein;
    default:
        return Antwort::Abbrechen;
    }
}

} // namespace tabulo::fuzz
