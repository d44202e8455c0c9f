#include "platform/ui/PrinterPage.h"

#include <QPainter>
#include <QPrinter>

PrinterPage::PrinterPage(QPrinter& printer) : printer_(printer) {}

QPaintEngine* PrinterPage::paintEngine() const {
    return jobPainter_ ? printer_.paintEngine() : nullptr;
}

QPainter* PrinterPage::sharedPainter() const {
    return jobPainter_;
}

// The page measures exactly as the printer does; only the public accessors are reachable.
int PrinterPage::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return printer_.width();
    case PdmHeight:
        return printer_.height();
    case PdmWidthMM:
        return printer_.widthMM();
    case PdmHeightMM:
        return printer_.heightMM();
    case PdmNumColors:
        return printer_.colorCount();
    case PdmDepth:
        return printer_.depth();
    case PdmDpiX:
        return printer_.logicalDpiX();
    case PdmDpiY:
        return printer_.logicalDpiY();
    case PdmPhysicalDpiX:
        return printer_.physicalDpiX();
    case PdmPhysicalDpiY:
        return printer_.physicalDpiY();
    default:
        return QPaintDevice::metric(metric);
    }
}
