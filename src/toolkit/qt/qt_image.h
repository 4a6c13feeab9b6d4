#pragma once

#include <QImage>

#include "toolkit/WSDdev.h"

namespace wsqt {

// The device's picture as a QImage over the same pixels, without a copy: valid while the
// device is neither resized nor destroyed.
inline QImage imageOf(const WSDdev& device) {
    return QImage(reinterpret_cast<const uchar*>(device.bits()), device.width(), device.height(),
                  device.width() * 4, QImage::Format_RGB32);
}

}  // namespace wsqt
