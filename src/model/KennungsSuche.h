#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <unordered_set>

namespace tabulo {

// Answers "does this identifier occur in the text as a substring" (ordinal, case-sensitive),
// exactly as a plain search would, but for thousands of questions against one text: every
// window of the usual identifier length is kept in a hash set. Other lengths fall back to the
// plain search.
class KennungsSuche {
public:
    explicit KennungsSuche(QString text, qsizetype fensterLaenge = 8);
    KennungsSuche(const KennungsSuche&) = delete;
    KennungsSuche& operator=(const KennungsSuche&) = delete;

    bool enthaelt(QStringView kennung) const;
    const QString& text() const { return m_text; }

private:
    struct Streuung {
        size_t operator()(QStringView s) const noexcept { return qHash(s); }
    };
    QString m_text;
    qsizetype m_laenge;
    std::unordered_set<QStringView, Streuung> m_fenster;
};

} // namespace tabulo
