#include "common/helpdisplay.h"

#include "common/appdirs.h"
#include "common/uiseam.h"

#include <QFileInfo>
#include <QUrl>

#include <memory>

namespace gb {

namespace {
std::unique_ptr<HelpDisplay> gHelp;
}

HelpDisplay::HelpDisplay(const QString &file)
    : mFile(file)
{
}

QString HelpDisplay::topicUrl(const QString &topic) const
{
    QUrl url = QUrl::fromLocalFile(mFile);
    url.setFragment(topic);
    return url.toString(QUrl::FullyEncoded);
}

void HelpDisplay::show(const QString &topic) const
{
    // Help without a browser does nothing.
    ui().openUrl(nullptr, topicUrl(topic), {});
}

HelpDisplay *goHelpDisplay()
{
    return gHelp.get();
}

void initHelpDisplay()
{
    const QString file = supportDir() + QStringLiteral("help/index.html");
    if (QFileInfo::exists(file))
        gHelp = std::make_unique<HelpDisplay>(file);
    else
        gHelp.reset();
}

} // namespace gb
