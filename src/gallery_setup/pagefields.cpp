#include "gallery_setup/pagefields.h"

#include "image/previewft.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace gb {

QLineEdit *pageEdit(QWidget *parent, const QString &name, const QString &tip, int digits)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setToolTip(tip);
    // The validator limits what is typed. A length limit would also cut a longer stored
    // number when it is shown, and the page would store the cut one back unnoticed; shown
    // whole, it reaches validation, which refuses it.
    if (digits > 0)
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit));
    return edit;
}

QCheckBox *pageCheck(QWidget *parent, const QString &name, const QString &caption, const QString &tip)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    return box;
}

QRadioButton *pageRadio(QWidget *parent, const QString &name, const QString &caption, const QString &tip)
{
    auto *radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    radio->setToolTip(tip);
    return radio;
}

QPushButton *textButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel *fixedText(QWidget *parent, const QString &text, const QString &name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

PreviewFt *previewPane(QWidget *parent, const QString &name, const QSize &size)
{
    auto *pane = new PreviewFt(parent);
    pane->setObjectName(name);
    pane->setFixedSize(size);
    pane->setFrameShape(QFrame::Box);
    return pane;
}

QGridLayout *colorGrid(QWidget *group, const std::vector<std::pair<QString, ColorField *>> &rows)
{
    auto *grid = new QGridLayout(group);
    int row = 0;
    for (const auto &[label, field] : rows) {
        grid->addWidget(fixedText(group, label), row, 0);
        grid->addWidget(field->sample(), row, 1);
        grid->addWidget(field->button(), row, 2);
        ++row;
    }
    return grid;
}

} // namespace gb

namespace gb {

QGroupBox *userHtmlGroup(QWidget *parent, QPlainTextEdit *&top, QPlainTextEdit *&bottom, const QStringList &labelNames,
                         bool stacked)
{
    auto *html = new QGroupBox(QStringLiteral("User HTML code"), parent);
    html->setObjectName(QStringLiteral("GROUPBOX2"));
    top = new QPlainTextEdit(html);
    top->setObjectName(QStringLiteral("THUMBTOP"));
    bottom = new QPlainTextEdit(html);
    bottom->setObjectName(QStringLiteral("THUMBBOTTOM"));
    auto *above = fixedText(html, QStringLiteral("Insert the following html code, in body section before page title ..."),
                            labelNames.value(0));
    auto *below = fixedText(html, QStringLiteral("Insert the following html code, in body section after any other code ..."),
                            labelNames.value(1));
    auto *grid = new QGridLayout(html);
    grid->addWidget(above, 0, 0);
    grid->addWidget(top, 1, 0);
    grid->addWidget(below, stacked ? 2 : 0, stacked ? 0 : 1);
    grid->addWidget(bottom, stacked ? 3 : 1, stacked ? 0 : 1);
    for (QLabel *label : {above, below})
        label->setWordWrap(true);
    for (QPlainTextEdit *edit : {top, bottom}) {
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setMinimumHeight(40);
    }
    return html;
}

} // namespace gb
