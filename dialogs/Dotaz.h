#pragma once
// The question dialog of the main window: one text, an icon (help, warning, stop, information) and
// one or two buttons whose captions are set per use ("OK", "Zpět", "Exportovat", "Znovu export").
// The second button, like closing the dialog, cancels.
#include <QDialog>

#include "core/Prompter.h"

class QLabel;
class QPushButton;

namespace kex::ui {

class Dotaz : public QDialog {
    Q_OBJECT
public:
    // An empty `cancelCaption` leaves the dialog with its first button alone.
    Dotaz(QWidget* parent, const QString& text, Icon icon, const QString& okCaption, const QString& cancelCaption);

    // Shows the dialog modally; true when the first button was chosen.
    static bool ask(QWidget* parent, const QString& text, Icon icon, const QString& okCaption = QStringLiteral("OK"),
                    const QString& cancelCaption = QStringLiteral("Zpět"));

    Icon icon() const { return m_icon; }
    QString text() const;

private:
    Icon m_icon;
    QLabel* m_text;
};

} // namespace kex::ui
