#include "answers/QrCode.h"

#include <qrencode.h>

#include <memory>

QImage qrCodeImage(const QString &text)
{
    constexpr int quietZone = 4;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), QRcode_free);
    if (!code)
        return {};
    const int side = code->width + 2 * quietZone;
    QImage image(side, side, QImage::Format_Mono);
    image.fill(0);  // colour 0 of the table below: white
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                image.setPixel(x + quietZone, y + quietZone, 1);
    return image;
}
