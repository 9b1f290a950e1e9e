#ifndef SHOWNAMOUNT_H
#define SHOWNAMOUNT_H

#include "model/DutchFormat.h"

#include <QLabel>
#include <QTableWidgetItem>
#include <QVariant>

#include <cmath>

// Shows an amount in a label or cell in Dutch notation; a value that is no number shows "—"
// with the reason as tool tip, and the label's own tip returns with the next number. Cheap for
// a finite value: the grid shows thousands of them at every edit.
inline void ShowShownAmount(QLabel *label, double value, QString (*format)(double) = DutchTotal)
{
    static const char *const OwnTip = "quorvantOwnTip";
    label->setText(format(value));
    if (!std::isfinite(value)) {
        if (!label->property(OwnTip).isValid())
            label->setProperty(OwnTip, label->toolTip());
        label->setToolTip(NotANumberReason(value));
    } else if (label->property(OwnTip).isValid()) {
        // The reason is in the language shown: the kept tip says that one is showing.
        label->setToolTip(label->property(OwnTip).toString());
        label->setProperty(OwnTip, QVariant());
    }
}

inline void ShowShownAmount(QTableWidgetItem *item, double value)
{
    item->setText(DutchWholeAmount(value));
    // An item compares a role's new value with its old one: no tip stays no tip for free.
    if (std::isfinite(value))
        item->setData(Qt::ToolTipRole, QVariant());
    else
        item->setToolTip(NotANumberReason(value));
}

#endif // SHOWNAMOUNT_H
