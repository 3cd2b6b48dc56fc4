#include "app/qtuiseam.h"

#include "common/batchprogress.h"
#include "common/batchprogresswin.h"
#include "common/browserlaunch.h"
#include "common/messages.h"
#include "common/pleasewaitwin.h"
#include "common/reporterrorswin.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace gb {

namespace {

QMessageBox::Icon iconOf(unsigned type)
{
    switch (type & 0xf0) {
    case UiSeam::IconStop:
        return QMessageBox::Critical;
    case UiSeam::IconQuestion:
        return QMessageBox::Question;
    case UiSeam::IconExclamation:
        return QMessageBox::Warning;
    case UiSeam::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int pickFilter(const QStringList &filters, int *filterIndex)
{
    return filterIndex ? qBound(0, *filterIndex, int(filters.size()) - 1) : 0;
}

} // namespace

void QtUiSeam::errorBox(QWidget *owner, const QString &text)
{
    QMessageBox::critical(owner, QStringLiteral("Error"), boxText(text));
}

int QtUiSeam::textBox(QWidget *owner, const QString &caption, const QString &text, unsigned type)
{
    const bool yesNo = (type & 0x0f) == YesNo;
    QMessageBox box(iconOf(type), caption, boxText(text),
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, owner);
    const int answer = box.exec();
    if (yesNo)
        return answer == QMessageBox::Yes ? ResultYes : ResultNo;
    return ResultOk;
}

QStringList QtUiSeam::openFileNames(QWidget *owner, const QString &caption, const QString &folder,
                                    const QStringList &filters, int *filterIndex, bool multiple)
{
    QFileDialog dialog(owner, caption, folder);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.at(pickFilter(filters, filterIndex)));
    }
    const QFileInfo start(folder);
    if (!start.isDir() && !start.fileName().contains(QLatin1Char('*'))) {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    } else if (!start.isDir()) {
        dialog.setDirectory(start.absolutePath());
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (filterIndex)
        *filterIndex = int(filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles();
}

QString QtUiSeam::saveFileName(QWidget *owner, const QString &caption, const QString &initialPath,
                               const QStringList &filters, int *filterIndex)
{
    QFileDialog dialog(owner, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.at(pickFilter(filters, filterIndex)));
    }
    const QFileInfo start(initialPath);
    if (start.isDir()) {
        dialog.setDirectory(start.absoluteFilePath());
    } else {
        dialog.setDirectory(start.absolutePath());
        if (!start.fileName().contains(QLatin1Char('*')))
            dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (filterIndex)
        *filterIndex = int(filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().constFirst();
}

QString QtUiSeam::folderName(QWidget *owner, const QString &caption, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(owner, caption, startFolder);
}

std::optional<uint32_t> QtUiSeam::colorChoice(QWidget *owner, uint32_t initial)
{
    const QColor start(int(initial & 0xff), int((initial >> 8) & 0xff), int((initial >> 16) & 0xff));
    const QColor chosen = QColorDialog::getColor(start, owner);
    if (!chosen.isValid())
        return std::nullopt;
    return uint32_t(chosen.red()) | (uint32_t(chosen.green()) << 8) | (uint32_t(chosen.blue()) << 16);
}

void QtUiSeam::openUrl(QWidget *owner, const QString &address, std::function<void(QWidget *)> failed)
{
    // The launch may fail long after the owner closed.
    launchBrowser(address, [owner = QPointer<QWidget>(owner), failed = std::move(failed)] {
        if (failed)
            failed(owner);
    });
}

bool QtUiSeam::hasBrowser()
{
    return browserFound();
}

void QtUiSeam::pleaseWaitShow(QWidget *owner, const QString &text)
{
    pleaseWaitClose();
    mPleaseWait = new PleaseWaitWin(owner, text);
}

void QtUiSeam::pleaseWaitWithAbort(QWidget *owner, const QString &text)
{
    pleaseWaitClose();
    mPleaseWait = new PleaseWaitWin(owner, text, true);
}

void QtUiSeam::pleaseWaitText(const QString &text)
{
    if (mPleaseWait)
        mPleaseWait->setNewMessage(text);
}

void QtUiSeam::pleaseWaitClose()
{
    if (mPleaseWait)
        mPleaseWait->done(1);
    mPleaseWait = nullptr;
}

void QtUiSeam::reportErrors(QWidget *owner, const QStringList &errors)
{
    gb::reportErrors(owner, errors);
}

std::unique_ptr<BatchProgress> QtUiSeam::batchProgress(QWidget *owner)
{
    return createBatchProgressWin(owner);
}

} // namespace gb
