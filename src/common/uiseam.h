#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace gb {

class BatchProgress;

// Every conversation with the user that an engine or a window may start: message boxes,
// yes/no questions, file and folder dialogs, the colour picker and the browser launch.
//
// The program installs the real implementation (Qt dialogs) at start-up; tests install a
// ScriptedUi that answers from a script and records what was asked. Engines reach it
// through ui() and never open a dialog themselves. An owner may be null.
class UiSeam
{
public:
    // Message-box types, as the message-box functions combine them.
    enum BoxType : unsigned {
        Ok = 0x00,
        YesNo = 0x04,
        IconStop = 0x10,
        IconQuestion = 0x20,
        IconExclamation = 0x30,
        IconInformation = 0x40,
    };
    // Box results.
    enum BoxResult { ResultOk = 1, ResultCancel = 2, ResultYes = 6, ResultNo = 7 };

    virtual ~UiSeam() = default;

    // The library's error box: an error icon, an OK button and the library's "Error" caption.
    virtual void errorBox(QWidget *owner, const QString &text) = 0;
    // A message box with a caption, a text and a type; returns a BoxResult.
    virtual int textBox(QWidget *owner, const QString &caption, const QString &text, unsigned type) = 0;

    // Open-file dialog. filters are "Label (*.a *.b)" entries; filterIndex (may be null)
    // gives the preselected filter and takes back the chosen one. Empty list when cancelled.
    virtual QStringList openFileNames(QWidget *owner, const QString &caption, const QString &folder,
                                      const QStringList &filters, int *filterIndex, bool multiple) = 0;
    // Save-file dialog; an empty text when cancelled.
    virtual QString saveFileName(QWidget *owner, const QString &caption, const QString &initialPath,
                                 const QStringList &filters, int *filterIndex) = 0;
    // Folder picker; an empty text when cancelled.
    virtual QString folderName(QWidget *owner, const QString &caption, const QString &startFolder) = 0;
    // Colour picker over colour numbers (red + green*256 + blue*65536); nothing when cancelled.
    virtual std::optional<uint32_t> colorChoice(QWidget *owner, uint32_t initial) = 0;
    // Starts the default web browser on an address or a local file and returns without
    // waiting for it. When no browser could be started, or the one started ended in failure,
    // failed (may be empty) runs with the owner, or with null once the owner is gone: before
    // this returns, or later from the event loop.
    virtual void openUrl(QWidget *owner, const QString &address, std::function<void(QWidget *owner)> failed) = 0;
    // Whether the system has a default web browser to start at all.
    virtual bool hasBrowser() { return true; }
    // The modeless "Please Wait ..." window of long work that pumps no events: shown with a
    // first text, its text replaced and repainted at once, then closed. The default shows
    // nothing.
    virtual void pleaseWaitShow(QWidget *owner, const QString &text) {}
    // The same window for work that serves events and stops at an abort: it also has an
    // Abort button, whose confirmed press sets glAbortBatch and closes the window. The
    // default shows what pleaseWaitShow() shows.
    virtual void pleaseWaitWithAbort(QWidget *owner, const QString &text) { pleaseWaitShow(owner, text); }
    virtual void pleaseWaitText(const QString &text) {}
    virtual void pleaseWaitClose() {}
    // The modal "Error Log" over a list of problems, in order. The default writes them to
    // the standard error.
    virtual void reportErrors(QWidget *owner, const QStringList &errors);
    // The progress window of a run over many files, with its Abort button, owned by the
    // caller. The default is a silent stand-in that never aborts; the program's UI gives
    // the real window (createBatchProgressWin()).
    virtual std::unique_ptr<BatchProgress> batchProgress(QWidget *owner);
};

// The installed implementation. Without one installed, a headless one answers: it writes
// boxes to the standard error, answers No and Cancel, and opens nothing.
UiSeam &ui();
// Installs an implementation (not owned); null restores the headless one.
void setUi(UiSeam *seam);

} // namespace gb
