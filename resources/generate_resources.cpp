// Draws the splash picture (MYBITMAP.png) and the busy pointer (varoApp2.ani) shipped with the
// program. Run once from this folder; the outputs are kept in the repository:
//   g++ -std=c++20 -fPIC generate_resources.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/gen
//   QT_QPA_PLATFORM=offscreen /tmp/gen
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace {

void Put16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

void Put32(QByteArray &out, quint32 value)
{
    Put16(out, quint16(value & 0xFFFF));
    Put16(out, quint16(value >> 16));
}

QByteArray Chunk(const char *id, const QByteArray &data)
{
    QByteArray out(id, 4);
    Put32(out, quint32(data.size()));
    out += data;
    if (data.size() % 2)
        out.append('\0');
    return out;
}

QImage SplashPicture()
{
    QImage image(224, 292, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 292);
    sky.setColorAt(0, QColor(20, 60, 140));
    sky.setColorAt(1, QColor(20, 120, 60));
    p.fillRect(image.rect(), sky);
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(12, 150, 200, 130);
    p.drawLine(12, 215, 212, 215);
    p.drawEllipse(QPointF(112, 215), 28, 28);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(112, 95), 34, 34);
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(112, 95), 11, 11);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5 - M_PI / 2;
        p.drawEllipse(QPointF(112 + 27 * std::cos(a), 95 + 27 * std::sin(a)), 7, 7);
    }
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 10, 224, 40), Qt::AlignCenter, QStringLiteral("TAVROLIN"));
    return image;
}

// One 32 by 32 frame: a ball turned by the given angle.
QImage BallFrame(double angle)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(16, 16), 4, 4);
    for (int i = 0; i < 5; ++i) {
        const double a = angle + i * 2 * M_PI / 5;
        p.drawEllipse(QPointF(16 + 10 * std::cos(a), 16 + 10 * std::sin(a)), 2.5, 2.5);
    }
    return image;
}

// A cursor file (type 2) with one 32-bit picture, its AND mask and the hot spot.
QByteArray CursorFile(const QImage &frame, int hotX, int hotY)
{
    QByteArray dib;
    Put32(dib, 40);
    Put32(dib, quint32(frame.width()));
    Put32(dib, quint32(frame.height() * 2));
    Put16(dib, 1);
    Put16(dib, 32);
    for (int i = 0; i < 6; ++i)
        Put32(dib, 0);
    for (int y = frame.height() - 1; y >= 0; --y)
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb px = frame.pixel(x, y);
            dib.append(char(qBlue(px)))
                .append(char(qGreen(px)))
                .append(char(qRed(px)))
                .append(char(qAlpha(px)));
        }
    for (int y = frame.height() - 1; y >= 0; --y) {
        QByteArray row(4, '\0');
        for (int x = 0; x < frame.width(); ++x)
            if (qAlpha(frame.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        dib += row;
    }
    QByteArray file;
    Put16(file, 0);
    Put16(file, 2);
    Put16(file, 1);
    file.append(char(frame.width())).append(char(frame.height())).append('\0').append('\0');
    Put16(file, quint16(hotX));
    Put16(file, quint16(hotY));
    Put32(file, quint32(dib.size()));
    Put32(file, 22);
    return file + dib;
}

QByteArray AnimatedCursor()
{
    const int frames = 2;
    QByteArray header;
    for (quint32 value : {36u, quint32(frames), quint32(frames), 0u, 0u, 0u, 0u, 10u, 1u})
        Put32(header, value);
    QByteArray list("fram");
    for (int i = 0; i < frames; ++i)
        list += Chunk("icon", CursorFile(BallFrame(i * M_PI / 5), 16, 16));
    QByteArray body("ACON");
    body += Chunk("anih", header);
    body += Chunk("LIST", list);
    QByteArray file("RIFF");
    Put32(file, quint32(body.size()));
    return file + body;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (!SplashPicture().save(QStringLiteral("MYBITMAP.png")))
        return 1;
    QFile ani(QStringLiteral("varoApp2.ani"));
    if (!ani.open(QIODevice::WriteOnly))
        return 1;
    ani.write(AnimatedCursor());
    return 0;
}
