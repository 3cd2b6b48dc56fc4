#include "actions/addfilterwin.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <cmath>

namespace gb {

namespace {

// The numeric rule of every filter field: six characters, two decimals, so -99.99 to
// 999.99; a stored value beyond that (a damaged record) shows as the nearer limit.
void makeNumberField(QLineEdit *field, double value)
{
    value = std::isfinite(value) ? std::clamp(value, -99.99, 999.99) : 0.0;
    field->setMaxLength(6);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9]{0,6}(\\.[0-9]{0,2})?")), field));
    field->setText(QString::number(value, 'f', 2));
}

double fieldValue(const QLineEdit *field)
{
    return numberOfText(field->text());
}

// The stored filter an editor opens on: {description, record}, or nothing.
bool storedFilter(const Value &extra, QString &description, Value &record)
{
    if (!extra.isArray() || extra.size() != 2)
        return false;
    description = extra.at(0).toString();
    record = extra.at(1);
    return true;
}

// The centre of the matrix has a background of its own.
void markCentre(QLineEdit *field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 192));
    field->setPalette(palette);
}

} // namespace

AddFilterWin::AddFilterWin(QWidget *owner, const Value &extra)
    : ParamDialog(owner, QStringLiteral("AddFilterWin"), QStringLiteral("Dialog Caption"), 264, 169)
{
    label(QStringLiteral("Description:"), {12, 8, 38, 12}, QStringLiteral("FIXEDTEXT1"));
    mDesc = edit(QStringLiteral("FILTERDESC"), {52, 6, 199, 12});
    group(QStringLiteral("Coefficients:"), {6, 27, 122, 70})->setObjectName(QStringLiteral("GROUPBOX1"));
    std::vector<QLineEdit *> fields;
    const int xs[3] = {14, 54, 92};
    const int ys[3] = {40, 58, 76};
    for (int n = 1; n <= 9; ++n)
        fields.push_back(edit(QStringLiteral("COEF%1").arg(n), {xs[(n - 1) % 3], ys[(n - 1) / 3], 32, 12}));
    mCoefs = fields;
    markCentre(coef(5));
    group(QStringLiteral("Apply to Channels:"), {131, 27, 128, 70})->setObjectName(QStringLiteral("GROUPBOX2"));
    mRed = checkBox(QStringLiteral("RED"), QStringLiteral("Red"), {138, 45, 27, 11});
    mGreen = checkBox(QStringLiteral("GREEN"), QStringLiteral("Green"), {176, 45, 32, 11});
    mBlue = checkBox(QStringLiteral("BLUE"), QStringLiteral("Blue"), {218, 45, 32, 11});
    mZero = checkBox(QStringLiteral("ZERO"), QStringLiteral("Zero non participated channels"), {138, 68, 115, 11});
    mFactor = edit(QStringLiteral("FEEDBACKFACTOR"), {59, 115, 54, 12});
    mFeedback = checkBox(QStringLiteral("FEEDBACK"), QStringLiteral("Use Feedback"), {157, 117, 80, 11});
    label(QStringLiteral("Factor:"), {18, 117, 38, 12}, QStringLiteral("FIXEDTEXT2"));
    applyCancel(QStringLiteral("PBOK"), {58, 148, 54, 12}, {152, 148, 53, 12}, QStringLiteral("Ok"));

    QString description;
    Value record;
    const UserFilter filter = storedFilter(extra, description, record) ? UserFilter::fromValue(record) : UserFilter();
    mDesc->setText(description);
    for (int n = 1; n <= 9; ++n)
        makeNumberField(coef(n), filter.coefficients[size_t(n - 1)]);
    makeNumberField(mFactor, filter.factor);
    mRed->setChecked(filter.red);
    mGreen->setChecked(filter.green);
    mBlue->setChecked(filter.blue);
    mZero->setChecked(filter.zeroOthers);
    mFeedback->setChecked(filter.feedback);
    channelRule();
    for (QCheckBox *box : {mRed, mGreen, mBlue, mZero, mFeedback})
        connect(box, &QCheckBox::clicked, this, &AddFilterWin::channelRule);
}

QCheckBox *AddFilterWin::check(const QString &name) const
{
    for (QCheckBox *box : {mRed, mGreen, mBlue, mZero, mFeedback}) {
        if (box->objectName() == name)
            return box;
    }
    return nullptr;
}

void AddFilterWin::channelRule()
{
    // Zeroing the other channels means something only while some channel is left out.
    mZero->setEnabled(!(mRed->isChecked() && mGreen->isChecked() && mBlue->isChecked()));
}

bool AddFilterWin::applyValues()
{
    mDescription = userFilterDescription(mDesc->text());
    UserFilter filter;
    for (int n = 1; n <= 9; ++n)
        filter.coefficients[size_t(n - 1)] = fieldValue(coef(n));
    filter.red = mRed->isChecked();
    filter.green = mGreen->isChecked();
    filter.blue = mBlue->isChecked();
    filter.zeroOthers = mZero->isChecked();
    filter.feedback = mFeedback->isChecked();
    filter.factor = fieldValue(mFactor);
    mResult = filter;
    return true;
}

AddFilterWin_1::AddFilterWin_1(QWidget *owner, const Value &extra)
    : ParamDialog(owner, QStringLiteral("AddFilterWin_1"), QString(), 285, 194)
{
    label(QStringLiteral("Description:"), {6, 8, 38, 12}, QStringLiteral("FIXEDTEXT1"));
    mDesc = edit(QStringLiteral("FILTERDESC"), {45, 6, 152, 12});
    label(QStringLiteral("Level:"), {202, 8, 23, 12}, QStringLiteral("FIXEDTEXT2"));
    mLevel = edit(QStringLiteral("FLEVEL"), {225, 6, 54, 12});
    group(QStringLiteral("Coefficients:"), {7, 25, 271, 139})->setObjectName(QStringLiteral("GROUPBOX1"));
    std::vector<QLineEdit *> fields;
    const int xs[7] = {14, 52, 89, 127, 164, 200, 237};
    const int ys[7] = {40, 57, 74, 91, 108, 126, 143};
    for (int n = 1; n <= 49; ++n)
        fields.push_back(edit(QStringLiteral("COEF%1").arg(n), {xs[(n - 1) % 7], ys[(n - 1) / 7], 32, 12}));
    mCoefs = fields;
    markCentre(coef(25));
    applyCancel(QStringLiteral("PBOK"), {69, 175, 54, 12}, {162, 175, 53, 12}, QStringLiteral("Ok"));

    QString description;
    Value record;
    const UserConvFilter filter =
        storedFilter(extra, description, record) ? UserConvFilter::fromValue(record) : UserConvFilter();
    mDesc->setText(description);
    for (int n = 1; n <= 49; ++n)
        makeNumberField(coef(n), filter.coefficients[size_t(n - 1)]);
    makeNumberField(mLevel, filter.level);
}

bool AddFilterWin_1::applyValues()
{
    mDescription = userFilterDescription(mDesc->text());
    UserConvFilter filter;
    for (int n = 1; n <= 49; ++n)
        filter.coefficients[size_t(n - 1)] = fieldValue(coef(n));
    filter.level = fieldValue(mLevel);
    mResult = filter;
    return true;
}

} // namespace gb
