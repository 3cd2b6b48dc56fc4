#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QListWidget;
class QPushButton;

namespace gb {

// The editor of the information items written beside each image on a gallery page: every
// item on the left ("Available", always all eleven), the chosen codes in writing order on
// the right. Each button writes the gallery setting at once through the setter it was given;
// a missing selection is told with an information box and changes nothing. Codes the item
// list does not know stay in the setting but are not shown.
class ImageVarsEditor : public QWidget
{
    Q_OBJECT
public:
    using Getter = std::function<QList<int>()>;
    using Setter = std::function<void(const QList<int> &)>;

    // kind: "thumbnail" or "full size image", for the tooltips.
    ImageVarsEditor(QWidget *owner, const QString &kind);
    void bind(Getter get, Setter set);

    // Fills the chosen list from the setting; nothing is selected afterwards.
    void updateLb();
    void pbSelect();
    void pbDeselect();
    void pbMoveUp();
    void pbMoveDown();

    QListWidget *availLb() const { return mAvail; }
    QListWidget *selLb() const { return mSel; }
    QList<QWidget *> controls() const;

private:
    void store(const QList<int> &codes, int select);

    Getter mGet;
    Setter mSet;
    QListWidget *mAvail;
    QListWidget *mSel;
    QPushButton *mSelect;
    QPushButton *mDeselect;
    QPushButton *mUp;
    QPushButton *mDown;
};

} // namespace gb
