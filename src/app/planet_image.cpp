#include "planet_image.h"

#include <QImageReader>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Image plugins report damaged data (a JPEG that ends early, say) as warnings while still
// handing back a picture. While a planet is decoded those warnings are caught here instead of
// reaching standard error, and they make the read fail.
bool decoderComplained = false;

void catchDecoderWarning(QtMsgType, const QMessageLogContext&, const QString&) {
    decoderComplained = true;
}

QImage decode(QImageReader& reader) {
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

// libpng reports damaged data straight to standard error, past Qt's message handler. While a
// planet is decoded standard error points at /dev/null, so a bad file costs the one log line
// of the caller and nothing more.
class QuietStandardError {
public:
    QuietStandardError() {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) {
            dup2(null, STDERR_FILENO);
        }
        if (null >= 0) {
            close(null);
        }
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            close(saved_);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_ = -1;
};

QImage readWith(QImageReader& reader) {
    decoderComplained = false;
    const QtMessageHandler previous = qInstallMessageHandler(catchDecoderWarning);
    QImage image;
    {
        const QuietStandardError quiet;
        image = decode(reader);
    }
    qInstallMessageHandler(previous);
    if (image.isNull() || decoderComplained) {
        return {};
    }
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_RGBA8888
                                                         : QImage::Format_RGB888);
}

} // namespace

QImage readPlanetImage(const QString& path) {
    QImageReader reader(path);
    return readWith(reader);
}

QImage readPlanetImage(QIODevice* device) {
    QImageReader reader(device);
    return readWith(reader);
}

unsigned char* bottomUpRows(const QImage& image) {
    const std::size_t rowBytes = static_cast<std::size_t>(image.bytesPerLine());
    const int height = image.height();
    auto* rows = static_cast<unsigned char*>(std::calloc(rowBytes * static_cast<std::size_t>(height), 1));
    if (rows == nullptr) {
        return nullptr;
    }
    const uchar* top = image.constBits();
    for (int rowNum = height - 1, destRowNum = 0; rowNum >= 0; --rowNum, ++destRowNum) {
        std::memcpy(rows + static_cast<std::size_t>(destRowNum) * rowBytes,
                    top + static_cast<std::size_t>(rowNum) * rowBytes, rowBytes);
    }
    return rows;
}
