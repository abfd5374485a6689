// signart: draws every road-sign picture the sign table refers to.
// Usage: signart <design table> <output directory>
#include "drawing.h"
#include "signdesign.h"
#include "study/signpicturetable.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

QImage render(const SignDesign &design, QString &error)
{
    QImage image(canvasSize(design), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (!drawSign(p, design, QRectF(QPointF(0, 0), QSizeF(image.size())), error))
        return {};
    return image;
}

// The picture shown before a sign is chosen: a row of signs of the main families.
QImage overviewPicture(QString &error)
{
    QImage image(400, 240, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QList<QPair<SignDesign, QRectF>> signs = {
        {{"stop", {}, {}, {}}, QRectF(10, 10, 120, 120)},
        {{"warning", {"children"}, {}, {}}, QRectF(140, 6, 124, 124)},
        {{"ring", {}, "60", {}}, QRectF(274, 10, 116, 116)},
        {{"yield", {}, {}, {}}, QRectF(12, 130, 104, 104)},
        {{"command", {"keepleft"}, {}, {}}, QRectF(148, 134, 100, 100)},
        {{"green", {"up"}, "N1", {}}, QRectF(262, 150, 130, 80)},
    };
    for (const auto &[design, box] : signs)
        if (!drawSign(p, design, box, error))
            return {};
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: signart <design table> <output directory>\n";
        return 2;
    }
    QHash<QString, SignDesign> designs;
    QString error;
    if (!readSignDesigns(QString::fromLocal8Bit(argv[1]), designs, error)) {
        err << error << '\n';
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << '\n';
        return 1;
    }
    // Every identifier of the sign table needs a picture, and the table is the only user
    // of these pictures, so a design nobody refers to is a mistake too.
    const QStringList ids = SignPictureTable::allIdentifiers();
    int failures = 0;
    for (const QString &id : ids) {
        const auto it = designs.constFind(id);
        if (it == designs.cend()) {
            err << "no design for picture " << id << '\n';
            ++failures;
            continue;
        }
        QString drawError;
        const QImage image = render(*it, drawError);
        if (image.isNull()) {
            err << "picture " << id << ": " << drawError << '\n';
            ++failures;
        } else if (!image.save(out.filePath(id + QStringLiteral(".png")))) {
            err << "cannot write " << out.filePath(id + QStringLiteral(".png")) << '\n';
            ++failures;
        }
    }
    for (auto it = designs.cbegin(); it != designs.cend(); ++it)
        if (!ids.contains(it.key()))
            err << "design " << it.key() << " is not used by the sign table\n", ++failures;
    const QImage overview = overviewPicture(error);
    if (overview.isNull() || !overview.save(out.filePath(QStringLiteral("rs.png")))) {
        err << "cannot draw rs.png " << error << '\n';
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
