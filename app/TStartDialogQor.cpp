#include "app/TStartDialogQor.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <cmath>

namespace kex::ui {

namespace {

QFont tahoma(int points, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

// One ear of grain leaning by `lean` radians from the vertical, its base at `base`.
void drawEar(QPainter& p, QPointF base, double height, double lean, const QColor& colour)
{
    const QPointF top(base.x() + std::sin(lean) * height, base.y() - std::cos(lean) * height);
    QPen stem(colour.darker(130), 1.6);
    p.setPen(stem);
    QPainterPath stalk(base);
    stalk.quadTo(QPointF(base.x() + std::sin(lean) * height * 0.3, base.y() - height * 0.6), top);
    p.drawPath(stalk);
    // Kernels in two rows along the last third of the stalk, with a whisker of awn each.
    p.setBrush(colour);
    const int kernels = 7;
    for (int i = 0; i < kernels; ++i) {
        const double t = 0.62 + 0.38 * i / kernels;
        const QPointF c(base.x() + std::sin(lean) * height * t, base.y() - std::cos(lean) * height * t);
        for (int side : {-1, 1}) {
            p.save();
            p.translate(c);
            p.rotate(lean * 180 / M_PI + side * 28);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(-2.3, -5.0, 4.6, 8.0));
            p.setPen(QPen(colour.darker(115), 0.8));
            p.drawLine(QPointF(0, -5), QPointF(side * 2.0, -15));
            p.restore();
        }
    }
}

} // namespace

TStartDialogQor::TStartDialogQor()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen)
{
    setObjectName(QStringLiteral("TStartDialogQor"));
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QImage TStartDialogQor::HarvestPicture()
{
    QImage image(500, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Sky, pale at the horizon so the blue lettering stays readable everywhere.
    QLinearGradient sky(0, 0, 0, 150);
    sky.setColorAt(0, QColor(150, 196, 236));
    sky.setColorAt(1, QColor(226, 240, 250));
    p.fillRect(0, 0, 500, 150, sky);
    QRadialGradient sun(400, 52, 60);
    sun.setColorAt(0, QColor(255, 250, 214));
    sun.setColorAt(0.35, QColor(255, 236, 150));
    sun.setColorAt(1, QColor(255, 236, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(400, 52), 60, 60);

    // Far hills with a wood and the village's silos.
    p.setBrush(QColor(132, 170, 110));
    QPainterPath hills(QPointF(0, 150));
    hills.cubicTo(QPointF(90, 112), QPointF(170, 128), QPointF(250, 132));
    hills.cubicTo(QPointF(330, 136), QPointF(420, 108), QPointF(500, 126));
    hills.lineTo(500, 160);
    hills.lineTo(0, 160);
    p.drawPath(hills);
    p.setBrush(QColor(86, 124, 78));
    for (int i = 0; i < 9; ++i) p.drawEllipse(QPointF(40 + i * 11, 128 - (i % 3) * 2), 9, 11);
    p.setBrush(QColor(208, 208, 200));
    p.drawRect(QRectF(300, 104, 13, 34));
    p.drawRect(QRectF(316, 110, 13, 28));
    p.setBrush(QColor(170, 170, 162));
    p.drawEllipse(QRectF(300, 100, 13, 8));
    p.drawEllipse(QRectF(316, 106, 13, 8));

    // The field: light gold rows running towards the horizon.
    QLinearGradient field(0, 140, 0, 300);
    field.setColorAt(0, QColor(226, 196, 110));
    field.setColorAt(1, QColor(250, 236, 186));
    QPainterPath land(QPointF(0, 150));
    land.cubicTo(QPointF(150, 136), QPointF(330, 146), QPointF(500, 140));
    land.lineTo(500, 300);
    land.lineTo(0, 300);
    p.setBrush(field);
    p.drawPath(land);
    p.setClipPath(land);
    p.setPen(QPen(QColor(214, 178, 92, 120), 2));
    for (int i = -12; i <= 24; ++i) p.drawLine(QPointF(250 + i * 4, 140), QPointF(250 + i * 70, 300));
    p.setClipping(false);

    // A dirt track into the field.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 164, 120, 150));
    QPainterPath track(QPointF(226, 300));
    track.cubicTo(QPointF(236, 240), QPointF(262, 190), QPointF(282, 145));
    track.lineTo(286, 145);
    track.cubicTo(QPointF(276, 190), QPointF(268, 240), QPointF(266, 300));
    p.drawPath(track);

    // Ears of grain in the left foreground, clear of the right-aligned lettering.
    const QColor grain(206, 150, 52);
    for (int i = 0; i < 14; ++i) {
        const double x = 8 + i * 9.5;
        drawEar(p, QPointF(x, 304), 96 + (i * 37 % 5) * 9, -0.18 + (i * 13 % 7) * 0.05, grain);
    }
    return image;
}

void TStartDialogQor::Show()
{
    if (Bitmap.isNull()) Bitmap = HarvestPicture();
    const int frame = Ramecek ? 4 : 0;
    setFixedSize(Bitmap.width() + frame, Bitmap.height() + frame);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
}

void TStartDialogQor::Close()
{
    if (OnClose) OnClose();
    close();
}

void TStartDialogQor::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPoint origin((width() - Bitmap.width()) / 2, (height() - Bitmap.height()) / 2);
    if (Ramecek) {
        p.setPen(QPen(Qt::darkGray, 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    p.drawImage(origin, Bitmap);

    auto line = [&](const QString& text, const QFont& font, const QColor& colour, int x, int y) {
        p.setFont(font);
        p.setPen(colour);
        const QFontMetrics m(font);
        const int left = x == 0 ? Bitmap.width() - 20 - m.horizontalAdvance(text) : x;
        p.drawText(origin + QPoint(left, y + m.ascent()), text);
    };
    line(Text1, tahoma(25, true), Text1Color, Text1x, Text1y);
    line(Text2, tahoma(15, false), Text2Color, Text2x, Text2y);
    if (Vypisverze) line(QStringLiteral("Verze") + Version, tahoma(7, false), Text1Color, 12, 10);
}

} // namespace kex::ui
