#ifndef SHOWNAMOUNT_H
#define SHOWNAMOUNT_H

#include "model/DutchFormat.h"

#include <QLabel>
#include <QTableWidgetItem>
#include <QVariant>

// Shows an amount in a label or cell in Dutch notation; a value that is no number shows "—"
// with the reason as tool tip, and the label's own tip returns with the next number.
inline void ShowShownAmount(QLabel *label, double value, QString (*format)(double) = DutchTotal)
{
    static const char *const OwnTip = "quorvantOwnTip";
    if (!label->property(OwnTip).isValid())
        label->setProperty(OwnTip, label->toolTip());
    label->setText(format(value));
    const QString reason = NotANumberReason(value);
    label->setToolTip(reason.isEmpty() ? label->property(OwnTip).toString() : reason);
}

inline void ShowShownAmount(QTableWidgetItem *item, double value)
{
    item->setText(DutchWholeAmount(value));
    const QString reason = NotANumberReason(value);
    if (item->toolTip() != reason)
        item->setToolTip(reason);
}

#endif // SHOWNAMOUNT_H
