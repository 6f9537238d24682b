#include "core/check/Kennungsklartext.h"

#include "core/common/Text.h"

namespace tabulo {

Kennungsform kennungsform(QStringView kennung) {
    if (kennung.size() != 8)
        return Kennungsform::Ungueltig;
    bool klein = false;
    for (QChar c : kennung) {
        if (hexZiffer(c) < 0)
            return Kennungsform::Ungueltig;
        klein = klein || c.isLower();
    }
    return klein ? Kennungsform::Kleinbuchstaben : Kennungsform::Gueltig;
}

static QString ortsSchluessel(int bos, QStringView loo) {
    return hexZeichen(bos) + loo.toString().toUpper();
}

Kennungsklartext::Kennungsklartext(const Pruefgut& gut) : m_gut(gut) {
    if (!gut.orte)
        return;
    for (const Pruefgut::Ort& o : *gut.orte)
        for (int d = 0; d < 16; ++d)
            if (o.maske & (1u << d)) {
                const QString schluessel = ortsSchluessel(d, o.loo);
                if (!m_orte.contains(schluessel)) // the first entry names the place, as in the editor
                    m_orte.insert(schluessel, o.name);
            }
}

QString Kennungsklartext::ortsname(int bos, QStringView loo) const {
    return m_orte.value(ortsSchluessel(bos, loo));
}

QString Kennungsklartext::operator()(QStringView kennung) const {
    if (kennungsform(kennung) == Kennungsform::Ungueltig)
        return {};
    const QString k = kennung.toString().toUpper();
    const int bos = hexZiffer(k[0]);
    const int land = hexZiffer(k[1]);
    const QString ort = ortsname(bos, QStringView(k).sliced(1, 3));
    return QStringLiteral("%1 = BOS %2 (%3), Land %4 (%5), Ort %6 (%7), Fahrzeug %8")
        .arg(kennung, k.left(1), m_gut.bosName[bos], k.mid(1, 1), m_gut.landName[land], k.mid(2, 2),
             ort.isEmpty() ? QStringLiteral("kein Ortsname") : ort, k.mid(4));
}

} // namespace tabulo
