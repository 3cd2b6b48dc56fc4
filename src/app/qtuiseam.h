#pragma once

#include "common/uiseam.h"

#include <QPointer>

namespace gb {

class PleaseWaitWin;

// The program's own answers to the UI seam: Qt message boxes, file, folder and colour
// dialogs, and the desktop's web browser.
class QtUiSeam : public UiSeam
{
public:
    void errorBox(QWidget *owner, const QString &text) override;
    int textBox(QWidget *owner, const QString &caption, const QString &text, unsigned type) override;
    QStringList openFileNames(QWidget *owner, const QString &caption, const QString &folder,
                              const QStringList &filters, int *filterIndex, bool multiple) override;
    QString saveFileName(QWidget *owner, const QString &caption, const QString &initialPath,
                         const QStringList &filters, int *filterIndex) override;
    QString folderName(QWidget *owner, const QString &caption, const QString &startFolder) override;
    std::optional<uint32_t> colorChoice(QWidget *owner, uint32_t initial) override;
    void openUrl(QWidget *owner, const QString &address, std::function<void(QWidget *owner)> failed) override;
    bool hasBrowser() override;
    void pleaseWaitShow(QWidget *owner, const QString &text) override;
    void pleaseWaitWithAbort(QWidget *owner, const QString &text) override;
    void pleaseWaitText(const QString &text) override;
    void pleaseWaitClose() override;
    void reportErrors(QWidget *owner, const QStringList &errors) override;
    std::unique_ptr<BatchProgress> batchProgress(QWidget *owner) override;

private:
    QPointer<PleaseWaitWin> mPleaseWait;
};

} // namespace gb
