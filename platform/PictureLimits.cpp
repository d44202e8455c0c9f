#include "platform/PictureLimits.h"

PictureLimits& pictureLimits() {
    static PictureLimits limits;
    return limits;
}
