#pragma once
// The start picture: a borderless window above all others, centred on the screen and sized to its
// 500 × 300 picture, with two lines of text and the program version. The main window shows it while
// it connects and keeps it up for a minimum time.
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

namespace kex::ui {

class TStartDialogQor : public QWidget {
    Q_OBJECT
public:
    TStartDialogQor();

    // The picture; the window takes its size (4 pixels more each way with a frame).
    QImage Bitmap;
    bool Ramecek = false;
    QString Text1, Text2;
    // An x of 0 puts the line right-aligned, 20 pixels from the right edge; y is the line's top.
    int Text1x = 0, Text1y = 200, Text2x = 0, Text2y = 245;
    QColor Text1Color = Qt::blue, Text2Color = Qt::blue; // the version line uses Text1Color
    bool Vypisverze = false; // "Verze" and the version at (12, 10)
    QString Version;
    std::function<void()> OnClose;

    // Builds and shows the window; Close fires OnClose and closes it.
    void Show();
    void Close();

    // The picture of this program: a field of ripe grain under a summer sky, drawn, not loaded.
    static QImage HarvestPicture();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kex::ui
