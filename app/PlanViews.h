#ifndef PLANVIEWS_H
#define PLANVIEWS_H

#include "app/PlanSource.h"
#include "app/YearOverviewWindow.h"

#include <QObject>
#include <QPointer>

#include <functional>

QT_BEGIN_NAMESPACE
class QComboBox;
class QMenu;
class QWidget;
QT_END_NAMESPACE


// The year overview and the plan report in a main window: File > "Jaaroverzicht",
// "Rapport..." and "Rapport afdrukken...", and the button "Jaaroverzicht" beside the year list.
class PlanViews : public QObject
{
    Q_OBJECT

public:
    // Adds the actions to `fileMenu` (before its "Exit") and the button beside `yearList`.
    PlanViews(QWidget *window, QMenu *fileMenu, QComboBox *yearList, PlanSource source);

    // The portfolio, its settings or the chosen year changed: an open overview follows (once,
    // after the change is done).
    void portfolioChanged();

    void openOverview();
    YearOverviewWindow *overview() const { return m_overview; }

    // Asks for the PDF file and writes the report; false when cancelled or not written (the
    // message says why).
    bool saveReport();
    void printReport();

    // Tests answer in place of the save dialog through this.
    void setReportFileNameProvider(std::function<QString(const QString &suggested)> provider);

private:
    QWidget *m_window;
    PlanSource m_source;
    QPointer<YearOverviewWindow> m_overview;
    std::function<QString(const QString &)> m_reportFileName;
    bool m_refreshPending = false;
};

#endif // PLANVIEWS_H
