#include "tools/Einstellungen.h"

#include "core/common/Text.h"
#include "core/settings/Grundeinstellungen.h"
#include "tools/Steuerelemente.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulo {

namespace {
QPushButton* knopf(const char* name, const QString& text) {
    auto* k = new QPushButton(text);
    k->setObjectName(QString::fromLatin1(name));
    return k;
}

QLineEdit* zahlFeld(const char* name, int laenge, const QString& muster) {
    auto* feld = new QLineEdit;
    feld->setObjectName(QString::fromLatin1(name));
    feld->setMaxLength(laenge);
    feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(muster) + 16);
    return feld;
}

QLabel* text(const QString& inhalt, bool umbrechen = false) {
    auto* l = new QLabel(inhalt);
    l->setWordWrap(umbrechen);
    return l;
}
} // namespace

Einstellungen::Einstellungen(EinstellungsSpeicher& speicher) : m_speicher(speicher) {
    setObjectName(QStringLiteral("Einstellungen"));
    setWindowTitle(QStringLiteral("Einstellungen"));

    auto* label1 =
        text(QStringLiteral("Die meisten Einstellungen k\u00f6nnen im Programm zur Laufzeit vorgenommen "
                            "werden - diese sind derzeit hier noch nicht einstellbar."),
             true);

    auto* frame1 = new QGroupBox(QStringLiteral("Telegrammvorlauf"));
    frame1->setObjectName(QStringLiteral("Frame1"));
    TgMin = zahlFeld("TgMin", 2, QStringLiteral("000"));
    TgMax = zahlFeld("TgMax", 2, QStringLiteral("000"));
    TgVlSetzen = knopf("TgVlSetzen", QStringLiteral("Setzen"));
    TgVlLoeschen = knopf("TgVlLoeschen", QStringLiteral("L\u00f6schen/Default"));
    auto* werte = new QGridLayout;
    werte->addWidget(text(QStringLiteral("Minimum:")), 0, 0);
    werte->addWidget(TgMin, 0, 1);
    werte->addWidget(text(QStringLiteral("Bits")), 0, 2);
    werte->addWidget(text(QStringLiteral("Maximum:")), 1, 0);
    werte->addWidget(TgMax, 1, 1);
    werte->addWidget(text(QStringLiteral("Bits")), 1, 2);
    werte->setColumnStretch(3, 1);
    werte->addWidget(TgVlSetzen, 0, 4);
    werte->addWidget(TgVlLoeschen, 1, 4);
    auto* vorlauf = new QVBoxLayout(frame1);
    vorlauf->addLayout(werte);
    vorlauf->addWidget(
        text(QStringLiteral("Diese Werte sollte man nur \u00e4ndern, wenn man wei\u00df, was man tut! "
                            "Default sind 7 und 19 Bits."),
             true));

    auto* frame2 = new QGroupBox(QStringLiteral("Spaltenbreite 5 Ton Fenster"));
    frame2->setObjectName(QStringLiteral("Frame2"));
    Spaltenbreite = zahlFeld("Spaltenbreite", 4, QStringLiteral("00000"));
    SpBrSetzen = knopf("SpBrSetzen", QStringLiteral("Setzen"));
    SpBrLoeschen = knopf("SpBrLoeschen", QStringLiteral("L\u00f6schen/Default"));
    auto* breite = new QGridLayout(frame2);
    breite->addWidget(Spaltenbreite, 0, 0);
    breite->addWidget(text(QStringLiteral("Sinnvoll ist z.B. 2360. Default-Wert: 758")), 1, 0, 1, 2);
    breite->setColumnStretch(1, 1);
    breite->addWidget(SpBrSetzen, 0, 2);
    breite->addWidget(SpBrLoeschen, 1, 2);

    Uebernehmen = knopf("Uebernehmen", QStringLiteral("\u00dcbernehmen"));
    Abbrechen = knopf("Abbrechen", QStringLiteral("Abbrechen"));
    Abbrechen->setShortcut(Qt::Key_Escape);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(Uebernehmen);
    knoepfe->addWidget(Abbrechen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(label1);
    spalte->addWidget(frame1);
    spalte->addWidget(frame2);
    spalte->addLayout(knoepfe);
    setFixedWidth(440);

    connect(TgVlSetzen, &QPushButton::clicked, this, &Einstellungen::TgVlSetzen_Click);
    connect(TgVlLoeschen, &QPushButton::clicked, this, &Einstellungen::TgVlLoeschen_Click);
    connect(SpBrSetzen, &QPushButton::clicked, this, &Einstellungen::SpBrSetzen_Click);
    connect(SpBrLoeschen, &QPushButton::clicked, this, &Einstellungen::SpBrLoeschen_Click);
    connect(Uebernehmen, &QPushButton::clicked, this, &Einstellungen::Uebernehmen_Click);
    connect(Abbrechen, &QPushButton::clicked, this, &Einstellungen::Abbrechen_Click);
}

void Einstellungen::anzeigen(const QList<QWidget*>& sperren) {
    const Telegrammvorlauf vorlauf = vorlaufLesen(m_speicher);
    textZeigen(TgMin, zahlText(vorlauf.min), 2);
    textZeigen(TgMax, zahlText(vorlauf.max), 2);
    textZeigen(Spaltenbreite, spaltenbreiteLesen(m_speicher), 4);
    oeffnen(sperren);
}

void Einstellungen::TgVlSetzen_Click() {
    const VorlaufKorrektur k = vorlaufKorrigieren(TgMin->text(), TgMax->text());
    if (k.minimumAuf50)
        TgMin->setText(QStringLiteral("50"));
    vorlaufSpeichern(m_speicher, k.vorlauf);
}

void Einstellungen::TgVlLoeschen_Click() {
    vorlaufLoeschen(m_speicher);
}

void Einstellungen::SpBrSetzen_Click() {
    Spaltenbreite->setText(spaltenbreiteKorrigieren(Spaltenbreite->text()));
    spaltenbreiteSpeichern(m_speicher, Spaltenbreite->text());
}

void Einstellungen::SpBrLoeschen_Click() {
    spaltenbreiteLoeschen(m_speicher);
}

void Einstellungen::Uebernehmen_Click() {
    hide();
}

void Einstellungen::Abbrechen_Click() {
    hide();
}

} // namespace tabulo
