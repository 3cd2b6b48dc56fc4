#pragma once

#include "actions/paramdialog.h"
#include "actions/userfilter.h"

#include <vector>

namespace gb {

// The editors of one stored user filter and its description. Opened by the filter list
// with nothing for a new filter or {description, record} for a stored one; Ok builds a new
// record from the fields and ends with 1, Cancel with -1. They write nothing themselves.
// Every number field takes up to six characters with two decimals; an emptied one counts
// as 0. The centre coefficient has a background of its own.

// The 3 x 3 matrix filter editor ("AddFilterWin"): nine coefficients, the channels, "Zero
// non participated channels" (enabled only while some channel is off), "Use Feedback" and
// the factor.
class AddFilterWin : public ParamDialog
{
    Q_OBJECT
public:
    AddFilterWin(QWidget *owner, const Value &extra = Value());

    QString description() const { return mDescription; }
    // The record built by Ok.
    UserFilter results() const { return mResult; }

    QLineEdit *filterDesc() const { return mDesc; }
    QLineEdit *coef(int n) const { return mCoefs.at(size_t(n - 1)); } // 1..9
    QLineEdit *factor() const { return mFactor; }
    QCheckBox *check(const QString &name) const; // "RED", "GREEN", "BLUE", "ZERO", "FEEDBACK"

protected:
    bool applyValues() override;

private:
    void channelRule();

    QLineEdit *mDesc;
    std::vector<QLineEdit *> mCoefs;
    QLineEdit *mFactor;
    QCheckBox *mRed, *mGreen, *mBlue, *mZero, *mFeedback;
    QString mDescription;
    UserFilter mResult;
};

// The 7 x 7 convolution filter editor ("AddFilterWin_1"): 49 coefficients and the level.
class AddFilterWin_1 : public ParamDialog
{
    Q_OBJECT
public:
    AddFilterWin_1(QWidget *owner, const Value &extra = Value());

    QString description() const { return mDescription; }
    UserConvFilter results() const { return mResult; }

    QLineEdit *filterDesc() const { return mDesc; }
    QLineEdit *coef(int n) const { return mCoefs.at(size_t(n - 1)); } // 1..49
    QLineEdit *level() const { return mLevel; }

protected:
    bool applyValues() override;

private:
    QLineEdit *mDesc;
    std::vector<QLineEdit *> mCoefs;
    QLineEdit *mLevel;
    QString mDescription;
    UserConvFilter mResult;
};

} // namespace gb
