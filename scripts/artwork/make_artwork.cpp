// Draws the program's pictures: the window and button icons, the program's icon at the sizes
// of the desktop's icon theme, as a scalable picture and as the Windows program's icon at the
// sizes its shell shows, the Windows installer's pictures, the two pictures of the main window and
// the About window's picture and icon. The windows' pictures are drawn at the size they are shown,
// and twice that for scaled screens (NAME@2x.png), so no front end scales them when the screen is
// not scaled; scripts/make-artwork.sh turns copies of them into the Windows program's bitmaps. The
// main window's pictures have a transparent background, so the window's own colour shows around
// them.
#include "IconFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <utility>

namespace {

const QRgb Key = qRgb(254, 0, 254);

// The classic 16 colours, with the key colour in place of purple.
const QVector<QRgb> Palette16 = {qRgb(0, 0, 0),      qRgb(128, 0, 0),     qRgb(0, 128, 0),
                                 qRgb(128, 128, 0),  qRgb(0, 0, 128),     Key,
                                 qRgb(0, 128, 128),  qRgb(192, 192, 192), qRgb(128, 128, 128),
                                 qRgb(255, 0, 0),    qRgb(0, 255, 0),     qRgb(255, 255, 0),
                                 qRgb(0, 0, 255),    qRgb(255, 0, 255),   qRgb(0, 255, 255),
                                 qRgb(255, 255, 255)};

QImage render(int width, int height, const std::function<void(QPainter&)>& draw)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Transparent pixels become the key colour; the rest is laid on the white face of the buttons.
QRgb onWhite(QRgb pixel)
{
    const int a = qAlpha(pixel);
    if (a < 96)
        return Key;
    auto mix = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
    return qRgb(mix(qRed(pixel)), mix(qGreen(pixel)), mix(qBlue(pixel)));
}

int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return 2 * r * r + 4 * g * g + 3 * bl * bl;
}

QImage toPalette16(const QImage& picture)
{
    QImage out(picture.size(), QImage::Format_Indexed8);
    out.setColorTable(Palette16);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = onWhite(picture.pixel(x, y));
            int best = 0;
            for (int i = 0; i < Palette16.size(); ++i) {
                if ((c == Key) == (Palette16[i] == Key) &&
                    distance(c, Palette16[i]) < distance(c, Palette16[best]))
                    best = i;
            }
            out.setPixel(x, y, static_cast<uint>(c == Key ? 5 : best));
        }
    }
    return out;
}

QImage toPalette256(const QImage& picture)
{
    QImage out(picture.size(), QImage::Format_Indexed8);
    QVector<QRgb> table{Key};
    std::map<QRgb, int> index{{Key, 0}};
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = onWhite(picture.pixel(x, y));
            auto found = index.find(c);
            if (found == index.end() && table.size() < 256) {
                found = index.emplace(c, table.size()).first;
                table.append(c);
            }
            out.setColorCount(256);
            out.setPixel(x, y, static_cast<uint>(found != index.end() ? found->second : 0));
        }
    }
    table.resize(256);
    out.setColorTable(table);
    return out;
}

QImage toRgb(const QImage& picture, QColor background)
{
    QImage out(picture.size(), QImage::Format_RGB888);
    out.fill(background);
    QPainter(&out).drawImage(0, 0, picture);
    return out;
}

void fail(const QString& what)
{
    std::fprintf(stderr, "could not write %s\n", qPrintable(what));
    std::exit(1);
}

// An icon file for Windows, and the same pixels as a PNG file for Linux, where Qt reads PNG
// without loading a plugin.
void icon(const QString& file, int bits, const QImage& picture)
{
    const QImage image = bits == 4 ? toPalette16(picture) : toPalette256(picture);
    if (!IconFile::write(image, bits, Key, file))
        fail(file);
    const QString png = file.left(file.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".png");
    if (!image.save(png))
        fail(png);
}

// A filled shape with a dark outline, the look of the small button pictures.
void shape(QPainter& p, const QPainterPath& path, QColor fill, QColor line = QColor(0, 0, 0))
{
    p.setPen(QPen(line, 1.0));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// A strip of film frames, standing on its own or shown in a frame of its own.
void filmStrip(QPainter& p, QRectF strip, int frames,
               const std::function<void(QPainter&, QRectF, int)>& picture)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 28, 32));
    p.drawRoundedRect(strip, strip.width() * 0.04, strip.width() * 0.04);
    const qreal hole = strip.width() * 0.07;
    const qreal margin = strip.width() * 0.05;
    p.setBrush(QColor(235, 235, 225));
    for (qreal y = strip.top() + hole; y + hole < strip.bottom(); y += hole * 2) {
        p.drawRoundedRect(QRectF(strip.left() + margin, y, hole, hole * 1.2), 2, 2);
        p.drawRoundedRect(QRectF(strip.right() - margin - hole, y, hole, hole * 1.2), 2, 2);
    }
    const qreal inner = margin * 2 + hole;
    const qreal frameHeight = (strip.height() - hole * 2) / frames;
    for (int i = 0; i < frames; ++i) {
        QRectF frame(strip.left() + inner, strip.top() + hole + i * frameHeight + 4,
                     strip.width() - inner * 2, frameHeight - 8);
        p.save();
        p.setClipRect(frame);
        picture(p, frame, i);
        p.restore();
    }
}

// A small landscape: sky, sun, hills; the sun sets from frame to frame.
void landscape(QPainter& p, QRectF r, int step)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(40 + step * 60, 110 - step * 20, 200 - step * 50));
    sky.setColorAt(1, QColor(250, 200 - step * 30, 120));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230 - step * 40, 90));
    const qreal sun = r.width() * 0.18;
    p.drawEllipse(QPointF(r.left() + r.width() * 0.68, r.top() + r.height() * (0.3 + step * 0.15)),
                  sun, sun);
    QPainterPath hills;
    hills.moveTo(r.bottomLeft());
    hills.lineTo(r.left(), r.top() + r.height() * 0.7);
    hills.quadTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.45, r.center().x(),
                 r.top() + r.height() * 0.68);
    hills.quadTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.85, r.right(),
                 r.top() + r.height() * 0.6);
    hills.lineTo(r.bottomRight());
    hills.closeSubpath();
    p.setBrush(QColor(40, 120 - step * 20, 60));
    p.drawPath(hills);
}

// The arrow of the "GO" button, drawn on a 16-pixel grid at any size: the main window's icon.
// The outline thickens more slowly than the arrow grows, so large ones do not look heavy.
QImage arrowPicture(int size)
{
    return render(size, size, [size](QPainter& p) {
        const qreal scale = size / 16.0;
        p.scale(scale, scale);
        p.setPen(QPen(QColor(0, 0, 0), std::max(1.0, size / 24.0) / scale));
        p.setBrush(QColor(0, 200, 0));
        p.drawPath(polygon({{1.5, 5.5},
                            {7.5, 5.5},
                            {7.5, 1.5},
                            {14.5, 8},
                            {7.5, 14.5},
                            {7.5, 10.5},
                            {1.5, 10.5}}));
    });
}

// The program's own icon, for its launcher, its menu entry, its .exe and its installer: a frame
// of film between two rows of holes, and an orange badge with an arrow, what becomes of the
// video. Drawn on a 16-unit grid whose edges fall on whole pixels at 16, so the smallest stays
// sharp; from 32 pixels on the frame shows a landscape and the badge a light edge.
void drawProgramIcon(QPainter& p, int size)
{
    const bool detailed = size >= 32;
    p.setPen(Qt::NoPen);
    QLinearGradient body(0, 1, 0, 15);
    body.setColorAt(0, QColor(58, 60, 70));
    body.setColorAt(1, QColor(22, 23, 28));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1, 1, 14, 14), 1.5, 1.5);
    p.setBrush(QColor(238, 236, 226));
    for (const qreal y : {2.0, 5.0, 8.0, 11.0}) {
        p.drawRect(QRectF(2, y, 2, 2));
        p.drawRect(QRectF(12, y, 2, 2));
    }
    const QRectF frame(5, 2, 6, 12);
    QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
    sky.setColorAt(0, QColor(70, 150, 235));
    sky.setColorAt(1, QColor(250, 205, 120));
    p.setBrush(sky);
    p.drawRect(frame);
    if (detailed) {
        p.setBrush(QColor(255, 236, 110));
        p.drawEllipse(QPointF(9.2, 4.8), 1.1, 1.1);
    }
    QPainterPath hills;
    hills.moveTo(frame.left(), frame.bottom());
    hills.lineTo(frame.left(), 9.5);
    hills.quadTo(6.5, 7.8, 8, 9.2);
    hills.quadTo(9.8, 10.6, frame.right(), 8.8);
    hills.lineTo(frame.right(), frame.bottom());
    hills.closeSubpath();
    p.setBrush(QColor(45, 140, 70));
    p.drawPath(hills);

    const QPointF centre(12, 12);
    QRadialGradient badge(centre - QPointF(1, 1), 5);
    badge.setColorAt(0, QColor(255, 170, 60));
    badge.setColorAt(1, QColor(225, 75, 20));
    p.setBrush(badge);
    p.setPen(detailed ? QPen(QColor(255, 255, 255), 0.5) : QPen(QColor(140, 40, 10), 0.6));
    p.drawEllipse(centre, 3.6, 3.6);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(polygon({{9, 11}, {12, 11}, {12, 9.5}, {14.5, 12}, {12, 14.5}, {12, 13}, {9, 13}}));
}

QImage programPicture(int size)
{
    return render(size, size, [size](QPainter& p) {
        p.scale(size / 16.0, size / 16.0);
        drawProgramIcon(p, size);
    });
}

// The same drawing as a scalable picture, for the desktop's icon theme.
bool writeProgramSvg(const QString& file)
{
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Varnelo"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(16, 16);
    drawProgramIcon(p, 256);
    return p.end();
}

QImage goPicture()
{
    return arrowPicture(16);
}

void writeIcons(const QDir& out)
{
    // The window icon of the Windows program; the Linux program has varnelo-SIZE.png.
    if (!IconFile::write(toPalette16(goPicture()), 4, Key, out.filePath("varnelo.ico")))
        fail("varnelo.ico");
    icon(out.filePath("go.ico"), 4, goPicture());
    icon(out.filePath("add.ico"), 8, render(16, 16, [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(45, 45, 50));
             p.drawRoundedRect(QRectF(1, 2, 12, 11), 1.5, 1.5);
             p.setBrush(QColor(240, 240, 230));
             for (int y = 3; y < 13; y += 3) {
                 p.drawRect(QRectF(2, y, 1.5, 1.5));
                 p.drawRect(QRectF(10.5, y, 1.5, 1.5));
             }
             QLinearGradient sky(0, 3, 0, 12);
             sky.setColorAt(0, QColor(90, 160, 230));
             sky.setColorAt(1, QColor(250, 210, 120));
             p.fillRect(QRectF(4, 3.5, 6, 8), sky);
             QRadialGradient ball(QPointF(11, 10), 5);
             ball.setColorAt(0, QColor(120, 230, 120));
             ball.setColorAt(1, QColor(20, 150, 40));
             p.setBrush(ball);
             p.setPen(QPen(QColor(10, 90, 20), 0.8));
             p.drawEllipse(QPointF(11.2, 10.8), 4.2, 4.2);
             p.setPen(QPen(Qt::white, 1.6));
             p.drawLine(QPointF(11.2, 8.4), QPointF(11.2, 13.2));
             p.drawLine(QPointF(8.8, 10.8), QPointF(13.6, 10.8));
         }));
    icon(out.filePath("clear.ico"), 4, render(16, 16, [](QPainter& p) {
             p.setPen(QPen(QColor(255, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(4, 4), QPointF(12, 12));
             p.drawLine(QPointF(12, 4), QPointF(4, 12));
         }));
    icon(out.filePath("target.ico"), 4, render(16, 16, [](QPainter& p) {
             shape(
                 p,
                 polygon({{1.5, 3.5}, {6.5, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}),
                 QColor(255, 255, 0), QColor(128, 128, 0));
             shape(p, polygon({{1.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {14.5, 13.5}}),
                   QColor(255, 255, 0), QColor(128, 128, 0));
         }));
    icon(out.filePath("cancel.ico"), 4, render(16, 16, [](QPainter& p) {
             p.setPen(QPen(QColor(128, 0, 0), 1));
             p.setBrush(QColor(255, 0, 0));
             p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
             p.setPen(QPen(Qt::white, 2.2));
             p.drawLine(QPointF(5, 5), QPointF(11, 11));
             p.drawLine(QPointF(11, 5), QPointF(5, 11));
         }));
    icon(out.filePath("help.ico"), 4, render(16, 16, [](QPainter& p) {
             p.setPen(QPen(QColor(0, 0, 128), 1));
             p.setBrush(QColor(0, 0, 255));
             p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
             QFont font(QStringLiteral("Liberation Sans"));
             font.setPixelSize(12);
             font.setBold(true);
             p.setFont(font);
             p.setPen(Qt::white);
             p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
         }));
}

// Each picture is drawn on a canvas of its own size, shown squeezed into the box the window
// gives it; drawn straight at the box's size, in pixels of a screen scaled SCALE times.
QImage drawnAt(QSize canvas, QSize box, int scale, const std::function<void(QPainter&)>& draw)
{
    return render(box.width() * scale, box.height() * scale, [&](QPainter& p) {
        p.scale(qreal(box.width() * scale) / canvas.width(),
                qreal(box.height() * scale) / canvas.height());
        draw(p);
    });
}

QImage filmPicture(int scale)
{
    return drawnAt({350, 449}, {113, 137}, scale, [](QPainter& p) {
        p.save();
        p.translate(175, 224);
        p.rotate(-8);
        p.translate(-120, -250);
        filmStrip(p, QRectF(0, 0, 240, 500), 3, landscape);
        p.restore();
    });
}

QImage formatPicture(int scale)
{
    return drawnAt({177, 275}, {113, 137}, scale, [](QPainter& p) {
        QPainterPath arrow;
        arrow.moveTo(20, 20);
        arrow.cubicTo(130, 10, 150, 70, 120, 120);
        arrow.lineTo(140, 130);
        arrow.lineTo(95, 160);
        arrow.lineTo(92, 105);
        arrow.lineTo(108, 114);
        arrow.cubicTo(128, 75, 110, 45, 20, 48);
        arrow.closeSubpath();
        QLinearGradient green(0, 0, 0, 160);
        green.setColorAt(0, QColor(120, 220, 90));
        green.setColorAt(1, QColor(20, 140, 40));
        p.setPen(QPen(QColor(10, 80, 20), 3));
        p.setBrush(green);
        p.drawPath(arrow);

        QRectF page(30, 170, 120, 95);
        QLinearGradient flash(page.topLeft(), page.bottomRight());
        flash.setColorAt(0, QColor(250, 90, 40));
        flash.setColorAt(1, QColor(180, 20, 20));
        p.setPen(QPen(QColor(110, 10, 10), 3));
        p.setBrush(flash);
        p.drawRoundedRect(page, 14, 14);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(polygon(
            {{98, 180}, {70, 222}, {88, 222}, {78, 256}, {112, 208}, {93, 208}, {106, 180}}));
    });
}

QImage aboutPicture(int scale)
{
    return drawnAt({413, 289}, {301, 201}, scale, [](QPainter& p) {
        QLinearGradient back(0, 0, 0, 289);
        back.setColorAt(0, QColor(225, 235, 250));
        back.setColorAt(0.8, QColor(255, 255, 255));
        p.fillRect(QRectF(0, 0, 413, 289), back);
        p.save();
        // Clear of the bottom rows, which the credit text below covers.
        p.translate(40, 22);
        p.rotate(-6);
        filmStrip(p, QRectF(0, 0, 112, 225), 3, landscape);
        p.restore();
        QFont title(QStringLiteral("Liberation Sans"));
        title.setPixelSize(52);
        title.setBold(true);
        p.setFont(title);
        p.setPen(QColor(30, 60, 140));
        p.drawText(QRectF(175, 40, 230, 70), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Varnelo"));
        QFont sub(QStringLiteral("Liberation Sans"));
        sub.setPixelSize(19);
        p.setFont(sub);
        p.setPen(QColor(60, 60, 70));
        p.drawText(QRectF(178, 105, 230, 60), Qt::AlignLeft | Qt::TextWordWrap,
                   QStringLiteral("video to Flash,\nthe easy way"));
        p.setPen(QPen(QColor(255, 0, 0), 2));
        p.drawLine(QPointF(178, 175), QPointF(395, 175));
        QFont maker(QStringLiteral("Liberation Sans"));
        maker.setPixelSize(16);
        maker.setItalic(true);
        p.setFont(maker);
        p.setPen(QColor(90, 90, 100));
        p.drawText(QRectF(178, 185, 230, 30), Qt::AlignLeft, QStringLiteral("Pelmora Software"));
    });
}

QImage aboutIcon()
{
    return render(32, 32, [](QPainter& p) { filmStrip(p, QRectF(3, 1, 26, 30), 2, landscape); });
}

// The Windows installer's pictures, as 24-bit bitmaps at the size its wizard shows them at 96
// dots an inch: the tall one beside the welcome and finish pages, the small one at the right
// of every other page's white header.
void writeInstallerPictures(const QDir& out)
{
    const QImage welcome = toRgb(render(164, 314,
                                        [](QPainter& p) {
                                            QLinearGradient back(0, 0, 0, 314);
                                            back.setColorAt(0, QColor(38, 74, 150));
                                            back.setColorAt(1, QColor(16, 24, 56));
                                            p.fillRect(QRectF(0, 0, 164, 314), back);
                                            p.drawImage(QPointF(34, 28), programPicture(96));
                                            QFont title(QStringLiteral("Liberation Sans"));
                                            title.setPixelSize(26);
                                            title.setBold(true);
                                            p.setFont(title);
                                            p.setPen(Qt::white);
                                            p.drawText(QRectF(0, 132, 164, 36), Qt::AlignCenter,
                                                       QStringLiteral("Varnelo"));
                                            p.translate(46, 186);
                                            p.rotate(-8);
                                            filmStrip(p, QRectF(0, 0, 72, 150), 3, landscape);
                                        }),
                                 Qt::white);
    const QImage header =
        toRgb(render(150, 57, [](QPainter& p) { p.drawImage(QPointF(98, 4), programPicture(48)); }),
              Qt::white);
    for (const auto& [name, picture] : {std::pair{QStringLiteral("installer-welcome.bmp"), welcome},
                                        std::pair{QStringLiteral("installer-header.bmp"), header}})
        if (!picture.save(out.filePath(name), "BMP"))
            fail(name);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    writeIcons(out);
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        const std::pair<QString, QImage> pictures[] = {
            {QStringLiteral("film"), filmPicture(scale)},
            {QStringLiteral("format"), formatPicture(scale)},
            {QStringLiteral("about"), toRgb(aboutPicture(scale), Qt::white)}};
        for (const auto& [name, picture] : pictures) {
            const QString file = name + suffix + QStringLiteral(".png");
            if (!picture.save(out.filePath(file)))
                fail(file);
        }
    }
    // The main window's icon on Linux.
    for (const int size : {16, 32, 48, 64}) {
        const QString file = QStringLiteral("varnelo-%1.png").arg(size);
        if (!arrowPicture(size).save(out.filePath(file)))
            fail(file);
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString file = QStringLiteral("program-%1.png").arg(size);
        if (!programPicture(size).save(out.filePath(file)))
            fail(file);
    }
    if (!writeProgramSvg(out.filePath(QStringLiteral("program.svg"))))
        fail(QStringLiteral("program.svg"));
    QList<QImage> programIcon;
    for (const int size : {16, 20, 24, 32, 40, 48, 64, 128, 256})
        programIcon.append(programPicture(size));
    if (!IconFile::writeSizes(programIcon, out.filePath("program.ico")))
        fail("program.ico");
    writeInstallerPictures(out);
    // The About window's icon; the Linux program shows the same pixels from about-icon.png.
    const QImage about = toRgb(aboutIcon(), Qt::white);
    if (!IconFile::write(about, 24, qRgb(255, 255, 255), out.filePath("about.ico")))
        fail("about.ico");
    if (!about.save(out.filePath("about-icon.png")))
        fail("about-icon.png");
    return 0;
}
