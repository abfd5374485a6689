// Draws the desktop icon: a learner plate over a road on a green tile. The SVG is the one
// drawing; the PNGs are rendered from it, so every size shows the same picture.
//   iconart OUTDIR SIZE...   writes OUTDIR/scalable/apps/tarmika.svg and
//                            OUTDIR/<size>x<size>/apps/tarmika.png for each size

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

// Shapes stay bold and few: at 16 pixels the plate is nine pixels wide and the L has to survive.
const char iconSvg[] = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#2f9461"/>
      <stop offset="1" stop-color="#1a5a3a"/>
    </linearGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="44" ry="44" fill="url(#tile)"/>
  <polygon points="112,166 144,166 198,248 58,248" fill="#3c4148"/>
  <polygon points="126,176 130,176 132,196 124,196" fill="#f4f4f4"/>
  <polygon points="123,212 133,212 135,240 121,240" fill="#f4f4f4"/>
  <rect x="56" y="26" width="144" height="128" rx="14" ry="14" fill="#ffffff" stroke="#10291c" stroke-width="5"/>
  <path d="M 96 44 H 126 V 112 H 164 V 136 H 96 Z" fill="#d3202a"/>
</svg>
)svg";

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "iconart: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: iconart OUTDIR SIZE...\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QByteArray svg(iconSvg);
    if (!writeFile(out.filePath(QStringLiteral("scalable/apps/tarmika.svg")), svg))
        return 1;

    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconart: the icon drawing does not parse\n");
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "iconart: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString path = out.filePath(QStringLiteral("%1x%1/apps/tarmika.png").arg(size));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
            std::fprintf(stderr, "iconart: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
