// Build-time generator of every skin and resource image of the program.
//   vexmo_skingen --skins DIR --resources DIR   writes the images (and their @2x twins)
//   vexmo_skingen --review DIR                  writes contact sheets and window mock-ups
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#include <cstdio>

#include "ReviewSheets.h"
#include "SkinArt.h"

using namespace vexmo::skins;

namespace {

bool writeOne(const QImage& img, const QString& file) {
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) return false;
    const QByteArray format = file.endsWith(QLatin1String(".bmp")) ? "BMP" : "PNG";
    if (!img.save(file, format.constData())) return false;
    // Read it back: a file that does not decode to the drawn size is a failed build.
    QImageReader reader(file);
    return reader.size() == img.size();
}

int writeAll(const Catalogue& catalogue, const QString& skinsDir, const QString& resDir) {
    int written = 0;
    for (const Art& art : catalogue) {
        const QString dir = art.root == Root::Skins ? skinsDir : resDir;
        for (const int scale : {1, 2}) {
            if (scale == 2 && !art.twin) continue;
            const QString file = dir + u'/' + scaledPath(art.path, scale);
            if (!writeOne(render(art, scale), file)) {
                std::fprintf(stderr, "vexmo_skingen: cannot write %s\n", qPrintable(file));
                return 1;
            }
            ++written;
        }
    }
    std::printf("vexmo_skingen: %d images written\n", written);
    return 0;
}

int usage() {
    std::fprintf(stderr,
                 "usage: vexmo_skingen --skins DIR --resources DIR\n"
                 "       vexmo_skingen --review DIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const Catalogue catalogue = buildCatalogue();
    if (args.size() == 4 && args[0] == "--skins" && args[2] == "--resources")
        return writeAll(catalogue, args[1], args[3]);
    if (args.size() == 2 && args[0] == "--review") return writeReview(catalogue, args[1]);
    return usage();
}
