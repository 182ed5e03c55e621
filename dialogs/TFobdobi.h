#pragma once
// The period dialog that opens every posting session: accounting month and year, an optional
// centre and whether only documents of that month are taken. Created once after the main window
// and reused; the three texts are kept between runs in the form-state store, the check box is not.
#include <QDialog>
#include <optional>

#include "core/Period.h"

class QCheckBox;
class QLineEdit;
class QSettings;

namespace kex::ui {

class TFobdobi : public QDialog {
    Q_OBJECT
public:
    // `store` may be null (no values kept); otherwise it must outlive the dialog.
    TFobdobi(QWidget* parent, QSettings* store);
    ~TFobdobi() override;

    // Shows the dialog modally; the checked period after "OK", nothing after "Zpět" or closing.
    std::optional<Period> ask();
    // The period of the last "OK".
    const Period& period() const { return m_period; }

    void accept() override;
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void saveTexts();

    QSettings* m_store;
    QLineEdit* m_month;
    QLineEdit* m_year;
    QLineEdit* m_centre;
    QCheckBox* m_onlyMonth;
    Period m_period;
};

} // namespace kex::ui
