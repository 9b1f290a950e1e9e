#ifndef DUTCHSPINBOXES_H
#define DUTCHSPINBOXES_H

// Spin boxes that show their number in Dutch notation ("5,0", "10.000") and read what is
// typed by the grid's rule for that kind of field: "5,5" and "5.5" percentage points, "10.000"
// and "10000" paths. A text that is no number is not taken (the box keeps its value).

#include "model/DutchFormat.h"

#include <QDoubleSpinBox>
#include <QSpinBox>

class DutchPercentSpinBox : public QDoubleSpinBox
{
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    QString textFromValue(double value) const override { return DutchPercentage(value, decimals()); }
    double valueFromText(const QString &text) const override
    {
        return ReadTypedNumber(number(text), NumberKind::Percentage).value;
    }
    QValidator::State validate(QString &text, int &) const override
    {
        const TypedNumber typed = ReadTypedNumber(number(text), NumberKind::Percentage);
        if (!typed.ok())
            return QValidator::Intermediate;
        return typed.value >= minimum() && typed.value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    }

private:
    QString number(QString text) const
    {
        if (!suffix().isEmpty() && text.endsWith(suffix()))
            text.chop(suffix().size());
        return text.trimmed();
    }
};

class DutchCountSpinBox : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;

    QString textFromValue(int value) const override { return DutchCount(value); }
    int valueFromText(const QString &text) const override
    {
        return static_cast<int>(ReadTypedNumber(text.trimmed(), NumberKind::Count).value);
    }
    QValidator::State validate(QString &text, int &) const override
    {
        const TypedNumber typed = ReadTypedNumber(text.trimmed(), NumberKind::Count);
        if (!typed.ok())
            return QValidator::Intermediate;
        return typed.value >= minimum() && typed.value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    }
};

// An amount in whole euros: "59.357"; "59357" and "59.357" read the same.
class DutchAmountSpinBox : public QDoubleSpinBox
{
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    QString textFromValue(double value) const override { return DutchNumber(value, decimals(), true); }
    double valueFromText(const QString &text) const override
    {
        return ReadTypedNumber(number(text), NumberKind::Amount).value;
    }
    QValidator::State validate(QString &text, int &) const override
    {
        const TypedNumber typed = ReadTypedNumber(number(text), NumberKind::Amount);
        if (!typed.ok())
            return QValidator::Intermediate;
        return typed.value >= minimum() && typed.value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    }

private:
    QString number(QString text) const
    {
        if (!prefix().isEmpty() && text.startsWith(prefix()))
            text.remove(0, prefix().size());
        return text.trimmed();
    }
};

#endif // DUTCHSPINBOXES_H
