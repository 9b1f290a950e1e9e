#ifndef COSTTAXCONTROLLER_H
#define COSTTAXCONTROLLER_H

#include "model/CostTax.h"

#include <QObject>
#include <QPointer>

#include <functional>

QT_BEGIN_NAMESPACE
class QAction;
class QMenu;
class QWidget;
QT_END_NAMESPACE

class CostTaxDialog;

// "Kosten en belasting..." in the File menu: opens the dialog on the document's assumptions
// and hands what OK holds to the document, which makes it one undo step. Cancel changes
// nothing.
class CostTaxController : public QObject
{
    Q_OBJECT

public:
    using Read = std::function<CostTaxAssumptions()>;
    using Apply = std::function<void(const CostTaxAssumptions &)>;

    // The action goes into `menu` before `before` (at the end without one).
    CostTaxController(QMenu *menu, QAction *before, QWidget *window, Read read, Apply apply);

    QAction *action() const { return m_action; }
    // The open dialog, or nullptr.
    CostTaxDialog *dialog() const;

public slots:
    // Opens the dialog on the document's assumptions (window-modal, at once).
    void open();
    // The document changed under the dialog (opened, new, undone): an open dialog shows it.
    void documentChanged();

private:
    QAction *m_action;
    QWidget *m_window;
    Read m_read;
    Apply m_apply;
    QPointer<CostTaxDialog> m_dialog;
    CostTaxAssumptions m_shown;
};

#endif // COSTTAXCONTROLLER_H
