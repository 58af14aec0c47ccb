#pragma once

#include <QImage>
#include <QString>

// The QR code of a text as a black-on-white image, one pixel per module
// and a quiet zone of four modules around it; a null image when the text
// cannot be encoded.
QImage qrCodeImage(const QString &text);
