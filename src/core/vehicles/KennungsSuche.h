#pragma once

#include "core/common/TextIndex.h"

#include <QString>
#include <QStringView>

namespace tabulo {

// Answers "does this identifier occur in the text as a substring" (ordinal, case-sensitive),
// exactly as a plain search would, but for thousands of questions against one text: every
// window of the usual identifier length is kept in an index. Other lengths fall back to the
// plain search.
class KennungsSuche {
public:
    explicit KennungsSuche(QString text, qsizetype fensterLaenge = 8);
    KennungsSuche(const KennungsSuche&) = delete;
    KennungsSuche& operator=(const KennungsSuche&) = delete;

    bool enthaelt(QStringView kennung) const;
    const QString& text() const { return m_text; }

private:
    struct Fenster {
        const KennungsSuche* suche;
        QStringView operator()(int anfang) const {
            return QStringView(suche->m_text).sliced(anfang, suche->m_laenge);
        }
    };
    QString m_text;
    qsizetype m_laenge;
    TextIndex<Fenster> m_fenster;
};

} // namespace tabulo
