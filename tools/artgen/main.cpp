// Draws every picture of the program's own design from code, so the build needs no binary artwork.
// Usage: artgen <design dir> <images dir> <adverts dir> [stamp file]
//
// The update panel (panel2, 578 x 320) has its three entries drawn in these rectangles
// (x, y, w, h within the panel), over which the panel's flat buttons lie:
//   CHECK FOR UPDATES (12, 10, 196, 34), ABOUT (220, 10, 96, 34), CLOSE (328, 10, 90, 34);
//   the framed box for the status lines and the contact text is (12, 56) 554 x 252.
#include "art.h"
#include "pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// The pictures compiled into the program: page backgrounds, the update panel, course tiles and diagrams.
void drawDesign(art::Output &out, const QString &design)
{
    const QList<QPair<QString, QImage (*)()>> pages{
        {QStringLiteral("MotorcycleT"), art::bgMotorcycle},
        {QStringLiteral("Signs"), art::bgSigns},
        {QStringLiteral("LearnersT"), art::bgLearners},
        {QStringLiteral("MenuT"), art::bgMenu},
        {QStringLiteral("QuestionT"), art::bgQuestion},
        {QStringLiteral("LightVT"), art::bgLightV},
        {QStringLiteral("Cardinal"), art::bgCardinal},
        {QStringLiteral("Driving"), art::bgDriving},
        {QStringLiteral("Responsibilities"), art::bgResponsibilities},
        {QStringLiteral("Driverules"), art::bgDriverules},
        {QStringLiteral("exterior"), art::bgExterior},
        {QStringLiteral("heavyVT"), art::bgHeavyV},
        {QStringLiteral("Login"), art::bgLogin},
        {QStringLiteral("Course"), art::bgCourse},
        {QStringLiteral("MockT"), art::bgMockTest},
        {QStringLiteral("ProgressT"), art::bgProgress},
    };
    for (const auto &pg : pages)
        out.save(pg.second(), design, QStringLiteral("bg_") + pg.first + QStringLiteral(".pix"));
    out.save(art::panel2(), design, QStringLiteral("panel2.pix"));
    for (const QString &kind : {QStringLiteral("lv"), QStringLiteral("hv"), QStringLiteral("m")}) {
        out.save(art::courseTile(kind, 0), design, QStringLiteral("tile_%1_dim.pix").arg(kind));
        out.save(art::courseTile(kind, 1), design, QStringLiteral("tile_%1_lit.pix").arg(kind));
        out.save(art::courseTile(kind, 2), design, QStringLiteral("tile_%1_tick.pix").arg(kind));
    }
    out.save(art::diagramMotorcycle(), design, QStringLiteral("diagram_m.pix"));
    out.save(art::diagramLightVehicle(), design, QStringLiteral("diagram_lv.pix"));
    out.save(art::advert(-1), design, QStringLiteral("advert_placeholder.pix"));
    out.save(art::fixedDriving(), design, QStringLiteral("fixed_Driving.pix"));
    out.save(art::fixedDriverules(), design, QStringLiteral("fixed_Driverules.pix"));
    out.save(art::fixedLearners(), design, QStringLiteral("fixed_LearnersT.pix"));
}

// The general pictures of the data directory: markers, course icons and the rules pictures.
void drawImages(art::Output &out, const QString &images)
{
    out.save(art::questionPicture(), images, QStringLiteral("quest.png"));
    out.save(art::verdictPicture(0), images, QStringLiteral("correct.png"));
    out.save(art::verdictPicture(1), images, QStringLiteral("incorrect.png"));
    out.save(art::verdictPicture(2), images, QStringLiteral("test.png"));
    out.save(art::optionMarker(false), images, QStringLiteral("dot.png"));
    out.save(art::optionMarker(true), images, QStringLiteral("dot2.png"));
    out.save(art::courseIcon(QStringLiteral("lv"), true), images, QStringLiteral("lvs.png"));
    out.save(art::courseIcon(QStringLiteral("lv"), false), images, QStringLiteral("lvb.png"));
    out.save(art::courseIcon(QStringLiteral("hv"), true), images, QStringLiteral("hvs.png"));
    out.save(art::courseIcon(QStringLiteral("hv"), false), images, QStringLiteral("hb.png"));
    out.save(art::courseIcon(QStringLiteral("m"), true), images, QStringLiteral("mcs.png"));
    out.save(art::courseIcon(QStringLiteral("m"), false), images, QStringLiteral("mb.png"));
    for (int i = 1; i <= 10; ++i)
        out.save(art::cardinalPicture(i), images, QStringLiteral("cardrule%1.png").arg(i));
    for (int i = 1; i <= 16; ++i)
        out.save(art::responsibilityPicture(i), images, QStringLiteral("res%1.png").arg(i));
}

// The pictures of the vehicle controls, one for each control shown highlighted.
void drawControls(art::Output &out, const QString &images)
{
    // Motorcycle controls: picture file, and the control it shows.
    const QList<QPair<QString, QString>> bike{
        {QStringLiteral("m0"), QString()},
        {QStringLiteral("m1"), QStringLiteral("throttle")},
        {QStringLiteral("m3"), QStringLiteral("handlebars")},
        {QStringLiteral("m4"), QStringLiteral("indicator")},
        {QStringLiteral("m5"), QStringLiteral("gear")},
        {QStringLiteral("m6"), QStringLiteral("rearbrake")},
        {QStringLiteral("m8"), QStringLiteral("mirrors")},
        {QStringLiteral("m9"), QStringLiteral("clutch")},
        {QStringLiteral("m10"), QStringLiteral("frontbrake")},
    };
    for (const auto &b : bike)
        out.save(art::motorcyclePicture(b.second), images, b.first + QStringLiteral(".png"));
    const QList<QPair<QString, QString>> light{
        {QStringLiteral("defpic"), QString()},
        {QStringLiteral("Cflicker"), QStringLiteral("indicator")},
        {QStringLiteral("Csteer"), QStringLiteral("steer")},
        {QStringLiteral("Crear"), QStringLiteral("rear")},
        {QStringLiteral("Cmirror"), QStringLiteral("side")},
        {QStringLiteral("Cclutch"), QStringLiteral("clutch")},
        {QStringLiteral("Cgear"), QStringLiteral("gear")},
        {QStringLiteral("Cbrake"), QStringLiteral("brake")},
        {QStringLiteral("Cpetrol"), QStringLiteral("accel")},
        {QStringLiteral("Cwiper"), QStringLiteral("wiper")},
        {QStringLiteral("Chbrake"), QStringLiteral("handbrake")},
        {QStringLiteral("Choot"), QStringLiteral("hoot")},
    };
    for (const auto &l : light)
        out.save(art::lightVehiclePicture(l.second), images, l.first + QStringLiteral(".png"));
}

// The stamp lists every picture written, one a line.
bool writeStamp(const QString &path, const QStringList &written)
{
    QFile stamp(path);
    if (!stamp.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    QTextStream(&stamp) << written.join(QLatin1Char('\n')) << '\n';
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: artgen <design dir> <images dir> <adverts dir> [stamp file]\n");
        return 2;
    }
    const QString design = args.at(1);
    const QString images = args.at(2);
    const QString adds = args.at(3);
    art::Output out;

    drawDesign(out, design);
    drawImages(out, images);
    drawControls(out, images);
    for (int i = 0; i < 3; ++i)
        out.save(art::advert(i), adds, QStringLiteral("a%1.png").arg(i));

    if (out.failures > 0) {
        std::fprintf(stderr, "artgen: %d pictures could not be written\n", out.failures);
        return 1;
    }
    if (args.size() > 4 && !writeStamp(args.at(4), out.written))
        return 1;
    std::printf("artgen: %lld pictures written\n", static_cast<long long>(out.written.size()));
    return 0;
}
