#pragma once
// The partner side panel at the right edge of the window: a 10-pixel bar until clicked, then 320
// pixels wide with the partner grid (bound to no data yet) and the buttons "Převzít" and "Zpět".
#include <QWidget>

class QTableWidget;

namespace kex::ui {

class PartnerPanel : public QWidget {
    Q_OBJECT
public:
    explicit PartnerPanel(QWidget* parent = nullptr);
    bool isOpen() const { return m_open; }
    void setOpenWidth(int width);

public slots:
    void open();
    // "Zpět": unpins and collapses the panel.
    void collapse();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_content;
    bool m_open = false;
    int m_openWidth = 320;
};

} // namespace kex::ui
