#pragma once

#include "common/uiseam.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace gbtest {

// A UiSeam that answers from a script and records every request, installed for its lifetime.
//
//   ScriptedUi ui;
//   ui.boxAnswers = {gb::UiSeam::ResultYes};
//   ... run the code ...
//   EXPECT_EQ(ui.boxes.at(0).text, "File: a.jpg exist. Overwrite ?");
//
// Unscripted requests get the answer a user who cancels would give (No, Cancel, nothing).
class ScriptedUi : public gb::UiSeam
{
public:
    struct Box {
        QString caption; // "Error" for errorBox()
        QString text;
        unsigned type;
    };
    struct Dialog {
        QString kind; // "open", "save", "folder", "color"
        QString caption;
        QString start;
        QStringList filters;
        int filterIndex = -1; // the filter preselected, when the dialog has one
    };

    ScriptedUi();
    ~ScriptedUi() override;

    std::deque<int> boxAnswers;
    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<QString> folderAnswers;
    std::deque<std::optional<uint32_t>> colorAnswers;
    bool urlOpens = true;
    bool browserPresent = true;

    std::vector<Box> boxes;
    std::vector<Dialog> dialogs;
    QStringList urls;

    void errorBox(QWidget *owner, const QString &text) override;
    int textBox(QWidget *owner, const QString &caption, const QString &text, unsigned type) override;
    QStringList openFileNames(QWidget *owner, const QString &caption, const QString &folder,
                              const QStringList &filters, int *filterIndex, bool multiple) override;
    QString saveFileName(QWidget *owner, const QString &caption, const QString &initialPath,
                         const QStringList &filters, int *filterIndex) override;
    QString folderName(QWidget *owner, const QString &caption, const QString &startFolder) override;
    std::optional<uint32_t> colorChoice(QWidget *owner, uint32_t initial) override;
    void openUrl(QWidget *owner, const QString &address, std::function<void(QWidget *owner)> failed) override;
    void pleaseWaitShow(QWidget *owner, const QString &text) override;
    void pleaseWaitWithAbort(QWidget *owner, const QString &text) override;
    void pleaseWaitText(const QString &text) override;
    void pleaseWaitClose() override;
    void reportErrors(QWidget *owner, const QStringList &errors) override;

    // Every text the please-wait window showed, in order, whether it is open now and whether
    // the last one shown had an Abort button.
    QStringList pleaseWaitTexts;
    bool pleaseWaitOpen = false;
    bool pleaseWaitAbortable = false;
    // Every error log shown, in order.
    std::vector<QStringList> errorLogs;
    bool hasBrowser() override { return browserPresent; }

    // The texts of every box shown so far, in order.
    QStringList boxTexts() const;
};

} // namespace gbtest
