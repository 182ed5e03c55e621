#pragma once
// The input dialog of the window for the confirmation passwords of cancel and unmark: the prompt,
// a field that shows every typed character as a blank, and the buttons "OK" and "Zpět".
#include <QDialog>
#include <optional>

class QLineEdit;

namespace kex::ui {

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(QWidget* parent, const QString& caption, const QString& prompt);
    QString value() const;

    // The typed value, or nothing when the dialog was left with "Zpět" or closed.
    static std::optional<QString> ask(QWidget* parent, const QString& caption, const QString& prompt);

private:
    QLineEdit* m_edit;
};

} // namespace kex::ui
