#pragma once

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

namespace gbtest {

// Answers the modal dialogs that code under test opens with exec(): each new modal dialog
// gets the next step, in order, and its caption is recorded; a dialog with no step left is
// cancelled. A step may open further dialogs; they take the following steps.
//
// The poll only hands a step out; the step runs from its own single-shot call. Qt does not
// fire a repeating timer again while its slot runs, so a step run inside the poll that opened
// a dialog (New on a list opening its editor) would stop the poll until that dialog closed,
// and the dialog would never be answered.
//
//   ModalScript script;
//   script.steps = {[](QDialog *d) { d->findChild<QPushButton *>("PBOK")->click(); }};
//   getCommandDetails(nullptr, 10, nullptr);
//   EXPECT_EQ(script.captions, QStringList{"Blur Image"});
struct ModalScript {
    std::vector<std::function<void(QDialog *)>> steps;
    QStringList captions;
    QTimer poll;

    ModalScript()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->property("gbtestAnswered").toBool())
                return;
            dialog->setProperty("gbtestAnswered", true);
            captions << dialog->windowTitle();
            const size_t step = size_t(captions.size() - 1);
            if (step >= steps.size()) {
                dialog->reject();
                return;
            }
            // The call holds its own copy of the step, and is dropped if the dialog goes first.
            QTimer::singleShot(0, dialog, [action = steps[step], dialog] { action(dialog); });
        });
        poll.start(5);
    }
};

} // namespace gbtest
