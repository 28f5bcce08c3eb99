#include "planet_image.h"

#include <QImageReader>

namespace {

// Image plugins report damaged data (a JPEG that ends early, say) as warnings while still
// handing back a picture. While a planet is decoded those warnings are caught here instead of
// reaching standard error, and they make the read fail.
bool decoderComplained = false;

void catchDecoderWarning(QtMsgType, const QMessageLogContext&, const QString&) {
    decoderComplained = true;
}

QImage decode(const QString& path) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > maxPlanetImageSide ||
        size.height() > maxPlanetImageSide) {
        return {};
    }
    QImage image;
    if (!reader.read(&image) || image.size() != size) {
        return {};
    }
    return image;
}

} // namespace

QImage readPlanetImage(const QString& path) {
    decoderComplained = false;
    const QtMessageHandler previous = qInstallMessageHandler(catchDecoderWarning);
    const QImage image = decode(path);
    qInstallMessageHandler(previous);
    if (image.isNull() || decoderComplained) {
        return {};
    }
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_RGBA8888
                                                         : QImage::Format_RGB888);
}
