#pragma once

#include <QWidget>

namespace gb {

class HGallery;

// One section page of the gallery window. Pages bound to the gallery copy its settings
// into their controls in connect2Source() and back in updateObject(); the window calls
// the first when it opens and after Load, the second before Save, Save As New and Do It.
// Pages that hold no setting (the source and comments pages) keep both as no-ops.
class SectionPage : public QWidget
{
    Q_OBJECT
public:
    explicit SectionPage(QWidget *owner = nullptr) : QWidget(owner) {}

    virtual void connect2Source(HGallery *gallery) { mGallery = gallery; }
    virtual void updateObject() {}
    HGallery *gallery() const { return mGallery; }

protected:
    HGallery *mGallery = nullptr;
};

} // namespace gb
