#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace gb {

// The modal About window: the splash picture, version and release date, the maker's web and
// e-mail addresses, a fixed notice, a button that opens the web site and an "x" button that
// closes it. It has no title bar; its own close control is the "x" button.
class HelpAboutWin : public QDialog
{
    Q_OBJECT

public:
    explicit HelpAboutWin(QWidget *owner);

    QLabel *versionFt() const { return mVersion; }
    QLabel *releaseFt() const { return mRelease; }
    QLabel *webSiteFt() const { return mWebSite; }
    QLabel *emalFt() const { return mEmail; }
    QTextEdit *info() const { return mInfo; }
    QPushButton *visitButton() const { return mVisit; }
    QPushButton *closeButton() const { return mClose; }

    static QString emailAddress();

public slots:
    void pbVisitWeb();
    void pbClose();

private:
    QLabel *mVersion;
    QLabel *mRelease;
    QLabel *mWebSite;
    QLabel *mEmail;
    QTextEdit *mInfo;
    QPushButton *mVisit;
    QPushButton *mClose;
};

} // namespace gb
