#pragma once

#include <QString>

namespace gb {

// The program's help: an HTML file with one anchor per help topic ("HelpIndex",
// "Viewer Explorer", ...), shown in the web browser.
class HelpDisplay
{
public:
    explicit HelpDisplay(const QString &file);
    QString file() const { return mFile; }
    // Opens the help file at the topic's anchor.
    void show(const QString &topic) const;
    // The address the browser is given for a topic.
    QString topicUrl(const QString &topic) const;

private:
    QString mFile;
};

// The help display of the process, or null when the help file is missing (every help
// command then does nothing). Made by start-up through initHelpDisplay().
HelpDisplay *goHelpDisplay();
// Looks for support/help/index.html and sets goHelpDisplay() accordingly.
void initHelpDisplay();

} // namespace gb
