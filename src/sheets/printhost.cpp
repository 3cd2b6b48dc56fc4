#include "sheets/printhost.h"

namespace gb {

namespace {

// A process without windows has no printer to offer: every job reports that.
class HeadlessPrintHost : public PrintHost
{
public:
    bool isValid() override { return false; }
    bool print(RpPrinter &, QWidget *, const QString &) override { return false; }
    bool preview(RpPrinter &, QWidget *, const QString &) override { return false; }
};

HeadlessPrintHost gHeadless;
PrintHost *gHost = nullptr;

} // namespace

PrintHost &printHost()
{
    return gHost ? *gHost : gHeadless;
}

void setPrintHost(PrintHost *host)
{
    gHost = host;
}

} // namespace gb
