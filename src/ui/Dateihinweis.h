#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace tabulo {

// A quiet line in the corner of a window: a text, a button that acts on it and one that puts it
// away. It keeps to the bottom right corner of its parent.
class Dateihinweis : public QFrame {
    Q_OBJECT

public:
    explicit Dateihinweis(QWidget* eltern);

    void zeigen(const QString& text);
    QString text() const;
    QPushButton* neuLadenKnopf() const { return m_neuLaden; }

signals:
    void neuLaden();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void anordnen();

    QLabel* m_text;
    QPushButton* m_neuLaden;
};

} // namespace tabulo
