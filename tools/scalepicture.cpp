// Enlarges a pixel-art picture to a square PNG of the given size by whole pixels, never blurred:
// every source pixel becomes a block of pixels. Used to make the desktop icons from the 32-pixel art.
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: scalepicture IN OUT SIZE\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[3]).toInt();
    if (source.isNull() || size <= 0) {
        std::fprintf(stderr, "scalepicture: cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage scaled = source.convertToFormat(QImage::Format_ARGB32).scaled(size, size, Qt::IgnoreAspectRatio,
                                                                                 Qt::FastTransformation);
    return scaled.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
